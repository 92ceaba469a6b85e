#include <gtest/gtest.h>

#include "rehearsal/desktop/standard_desktop.h"
#include "rehearsal/standins/cd_image.h"
#include "rehearsal/standins/nero_stand_in.h"
#include "sim_test_support.h"

namespace velutreck {
namespace {

namespace paths = standard_desktop;
using sim_test::Keys;

const std::string Image = "C:\\~TmpVelutreck.nrg";

class NeroStandInTest : public ::testing::Test {
protected:
    NeroStandInTest() {
        desktop->ShellOpen(desktop->OwnWindow(), paths::AudioProject, "");
        desktop->Clock().AdvanceBy(3000);
    }

    void TypeInto(const std::string& title, const std::string& notation) {
        desktop->ActivateByTitle(title);
        desktop->InjectKeys(Keys(notation), true);
    }
    void AddFile(const std::string& escapedPath) {
        TypeInto(NeroMainTitle, "%el");
        desktop->InjectKeys(Keys(escapedPath), true);
        desktop->InjectKeys(Keys("~"), true);
    }
    WindowHandle Main() { return desktop->Windows().Find(0, 0, std::nullopt, NeroMainTitle); }
    WindowHandle Report(const std::string& text) { return desktop->Windows().Find(Main(), 0, std::nullopt, text); }
    std::vector<std::string> Notes() {
        std::vector<std::string> notes;
        for (const std::string& text : desktop->Transcript().Texts()) {
            if (text.starts_with("Nero: ")) {
                notes.push_back(text);
            }
        }
        return notes;
    }

    std::unique_ptr<SimDesktop> desktop = MakeStandardDesktop();
};

TEST_F(NeroStandInTest, NeroPutsEachAddedFileAboveTheLastAndClosesWithoutSavingTheProject) {
    ASSERT_NE(Main(), 0u);
    EXPECT_EQ(desktop->Windows().Focus(), Main());
    AddFile("C:\\Music\\B.mp3");
    AddFile("C:\\Music\\A.mp3");

    TypeInto(NeroMainTitle, "%fw");
    desktop->InjectKeys(Keys("%w"), true);
    TypeInto(NeroSaveImageTitle, "C:\\{~}TmpVelutreck.nrg~");
    desktop->Clock().AdvanceBy(2000 + 2 * 3000 - 1);
    EXPECT_EQ(Report(NeroCompletedText), 0u);
    desktop->Clock().AdvanceBy(1);
    EXPECT_NE(Report(NeroCompletedText), 0u);
    EXPECT_EQ(CdImageTracks(*desktop->Files().ReadFile(Image)),
              (std::vector<std::string>{"C:\\Music\\A.mp3", "C:\\Music\\B.mp3"}));

    TypeInto(NeroMainTitle, "~");
    EXPECT_EQ(Report(NeroCompletedText), 0u);
    desktop->InjectKeys(Keys("%d"), true);
    EXPECT_EQ(desktop->Windows().Find(0, 0, std::nullopt, "Write Compilation"), 0u);

    TypeInto(NeroMainTitle, "%{F4}");
    EXPECT_EQ(desktop->Windows().Window(desktop->Windows().Foreground()).text, "Nero Burning ROM");
    desktop->InjectKeys(Keys("%n"), true);
    EXPECT_EQ(Main(), 0u);
    EXPECT_EQ(desktop->Windows().Foreground(), desktop->OwnWindow());
    EXPECT_EQ(desktop->Files().ReadFile(paths::AudioProject), "Nero audio project\n");
    EXPECT_TRUE(Notes().empty());
}

TEST_F(NeroStandInTest, AMissingFileIsNotAddedAndKeysNoWindowExpectsAreNotedAsStray) {
    AddFile("C:\\Music\\Missing.mp3");
    TypeInto(NeroMainTitle, "x%e~");
    TypeInto(NeroMainTitle, "%fw%w");
    EXPECT_EQ(desktop->Windows().Find(0, 0, std::nullopt, NeroSaveImageTitle), 0u);

    EXPECT_EQ(Notes(), (std::vector<std::string>{
                           "Nero: cannot find the file \"C:\\Music\\Missing.mp3\"; nothing added",
                           "Nero: stray key \"x\" in \"Nero - Burning Rom\"",
                           "Nero: stray key \"Enter\" in \"Nero - Burning Rom\"",
                           "Nero: the compilation is empty; nothing to write",
                       }));
    desktop->InjectKeys(Keys("{esc}"), true);
    TypeInto(NeroMainTitle, "%{F4}");
    EXPECT_EQ(Main(), 0u);  // nothing changed, so nothing to ask
}

TEST_F(NeroStandInTest, AnImageThatCannotBeWrittenEndsInAFailureReportInsteadOfTheSuccessText) {
    AddFile("C:\\Music\\A.mp3");
    TypeInto(NeroMainTitle, "%fw%w");
    TypeInto(NeroSaveImageTitle, "C:\\Temp\\{~}TmpVelutreck.nrg~");
    desktop->Clock().AdvanceBy(60000);

    EXPECT_EQ(Report(NeroCompletedText), 0u);
    EXPECT_NE(Report(NeroFailedText), 0u);
    EXPECT_FALSE(desktop->Files().FileExists("C:\\Temp\\~TmpVelutreck.nrg"));
    EXPECT_EQ(Notes().size(), 1u);
}

}  // namespace
}  // namespace velutreck
