// Whole jobs with the default settings, run in virtual time against the stand-ins.
#include <gtest/gtest.h>

#include "platform/sim/standard_desktop.h"
#include "platform/sim/standins/mini_disc.h"
#include "support/sim_session.h"

namespace velutreck {
namespace {

using standard_desktop::MusicFiles;

constexpr std::int64_t Hour = 3600 * 1000;

const std::string A = "C:\\Music\\A.mp3";
const std::string B = "C:\\Music\\B.mp3";
const std::string C = "C:\\Music\\C.mp3";

std::vector<std::string> SourcesOf(const DiscGroup& group) {
    std::vector<std::string> sources;
    for (const auto& track : group.tracks) {
        sources.push_back(track.source);
    }
    return sources;
}

TEST(TypicalJob, TwoGroupsAreErasedRecordedAndNamedInListOrder) {
    SimSession session;
    session.Load();
    session.controls.chkAutoBreak.SetValue(0);
    session.AddFiles({A, B});
    session.controls.chkAutoBreak.SetValue(1);
    session.AddFiles({C});
    ASSERT_EQ(session.ListEntries(), (std::vector<std::string>{A, B, "---Break---", C}));

    session.PressStartStop();
    ASSERT_TRUE(session.IsRunning());
    ASSERT_TRUE(session.RunUntilIdle(Hour)) << session.desktop->Transcript().Dump();

    const MiniDisc& disc = session.desktop->Disc();
    EXPECT_EQ(disc.title, "Velutreck Disc");
    ASSERT_EQ(disc.groups.size(), 2u);
    EXPECT_EQ(SourcesOf(disc.groups[0]), (std::vector<std::string>{A, B}));
    EXPECT_EQ(SourcesOf(disc.groups[1]), (std::vector<std::string>{C}));
    EXPECT_EQ(RowTitles(disc), (std::vector<std::string>{"A", "A", "B", "C", "C"}));
    EXPECT_EQ(session.form.Engine().TrackNames(), (std::vector<std::string>{"A", "A", "B", "C", "C"}));

    EXPECT_TRUE(session.ListEntries().empty());
    EXPECT_FALSE(session.desktop->Files().FileExists("C:\\~TmpVelutreck.nrg"));
    EXPECT_EQ(session.Caption(), "Velutreck");
    EXPECT_EQ(session.controls.btnStartStop.Caption(), "&Start");
    EXPECT_TRUE(session.controls.lstAudioFiles.Enabled());
    EXPECT_FALSE(session.controls.tmrMaster.Enabled());
    EXPECT_EQ(session.messageBoxes.Shown().size(), 1u);  // the checklist, and nothing else
}

}  // namespace
}  // namespace velutreck
