#include <gtest/gtest.h>

#include "base/failure.h"
#include "rehearsal/desktop/standard_desktop.h"
#include "rehearsal/standins/cd_image.h"
#include "rehearsal/standins/simple_burner_stand_in.h"
#include "sim_test_support.h"

namespace velutreck {
namespace {

namespace paths = standard_desktop;
using sim_test::Click;
using sim_test::Keys;

class SimpleBurnerStandInTest : public ::testing::Test {
protected:
    void StartAndReadDisc() {
        desktop->StartProgram(paths::SimpleBurnerPath);
        desktop->Clock().AdvanceBy(20000);
    }
    void MountImageOf(const std::vector<std::string>& sources) {
        const std::string image = paths::TempFolder + "~TmpVelutreck.nrg";
        desktop->Files().AddFile(image, CdImageText(sources));
        desktop->ShellOpen(desktop->OwnWindow(), paths::ImageDrivePath, image);
        desktop->Clock().AdvanceBy(1000);
    }
    WindowHandle Find(WindowHandle parent, const std::optional<std::string>& className,
                      const std::optional<std::string>& text, int nth = 1) {
        WindowHandle found = 0;
        for (int i = 0; i < nth; ++i) {
            found = desktop->Windows().Find(parent, found, className, text);
        }
        return found;
    }
    WindowHandle Top() { return Find(0, std::nullopt, SimpleBurnerTitle); }
    WindowHandle Panel() { return Find(Top(), "#32770", std::nullopt, 2); }
    void ClickAndWait(WindowHandle window) {
        Click(*desktop, window);
        desktop->Pause(500);
    }
    void Type(const std::string& notation) { desktop->InjectKeys(Keys(notation), true); }
    void RecordAtLp4() {
        desktop->InjectKeys(Keys("{esc}"), false);
        desktop->Pause(3000);
        desktop->PostMessage(Find(Top(), "ComboBox", std::nullopt), message::KeyDown, 0x28, 0x11500001);
        desktop->PostMessage(Find(Top(), "ComboBox", std::nullopt), message::KeyUp, 0x28, 0xD1500001);
        ClickAndWait(Find(Top(), "Static", std::nullopt, 3));
    }

    std::unique_ptr<SimDesktop> desktop = MakeStandardDesktop();
};

TEST_F(SimpleBurnerStandInTest, SimpleBurnerErasesRecordsAtLp4AndNamesTheDiscAndTracksOnTheRightRows) {
    desktop->Disc().groups.push_back({"Old", {{"Old", "X.mp3", "LP2"}}});
    const TaskId task = desktop->StartProgram(paths::SimpleBurnerPath);
    EXPECT_THROW(desktop->ActivateByTask(task), Failure);
    desktop->Clock().AdvanceBy(8000 + 250 - 1);
    EXPECT_EQ(Top(), 0u);  // still reading the disc: a click would find no window
    desktop->Clock().AdvanceBy(1);
    desktop->ActivateByTask(task);
    const WindowHandle main = Top();
    ASSERT_NE(main, 0u);

    ClickAndWait(Find(Panel(), std::nullopt, "All Erase"));
    EXPECT_NE(Top(), main);  // the confirmation, same caption, above the main window
    desktop->ActivateByTitle(SimpleBurnerTitle);
    desktop->InjectKeys(Keys("%(Y)"), false);
    desktop->Pause(500);
    EXPECT_EQ(desktop->Disc(), MiniDisc());
    EXPECT_EQ(Top(), main);

    MountImageOf({"C:\\Music\\A.mp3", "C:\\Music\\B.mp3"});
    RecordAtLp4();
    EXPECT_EQ(desktop->Windows().Window(Find(main, "ComboBox", std::nullopt)).text, "LP4");
    desktop->Clock().AdvanceBy(5000 + 2 * 4000 - 500);
    const WindowHandle complete = Find(Top(), "Static", SimpleBurnerCompleteText);
    ASSERT_NE(complete, 0u);
    desktop->PostMessage(Top(), message::Close, 0, 0);
    desktop->Pause(500);
    EXPECT_EQ(Top(), main);

    ClickAndWait(Find(Panel(), "Edit", std::nullopt));
    Type("{HOME}");
    Type("+{END}");
    Type("Mix {(}2003{)}");
    ClickAndWait(Find(Panel(), std::nullopt, "List2"));
    Type("{HOME}");
    Type("{F2}");
    for (const std::string name : {"Alpha", "Alpha", "Beta"}) {
        Type(name);
        desktop->InjectKeys(Keys("{DOWN}"), false);
        desktop->Pause(500);
    }
    desktop->PostMessage(main, message::Close, 0, 0);
    desktop->Pause(500);

    EXPECT_EQ(Top(), 0u);
    EXPECT_FALSE(desktop->TaskRunning(task));
    const MiniDisc& disc = desktop->Disc();
    EXPECT_EQ(disc.title, "Mix (2003)");
    ASSERT_EQ(disc.groups.size(), 1u);
    EXPECT_EQ(disc.groups[0].title, "Alpha");
    EXPECT_EQ(disc.groups[0].tracks, (std::vector<DiscTrack>{{"Alpha", "C:\\Music\\A.mp3", "LP4"},
                                                             {"Beta", "C:\\Music\\B.mp3", "LP4"}}));
    for (const std::string& line : desktop->Transcript().Texts()) {
        EXPECT_FALSE(line.starts_with("Simple Burner: stray")) << line;
    }
}

TEST_F(SimpleBurnerStandInTest, RecordingWithoutAnAudioCdRecordsNothingAndNeverShowsTheCompletionText) {
    StartAndReadDisc();
    RecordAtLp4();
    desktop->Clock().AdvanceBy(60000);
    EXPECT_NE(Find(Top(), "Static", SimpleBurnerNoCdText), 0u);
    EXPECT_EQ(Find(Top(), "Static", SimpleBurnerCompleteText), 0u);
    desktop->PostMessage(Top(), message::Close, 0, 0);

    MountImageOf({});
    ClickAndWait(Find(Top(), "Static", std::nullopt, 3));
    desktop->Clock().AdvanceBy(60000);
    EXPECT_NE(Find(Top(), "Static", SimpleBurnerNoCdText), 0u);
    EXPECT_TRUE(desktop->Disc().groups.empty());
}

TEST_F(SimpleBurnerStandInTest, NamesGoToTheDiscOnlyWhenTheWindowClosesAndStrayKeysAreNoted) {
    desktop->Disc().groups.push_back({"", {{"", "A.mp3", "LP2"}}});
    desktop->Disc().title = std::string(254 * CellCharacters, 'd');
    StartAndReadDisc();
    const WindowHandle main = Top();

    Type("x");
    ClickAndWait(Find(Panel(), std::nullopt, "List2"));
    Type("{HOME}{F2}First Name{DOWN}Track{DOWN}");
    EXPECT_EQ(desktop->Disc().groups[0].title, "");

    desktop->PostMessage(main, message::Close, 0, 0);
    desktop->Pause(500);
    EXPECT_EQ(desktop->Disc().groups[0].title, "First N");
    EXPECT_EQ(desktop->Disc().groups[0].tracks[0].title, "");
    const auto texts = desktop->Transcript().Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Simple Burner: stray key \"x\" in \"Net MD Simple Burner\""),
              texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(),
                        "Simple Burner: no room on the disc for the title \"First Name\"; it is cut to \"First N\""),
              texts.end());
}

}  // namespace
}  // namespace velutreck
