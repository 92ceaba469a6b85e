// An in-memory settings store for the tests and the simulator. It keeps every written value and
// also records each write in order, so that a test can see exactly what a save wrote and when.
#pragma once

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "platform/settings_store.h"

namespace velutreck {

struct SettingWrite {
    std::string application;
    std::string section;
    std::string key;
    std::string value;

    friend bool operator==(const SettingWrite&, const SettingWrite&) = default;
};

class MemorySettingsStore : public SettingsStore {
public:
    std::string ReadSetting(const std::string& application, const std::string& section, const std::string& key,
                            const std::string& defaultValue) override;
    void WriteSetting(const std::string& application, const std::string& section, const std::string& key,
                      const std::string& value) override;

    const std::vector<SettingWrite>& Writes() const { return writes_; }
    // A store that refuses every write, as a registry without the right to write does.
    void RefuseWrites(bool refuse) { refuseWrites_ = refuse; }
    void ClearWrites() { writes_.clear(); }

private:
    std::map<std::tuple<std::string, std::string, std::string>, std::string> values_;
    std::vector<SettingWrite> writes_;
    bool refuseWrites_ = false;
};

}  // namespace velutreck
