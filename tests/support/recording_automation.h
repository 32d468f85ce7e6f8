#pragma once
// An automation stand-in that records the calls made on it (and on the
// objects it hands out) instead of starting a spreadsheet program.

#include <memory>
#include <string>
#include <vector>

#include "platform/automation.h"

namespace ek::test {

struct AutomationCall {
    std::u16string object;  // "application" or the property that gave it
    std::u16string kind;    // "put", "get", "call"
    std::u16string name;
    std::vector<platform::AutomationValue> arguments;
};

class RecordingObject : public platform::AutomationObject {
  public:
    RecordingObject(std::u16string name, std::shared_ptr<std::vector<AutomationCall>> log);

    void put(const std::u16string& property, const platform::AutomationValue& value) override;
    std::unique_ptr<platform::AutomationObject> get(const std::u16string& property) override;
    void call(const std::u16string& method,
              const std::vector<platform::AutomationValue>& arguments) override;

  private:
    std::u16string name_;
    std::shared_ptr<std::vector<AutomationCall>> log_;
};

}  // namespace ek::test
