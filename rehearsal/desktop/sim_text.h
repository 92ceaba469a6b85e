// Text comparisons of the simulated desktop. Windows compares file names and (for activation)
// window titles without regard to case; the simulation folds ASCII letters only.
#pragma once

#include <string>
#include <string_view>

namespace velutreck {

bool IsAsciiLetter(char c);
std::string FoldCase(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);

}  // namespace velutreck
