#include "support/recording_automation.h"

#include <utility>

namespace ek::test {

RecordingObject::RecordingObject(std::u16string name,
                                 std::shared_ptr<std::vector<AutomationCall>> log)
    : name_(std::move(name)), log_(std::move(log)) {}

void RecordingObject::put(const std::u16string& property, const platform::AutomationValue& value) {
    log_->push_back({name_, u"put", property, {value}});
}

std::unique_ptr<platform::AutomationObject> RecordingObject::get(const std::u16string& property) {
    log_->push_back({name_, u"get", property, {}});
    return std::make_unique<RecordingObject>(property, log_);
}

void RecordingObject::call(const std::u16string& method,
                           const std::vector<platform::AutomationValue>& arguments) {
    log_->push_back({name_, u"call", method, arguments});
}

}  // namespace ek::test
