// Splitting the answer of the multiple-selection open dialog. One chosen file comes back as its
// full path; several come back as the folder, then each file name, separated by NUL characters.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velutreck {

// Returns the text before the first occurrence of a one-character delimiter and removes that text
// and the delimiter from the front of the buffer. Positions are counted in characters with a
// 16-bit counter: a delimiter that does not occur within the first 32,767 characters throws an
// Overflow failure and leaves the buffer as it was, so the caller makes sure it occurs.
std::string TakeNextItem(std::string& buffer, std::string_view delimiter);

// The parts of a dialog answer in the dialog's order: the full path alone for one file, or the
// folder followed by the file names. An empty answer (a cancelled dialog) has no parts.
std::vector<std::string> SplitDialogAnswer(std::string_view answer);

}  // namespace velutreck
