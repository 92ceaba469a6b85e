// The three hosted stand-ins driven by the real drivers on the real desktop: one group of a job
// from the empty drive through Nero's image and Simple Burner's recording to the names on the
// disc, the way the transfer engine calls the operations (polling instead of ticks).
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "base/failure.h"
#include "drivers/modNeroBurningRom.h"
#include "drivers/modNeroImageDrive.h"
#include "drivers/modNetMDSimpleBurner.h"
#include "drivers/temp_image.h"
#include "rehearsal/operator/install_stand_ins.h"
#include "platform/nero_image.h"
#include "rehearsal/operator/sample_files.h"
#include "rehearsal/standins/cd_image.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_file_system.h"
#include "unit/drivers/fake_main_window.h"
#include "rehearsal/operator/velutreck_process.h"

namespace velutreck {
namespace {

using standintest::EndStandIns;
using standintest::InstallStandIns;
using standintest::UseStandInState;
using windowtest::Eventually;

const std::string BurnerCaption = "Net MD Simple Burner";

std::string HostsTestFolder() {
    return Narrow((std::filesystem::temp_directory_path() / L"Velutreck Hosts Test").wstring());
}

class StandInHostsTest : public ::testing::Test {
protected:
    StandInHostsTest() : folder_(Prepare(HostsTestFolder())) {}
    ~StandInHostsTest() override { EndStandIns(); }

    static std::string Prepare(const std::string& folder) {
        InstallStandIns();
        std::filesystem::remove_all(std::filesystem::path(Widen(folder)));
        std::filesystem::create_directories(std::filesystem::path(Widen(folder + "\\Velutreck")));
        return folder;
    }

    std::string Path(const std::string& name) const { return folder_ + "\\" + name; }

    WindowHandle TopWindow(const std::string& caption) { return desktop_.FindWindow(0, 0, std::nullopt, caption); }
    // Activation takes only a shown window; a loaded machine can take a moment between the two.
    bool Shown(const std::string& caption) {
        const WindowHandle window = TopWindow(caption);
        return window != 0 && IsWindowVisible(ToHwnd(window));
    }

    // Where the engine waits for a window to come up, the test waits until the window has taken
    // the foreground and its program has handled what that brought: keys typed while Wine still
    // moves the X focus lose the modifiers held over them.
    bool Foremost(WindowHandle window) {
        const bool foreground = Eventually([&] { return GetForegroundWindow() == ToHwnd(window); });
        windowtest::Settle(ToHwnd(window));
        return foreground;
    }

    // Started by its path, Simple Burner reads the disc before it shows a window, so the
    // activation that follows the start finds none yet; the engine ignores that failure too.
    // The window is complete once its last control, the record control, is there.
    WindowHandle StartSimpleBurner() {
        try {
            SimpleBurnerStart(context_);
        } catch (const Failure&) {
        }
        WindowHandle main = 0;
        Eventually([&] {
            main = TopWindow(BurnerCaption);
            return main != 0 && desktop_.FindWindow(main, 0, "Static", "Record") != 0;
        });
        return Foremost(main) ? main : 0;
    }

    bool Gone(const std::string& caption) {
        return Eventually([&] { return TopWindow(caption) == 0; });
    }

    std::string folder_;
    StandInState state_{UseStandInState(folder_ + "\\state", 10)};
    Win32Desktop desktop_;
    Win32FileSystem files_;
    FakeMainWindow window_;
    DriverContext context_{desktop_, window_};
};

TEST_F(StandInHostsTest, OneGroupGoesFromNerosImageThroughTheVirtualDriveOntoTheNamedDisc) {
    const std::string introSong = Path("Intro (Live).wav");
    const std::string rockSong = Path("Café + Rock ~100%.wav");
    const std::string emptyImage = Path("Velutreck\\Empty.nrg");
    const std::string project = Path("Audio.nra");
    for (const std::string& file : {emptyImage, project}) {
        files_.WriteFile(file, "contents of " + file);
    }
    // Whole CD sectors (40 ms is three), so that the image's tracks are exactly as long.
    files_.WriteFile(introSong, operating::ToneWave(1'480, 440));
    files_.WriteFile(rockSong, operating::ToneWave(2'520, 330));
    window_.audioProject = project;
    window_.tempFolder = folder_ + "\\";
    window_.programFolder = folder_ + "\\Velutreck";
    window_.owner = 0;
    window_.generalShortPause = 1;
    window_.compression = 1;
    window_.discName = "Mix (2003)";
    window_.trackNames = {"Intro (Live)", "Intro (Live)", "Café + Rock ~100%"};
    const std::string image = TempImagePath(window_.tempFolder);
    state_.WriteDisc(MiniDisc{.title = "Old", .groups = {{.title = "Old", .tracks = {{"Old", "old.wav", "LP2"}}}}});

    // The empty image goes into the drive, which the first ImageDrive keeps from then on.
    ImageDriveEject(context_);
    ASSERT_TRUE(Eventually([&] { return state_.ReadDrive().image == emptyImage; }));

    const WindowHandle eraser = StartSimpleBurner();
    ASSERT_NE(eraser, 0u);
    SimpleBurnerClickAllErase(context_);
    ASSERT_TRUE(Eventually([&] { return TopWindow(BurnerCaption) != eraser; })) << "no confirmation";
    ASSERT_TRUE(Foremost(TopWindow(BurnerCaption)));
    SimpleBurnerConfirmErase(context_);
    ASSERT_TRUE(Eventually([&] { return state_.ReadDisc() == MiniDisc(); }));
    SimpleBurnerClose(context_);
    ASSERT_TRUE(Gone(BurnerCaption));

    // Nero opens the project through its association, takes the files last first (each goes above
    // the one before) and writes the image.
    NeroStart(context_);
    ASSERT_TRUE(Eventually([&] { return Shown("Nero - Burning Rom"); }));
    NeroAddFile(context_, rockSong);
    NeroAddFile(context_, introSong);
    NeroWriteImage(context_);
    ASSERT_TRUE(Eventually([&] { return Shown("Save Image File"); }));
    NeroSaveImageFile(context_);
    ASSERT_TRUE(Eventually([&] { return NeroBurnCompleted(context_) != 0; }));
    NeroDismissCompletion(context_);
    NeroClose(context_);
    EXPECT_TRUE(Gone("Nero - Burning Rom")) << "Alt+N did not end Nero";
    EXPECT_EQ(CdImageSources(files_, image), (std::vector<std::string>{introSong, rockSong}));
    EXPECT_EQ(ReadNeroImage(files_, image).trackLengths,
              (std::vector<std::chrono::milliseconds>{std::chrono::milliseconds(1'480), std::chrono::milliseconds(2'520)}));
    EXPECT_EQ(files_.ReadFile(project), "contents of " + project);

    // While the drive holds the image, the image cannot be deleted.
    ImageDriveLoad(context_);
    ASSERT_TRUE(Eventually([&] { return state_.ReadDrive().image == image; }));
    EXPECT_THROW(files_.DeleteFile(image), Failure);

    const WindowHandle recorder = StartSimpleBurner();
    ASSERT_NE(recorder, 0u);
    SimpleBurnerSetCompression(context_);
    SimpleBurnerStartRecording(context_);
    ASSERT_TRUE(Eventually([&] { return SimpleBurnerRecordingComplete(context_) != 0; }));
    ASSERT_TRUE(Eventually([&] { return TopWindow(BurnerCaption) == recorder; })) << "the message stays";
    SimpleBurnerClose(context_);
    ASSERT_TRUE(Gone(BurnerCaption));

    // Mounting the empty image again lets the image go.
    ImageDriveEject(context_);
    ASSERT_TRUE(Eventually([&] { return state_.ReadDrive().image == emptyImage; }));
    EXPECT_NO_THROW(files_.DeleteFile(image));

    ASSERT_NE(StartSimpleBurner(), 0u);
    SimpleBurnerNameDisc(context_);
    SimpleBurnerNameTracks(context_);
    SimpleBurnerClose(context_);
    ASSERT_TRUE(Gone(BurnerCaption));

    const MiniDisc expected{.title = "Mix (2003)",
                            .groups = {{.title = "Intro (Live)",
                                        .tracks = {{"Intro (Live)", introSong, "LP4"},
                                                   {"Café + Rock ~100%", rockSong, "LP4"}}}}};
    EXPECT_EQ(state_.ReadDisc(), expected);
    const std::string log = state_.ReadLog();
    for (const char* trouble : {"stray", "failed", "cannot"}) {
        EXPECT_EQ(log.find(trouble), std::string::npos) << log;
    }
}

}  // namespace
}  // namespace velutreck
