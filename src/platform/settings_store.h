// The per-user settings store: strings addressed by application, section and key.
#pragma once

#include <string>

namespace velutreck {

class SettingsStore {
public:
    SettingsStore() = default;
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;
    virtual ~SettingsStore() = default;

    // The stored string, or the default when the key was never written. An empty stored string
    // reads as the empty string.
    virtual std::string ReadSetting(const std::string& application, const std::string& section,
                                    const std::string& key, const std::string& defaultValue) = 0;
    // Creates or replaces the value, creating application and section as needed.
    virtual void WriteSetting(const std::string& application, const std::string& section,
                              const std::string& key, const std::string& value) = 0;
};

}  // namespace velutreck
