// The whole job as a user runs it: the real Velutreck.exe, files chosen in the real open-file
// dialog in two batches, Start, OK at the checklist, and then nothing but watching, while Velutreck
// drives the hosted stand-ins of Nero, ImageDrive and Simple Burner through their windows. What
// counts is what the MiniDisc holds at the end, and what Velutreck leaves behind; and that all the
// while its window answered what Windows and a second copy ask it.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "rehearsal/operator/install_stand_ins.h"
#include "rehearsal/operator/key_capture_window.h"
#include "rehearsal/operator/job_screenshots.h"
#include "rehearsal/operator/job_staging.h"
#include "rehearsal/operator/job_watch.h"
#include "rehearsal/operator/open_dialog.h"
#include "rehearsal/operator/operator_actions.h"
#include "rehearsal/operator/sample_files.h"
#include "platform/win32/item_hand_over.h"
#include "platform/win32/wide_text.h"
#include "rehearsal/benchmark/prescribed_waits.h"
#include "rehearsal/hosts/stand_in_speed.h"
#include "rehearsal/operator/velutreck_process.h"
#include "answer_probe.h"

namespace velutreck {
namespace {

using namespace operating;
using windowtest::StoreSetting;

const std::string Marker = "---Break---";

std::string EndToEndFolder() { return Narrow((std::filesystem::temp_directory_path() / L"VelutreckEndToEnd").wstring()); }

// What a careless start of Simple Burner's unquoted default path would run first: a keyboard test
// window, titled "Key Capture" when started without a title.
const wchar_t* const CarelessStartSpy = L"C:\\Program.exe";

class EndToEnd : public testing::Test {
protected:
    EndToEnd() {
        std::filesystem::remove_all(std::filesystem::path(Widen(folder_)));
        standintest::InstallStandIns();
        windowtest::DeleteStoredSettings();
        CopyFileW((TestBinFolder() + L"\\key_capture.exe").c_str(), CarelessStartSpy, FALSE);
    }
    ~EndToEnd() override {
        standintest::EndStandIns();
        windowtest::DeleteStoredSettings();
        if (const HWND spy = FindKeyCapture(L"Key Capture")) {
            PostMessageW(spy, WM_CLOSE, 0, 0);
            windowtest::Eventually([&] { return !IsWindow(spy); });
        }
        DeleteFileW(CarelessStartSpy);
    }

    // The project, the temp folder, and waits of one tick, each longer than what the stand-ins take
    // at ten times their speed. The short pause keeps its default: its waits inside a tick are what
    // the window must answer through.
    void StageQuickJob() {
        StageProjectAndTempFolder(project_, tempFolder_);
        for (const char* pause : {"GeneralLongPause", "SimpleBurnerPause"}) {
            StoreSetting(pause, "1");
        }
    }

    void Shoot(const std::string& step) {
        const std::wstring path = StepShotPath(ScreenshotsFolder(), L"e2e", shots_++, step);
        EXPECT_TRUE(ShootScreen(path)) << "no screenshot of " << step;
    }

    const std::string folder_ = EndToEndFolder();
    const std::string first_ = folder_ + "\\Music\\Live at Home";
    const std::string second_ = folder_ + "\\Music\\Encore";
    const std::string project_ = folder_ + "\\Empty.nra";
    const std::string tempFolder_ = folder_ + "\\Temp\\";
    std::size_t shots_ = 0;
};

TEST_F(EndToEnd, TwoBatchesChosenInTheAddDialogEndAsTwoNamedGroupsOnAnErasedDisc) {
    StandInState state = standintest::UseStandInState(folder_ + "\\state", 10);
    state.WriteDisc(MiniDisc{.title = "Old", .groups = {{.title = "Old", .tracks = {{"Old", "old.wav", "LP2"}}}}});
    WriteBytes(first_ + "\\Alpha One.wav", ToneWave(400, 440));
    WriteBytes(first_ + "\\Bravo (Live).wav", ToneWave(300, 550));
    WriteBytes(second_ + "\\Charlie.wav", ToneWave(200, 660));
    StageQuickJob();

    const windowtest::VelutreckProcess velutreck;
    const HWND window = velutreck.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    TypeInto(window, ControlId::txtDiscName, "Mix (2003) +5%");
    AddFiles(window, first_, {"Alpha One.wav", "Bravo (Live).wav"});
    AddFiles(window, second_, {"Charlie.wav"});
    const std::vector<std::string> list = ListEntries(window);
    ASSERT_EQ(list, (std::vector<std::string>{Marker, first_ + "\\Alpha One.wav", first_ + "\\Bravo (Live).wav",
                                              Marker, second_ + "\\Charlie.wav"}));
    Shoot("list");

    const PrescribedWaits prescribed = PrescribedJobWaits(ShapeOfList(list, true, true), JobTunings{3, 1, "1"});
    const ULONGLONG start = GetTickCount64();
    Press(window, ControlId::btnStartStop);
    ASSERT_TRUE(windowtest::Eventually([&] { return OpenMessageBox(window) != nullptr; })) << "no checklist";
    Shoot("checklist");
    EXPECT_EQ(AnswerMessageBox(window, Answer::Ok, 5000).rfind("Before continuing, please...", 0), 0u);
    windowtest::AnswerProbe probe(window, {folder_ + "\\Music\\Late.wav"});
    const JobWatch watch = WatchJob(window, static_cast<DWORD>(prescribed.TotalMs()) + 60000,
                                    [&](std::size_t, const std::string& caption) { Shoot(caption); });
    probe.Stop();
    const ULONGLONG took = GetTickCount64() - start;
    ASSERT_TRUE(watch.ended) << "last step: " << watch.captions.back() << "; message: " << watch.message.value_or("");
    // The job keeps every wait it prescribes, and the polls found the stand-ins done in time.
    EXPECT_GE(took, static_cast<ULONGLONG>(prescribed.TotalMs()));
    EXPECT_EQ(watch.captions.back(), "Velutreck");
    // Windows would call a window that keeps other programs waiting "not responding", and a second
    // copy started at any step must hear that Velutreck is busy.
    EXPECT_LT(probe.LongestWaitMs(), 1000u) << "no answer at \"" << probe.LongestWaitStep() << "\"";
    std::set<std::string> handedOverAt;
    for (const windowtest::AnswerProbe::HandOver& handOver : probe.HandOvers()) {
        EXPECT_EQ(handOver.answer, HandOverBusy) << "at \"" << handOver.step << "\"";
        handedOverAt.insert(handOver.step);
    }
    for (const std::string& step : watch.captions) {
        EXPECT_TRUE(step == "Velutreck" || handedOverAt.contains(step)) << "no hand-over at \"" << step << "\"";
    }

    const MiniDisc disc = state.ReadDisc();
    const MiniDisc expected{
        .title = "Mix (2003) +5%",
        .groups = {{.title = "AlphaOne",
                    .tracks = {{"AlphaOne", list[1], "LP4"}, {"BravoLive", list[2], "LP4"}}},
                   {.title = "Charlie", .tracks = {{"Charlie", list[4], "LP4"}}}}};
    EXPECT_EQ(disc, expected) << DiscReport(disc);

    EXPECT_TRUE(ListEntries(window).empty());
    EXPECT_EQ(FindKeyCapture(L"Key Capture"), nullptr) << "C:\\Program.exe was started";
    EXPECT_EQ(CaptionOf(ControlOf(window, ControlId::btnStartStop)), "&Start");
    EXPECT_TRUE(std::filesystem::is_empty(std::filesystem::path(Widen(tempFolder_))));
    EXPECT_EQ(std::filesystem::file_size(std::filesystem::path(Widen(project_))), 0u) << "Nero saved the project";
    const std::string log = state.ReadLog();
    for (const char* trouble : {"stray", "failed", "cannot"}) {
        EXPECT_EQ(log.find(trouble), std::string::npos) << log;
    }
}

// ImageDrive keeps the empty image: the job stops before Simple Burner records it, and the group
// is back in the list.
TEST_F(EndToEnd, AnImageDriveThatIgnoresTheImageStopsTheJobBeforeRecordingAndTheGroupIsBack) {
    StandInState state = standintest::UseStandInState(folder_ + "\\state", 10);
    SetEnvironmentVariableW(Widen(ImageDriveIgnoresLoadsVariable).c_str(), L"1");
    WriteBytes(first_ + "\\Alpha One.wav", ToneWave(400, 440));
    WriteBytes(first_ + "\\Bravo (Live).wav", ToneWave(300, 550));
    StageQuickJob();

    const windowtest::VelutreckProcess velutreck;
    const HWND window = velutreck.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    AddFiles(window, first_, {"Alpha One.wav", "Bravo (Live).wav"});
    const std::vector<std::string> list = ListEntries(window);
    Press(window, ControlId::btnStartStop);
    ASSERT_TRUE(windowtest::Eventually([&] { return OpenMessageBox(window) != nullptr; })) << "no checklist";
    AnswerMessageBox(window, Answer::Ok, 5000);
    const JobWatch watch = WatchJob(window, 120000, [&](std::size_t, const std::string&) {});
    SetEnvironmentVariableW(Widen(ImageDriveIgnoresLoadsVariable).c_str(), nullptr);

    // The window goes idle just before the message shows.
    ASSERT_TRUE(watch.ended || watch.message) << "last step: " << watch.captions.back();
    ASSERT_TRUE(windowtest::Eventually([&] { return OpenMessageBox(window) != nullptr; })) << "no message";
    Shoot("ignored image");
    const std::string message = AnswerMessageBox(window, Answer::Ok, 5000);
    EXPECT_EQ(message.rfind("Error: ImageDrive did not present the image of group 1: no CD drive shows its 2 tracks "
                            "(E: shows 1 track).", 0),
              0u)
        << message;
    // Start took the leading break away.
    EXPECT_EQ(ListEntries(window), std::vector<std::string>(list.begin() + 1, list.end()));
    EXPECT_EQ(CaptionOf(ControlOf(window, ControlId::btnStartStop)), "&Start");
    EXPECT_TRUE(state.ReadDisc().groups.empty()) << DiscReport(state.ReadDisc());
}

}  // namespace
}  // namespace velutreck
