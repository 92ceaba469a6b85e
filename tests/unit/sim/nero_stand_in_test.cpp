#include <gtest/gtest.h>

#include "platform/nero_image.h"
#include "rehearsal/desktop/standard_desktop.h"
#include "rehearsal/standins/cd_image.h"
#include "rehearsal/standins/nero_stand_in.h"
#include "sim_test_support.h"

namespace velutreck {
namespace {

namespace paths = standard_desktop;
using sim_test::Keys;

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
    WindowHandle Find(const std::string& text) {
        const WindowHandle main = desktop->Windows().Find(0, 0, std::nullopt, NeroMainTitle);
        return main == 0 ? 0 : desktop->Windows().Find(main, 0, std::nullopt, text);
    }
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

// The whole jobs check that no key went astray: Nero must note every key it did not expect.
TEST_F(NeroStandInTest, AMissingFileIsNotAddedAndKeysNoWindowExpectsAreNotedAsStray) {
    TypeInto(NeroMainTitle, "%el");
    desktop->InjectKeys(Keys("C:\\Music\\Missing.mp3~"), true);
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
    EXPECT_EQ(desktop->Windows().Find(0, 0, std::nullopt, NeroMainTitle), 0u);  // nothing changed, nothing to ask
}

// Each file lands at the top of the compilation, so the image holds them last added first.
TEST_F(NeroStandInTest, TheImageHoldsATrackAsLongAsEachFilePlaysAndNamesItsSource) {
    const std::string image = "C:\\Temp\\~TmpVelutreck.nrg";
    const std::string unknown = "C:\\Music\\Unknown.wma";
    desktop->Files().AddFile(unknown, "no length a player can find");
    for (const std::string& file : {paths::MusicFiles()[1], unknown, paths::MusicFiles()[3]}) {
        TypeInto(NeroMainTitle, "%el");
        desktop->InjectKeys(Keys(file + "~"), true);
    }
    TypeInto(NeroMainTitle, "%fw%w");
    TypeInto(NeroSaveImageTitle, "C:\\Temp\\{~}TmpVelutreck.nrg~");
    desktop->Clock().AdvanceBy(60000);
    ASSERT_NE(Find(NeroCompletedText), 0u);

    const NeroImageReading reading = ReadNeroImage(desktop->Files(), image);
    EXPECT_EQ(reading.trackLengths, (std::vector<std::chrono::milliseconds>{
                                        paths::MusicPlayingTimes()[3], std::chrono::seconds(4),
                                        paths::MusicPlayingTimes()[1]}));
    EXPECT_EQ(CdImageSources(desktop->Files(), image),
              (std::vector<std::string>{paths::MusicFiles()[3], unknown, paths::MusicFiles()[1]}));
}

// Closing a changed compilation asks first, as Nero does: only No ends it without saving.
TEST_F(NeroStandInTest, AnImageThatCannotBeWrittenEndsInAFailureReportAndClosingAsksAboutTheChanges) {
    desktop->Files().SetWritesRefused("C:\\Temp", true);
    TypeInto(NeroMainTitle, "%el");
    desktop->InjectKeys(Keys("C:\\Music\\A.mp3~"), true);
    TypeInto(NeroMainTitle, "%fw%w");
    TypeInto(NeroSaveImageTitle, "C:\\Temp\\{~}TmpVelutreck.nrg~");
    desktop->Clock().AdvanceBy(60000);
    EXPECT_EQ(Find(NeroCompletedText), 0u);
    EXPECT_NE(Find(NeroFailedText), 0u);
    EXPECT_FALSE(desktop->Files().FileExists("C:\\Temp\\~TmpVelutreck.nrg"));

    TypeInto(NeroMainTitle, "~%d%{F4}");
    EXPECT_EQ(desktop->Windows().Window(desktop->Windows().Foreground()).text, "Nero Burning ROM");
    desktop->InjectKeys(Keys("%n"), true);
    EXPECT_EQ(desktop->Windows().Find(0, 0, std::nullopt, NeroMainTitle), 0u);
    EXPECT_EQ(desktop->Files().ReadFile(paths::AudioProject), "Nero audio project\n");
    EXPECT_EQ(Notes().size(), 1u);  // the image that could not be written
}

}  // namespace
}  // namespace velutreck
