// The dots per inch a window is drawn at. The program is per-monitor aware, so sizes are written
// once for 96 dots per inch (or in twips) and scaled here, at the DPI of the window's monitor.
#pragma once

#include "platform/win32/windows_api.h"

namespace velutreck {

inline constexpr UINT DesignDpi = 96;

// GetDpiForWindow where Windows has it, else the system's DPI.
UINT WindowDpi(HWND window);

// A length in pixels at 96 dots per inch, at another DPI.
int ScaleForDpi(int pixelsAtDesignDpi, UINT dpi);

// The system's non-client metrics (the status font among them) at a DPI, where Windows can give
// them per DPI, else at the system's DPI.
NONCLIENTMETRICSW NonClientMetricsForDpi(UINT dpi);

// The size of a window with this style around a client area, at a DPI where Windows can tell.
SIZE WindowSizeForClient(SIZE client, DWORD style, DWORD exStyle, UINT dpi);

}  // namespace velutreck
