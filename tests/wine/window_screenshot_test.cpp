// The window at 96 and at 144 dots per inch: its client area and pictures scaled from twips, every
// label that sizes itself to its caption clear of the controls around it, and a screenshot of each
// tab in build/screenshots/ to look at.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "app/layout.h"
#include "rehearsal/operator/velutreck_process.h"
#include "rehearsal/operator/screenshot.h"

namespace velutreck::windowtest {
namespace {

constexpr wchar_t DesktopKey[] = L"Control Panel\\Desktop";

// The DPI of the Wine programs started while it lives.
class SystemDpi {
public:
    explicit SystemDpi(DWORD dpi) {
        DWORD size = sizeof(old_);
        hadOld_ = RegGetValueW(HKEY_CURRENT_USER, DesktopKey, L"LogPixels", RRF_RT_REG_DWORD, nullptr, &old_, &size) ==
                  ERROR_SUCCESS;
        RegSetKeyValueW(HKEY_CURRENT_USER, DesktopKey, L"LogPixels", REG_DWORD, &dpi, sizeof(dpi));
    }
    SystemDpi(const SystemDpi&) = delete;
    SystemDpi& operator=(const SystemDpi&) = delete;
    ~SystemDpi() {
        if (hadOld_) {
            RegSetKeyValueW(HKEY_CURRENT_USER, DesktopKey, L"LogPixels", REG_DWORD, &old_, sizeof(old_));
        } else {
            RegDeleteKeyValueW(HKEY_CURRENT_USER, DesktopKey, L"LogPixels");
        }
    }

private:
    DWORD old_ = 0;
    bool hadOld_ = false;
};

RECT ScreenRectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

RECT ClientAreaOnScreen(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

bool SizesToCaption(const LayoutControl& control) {
    return (control.kind == ControlKind::Label || control.kind == ControlKind::SectionHeading) && !control.style.wraps;
}

bool ShownWith(const LayoutControl& control, Container page) {
    return control.container == Container::Client || control.container == page;
}

// Each label that sizes itself to its caption stays inside the client area and touches no other
// control shown with it (the tab control, which holds them all, aside).
void ExpectLabelsClear(HWND window, Container page) {
    const RECT client = ClientAreaOnScreen(window);
    for (const LayoutControl& label : MainWindowLayout) {
        if (!SizesToCaption(label) || !ShownWith(label, page)) {
            continue;
        }
        const RECT labelRect = ScreenRectOf(ControlOf(window, label.id));
        RECT inside{};
        IntersectRect(&inside, &labelRect, &client);
        EXPECT_TRUE(EqualRect(&inside, &labelRect)) << label.name << " sticks out of the window";
        for (const LayoutControl& other : MainWindowLayout) {
            if (other.id == label.id || other.id == ControlId::SSTab1 || !ShownWith(other, page)) {
                continue;
            }
            const RECT otherRect = ScreenRectOf(ControlOf(window, other.id));
            RECT overlap{};
            EXPECT_FALSE(IntersectRect(&overlap, &labelRect, &otherRect)) << label.name << " runs into " << other.name;
        }
    }
}

// Whether a label that wraps its text shows all of it: wrapped at the label's width in the window's
// font at this DPI (a font handle of the program means nothing here), the text is no taller than
// the label.
bool ShowsAllItsText(HWND label, int dpi) {
    RECT box{};
    GetClientRect(label, &box);
    wchar_t text[512] = {};
    GetWindowTextW(label, text, static_cast<int>(std::size(text)));
    LOGFONTW look{};
    look.lfHeight = -static_cast<LONG>(std::floor(MainWindowFont.points * dpi / 72.0));
    look.lfCharSet = DEFAULT_CHARSET;
    std::copy(MainWindowFont.face.begin(), MainWindowFont.face.end(), look.lfFaceName);
    const HFONT font = CreateFontIndirectW(&look);
    const HDC dc = GetDC(label);
    const HGDIOBJ oldFont = SelectObject(dc, font);
    RECT needed = box;
    DrawTextW(dc, text, -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
    SelectObject(dc, oldFont);
    ReleaseDC(label, dc);
    DeleteObject(font);
    return needed.bottom <= box.bottom;
}

class WindowAtDpi : public testing::TestWithParam<int> {};

TEST_P(WindowAtDpi, IsScaledFromTwipsWithNoLabelRunningIntoItsNeighboursOnAnyTab) {
    const int dpi = GetParam();
    const SystemDpi systemDpi(static_cast<DWORD>(dpi));
    const VelutreckProcess velutreck;
    const HWND window = velutreck.WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, TwipsToPixels(MainWindowClientWidth, dpi));
    EXPECT_EQ(client.bottom, TwipsToPixels(MainWindowClientHeight, dpi));
    const RECT picture = ScreenRectOf(ControlOf(window, ControlId::Image1));
    EXPECT_EQ(picture.right - picture.left, TwipsToPixels(480, dpi));
    const RECT compression = ScreenRectOf(ControlOf(window, ControlId::cboCompression));
    EXPECT_EQ(compression.bottom - compression.top, TwipsToPixels(3840 + 315, dpi) - TwipsToPixels(3840, dpi));

    // The list of an evening, 214 files in 13 groups, with a path too long for its box, and the
    // longest summary such a list makes: the help page shows this picture.
    const HWND list = ControlOf(window, ControlId::lstAudioFiles);
    for (int group = 1; group <= 13; ++group) {
        if (group > 1) {
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"---Break---"));
        }
        for (int track = 1; track <= (group <= 6 ? 17 : 16); ++track) {
            const std::wstring entry =
                group == 1 && track == 2
                    ? L"D:\\Audio\\Björk – Jóga (Live at the Royal Opera House, London, 2001).wav"
                    : L"C:\\Music\\Album " + std::to_wstring(group) + L"\\" + (track < 10 ? L"0" : L"") +
                          std::to_wstring(track) + L" Track " + std::to_wstring(track) + L".mp3";
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
        }
    }
    SendMessageW(list, LB_SETCURSEL, 1, 0);
    // Groups too long for Nero's image, a list too long for the disc and lengths unknown.
    const HWND summary = ControlOf(window, ControlId::lblSummary);
    SendMessageW(summary, WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(L"214 files in 13 groups, 12:31:07 - 2 groups over 80:00, 9:51:07 too long "
                                          L"for an 80-minute MiniDisc at LP2 (the length of 12 files is unknown)"));
    EXPECT_TRUE(ShowsAllItsText(summary, dpi));
    SendMessageW(ControlOf(window, ControlId::txtAudioProject), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(L"C:\\Documents and Settings\\All Users\\Shared Documents\\Nero "
                                          L"projects\\Velutreck\\An empty audio project for every MiniDisc.nra"));
    const std::wstring build = BinFolder().substr(0, BinFolder().find_last_of(L'\\'));
    const std::wstring folder = build.substr(0, build.find_last_of(L'\\')) + L"\\screenshots";
    CreateDirectoryW(folder.c_str(), nullptr);
    const Container pages[] = {Container::FilesTab, Container::SettingsTab, Container::AboutTab};
    for (int tab = 0; tab < 3; ++tab) {
        SelectTab(window, tab);
        ExpectLabelsClear(window, pages[tab]);
        Settle(window);
        HideToolTips(velutreck.Id());
        Sleep(300);
        const std::wstring name = L"velutreck-" + std::to_wstring(dpi) + L"dpi-" + std::to_wstring(tab + 1) + L"-" +
                                  std::wstring(TabCaptions[static_cast<std::size_t>(tab)].begin(),
                                               TabCaptions[static_cast<std::size_t>(tab)].end()) +
                                  L".png";
        EXPECT_TRUE(SaveScreenshot(ClientAreaOnScreen(window), folder + L"\\" + name)) << "no screenshot of tab " << tab;
    }
}

INSTANTIATE_TEST_SUITE_P(At96And144, WindowAtDpi, testing::Values(96, 144));

}  // namespace
}  // namespace velutreck::windowtest
