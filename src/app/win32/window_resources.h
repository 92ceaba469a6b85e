// The GDI objects the window draws with at one DPI: Tahoma 8.25 pt plain and bold, and the
// icons of its pictures and picture buttons. Made again when the window moves to a screen of
// another DPI.
#pragma once

#include <map>

#include "app/layout.h"
#include "platform/win32/windows_api.h"

namespace velutreck {

class WindowResources {
public:
    WindowResources(HINSTANCE instance, UINT dpi);
    WindowResources(const WindowResources&) = delete;
    WindowResources& operator=(const WindowResources&) = delete;
    ~WindowResources();

    UINT Dpi() const { return dpi_; }
    HFONT Font(bool bold) const { return bold ? bold_ : regular_; }
    // The artwork's icon at its size on the window: a picture fills its box, an arrow is 16
    // pixels at 96 dots per inch.
    HICON Icon(Artwork artwork) const;

private:
    UINT dpi_;
    HFONT regular_;
    HFONT bold_;
    std::map<Artwork, HICON> icons_;
};

}  // namespace velutreck
