// Screenshots for the Wine tests: ImageMagick's import, run on the Unix side of Wine, writes a part
// of the X screen as a PNG file.
#pragma once

#include <string>

#include "platform/win32/windows_api.h"

namespace velutreck::windowtest {

// The area in screen coordinates into a file given by its Windows path on drive Z:, the Unix root.
// False when no file came.
bool SaveScreenshot(const RECT& area, const std::wstring& path);

}  // namespace velutreck::windowtest
