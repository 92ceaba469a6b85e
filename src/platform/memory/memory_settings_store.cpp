#include "platform/memory/memory_settings_store.h"

#include "base/failure.h"

namespace velutreck {

std::string MemorySettingsStore::ReadSetting(const std::string& application, const std::string& section,
                                             const std::string& key, const std::string& defaultValue) {
    const auto found = values_.find({application, section, key});
    return found == values_.end() ? defaultValue : found->second;
}

void MemorySettingsStore::WriteSetting(const std::string& application, const std::string& section,
                                       const std::string& key, const std::string& value) {
    if (refuseWrites_) {
        throw Failure(FailureKind::FileSystem, "The setting \"" + key + "\" cannot be saved.");
    }
    values_[{application, section, key}] = value;
    writes_.push_back({application, section, key, value});
}

}  // namespace velutreck
