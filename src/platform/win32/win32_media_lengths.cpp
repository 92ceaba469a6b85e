#include "platform/win32/win32_media_lengths.h"

namespace velutreck {

struct Win32MediaLengths::Worker {};

Win32MediaLengths::Win32MediaLengths() = default;
Win32MediaLengths::~Win32MediaLengths() = default;

void Win32MediaLengths::NotifyWindow(HWND, UINT) {}

void Win32MediaLengths::Read(const std::vector<std::string>&) {}

MediaLength Win32MediaLengths::Length(const std::string&) const { return {}; }

void Win32MediaLengths::WaitFor(const std::vector<std::string>&, std::chrono::milliseconds) {}

}  // namespace velutreck
