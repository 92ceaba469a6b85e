// The main window's layout as data: every control with its kind, caption, place in twips, container
// and keyboard order, and the window itself. The Windows layer
// creates the real window from these tables; nothing else in the program moves or sizes a control.
#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "app/control_id.h"
#include "base/product.h"

namespace velutreck {

enum class ControlKind {
    Label,
    SectionHeading,
    FrameRule,      // a flat frame two pixels high, drawn as a horizontal rule
    Picture,
    CheckBox,
    TextBox,
    ListBox,
    Button,
    PictureButton,
    DropDownList,
    UpDown,
    TabControl,
};

// Controls on a tab are placed relative to the tab control's top-left corner.
enum class Container { Client, FilesTab, SettingsTab, AboutTab };

// What a picture or picture button shows.
enum class Artwork { None, TrackListPicture, NeroPicture, SimpleBurnerPicture, ProgramIcon, UpArrow, DownArrow };

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct ControlStyle {
    bool bold = false;
    bool greyText = false;       // drawn in the system's grey-text colour
    bool defaultButton = false;  // pressed by Enter
    bool cancelButton = false;   // pressed by Esc
    bool checked = false;        // a check box's state when the window opens
    bool wraps = false;          // a fixed box that wraps its text; other labels size to their caption
};

struct LayoutControl {
    std::string_view name;
    ControlId id;
    ControlKind kind;
    Container container;
    // The caption, or a text box's text when the window opens. "&" marks the access key, "&&"
    // shows a single "&". Empty where the code fills it in at start-up.
    std::string_view caption;
    TwipsRect rect;
    // The place in the Tab order, from 0. Pictures have none. A label's place matters too: its
    // access key moves the focus to the next control in this order. The list's summary, the Send
    // to box with its heading and the MiniDisc's length came later and take the places after 45, so
    // that the places users and their tools know stay where they were.
    std::optional<int> keyboardOrder;
    ControlStyle style = {};
    Artwork artwork = Artwork::None;
};

struct WindowFont {
    std::string_view face;
    double points;
};

inline constexpr std::string_view MainWindowCaption = ProductName;
inline constexpr int MainWindowClientWidth = 10830;   // twips
inline constexpr int MainWindowClientHeight = 7935;   // twips
inline constexpr WindowFont MainWindowFont{"Tahoma", 8.25};
// The tab captions, in the order of Container's tab pages. "Files" is in front when the window opens.
inline constexpr std::array<std::string_view, 3> TabCaptions{"Files", "Settings", "About"};
inline constexpr ControlId InitialFocus = ControlId::btnStartStop;

// The up-down control changes its buddy's number by 1 within this range.
inline constexpr ControlId PauseUpDown = ControlId::UpDown1;
inline constexpr ControlId PauseUpDownBuddy = ControlId::txtPause;
inline constexpr int PauseUpDownMinimum = 0;
inline constexpr int PauseUpDownMaximum = 999;

inline constexpr auto MainWindowLayout = std::to_array<LayoutControl>({
    {"SSTab1", ControlId::SSTab1, ControlKind::TabControl, Container::Client, "", {120, 120, 10575, 7215}, 34},
    {"lblAppName", ControlId::lblAppName, ControlKind::Label, Container::Client, "",
     {120, 7440, 810, 195}, 33, {.bold = true, .greyText = true}},
    {"btnStartStop", ControlId::btnStartStop, ControlKind::Button, Container::Client, "&Start",
     {7200, 7440, 1095, 375}, 0, {.defaultButton = true}},
    {"btnQuit", ControlId::btnQuit, ControlKind::Button, Container::Client, "Q&uit",
     {8400, 7440, 1095, 375}, 1, {.cancelButton = true}},
    {"btnReadme", ControlId::btnReadme, ControlKind::Button, Container::Client, "&Help", {9600, 7440, 1095, 375}, 2},
    // The list's length against the MiniDisc, up to three lines beside Start (all the room between
    // the tabs and the window's edge, for the limits it names): the only room below the list where
    // the whole text fits, and in sight while the disc is chosen on the Settings tab.
    {"lblSummary", ControlId::lblSummary, ControlKind::Label, Container::Client, "No files",
     {2160, 7350, 4920, 585}, 49, {.wraps = true}},

    {"Label4", ControlId::Label4, ControlKind::SectionHeading, Container::FilesTab, "Audio files to write to MiniDisc",
     {240, 480, 2130, 195}, 36},
    {"Frame4", ControlId::Frame4, ControlKind::FrameRule, Container::FilesTab, "", {2400, 585, 7935, 30}, 35},
    {"Image1", ControlId::Image1, ControlKind::Picture, Container::FilesTab, "",
     {240, 840, 480, 480}, std::nullopt, {}, Artwork::TrackListPicture},
    {"chkAutoBreak", ControlId::chkAutoBreak, ControlKind::CheckBox, Container::FilesTab,
     "Insert a &break automatically when adding files", {960, 840, 3855, 255}, 3, {.checked = true}},
    {"Label5", ControlId::Label5, ControlKind::Label, Container::FilesTab, "D&isc name:", {960, 1200, 780, 195}, 4},
    {"txtDiscName", ControlId::txtDiscName, ControlKind::TextBox, Container::FilesTab, "Velutreck Disc",
     {1920, 1155, 8415, 285}, 5},
    {"lstAudioFiles", ControlId::lstAudioFiles, ControlKind::ListBox, Container::FilesTab, "",
     {960, 1560, 9375, 4935}, 6},
    {"btnUp", ControlId::btnUp, ControlKind::PictureButton, Container::FilesTab, "",
     {960, 6600, 255, 375}, 7, {}, Artwork::UpArrow},
    {"btnDown", ControlId::btnDown, ControlKind::PictureButton, Container::FilesTab, "",
     {1270, 6600, 240, 375}, 8, {}, Artwork::DownArrow},
    {"btnAdd", ControlId::btnAdd, ControlKind::Button, Container::FilesTab, "A&dd...", {5640, 6600, 1095, 375}, 9},
    {"btnInsertBreak", ControlId::btnInsertBreak, ControlKind::Button, Container::FilesTab, "Insert Brea&k",
     {6840, 6600, 1095, 375}, 10},
    {"btnRemove", ControlId::btnRemove, ControlKind::Button, Container::FilesTab, "Remo&ve",
     {8040, 6600, 1095, 375}, 11},
    {"btnRemoveAll", ControlId::btnRemoveAll, ControlKind::Button, Container::FilesTab, "Remove A&ll",
     {9240, 6600, 1095, 375}, 12},

    {"Label1", ControlId::Label1, ControlKind::SectionHeading, Container::SettingsTab,
     "Ahead Nero Burning Rom && ImageDrive settings", {240, 480, 3435, 195}, 41},
    {"Frame1", ControlId::Frame1, ControlKind::FrameRule, Container::SettingsTab, "", {3720, 585, 6615, 30}, 38},
    {"Image2", ControlId::Image2, ControlKind::Picture, Container::SettingsTab, "",
     {240, 840, 480, 480}, std::nullopt, {}, Artwork::NeroPicture},
    {"lblAudioProject", ControlId::lblAudioProject, ControlKind::Label, Container::SettingsTab,
     "Full path to an empty Nero &audio project (*.nra):", {960, 840, 3525, 195}, 13},
    {"txtAudioProject", ControlId::txtAudioProject, ControlKind::TextBox, Container::SettingsTab, "",
     {960, 1080, 9375, 285}, 14},
    {"btnBrowseForAudioProject", ControlId::btnBrowseForAudioProject, ControlKind::Button, Container::SettingsTab,
     "...", {10050, 1110, 255, 245}, 15, {.bold = true}},
    {"lblTempFolder", ControlId::lblTempFolder, ControlKind::Label, Container::SettingsTab,
     "&Temp folder for Nero CD image (~TmpVelutreck.nrg):", {960, 1440, 3900, 195}, 16},
    {"txtTempFolder", ControlId::txtTempFolder, ControlKind::TextBox, Container::SettingsTab, "",
     {960, 1680, 9375, 285}, 17},
    {"btnBrowseForTempFolder", ControlId::btnBrowseForTempFolder, ControlKind::Button, Container::SettingsTab, "...",
     {10050, 1710, 255, 245}, 18, {.bold = true}},
    {"Label10", ControlId::Label10, ControlKind::Label, Container::SettingsTab,
     "Full path to ImageDr&ive program (ImageDrive.exe):", {960, 2040, 3705, 195}, 19},
    {"txtImageDrive", ControlId::txtImageDrive, ControlKind::TextBox, Container::SettingsTab, "",
     {960, 2280, 9375, 285}, 20},
    {"btnBrowseForImageDrive", ControlId::btnBrowseForImageDrive, ControlKind::Button, Container::SettingsTab, "...",
     {10050, 2310, 255, 245}, 21, {.bold = true}},
    {"Label7", ControlId::Label7, ControlKind::SectionHeading, Container::SettingsTab,
     "Sony NetMD Simple Burner settings", {240, 2880, 2520, 195}, 40},
    {"Frame3", ControlId::Frame3, ControlKind::FrameRule, Container::SettingsTab, "", {2880, 2985, 7455, 30}, 37},
    {"Image3", ControlId::Image3, ControlKind::Picture, Container::SettingsTab, "",
     {240, 3240, 480, 480}, std::nullopt, {}, Artwork::SimpleBurnerPicture},
    {"Label12", ControlId::Label12, ControlKind::Label, Container::SettingsTab,
     "Full path to Si&mple Burner program (NetMDSB.exe):", {960, 3240, 3690, 195}, 22},
    {"txtSimpleBurner", ControlId::txtSimpleBurner, ControlKind::TextBox, Container::SettingsTab, "",
     {960, 3480, 9375, 285}, 23},
    {"btnBrowseForSimpleBurner", ControlId::btnBrowseForSimpleBurner, ControlKind::Button, Container::SettingsTab,
     "...", {10050, 3510, 255, 245}, 24, {.bold = true}},
    {"lblCompression", ControlId::lblCompression, ControlKind::Label, Container::SettingsTab, "NetMD &compression:",
     {960, 3900, 1470, 195}, 25},
    {"cboCompression", ControlId::cboCompression, ControlKind::DropDownList, Container::SettingsTab, "",
     {2520, 3840, 735, 315}, 26},
    // Beside the compression: together they make what the disc holds.
    {"lblDiscLength", ControlId::lblDiscLength, ControlKind::Label, Container::SettingsTab, "MiniDisc &length:",
     {3480, 3900, 1215, 195}, 50},
    {"cboDiscLength", ControlId::cboDiscLength, ControlKind::DropDownList, Container::SettingsTab, "",
     {4800, 3840, 1215, 315}, 51},
    {"lblPause", ControlId::lblPause, ControlKind::Label, Container::SettingsTab, "&Give Simple Burner",
     {960, 4245, 1335, 195}, 27},
    {"txtPause", ControlId::txtPause, ControlKind::TextBox, Container::SettingsTab, "", {2520, 4200, 520, 285}, 28},
    {"UpDown1", ControlId::UpDown1, ControlKind::UpDown, Container::SettingsTab, "", {3045, 4200, 255, 285}, 29},
    {"Label2", ControlId::Label2, ControlKind::Label, Container::SettingsTab, "seconds to load and erase MiniDiscs",
     {3360, 4245, 2565, 195}, 39},
    {"chkErase", ControlId::chkErase, ControlKind::CheckBox, Container::SettingsTab,
     "&Erase MiniDisc before writing new files", {960, 4560, 3135, 255}, 30},
    {"chkNameTracks", ControlId::chkNameTracks, ControlKind::CheckBox, Container::SettingsTab,
     "Generate track names from &filenames", {960, 4920, 4215, 255}, 31},
    {"chkOnlyAlpha", ControlId::chkOnlyAlpha, ControlKind::CheckBox, Container::SettingsTab,
     "Use &only alpha characters to generate track names", {960, 5280, 4215, 255}, 32},
    {"Label13", ControlId::Label13, ControlKind::SectionHeading, Container::SettingsTab, "Windows Explorer settings",
     {240, 5880, 1905, 195}, 48},
    {"Frame5", ControlId::Frame5, ControlKind::FrameRule, Container::SettingsTab, "", {2280, 5985, 8055, 30}, 47},
    {"Image5", ControlId::Image5, ControlKind::Picture, Container::SettingsTab, "",
     {240, 6240, 480, 480}, std::nullopt, {}, Artwork::ProgramIcon},
    {"chkSendTo", ControlId::chkSendTo, ControlKind::CheckBox, Container::SettingsTab,
     "Show Velutreck in E&xplorer's Send to menu", {960, 6240, 4215, 255}, 46},

    {"Label3", ControlId::Label3, ControlKind::SectionHeading, Container::AboutTab, "About Velutreck",
     {240, 480, 1215, 195}, 45},
    {"Frame2", ControlId::Frame2, ControlKind::FrameRule, Container::AboutTab, "", {1560, 585, 8775, 30}, 42},
    {"Image4", ControlId::Image4, ControlKind::Picture, Container::AboutTab, "",
     {240, 840, 480, 480}, std::nullopt, {}, Artwork::ProgramIcon},
    {"lblAppName2", ControlId::lblAppName2, ControlKind::Label, Container::AboutTab, "",
     {960, 840, 810, 195}, 43, {.bold = true}},
    {"lblCopyright", ControlId::lblCopyright, ControlKind::Label, Container::AboutTab, "",
     {960, 1080, 9345, 4635}, 44, {.wraps = true}},
});

// Twips to pixels at a DPI, rounded to the nearest pixel (halves away from zero).
int TwipsToPixels(int twips, int dpi);

// The controls that have a place in the keyboard order, in that order; pictures are left out.
std::vector<const LayoutControl*> ControlsInKeyboardOrder();

// The access key of a caption, upper-cased: the character after the first single "&". "&&" is a
// literal ampersand. None when the caption marks no key.
std::optional<char32_t> AccessKey(std::string_view caption);

}  // namespace velutreck
