#include <gtest/gtest.h>

#include "rehearsal/desktop/standard_desktop.h"
#include "rehearsal/standins/simple_burner_stand_in.h"
#include "sim_test_support.h"

namespace velutreck {
namespace {

namespace paths = standard_desktop;
using sim_test::Keys;

// As on the real Simple Burner, names reach the disc only when the window closes, so a driver
// that forgets to close it leaves the disc unnamed; and every key it did not expect is noted,
// so that the whole jobs can check that no key went astray.
TEST(SimpleBurnerStandInTest, NamesGoToTheDiscOnlyWhenTheWindowClosesAndStrayKeysAreNoted) {
    const std::unique_ptr<SimDesktop> desktop = MakeStandardDesktop();
    desktop->Disc().groups.push_back({"", {{"", "A.mp3", "LP2"}}});
    desktop->StartProgram(paths::SimpleBurnerPath);
    desktop->Clock().AdvanceBy(20000);
    const WindowTree& windows = desktop->Windows();
    const WindowHandle main = windows.Find(0, 0, std::nullopt, SimpleBurnerTitle);
    const WindowHandle firstPanel = windows.Find(main, 0, "#32770", std::nullopt);
    const WindowHandle discPanel = windows.Find(main, firstPanel, "#32770", std::nullopt);
    const WindowHandle nameField = windows.Find(discPanel, 0, "Edit", std::nullopt);
    const WindowHandle list = windows.Find(discPanel, 0, std::nullopt, "List2");

    desktop->InjectKeys(Keys("x"), true);
    sim_test::Click(*desktop, nameField);
    desktop->Pause(500);
    desktop->InjectKeys(Keys("{F2}"), true);
    sim_test::Click(*desktop, list);
    desktop->Pause(500);
    desktop->InjectKeys(Keys("{HOME}{F2}Group{DOWN}Track{DOWN}"), true);
    EXPECT_EQ(RowTitles(desktop->Disc()), (std::vector<std::string>{"", ""}));

    desktop->PostMessage(main, message::Close, 0, 0);
    desktop->Pause(500);
    EXPECT_EQ(RowTitles(desktop->Disc()), (std::vector<std::string>{"Group", "Track"}));
    std::vector<std::string> notes;
    for (const std::string& line : desktop->Transcript().Texts()) {
        if (line.starts_with("Simple Burner: ")) {
            notes.push_back(line);
        }
    }
    EXPECT_EQ(notes, (std::vector<std::string>{"Simple Burner: stray key \"x\" in \"Net MD Simple Burner\"",
                                               "Simple Burner: stray key \"F2\" in \"\""}));
}

}  // namespace
}  // namespace velutreck
