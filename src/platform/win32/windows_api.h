// The one way into <windows.h> for the Windows layer. Win32 defines FindWindow, PostMessage,
// DeleteFile and friends as macros that would rename the program's own methods of the same
// names, so they are undefined here and the W functions are always called by their full names.
// Window handles travel through the program as 32-bit values, which every HWND fits.
#pragma once

#include <cstdint>

#include <windows.h>

#undef FindWindow
#undef PostMessage
#undef DeleteFile
#undef SendMessage
#undef CreateWindow
#undef MessageBox
#undef GetMessage

namespace velutreck {

// Windows keeps only the low 32 bits of a window handle meaningful and sign-extends them on the way
// back, so that a handle survives the round trip through 32 bits.
inline HWND ToHwnd(std::uint32_t handle) {
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(static_cast<std::int32_t>(handle)));
}

inline std::uint32_t ToWindowHandle(HWND window) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window));
}

}  // namespace velutreck
