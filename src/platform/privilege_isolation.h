// Windows' integrity levels, as far as Velutreck needs them to know which programs it can drive. A
// program run as administrator runs at a higher level than a normal one, and Windows (User
// Interface Privilege Isolation) passes no injected key and no posted message from a lower level to
// it, while SendInput still reports success. Velutreck reads a program's level by opening its
// process; Windows denies even that open when another account runs the program as administrator
// (a standard user who typed an administrator's password for it).
#pragma once

#include <cstdint>
#include <optional>

namespace velutreck {

// The last sub-authority of a token's mandatory label.
inline constexpr std::uint32_t MediumIntegrity = 0x2000;
inline constexpr std::uint32_t HighIntegrity = 0x3000;

// Whether a program runs above Velutreck's own level. programLevel is none when Windows denied
// reading it: the program is another account's, which on the user's desktop means one that a
// standard user started as administrator, at High.
bool RunsAbove(std::optional<std::uint32_t> programLevel, std::uint32_t ownLevel);

}  // namespace velutreck
