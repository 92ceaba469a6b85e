#include "app/win32/window_resources.h"

#include <cmath>

#include "app/win32/resource_ids.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_dpi.h"

namespace velutreck {

namespace {

constexpr int PictureTwips = 480;
constexpr int ArrowPixelsAtDesignDpi = 16;

// The height is rounded down: captions were measured for 96 dots per inch, where 8.25 pt is 11
// pixels exactly, and a font rounded up elsewhere (16.5 to 17 at 144) grows wider than the
// controls around it.
HFONT CreateWindowFont(UINT dpi, bool bold) {
    LOGFONTW font{};
    font.lfHeight = -static_cast<LONG>(std::floor(MainWindowFont.points * dpi / 72.0));
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    const std::wstring face = Widen(MainWindowFont.face);
    face.copy(font.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
}

struct ArtworkResource {
    Artwork artwork;
    int id;
    bool arrow;
};

constexpr ArtworkResource ArtworkResources[] = {
    {Artwork::TrackListPicture, IDI_TRACK_LIST, false},
    {Artwork::NeroPicture, IDI_NERO, false},
    {Artwork::SimpleBurnerPicture, IDI_SIMPLE_BURNER, false},
    {Artwork::ProgramIcon, IDI_PROGRAM, false},
    {Artwork::UpArrow, IDI_UP_ARROW, true},
    {Artwork::DownArrow, IDI_DOWN_ARROW, true},
};

}  // namespace

WindowResources::WindowResources(HINSTANCE instance, UINT dpi)
    : dpi_(dpi), regular_(CreateWindowFont(dpi, false)), bold_(CreateWindowFont(dpi, true)) {
    for (const ArtworkResource& resource : ArtworkResources) {
        const int size = resource.arrow ? ScaleForDpi(ArrowPixelsAtDesignDpi, dpi)
                                        : TwipsToPixels(PictureTwips, static_cast<int>(dpi));
        icons_[resource.artwork] = static_cast<HICON>(
            LoadImageW(instance, MAKEINTRESOURCEW(resource.id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    }
}

WindowResources::~WindowResources() {
    DeleteObject(regular_);
    DeleteObject(bold_);
    for (const auto& [artwork, icon] : icons_) {
        if (icon) {
            DestroyIcon(icon);
        }
    }
}

HICON WindowResources::Icon(Artwork artwork) const {
    const auto found = icons_.find(artwork);
    return found == icons_.end() ? nullptr : found->second;
}

}  // namespace velutreck
