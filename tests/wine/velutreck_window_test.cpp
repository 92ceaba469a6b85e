// Velutreck.exe itself under Wine: what its real controls show on a fresh registry, the refused
// second copy, the settings written to the registry at Start and read at the next start, the
// keyboard (Enter, access keys, Esc), the track list's context menu, the Send to box and the offer
// of Velutreck's own temp folder.
#include <gtest/gtest.h>

#include <string>

#include "base/windows_paths.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_shortcuts.h"
#include "rehearsal/operator/velutreck_process.h"

#include <commctrl.h>
#include <objbase.h>

namespace velutreck::windowtest {
namespace {

class VelutreckWindow : public testing::Test {
protected:
    void SetUp() override { DeleteStoredSettings(); }
    void TearDown() override { DeleteStoredSettings(); }
};

HWND Control(HWND window, ControlId id) { return ControlOf(window, id); }

bool BringForward(HWND window) {
    SetForegroundWindow(window);
    return Eventually([&] { return GetForegroundWindow() == window; });
}

TEST_F(VelutreckWindow, AFreshStartShowsTheDefaultsRefusesASecondCopyAndKeepsItsSettingsFromStartToTheNextStart) {
    {
        const VelutreckProcess velutreck;
        const HWND window = velutreck.WaitForMainWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(TextOf(window), "Velutreck");
        EXPECT_EQ(TextOf(Control(window, ControlId::txtAudioProject)), "(not specified)");
        EXPECT_EQ(TextOf(Control(window, ControlId::cboCompression)), "LP4");
        EXPECT_EQ(TextOf(Control(window, ControlId::cboDiscLength)), "80 minutes");
        EXPECT_TRUE(Checked(Control(window, ControlId::chkErase)));
        EXPECT_EQ(SendMessageW(Control(window, ControlId::SSTab1), TCM_GETCURSEL, 0, 0), 0) << "Files is not in front";
        EXPECT_TRUE(IsWindowVisible(Control(window, ControlId::lstAudioFiles)));
        EXPECT_FALSE(IsWindowVisible(Control(window, ControlId::txtAudioProject)));
        EXPECT_TRUE(
            Eventually([&] { return FocusOf(velutreck.ThreadId()) == Control(window, ControlId::btnStartStop); }));

        {
            const VelutreckProcess second;
            const HWND refusal = second.WaitForMessageBox();
            ASSERT_NE(refusal, nullptr);
            EXPECT_EQ(TextOf(refusal), "Velutreck");
            EXPECT_EQ(MessageBoxText(refusal),
                      "There is already one copy of this program running, and you may not start another one.");
            EXPECT_EQ(VisibleWindowOf(second.Id(), L"Velutreck.frmMain"), nullptr);
            PostMessageW(refusal, WM_COMMAND, IDOK, 0);
            EXPECT_TRUE(second.WaitForExit(10000));
        }
        EXPECT_TRUE(IsWindowVisible(window));
        EXPECT_FALSE(SettingsKeyExists()) << "settings written before Start";

        ASSERT_TRUE(BringForward(window));
        Press(VK_RETURN);
        const HWND checklist = velutreck.WaitForMessageBox();
        ASSERT_NE(checklist, nullptr) << "Enter did not press Start";
        PostMessageW(checklist, WM_COMMAND, IDCANCEL, 0);
        ASSERT_TRUE(Eventually([&] { return !IsWindow(checklist); }));
    }
    EXPECT_EQ(StoredSetting("AudioProject"), "(not specified)");
    EXPECT_EQ(StoredSetting("Compression"), "1");
    EXPECT_EQ(StoredSetting("EraseMiniDisc"), "1");
    EXPECT_EQ(StoredSetting("GeneralLongPause"), "30");
    EXPECT_EQ(StoredSetting("MiniDiscLength"), "80");

    StoreSetting("SimpleBurnerPause", "45");
    StoreSetting("Compression", "0");
    StoreSetting("TempFolder", "D:\\Temp\\Müller\\");
    StoreSetting("EraseMiniDisc", "0");
    StoreSetting("MiniDiscLength", "74");
    const VelutreckProcess again;
    const HWND window = again.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(TextOf(Control(window, ControlId::txtPause)), "45");
    EXPECT_EQ(TextOf(Control(window, ControlId::cboCompression)), "LP2");
    EXPECT_EQ(TextOf(Control(window, ControlId::cboDiscLength)), "74 minutes");
    EXPECT_EQ(TextOf(Control(window, ControlId::txtTempFolder)), "D:\\Temp\\Müller\\");
    EXPECT_FALSE(Checked(Control(window, ControlId::chkErase)));
    EXPECT_TRUE(Checked(Control(window, ControlId::chkNameTracks)));
    EXPECT_FALSE(IsWindowEnabled(Control(window, ControlId::chkNameTracks)));
}

// A temp folder Velutreck cannot write into (the probe's name is taken by a folder) is answered at
// Start with the offer of Velutreck's own folder in this prefix's local application data; Yes makes
// it there, the text box shows it and it is saved, while the next check still ends the job.
TEST_F(VelutreckWindow, ATempFolderItCannotWriteIntoIsAnsweredWithItsOwnFolderWhichYesMakesShowsAndSaves) {
    Win32FileSystem files;
    const std::string own = files.KnownFolderPath(KnownFolder::LocalAppData) + "\\Velutreck\\Images\\";
    RemoveDirectoryW(Widen(own).c_str());
    const std::string program = Narrow(BinFolder()) + "\\Velutreck.exe";
    const std::string blocked = Narrow(BinFolder()) + "\\Unwritable\\";
    files.CreateFolder(blocked + "~TmpVelutreck.tmp");
    StoreSetting("AudioProject", program);
    StoreSetting("TempFolder", blocked);
    StoreSetting("ImageDrive", "C:\\Missing\\ImageDrive.exe");
    StoreSetting("SimpleBurner", program);

    const VelutreckProcess velutreck;
    const HWND window = velutreck.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    const std::wstring entry = Widen(program);
    SendMessageW(Control(window, ControlId::lstAudioFiles), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    ASSERT_TRUE(BringForward(window));
    Press(VK_RETURN);
    const auto answer = [&](int button) {
        const HWND box = velutreck.WaitForMessageBox();
        const std::string text = box != nullptr ? MessageBoxText(box) : "(no message box)";
        PostMessageW(box, WM_COMMAND, button, 0);
        Eventually([&] { return !IsWindow(box); });
        return text;
    };
    EXPECT_TRUE(answer(IDOK).starts_with("Before continuing, please...")) << "the checklist";
    EXPECT_EQ(answer(IDYES), "Velutreck cannot write into " + blocked + ", which Windows protects. Let it keep the "
                             "temporary image in a folder of its own, " + own + ", instead?");
    EXPECT_EQ(answer(IDOK), "Error: C:\\Missing\\ImageDrive.exe does not exist.");

    EXPECT_TRUE(Eventually([&] { return TextOf(Control(window, ControlId::btnStartStop)) == "&Start"; }));
    EXPECT_TRUE(files.FolderExists(own));
    EXPECT_EQ(TextOf(Control(window, ControlId::txtTempFolder)), own);
    EXPECT_EQ(StoredSetting("TempFolder"), own);
    RemoveDirectoryW(Widen(own).c_str());
    RemoveDirectoryW(Widen(blocked + "~TmpVelutreck.tmp").c_str());
    RemoveDirectoryW(Widen(blocked).c_str());
}

// The shortcut Explorer's Send to menu lists, in this prefix's Send to folder.
std::string SendToShortcut() {
    return Win32FileSystem().KnownFolderPath(KnownFolder::SendTo) + "\\Velutreck.lnk";
}

TEST_F(VelutreckWindow, TheContextMenuActsOnTheEntrySelectedBeforeTheRightClickAccessKeysWorkTheSettingsAndEscQuits) {
    const std::string shortcut = SendToShortcut();
    DeleteFileW(Widen(shortcut).c_str());
    const VelutreckProcess velutreck;
    const HWND window = velutreck.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    const HWND list = Control(window, ControlId::lstAudioFiles);
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"C:\\Music\\A.mp3"));
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"C:\\Music\\B.mp3"));
    SendMessageW(list, LB_SETCURSEL, 0, 0);

    const auto itemHeight = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    const LPARAM onB = MAKELPARAM(20, itemHeight + itemHeight / 2);
    PostMessageW(list, WM_RBUTTONDOWN, MK_RBUTTON, onB);
    PostMessageW(list, WM_RBUTTONUP, 0, onB);
    HWND menu = nullptr;
    ASSERT_TRUE(Eventually([&] { return (menu = VisibleWindowOf(velutreck.Id(), L"#32768")) != nullptr; }));
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 0) << "the right button changed the selection";
    // "Add...", "Insert Break", "Remove".
    for (int i = 0; i < 3; ++i) {
        PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
    }
    PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(Eventually([&] { return SendMessageW(list, LB_GETCOUNT, 0, 0) == 1; }));
    wchar_t left[64] = {};
    SendMessageW(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(left));
    EXPECT_STREQ(left, L"C:\\Music\\B.mp3");

    SelectTab(window, 1);
    ASSERT_TRUE(BringForward(window));
    PressWithAlt('C');
    EXPECT_TRUE(Eventually([&] { return FocusOf(velutreck.ThreadId()) == Control(window, ControlId::cboCompression); }));
    // Alt+L leads to the MiniDisc's length, and the arrow keys choose it.
    PressWithAlt('L');
    EXPECT_TRUE(Eventually([&] { return FocusOf(velutreck.ThreadId()) == Control(window, ControlId::cboDiscLength); }));
    Press(VK_UP);
    EXPECT_TRUE(Eventually([&] { return TextOf(Control(window, ControlId::cboDiscLength)) == "74 minutes"; }));
    PressWithAlt('G');
    EXPECT_TRUE(Eventually([&] { return FocusOf(velutreck.ThreadId()) == Control(window, ControlId::txtPause); }));
    // The arrow keys in the pause box work its up-down control.
    Press(VK_UP);
    EXPECT_TRUE(Eventually([&] { return TextOf(Control(window, ControlId::txtPause)) == "31"; }));

    // Alt+X clicks the Send to box: the shortcut appears, leading to this Velutreck.exe, and goes.
    const HWND sendTo = Control(window, ControlId::chkSendTo);
    EXPECT_FALSE(Checked(sendTo));
    PressWithAlt('X');
    EXPECT_TRUE(Eventually([&] { return Checked(sendTo) && Win32FileSystem().FileExists(shortcut); }));
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const std::optional<std::string> target = Win32Shortcuts().Target(shortcut);
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    ASSERT_TRUE(target.has_value());
    EXPECT_TRUE(SamePath(*target, Narrow(BinFolder()) + "\\Velutreck.exe")) << *target;
    PressWithAlt('X');
    EXPECT_TRUE(Eventually([&] { return !Checked(sendTo) && !Win32FileSystem().FileExists(shortcut); }));

    Press(VK_ESCAPE);
    EXPECT_TRUE(velutreck.WaitForExit(10000)) << "Esc did not quit";
}

}  // namespace
}  // namespace velutreck::windowtest
