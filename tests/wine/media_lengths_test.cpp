// Lengths of real files in the real Velutreck.exe: WAV and AIFF files read from their headers,
// with Media Foundation or without it, a CD track's ".cda" file read directly, the list's summary
// they make, and the checks at Start that refuse or question a job before anything is started.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/win32/wide_text.h"
#include "rehearsal/operator/operator_actions.h"
#include "rehearsal/operator/sample_files.h"
#include "rehearsal/operator/velutreck_process.h"

namespace velutreck::windowtest {
namespace {

void Little(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

void WriteWave(const std::filesystem::path& path, std::uint32_t seconds) {
    operating::WriteSilentWave(Narrow(path.wstring()), static_cast<int>(seconds) * 1000);
}

void Big(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) {
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

// An AIFF file of the given seconds at 8 kHz, 8-bit mono, sparse as the WAV files are.
void WriteAiff(const std::filesystem::path& path, std::uint32_t seconds) {
    const std::uint32_t frames = seconds * 8000;
    {
        std::ofstream out(path, std::ios::binary);
        out << "FORM";
        Big(out, 4 + 26 + 16 + frames, 4);
        out << "AIFFCOMM";
        Big(out, 18, 4);
        Big(out, 1, 2);       // mono
        Big(out, frames, 4);  // sample frames
        Big(out, 8, 2);       // bits a sample
        Big(out, 0x400B, 2);  // 8,000 as an 80-bit extended number: 1.953125 * 2^12
        Big(out, 0xFA000000, 4);
        Big(out, 0, 4);
        out << "SSND";
        Big(out, 8 + frames, 4);
        Big(out, 0, 8);  // offset and block size
    }
    std::filesystem::resize_file(path, 54 + frames);
}

// Track 2 of an audio CD as Explorer shows it, 3:20 long (15,000 sectors of 1/75 second).
void WriteCdTrack(const std::filesystem::path& path) {
    std::ofstream out(path, std::ios::binary);
    out << "RIFF";
    Little(out, 36, 4);
    out << "CDDAfmt ";
    Little(out, 24, 4);
    Little(out, 1, 2);
    Little(out, 2, 2);
    Little(out, 0x1234ABCD, 4);
    Little(out, 20000, 4);
    Little(out, 15000, 4);
    Little(out, 0, 4);
    Little(out, 0x00001400, 4);  // 0 frames, 20 seconds, 3 minutes
}

class MediaLengths : public testing::Test {
protected:
    void SetUp() override {
        DeleteStoredSettings();
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_);
    }
    void TearDown() override {
        std::filesystem::remove_all(root_);
        DeleteStoredSettings();
    }

    std::filesystem::path Root() const { return root_; }

    // Settings whose paths all exist, so that the path checks at Start pass.
    void StorePassingPaths(const std::string& compression) {
        for (const char* file : {"Empty.nra", "ImageDrive.exe", "NetMDSB.exe"}) {
            std::ofstream(root_ / file);
        }
        StoreSetting("AudioProject", Narrow((root_ / "Empty.nra").wstring()));
        StoreSetting("TempFolder", Narrow(root_.wstring()) + "\\");
        StoreSetting("ImageDrive", Narrow((root_ / "ImageDrive.exe").wstring()));
        StoreSetting("SimpleBurner", Narrow((root_ / "NetMDSB.exe").wstring()));
        StoreSetting("Compression", compression);
    }

    static std::string Summary(HWND window) { return TextOf(ControlOf(window, ControlId::lblSummary)); }

    // Presses Start and OK at the checklist; returns the text of the message that follows it.
    static std::string StartPastTheChecklist(HWND window, operating::Answer answer) {
        operating::Press(window, ControlId::btnStartStop);
        operating::AnswerMessageBox(window, operating::Answer::Ok, 15000);
        return operating::AnswerMessageBox(window, answer, 15000);
    }

private:
    const std::filesystem::path root_ = std::filesystem::temp_directory_path() / L"velutreck_lengths";
};

TEST_F(MediaLengths, TheSummaryAddsUpWaveFilesAndACdTrackAndCountsWhatHasNoLength) {
    WriteWave(Root() / "short.wav", 95);          // 1:35
    WriteWave(Root() / "long.wav", 75 * 60 + 5);  // 1:15:05, 36 MB that take no room
    WriteCdTrack(Root() / "Track02.cda");
    std::ofstream(Root() / "empty.mp3");
    const VelutreckProcess velutreck({(Root() / "short.wav").wstring(), (Root() / "long.wav").wstring(),
                                      (Root() / "Track02.cda").wstring(), (Root() / "empty.mp3").wstring()});
    const HWND window = velutreck.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    const std::string expected =
        "4 files in 1 group, 1:20:00 - fits an 80-minute MiniDisc at LP4, 4:00:00 to spare "
        "(the length of 1 file is unknown)";
    EXPECT_TRUE(Eventually([&] { return Summary(window) == expected; })) << Summary(window);
}

// Velutreck.exe without Media Foundation, as on the N editions of Windows: Wine's own setting for
// one program, an empty override, keeps it from loading the libraries.
class WithoutMediaFoundation {
public:
    WithoutMediaFoundation() {
        HKEY key = nullptr;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, Key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) == ERROR_SUCCESS) {
            for (const wchar_t* library : {L"mfplat", L"mfreadwrite"}) {
                RegSetValueExW(key, library, 0, REG_SZ, reinterpret_cast<const BYTE*>(L""), sizeof(wchar_t));
            }
            RegCloseKey(key);
        }
    }
    ~WithoutMediaFoundation() { RegDeleteKeyW(HKEY_CURRENT_USER, Key); }
    WithoutMediaFoundation(const WithoutMediaFoundation&) = delete;
    WithoutMediaFoundation& operator=(const WithoutMediaFoundation&) = delete;

private:
    static constexpr const wchar_t* Key = L"Software\\Wine\\AppDefaults\\Velutreck.exe\\DllOverrides";
};

TEST_F(MediaLengths, WaveAndAiffLengthsComeFromTheirHeadersWithoutMediaFoundation) {
    WriteWave(Root() / "short.wav", 95);  // 1:35
    WriteAiff(Root() / "side.aiff", 25);
    std::ofstream(Root() / "empty.mp3");
    const WithoutMediaFoundation missing;
    const VelutreckProcess velutreck(
        {(Root() / "short.wav").wstring(), (Root() / "side.aiff").wstring(), (Root() / "empty.mp3").wstring()});
    const HWND window = velutreck.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    const std::string expected =
        "3 files in 1 group, 2:00 - fits an 80-minute MiniDisc at LP4, 5:18:00 to spare "
        "(the length of 1 file is unknown)";
    EXPECT_TRUE(Eventually([&] { return Summary(window) == expected; })) << Summary(window);
}

TEST_F(MediaLengths, AGroupOf100FilesIsRefusedAtStartAndTheListStays) {
    StorePassingPaths("1");
    std::filesystem::create_directories(Root() / "Album");
    for (int i = 0; i < 100; ++i) {
        std::ofstream(Root() / "Album" / (std::to_string(100 + i) + ".mp3"));
    }
    const VelutreckProcess velutreck({(Root() / "Album").wstring()});
    const HWND window = velutreck.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(Eventually([&] { return Summary(window).rfind("100 files in 1 group", 0) == 0; })) << Summary(window);

    EXPECT_EQ(StartPastTheChecklist(window, operating::Answer::Ok),
              "Error: Group 1 has 100 files; an audio CD holds 99 tracks. Insert a break to split it.");
    EXPECT_TRUE(Eventually([&] { return TextOf(ControlOf(window, ControlId::btnStartStop)) == "&Start"; }));
    EXPECT_EQ(operating::ListEntries(window).size(), 100u);
}

TEST_F(MediaLengths, AListLongerThanTheDiscIsQuestionedAndCancelEndsTheJob) {
    StorePassingPaths("0");
    for (const char* album : {"One", "Two", "Three"}) {
        std::filesystem::create_directories(Root() / album);
        WriteWave(Root() / album / "side.wav", 55 * 60);
    }
    const VelutreckProcess velutreck(
        {(Root() / "One").wstring(), (Root() / "Two").wstring(), (Root() / "Three").wstring()});
    const HWND window = velutreck.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    const std::string summary = "3 files in 3 groups, 2:45:00 - 5:00 too long for an 80-minute MiniDisc at LP2";
    ASSERT_TRUE(Eventually([&] { return Summary(window) == summary; })) << Summary(window);
    // A 74-minute disc chosen in the list, as the list tells its window.
    const HWND length = ControlOf(window, ControlId::cboDiscLength);
    SendMessageW(length, CB_SETCURSEL, 1, 0);
    SendMessageW(GetParent(length), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(length), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(length));
    EXPECT_EQ(Summary(window), "3 files in 3 groups, 2:45:00 - 17:00 too long for a 74-minute MiniDisc at LP2");

    EXPECT_EQ(StartPastTheChecklist(window, operating::Answer::Cancel),
              "The list plays 2:45:00, 17:00 more than a 74-minute MiniDisc holds at LP2.\r\n\r\nStart anyway?");
    EXPECT_EQ(StoredSetting("MiniDiscLength"), "74");
    EXPECT_TRUE(Eventually([&] { return TextOf(ControlOf(window, ControlId::btnStartStop)) == "&Start"; }));
    EXPECT_EQ(operating::CaptionOf(window), "Velutreck");
    EXPECT_EQ(operating::ListEntries(window).size(), 5u);
}

}  // namespace
}  // namespace velutreck::windowtest
