// The settings store in the current user's registry, where Visual Basic programs have always kept
// theirs: HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>\<section>, one
// REG_SZ value per key. Settings a user saved with an earlier Velutreck read back unchanged.
#pragma once

#include "platform/settings_store.h"

namespace velutreck {

class RegistrySettingsStore : public SettingsStore {
public:
    // The default when the application, section or key is missing, or the value is not a string.
    std::string ReadSetting(const std::string& application, const std::string& section, const std::string& key,
                            const std::string& defaultValue) override;
    // Throws a FileSystem failure when the registry refuses the value.
    void WriteSetting(const std::string& application, const std::string& section, const std::string& key,
                      const std::string& value) override;
};

}  // namespace velutreck
