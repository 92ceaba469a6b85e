// Files, folders and playlists from Explorer into the real Velutreck.exe: a drop onto the track
// list, items on the command line, and a second copy handing its items to the running copy.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "rehearsal/operator/operator_actions.h"
#include "platform/win32/wide_text.h"
#include "rehearsal/operator/velutreck_process.h"

#include <shlobj.h>

namespace velutreck::windowtest {
namespace {

// A folder of its own under the temporary folder with an album, a playlist and a loose file.
class DroppedItems : public testing::Test {
protected:
    void SetUp() override {
        DeleteStoredSettings();
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_ + L"\\Album\\Sub");
        for (const wchar_t* file : {L"\\Album\\10 Ten.mp3", L"\\Album\\2 Two.mp3", L"\\Album\\cover.jpg",
                                    L"\\Album\\Sub\\s.wav", L"\\loose.wma"}) {
            std::ofstream(std::filesystem::path(root_ + file));
        }
        std::ofstream(std::filesystem::path(root_ + L"\\list.m3u8"), std::ios::binary)
            << "#EXTM3U\r\nAlbum/Sub/s.wav\r\n\r\nmissing.mp3\r\n";
    }
    void TearDown() override {
        std::filesystem::remove_all(root_);
        DeleteStoredSettings();
    }

    std::string Path(const std::wstring& inRoot) const { return Narrow(root_ + inRoot); }
    std::wstring WidePath(const std::wstring& inRoot) const { return root_ + inRoot; }

private:
    const std::wstring root_ = (std::filesystem::temp_directory_path() / L"velutreck_items").wstring();
};

// What the shell hands a window when files are dropped on it: DROPFILES and the wide paths after
// it, each ended by a NUL and the whole by one more, in fixed memory of the receiving process,
// where a fixed global handle is the memory's address.
WPARAM ShellDrop(DWORD processId, const std::vector<std::wstring>& paths) {
    std::wstring names;
    for (const std::wstring& path : paths) {
        names += path + L'\0';
    }
    names += L'\0';
    std::vector<char> bytes(sizeof(DROPFILES) + names.size() * sizeof(wchar_t));
    DROPFILES header{};
    header.pFiles = sizeof(DROPFILES);
    header.fWide = TRUE;
    std::memcpy(bytes.data(), &header, sizeof(header));
    std::memcpy(bytes.data() + sizeof(header), names.data(), names.size() * sizeof(wchar_t));
    const HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
    void* remote = VirtualAllocEx(process, nullptr, bytes.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    WriteProcessMemory(process, remote, bytes.data(), bytes.size(), nullptr);
    CloseHandle(process);
    return reinterpret_cast<WPARAM>(remote);
}

TEST_F(DroppedItems, ItemsOnTheCommandLineAndFilesDroppedOntoTheTrackListAreAddedInBatchesInExplorersOrder) {
    const VelutreckProcess velutreck({WidePath(L"\\Album"), WidePath(L"\\list.m3u8"), WidePath(L"\\loose.wma")});
    const HWND skipped = velutreck.WaitForMessageBox();
    ASSERT_NE(skipped, nullptr);
    EXPECT_EQ(MessageBoxText(skipped),
              "1 item was skipped:\nNot found: 1\n\n" + Path(L"\\missing.mp3") + " (not found)");
    // The window shows first, with the items in its list, and the message is the window's own.
    const HWND window = VisibleWindowOf(velutreck.Id(), L"Velutreck.frmMain");
    ASSERT_NE(window, nullptr) << "the message came before the window";
    EXPECT_EQ(GetWindow(skipped, GW_OWNER), window);
    PostMessageW(skipped, WM_COMMAND, IDOK, 0);
    const std::string marker = "---Break---";
    std::vector<std::string> expected{marker, Path(L"\\Album\\2 Two.mp3"), Path(L"\\Album\\10 Ten.mp3"), marker,
                                      Path(L"\\Album\\Sub\\s.wav"), marker, Path(L"\\Album\\Sub\\s.wav"), marker,
                                      Path(L"\\loose.wma")};
    EXPECT_EQ(operating::ListEntries(window), expected);

    const HWND list = ControlOf(window, ControlId::lstAudioFiles);
    PostMessageW(list, WM_DROPFILES,
                 ShellDrop(velutreck.Id(), {WidePath(L"\\Album\\10 Ten.mp3"), WidePath(L"\\Album\\2 Two.mp3")}), 0);
    EXPECT_TRUE(Eventually([&] { return SendMessageW(list, LB_GETCOUNT, 0, 0) == 12; }));
    expected.insert(expected.end(), {marker, Path(L"\\Album\\2 Two.mp3"), Path(L"\\Album\\10 Ten.mp3")});
    EXPECT_EQ(operating::ListEntries(window), expected);
}

// A path as a media player writes it into a playlist: file:///C:/Music/Caf%C3%A9%201.mp3.
std::string FileUrl(const std::string& path) {
    std::string url = "file:///";
    for (const char c : path) {
        if (std::isalnum(static_cast<unsigned char>(c)) || std::strchr("-._~:", c)) {
            url += c;
        } else if (c == '\\') {
            url += '/';
        } else {
            char escape[4];
            std::snprintf(escape, sizeof(escape), "%%%02X", static_cast<unsigned char>(c));
            url += escape;
        }
    }
    return url;
}

TEST_F(DroppedItems, PlaylistsOfFileAddressesAndInUtf16AreTakenAsPlayersWriteThem) {
    std::ofstream(std::filesystem::path(WidePath(L"\\Album\\Caf\u00E9 Noir.mp3")));
    std::ofstream(std::filesystem::path(WidePath(L"\\player.m3u8")), std::ios::binary)
        << "#EXTM3U\r\n" << FileUrl(Path(L"\\Album\\Caf\u00E9 Noir.mp3")) << "\r\n"
        << FileUrl(Path(L"\\Album\\2 Two.mp3")) << "\r\n";
    const std::wstring utf16 = L"\uFEFF" + WidePath(L"\\Album\\Sub\\s.wav") + L"\r\n";
    std::ofstream(std::filesystem::path(WidePath(L"\\utf16.m3u")), std::ios::binary)
        .write(reinterpret_cast<const char*>(utf16.data()), static_cast<std::streamsize>(utf16.size() * 2));

    const VelutreckProcess velutreck;
    const HWND window = velutreck.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    const HWND list = ControlOf(window, ControlId::lstAudioFiles);
    PostMessageW(list, WM_DROPFILES, ShellDrop(velutreck.Id(), {WidePath(L"\\player.m3u8"), WidePath(L"\\utf16.m3u")}),
                 0);
    EXPECT_TRUE(Eventually([&] { return SendMessageW(list, LB_GETCOUNT, 0, 0) == 5; }));
    const std::string marker = "---Break---";
    EXPECT_EQ(operating::ListEntries(window),
              (std::vector<std::string>{marker, Path(L"\\Album\\Caf\u00E9 Noir.mp3"), Path(L"\\Album\\2 Two.mp3"), marker,
                                        Path(L"\\Album\\Sub\\s.wav")}));
}

TEST_F(DroppedItems, ASecondCopyHandsItsItemsOverOrSaysThatTheRunningCopyIsBusy) {
    const VelutreckProcess first;
    const HWND window = first.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    {
        const VelutreckProcess second({WidePath(L"\\loose.wma")});
        EXPECT_TRUE(second.WaitForExit(15000));
    }
    EXPECT_TRUE(Eventually([&] { return operating::ListEntries(window).size() == 2; }));
    EXPECT_EQ(operating::ListEntries(window), (std::vector<std::string>{"---Break---", Path(L"\\loose.wma")}));

    // Start shows its checklist while the job already runs.
    PostMessageW(ControlOf(window, ControlId::btnStartStop), BM_CLICK, 0, 0);
    const HWND checklist = first.WaitForMessageBox();
    ASSERT_NE(checklist, nullptr);
    {
        const VelutreckProcess second({WidePath(L"\\Album")});
        const HWND busy = second.WaitForMessageBox();
        ASSERT_NE(busy, nullptr);
        EXPECT_EQ(MessageBoxText(busy),
                  "Velutreck is writing to a MiniDisc at the moment, so it cannot take these files now. Please add "
                  "them when the job has finished.");
        PostMessageW(busy, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(second.WaitForExit(10000));
    }
    PostMessageW(checklist, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(Eventually([&] { return !IsWindow(checklist); }));
    EXPECT_EQ(operating::ListEntries(window), (std::vector<std::string>{"---Break---", Path(L"\\loose.wma")}));
}

}  // namespace
}  // namespace velutreck::windowtest
