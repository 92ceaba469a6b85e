// A file beside the program: the program folder keeps its backslash only at a drive's root
// ("C:\"), and no second one is added there.
#pragma once

#include <string>

namespace velutreck {

inline std::string FileInFolder(const std::string& folder, const std::string& name) {
    const bool endsWithSeparator = !folder.empty() && folder.back() == '\\';
    return folder + (endsWithSeparator ? "" : "\\") + name;
}

}  // namespace velutreck
