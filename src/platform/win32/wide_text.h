// Text crosses into Win32 as UTF-16 and comes back as UTF-8: the one pair of conversions at
// that boundary.
#pragma once

#include <string>
#include <string_view>

namespace velutreck {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace velutreck
