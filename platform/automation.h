#pragma once
// Late-bound automation: an object is created by its program identifier
// ("Excel.Application") and driven by name, without compile-time knowledge of
// its interface. Windows serves identifiers through COM; any system can also
// have stand-ins registered under an identifier, which take precedence. Linux
// has no COM, so there "Excel.Application" is a stand-in that hands the file to
// the desktop's spreadsheet program.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "platform/platform.h"

namespace ek::platform {

// An argument of a late-bound call.
using AutomationValue = std::variant<bool, std::int32_t, std::u16string>;

// A failed creation or call; the message is the text the user sees.
class AutomationError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// One automation object. Every call throws AutomationError on failure.
class AutomationObject {
  public:
    virtual ~AutomationObject() = default;

    // Property put with one argument.
    virtual void put(const std::u16string& property, const AutomationValue& value) = 0;
    // Property get (or argument-less method) returning an object.
    virtual std::unique_ptr<AutomationObject> get(const std::u16string& property) = 0;
    // Method call; a result, if any, is discarded.
    virtual void call(const std::u16string& method,
                      const std::vector<AutomationValue>& arguments) = 0;
};

// Makes one object; nullptr when what it stands for is not available.
using AutomationFactory = std::function<std::unique_ptr<AutomationObject>()>;

// The message of a failed creation: "<reason>, ProgID: "<programId>"".
std::string creationFailureMessage(const std::u16string& reason, const std::u16string& programId);

// Creates objects by program identifier: a registered stand-in first, else
// the system's automation (COM on Windows; none elsewhere).
class Automation {
  public:
    Automation();
    ~Automation();
    Automation(const Automation&) = delete;
    Automation& operator=(const Automation&) = delete;

    // Serves `programId` by `factory` from now on (replacing an earlier one).
    void registerStandIn(std::u16string programId, AutomationFactory factory);

    // Throws AutomationError with creationFailureMessage when the identifier
    // is not served.
    std::unique_ptr<AutomationObject> create(const std::u16string& programId);

  private:
    struct System;
    std::map<std::u16string, AutomationFactory> standIns_;
    std::unique_ptr<System> system_;  // the system's automation, created on first use
};

// Finds a program by name the way a process start does; its path, or nothing.
using ProgramLocator = std::function<std::optional<Path>(const Path& name)>;

// Searches the folders of $PATH for an executable file (Linux).
std::optional<Path> findProgramOnPath(const Path& name);

// The stand-in for "Excel.Application": records "Visible" and
// "DisplayAlerts"; its "Workbooks" object's "open"(path) starts the desktop's
// spreadsheet program on the path: LibreOffice Calc (soffice, localc) when one
// is found, else the desktop's opener (xdg-open).
class SpreadsheetStandIn final : public AutomationObject {
  public:
    SpreadsheetStandIn(Platform& platform, Path program, std::vector<Path> leadingArguments);

    // The program that `locate` finds first, or nullptr when there is none.
    static std::unique_ptr<SpreadsheetStandIn> make(Platform& platform,
                                                    const ProgramLocator& locate);

    void put(const std::u16string& property, const AutomationValue& value) override;
    std::unique_ptr<AutomationObject> get(const std::u16string& property) override;
    void call(const std::u16string& method, const std::vector<AutomationValue>& arguments) override;

    bool visible() const { return visible_; }
    bool displayAlerts() const { return displayAlerts_; }
    const Path& program() const { return program_; }

  private:
    Platform& platform_;
    Path program_;
    std::vector<Path> leadingArguments_;
    bool visible_ = false;
    bool displayAlerts_ = true;
};

inline constexpr char16_t kSpreadsheetProgramId[] = u"Excel.Application";

// The automation of the machine the program runs on; on Linux with the
// spreadsheet stand-in registered (programs found with `locate`). `platform`
// must outlive it.
std::unique_ptr<Automation> makeSystemAutomation(Platform& platform,
                                                 ProgramLocator locate = findProgramOnPath);

}  // namespace ek::platform
