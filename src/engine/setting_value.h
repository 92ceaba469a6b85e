// One setting as the settings store holds it: its key and its value as text. The settings table
// of the window gives them, and a job's log begins with them.
#pragma once

#include <string>
#include <string_view>

namespace velutreck {

struct SettingValue {
    std::string_view key;
    std::string value;
};

}  // namespace velutreck
