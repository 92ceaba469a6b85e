// The program's identity: its name is also its title, the bare window caption and the title of
// every message box.
#pragma once

namespace velutreck {

inline constexpr const char* ProductName = "Velutreck";
inline constexpr int VersionMajor = 2003;
inline constexpr int VersionMinor = 4;
inline constexpr int VersionRevision = 15;

}  // namespace velutreck
