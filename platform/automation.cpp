#include "platform/automation.h"

#include <algorithm>
#include <utility>

#include "platform/unicode.h"

#ifdef _WIN32
// clang-format off
#include <windows.h>
#include <objbase.h>
#include <oleauto.h>
// clang-format on

#include <cwchar>
#include <string_view>
#ifdef _MSC_VER
#pragma comment(lib, "ole32.lib")
#pragma comment(lib, "oleaut32.lib")
#endif
#else
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#endif

namespace ek::platform {

namespace {

// Automation names are matched without regard to case, as COM servers do.
bool sameName(std::u16string_view a, std::u16string_view b) {
    const auto lower = [](char16_t c) {
        return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
    };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char16_t x, char16_t y) { return lower(x) == lower(y); });
}

std::u16string replaced(std::u16string pattern, std::u16string_view value) {
    const std::size_t at = pattern.find(u"%s");
    if (at != std::u16string::npos)
        pattern.replace(at, 2, value);
    return pattern;
}

[[noreturn]] void fail(const std::u16string& message) {
    throw AutomationError(toUtf8(message));
}

// The texts the system gives for these automation failures.
constexpr char16_t kUnknownName[] = u"Neznámý název";
constexpr char16_t kTypeMismatch[] = u"Neshoda typů";
constexpr char16_t kBadParameterCount[] = u"Neplatný počet parametrů";

bool truthOf(const AutomationValue& value) {
    if (const bool* flag = std::get_if<bool>(&value))
        return *flag;
    if (const std::int32_t* number = std::get_if<std::int32_t>(&value))
        return *number != 0;
    fail(kTypeMismatch);
}

// The stand-in's workbook collection: "open"(path) hands the file over.
class StandInWorkbooks final : public AutomationObject {
  public:
    StandInWorkbooks(Platform& platform, Path program, std::vector<Path> leadingArguments)
        : platform_(platform),
          program_(std::move(program)),
          leadingArguments_(std::move(leadingArguments)) {}

    void put(const std::u16string&, const AutomationValue&) override { fail(kUnknownName); }
    std::unique_ptr<AutomationObject> get(const std::u16string&) override { fail(kUnknownName); }

    void call(const std::u16string& method,
              const std::vector<AutomationValue>& arguments) override {
        if (!sameName(method, u"open"))
            fail(kUnknownName);
        if (arguments.empty())
            fail(kBadParameterCount);
        const std::u16string* path = std::get_if<std::u16string>(&arguments.front());
        if (!path)
            fail(kTypeMismatch);
        // A missing file would only make the program show an empty window.
        if (!platform_.fileExists(*path))
            fail(replaced(u"Soubor \"%s\" nebyl nalezen.", *path));
        std::vector<Path> programArguments = leadingArguments_;
        programArguments.push_back(*path);
        if (!platform_.startProcess(program_, programArguments))
            fail(replaced(u"Tabulkový program \"%s\" se nepodařilo spustit.", program_));
    }

  private:
    Platform& platform_;
    Path program_;
    std::vector<Path> leadingArguments_;
};

}  // namespace

std::string creationFailureMessage(const std::u16string& reason, const std::u16string& programId) {
    return toUtf8(reason + u", ProgID: \"" + programId + u"\"");
}

// ---------------------------------------------------------------- stand-in

SpreadsheetStandIn::SpreadsheetStandIn(Platform& platform, Path program,
                                       std::vector<Path> leadingArguments)
    : platform_(platform),
      program_(std::move(program)),
      leadingArguments_(std::move(leadingArguments)) {}

std::unique_ptr<SpreadsheetStandIn> SpreadsheetStandIn::make(Platform& platform,
                                                             const ProgramLocator& locate) {
    struct Candidate {
        const char16_t* name;
        std::vector<Path> leadingArguments;
    };
    // LibreOffice's launcher opens the file in Calc; the desktop opener picks
    // whatever program the desktop associates with the file.
    const Candidate candidates[] = {
        {u"soffice", {u"--calc"}},
        {u"localc", {}},
        {u"xdg-open", {}},
    };
    for (const Candidate& candidate : candidates) {
        if (std::optional<Path> program = locate(candidate.name))
            return std::make_unique<SpreadsheetStandIn>(platform, std::move(*program),
                                                        candidate.leadingArguments);
    }
    return nullptr;
}

void SpreadsheetStandIn::put(const std::u16string& property, const AutomationValue& value) {
    if (sameName(property, u"Visible")) {
        visible_ = truthOf(value);
    } else if (sameName(property, u"DisplayAlerts")) {
        displayAlerts_ = truthOf(value);
    } else {
        fail(kUnknownName);
    }
}

std::unique_ptr<AutomationObject> SpreadsheetStandIn::get(const std::u16string& property) {
    if (!sameName(property, u"Workbooks"))
        fail(kUnknownName);
    return std::make_unique<StandInWorkbooks>(platform_, program_, leadingArguments_);
}

void SpreadsheetStandIn::call(const std::u16string&, const std::vector<AutomationValue>&) {
    fail(kUnknownName);
}

#ifdef _WIN32

// ---------------------------------------------------------------- COM

namespace {

std::wstring wide(const std::u16string& text) {
    return std::wstring(text.begin(), text.end());
}

// The system's text for `result`, without the trailing line break and period.
std::u16string systemMessage(HRESULT result) {
    wchar_t* buffer = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(result), 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
    std::u16string text;
    if (length != 0 && buffer != nullptr)
        text.assign(buffer, buffer + length);
    ::LocalFree(buffer);
    while (!text.empty() && (text.back() <= u' ' || text.back() == u'.'))
        text.pop_back();
    if (text.empty()) {
        wchar_t code[16];
        ::swprintf(code, 16, L"0x%08lX", static_cast<unsigned long>(result));
        text = u"Chyba " + std::u16string(code, code + ::wcslen(code));
    }
    return text;
}

// COM for the calling thread while the automation exists.
class ComApartment {
  public:
    ComApartment() : initialised_(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (initialised_)
            ::CoUninitialize();
    }

  private:
    bool initialised_;
};

// Arguments of one Invoke, in the reversed order IDispatch expects.
class InvokeArguments {
  public:
    explicit InvokeArguments(const std::vector<AutomationValue>& values)
        : variants_(values.size()) {
        for (std::size_t i = 0; i < values.size(); ++i) {
            VARIANT& variant = variants_[values.size() - 1 - i];
            ::VariantInit(&variant);
            std::visit([&](const auto& value) { assign(variant, value); }, values[i]);
        }
    }
    InvokeArguments(const InvokeArguments&) = delete;
    InvokeArguments& operator=(const InvokeArguments&) = delete;
    ~InvokeArguments() {
        for (VARIANT& variant : variants_)
            ::VariantClear(&variant);
    }
    VARIANT* data() { return variants_.empty() ? nullptr : variants_.data(); }
    UINT count() const { return static_cast<UINT>(variants_.size()); }

  private:
    static void assign(VARIANT& variant, bool value) {
        variant.vt = VT_BOOL;
        variant.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    }
    static void assign(VARIANT& variant, std::int32_t value) {
        variant.vt = VT_I4;
        variant.lVal = value;
    }
    static void assign(VARIANT& variant, const std::u16string& value) {
        variant.vt = VT_BSTR;
        variant.bstrVal = ::SysAllocStringLen(wide(value).c_str(), static_cast<UINT>(value.size()));
    }

    std::vector<VARIANT> variants_;
};

// A VARIANT result, cleared at the end of its scope.
class ResultVariant {
  public:
    ResultVariant() { ::VariantInit(&variant_); }
    ResultVariant(const ResultVariant&) = delete;
    ResultVariant& operator=(const ResultVariant&) = delete;
    ~ResultVariant() { ::VariantClear(&variant_); }
    VARIANT* get() { return &variant_; }

  private:
    VARIANT variant_;
};

// The exception details of a failed Invoke, freed at the end of its scope.
class ExceptionInfo {
  public:
    ExceptionInfo() = default;
    ExceptionInfo(const ExceptionInfo&) = delete;
    ExceptionInfo& operator=(const ExceptionInfo&) = delete;
    ~ExceptionInfo() {
        ::SysFreeString(info_.bstrSource);
        ::SysFreeString(info_.bstrDescription);
        ::SysFreeString(info_.bstrHelpFile);
    }
    EXCEPINFO* get() { return &info_; }
    std::u16string description() {
        if (info_.pfnDeferredFillIn != nullptr)
            info_.pfnDeferredFillIn(&info_);
        if (info_.bstrDescription == nullptr)
            return {};
        const std::wstring_view text(info_.bstrDescription, ::SysStringLen(info_.bstrDescription));
        return std::u16string(text.begin(), text.end());
    }

  private:
    EXCEPINFO info_{};
};

class DispatchObject final : public AutomationObject {
  public:
    explicit DispatchObject(IDispatch* dispatch) : dispatch_(dispatch) {}  // takes the reference
    DispatchObject(const DispatchObject&) = delete;
    DispatchObject& operator=(const DispatchObject&) = delete;
    ~DispatchObject() override { dispatch_->Release(); }

    void put(const std::u16string& property, const AutomationValue& value) override {
        invoke(property, DISPATCH_PROPERTYPUT, {value}, nullptr);
    }

    std::unique_ptr<AutomationObject> get(const std::u16string& property) override {
        ResultVariant result;
        invoke(property, DISPATCH_METHOD | DISPATCH_PROPERTYGET, {}, result.get());
        if (result.get()->vt != VT_DISPATCH || result.get()->pdispVal == nullptr)
            fail(systemMessage(DISP_E_TYPEMISMATCH));
        IDispatch* object = result.get()->pdispVal;
        object->AddRef();  // the result's own reference goes with VariantClear
        return std::make_unique<DispatchObject>(object);
    }

    void call(const std::u16string& method,
              const std::vector<AutomationValue>& arguments) override {
        invoke(method, DISPATCH_METHOD, arguments, nullptr);
    }

  private:
    DISPID idOf(const std::u16string& name) {
        std::wstring text = wide(name);
        LPOLESTR names[] = {text.data()};
        DISPID id = DISPID_UNKNOWN;
        const HRESULT result =
            dispatch_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
        if (FAILED(result))
            fail(systemMessage(result));
        return id;
    }

    void invoke(const std::u16string& name, WORD flags,
                const std::vector<AutomationValue>& arguments, VARIANT* result) {
        const DISPID id = idOf(name);
        InvokeArguments values(arguments);
        DISPID propertyPut = DISPID_PROPERTYPUT;
        DISPPARAMS parameters{};
        parameters.rgvarg = values.data();
        parameters.cArgs = values.count();
        if (flags & DISPATCH_PROPERTYPUT) {
            parameters.rgdispidNamedArgs = &propertyPut;
            parameters.cNamedArgs = 1;
        }
        ExceptionInfo exception;
        UINT argumentError = 0;
        const HRESULT outcome =
            dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters, result,
                              exception.get(), &argumentError);
        if (SUCCEEDED(outcome))
            return;
        std::u16string message;
        if (outcome == DISP_E_EXCEPTION)
            message = exception.description();
        fail(message.empty() ? systemMessage(outcome) : message);
    }

    IDispatch* dispatch_;
};

}  // namespace

struct Automation::System {
    ComApartment apartment;

    static std::u16string notRegisteredReason() { return systemMessage(REGDB_E_CLASSNOTREG); }

    std::unique_ptr<AutomationObject> create(const std::u16string& programId) {
        CLSID classId{};
        HRESULT result = ::CLSIDFromProgID(wide(programId).c_str(), &classId);
        IDispatch* dispatch = nullptr;
        if (SUCCEEDED(result))
            result =
                ::CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                   IID_IDispatch, reinterpret_cast<void**>(&dispatch));
        if (FAILED(result))
            throw AutomationError(creationFailureMessage(systemMessage(result), programId));
        return std::make_unique<DispatchObject>(dispatch);
    }
};

std::optional<Path> findProgramOnPath(const Path& name) {
    wchar_t buffer[MAX_PATH];
    const DWORD length =
        ::SearchPathW(nullptr, wide(name).c_str(), L".exe", MAX_PATH, buffer, nullptr);
    if (length == 0 || length >= MAX_PATH)
        return std::nullopt;
    return Path(buffer, buffer + length);
}

#else  // no system automation

struct Automation::System {
    static std::u16string notRegisteredReason() { return u"Třída není registrována"; }

    std::unique_ptr<AutomationObject> create(const std::u16string& programId) {
        throw AutomationError(creationFailureMessage(notRegisteredReason(), programId));
    }
};

std::optional<Path> findProgramOnPath(const Path& name) {
    const auto executable = [](const std::string& path) {
        struct stat info {};
        return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
               ::access(path.c_str(), X_OK) == 0;
    };
    const std::string program = toUtf8(name);
    if (program.empty())
        return std::nullopt;
    if (program.find('/') != std::string::npos)
        return executable(program) ? std::optional<Path>(name) : std::nullopt;
    const char* variable = std::getenv("PATH");
    const std::string folders = variable ? variable : "";
    std::size_t begin = 0;
    while (begin <= folders.size()) {
        const std::size_t end = std::min(folders.find(':', begin), folders.size());
        // An empty entry stands for the current directory.
        const std::string folder = end == begin ? "." : folders.substr(begin, end - begin);
        const std::string candidate = folder + "/" + program;
        if (executable(candidate))
            return fromUtf8(candidate);
        begin = end + 1;
    }
    return std::nullopt;
}

#endif

// ---------------------------------------------------------------- registry

Automation::Automation() = default;
Automation::~Automation() = default;

void Automation::registerStandIn(std::u16string programId, AutomationFactory factory) {
    standIns_[std::move(programId)] = std::move(factory);
}

std::unique_ptr<AutomationObject> Automation::create(const std::u16string& programId) {
    if (const auto standIn = standIns_.find(programId); standIn != standIns_.end()) {
        if (std::unique_ptr<AutomationObject> object = standIn->second())
            return object;
        throw AutomationError(creationFailureMessage(System::notRegisteredReason(), programId));
    }
    if (!system_)
        system_ = std::make_unique<System>();
    return system_->create(programId);
}

std::unique_ptr<Automation> makeSystemAutomation(Platform& platform, ProgramLocator locate) {
    auto automation = std::make_unique<Automation>();
#ifndef _WIN32
    automation->registerStandIn(kSpreadsheetProgramId, [&platform, locate = std::move(locate)] {
        return std::unique_ptr<AutomationObject>(SpreadsheetStandIn::make(platform, locate));
    });
#else
    (void)platform;
    (void)locate;
#endif
    return automation;
}

}  // namespace ek::platform
