// The window at 96 and at 144 dots per inch: its client area and pictures scaled from twips, every
// label that sizes itself to its caption clear of the controls around it, and a screenshot of each
// tab in build/screenshots/ to look at. And the help page's pictures: the window as a user's evening
// leaves it, every text in it the program's own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "app/layout.h"
#include "platform/win32/wide_text.h"
#include "rehearsal/operator/job_screenshots.h"
#include "rehearsal/operator/job_staging.h"
#include "rehearsal/operator/operator_actions.h"
#include "rehearsal/operator/sample_files.h"
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

// The window's client area, without the tooltips the resting pointer raises: the pointer goes to
// the screen's corner, off the window, so that none rises again before the picture is taken.
bool ShootClientArea(HWND window, const VelutreckProcess& velutreck, const std::wstring& path) {
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    HideToolTips(velutreck.Id());
    Sleep(300);
    return SaveScreenshot(ClientAreaOnScreen(window), path);
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

    // A long list with a path too long for its box, and the longest summary a list can make.
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
    const std::wstring folder = operating::ScreenshotsFolder();
    const Container pages[] = {Container::FilesTab, Container::SettingsTab, Container::AboutTab};
    for (int tab = 0; tab < 3; ++tab) {
        SelectTab(window, tab);
        ExpectLabelsClear(window, pages[tab]);
        Settle(window);
        const std::wstring name = L"velutreck-" + std::to_wstring(dpi) + L"dpi-" + std::to_wstring(tab + 1) + L"-" +
                                  std::wstring(TabCaptions[static_cast<std::size_t>(tab)].begin(),
                                               TabCaptions[static_cast<std::size_t>(tab)].end()) +
                                  L".png";
        EXPECT_TRUE(ShootClientArea(window, velutreck, folder + L"\\" + name)) << "no screenshot of tab " << tab;
    }
}

INSTANTIATE_TEST_SUITE_P(At96And144, WindowAtDpi, testing::Values(96, 144));

std::string Environment(const wchar_t* name) {
    wchar_t value[MAX_PATH] = {};
    GetEnvironmentVariableW(name, value, MAX_PATH);
    return Narrow(value);
}

struct Album {
    std::string folder;  // under the user's Music folder
    std::vector<std::pair<std::string, int>> tracks;  // name and playing time in seconds
};

// Three albums of silent WAV files, whole seconds each: 38:23, 36:20 and a live album of 46:59.
const std::vector<Album> EveningAlbums = {
    {"Ella Quist\\Northern Lights",
     {{"01 Aurora", 251}, {"02 Snowfield", 198}, {"03 The Long Night", 232}, {"04 Lantern", 227},
      {"05 Ice Road", 264}, {"06 Polar Waltz", 189}, {"07 Kiruna", 241}, {"08 Midnight Sun", 236},
      {"09 Fjell", 218}, {"10 First Light", 247}}},
    {"The Harbour Lamps\\Low Tide",
     {{"01 Low Tide", 244}, {"02 Gulls", 216}, {"03 Salt", 262}, {"04 The Breakwater", 218},
      {"05 Rope and Anchor", 235}, {"06 Lighthouse Keeper", 231}, {"07 Herring Girls", 267},
      {"08 Spring Tide", 248}, {"09 Home Port", 259}}},
    {"Marta Vell\\Live at the Corn Exchange",
     {{"01 Intro", 192}, {"02 Paper Boats", 185}, {"03 Wild Thyme", 197}, {"04 The Mill Race", 246},
      {"05 Small Hours", 158}, {"06 Copper Kettle", 221}, {"07 Interval", 223}, {"08 Glass River", 167},
      {"09 Hollow Oak", 202}, {"10 Night Ferry", 189}, {"11 Long Division", 234}, {"12 The Weaver", 156},
      {"13 Paper Boats (Reprise)", 178}, {"14 Goodnight", 211}}},
};

// What the evening put on the disk, and the settings, gone again when the test ends, as it ends.
class EveningLeftovers {
public:
    explicit EveningLeftovers(std::vector<std::string> paths) : paths_(std::move(paths)) { DeleteStoredSettings(); }
    EveningLeftovers(const EveningLeftovers&) = delete;
    EveningLeftovers& operator=(const EveningLeftovers&) = delete;
    ~EveningLeftovers() {
        for (const std::string& path : paths_) {
            std::error_code ignored;
            std::filesystem::remove_all(std::filesystem::path(Widen(path)), ignored);
        }
        DeleteStoredSettings();
    }

private:
    std::vector<std::string> paths_;
};

// The help page's pictures, at 96 dpi: three albums named on the command line, as Send to names
// them, each a group of its own; the live album split into its two sets with Insert Break on the
// entry a click selects; and the settings a Windows 10 or 11 user's earlier session saved. The
// summary is the one the program computes from the files' headers.
TEST(HelpPictures, AnEveningOfThreeAlbumsAddedAndSplitAsAUserDoesFitsAnEightyMinuteDiscAtLP2) {
    const SystemDpi systemDpi(96);
    const std::string music = Environment(L"USERPROFILE") + "\\Music";
    const std::string projectFolder = Environment(L"USERPROFILE") + "\\Documents\\Velutreck";
    const std::string images = Environment(L"LOCALAPPDATA") + "\\Velutreck\\Images\\";
    std::vector<std::wstring> albumFolders;
    std::vector<std::string> leftovers = {projectFolder, images};
    for (const Album& album : EveningAlbums) {
        const std::string folder = music + "\\" + album.folder;
        albumFolders.push_back(Widen(folder));
        leftovers.push_back(folder.substr(0, folder.rfind('\\')));
    }
    const EveningLeftovers cleanUp(leftovers);
    for (std::size_t album = 0; album < EveningAlbums.size(); ++album) {
        for (const auto& [name, seconds] : EveningAlbums[album].tracks) {
            operating::WriteSilentWave(Narrow(albumFolders[album]) + "\\" + name + ".wav", seconds * 1000);
        }
    }
    operating::StageProjectAndTempFolder(projectFolder + "\\Empty audio project.nra", images);
    StoreSetting("ImageDrive", "C:\\Program Files (x86)\\ahead\\ImageDrive\\ImageDrive.exe");
    StoreSetting("SimpleBurner", "C:\\Program Files (x86)\\Sony\\Net MD Simple Burner\\NetMDSB.exe");
    StoreSetting("Compression", "0");

    const VelutreckProcess velutreck(albumFolders);
    const HWND window = velutreck.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    const HWND list = ControlOf(window, ControlId::lstAudioFiles);
    ASSERT_TRUE(Eventually([&] { return operating::ListEntries(window).size() == 36; }))
        << operating::ListEntries(window).size() << " entries";
    // The live album's second set begins at its 8th track, which a click selects.
    SendMessageW(list, LB_SETCURSEL, 29, 0);
    operating::Press(window, ControlId::btnInsertBreak);
    ASSERT_TRUE(Eventually([&] { return operating::ListEntries(window).size() == 37; }));
    EXPECT_EQ(operating::ListEntries(window)[29], "---Break---");
    EXPECT_EQ(operating::ListEntries(window)[30], Narrow(albumFolders[2]) + "\\08 Glass River.wav");

    const HWND summary = ControlOf(window, ControlId::lblSummary);
    const std::string expected = "33 files in 4 groups, 2:00:42 - fits an 80-minute MiniDisc at LP2, 39:18 to spare";
    EXPECT_TRUE(Eventually([&] { return TextOf(summary) == expected; })) << TextOf(summary);

    const std::wstring folder = operating::ScreenshotsFolder();
    EXPECT_TRUE(ShootClientArea(window, velutreck, folder + L"\\help-files-tab.png"));
    SelectTab(window, 1);
    Settle(window);
    EXPECT_TRUE(ShootClientArea(window, velutreck, folder + L"\\help-settings-tab.png"));
}

}  // namespace
}  // namespace velutreck::windowtest
