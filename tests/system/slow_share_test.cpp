// Adding from a share over a slow link: every question to the disk takes a while, the walk runs on
// the window's thread, and the window must still answer, show how far it has come and stop when
// asked.
#include <gtest/gtest.h>

#include "support/sim_session.h"

namespace velutreck {
namespace {

TEST(SlowShare, A500EntryPlaylistIsAddedWithTheWindowAnsweringAndEscEndsTheWalkKeepingWhatWasAdded) {
    SimSession session;
    session.Load();
    SimFileSystem& files = session.desktop->Files();
    for (const char* name : {"1.mp3", "2.mp3", "3.mp3"}) {
        files.AddFile(std::string("Z:\\Album\\") + name, "audio");
    }
    std::string playlist;
    for (int i = 0; i < 500; ++i) {
        files.AddFile("Z:\\Mix\\" + std::to_string(i) + ".mp3", "audio");
        playlist += std::to_string(i) + ".mp3\r\n";
    }
    files.AddFile("Z:\\Mix\\mix.m3u", playlist);
    files.SetAccessHook([&](const std::string& path) {
        if (path.starts_with("Z:") || path.starts_with("z:")) {
            session.desktop->Clock().AdvanceBy(100);
        }
    });
    SimClock& clock = session.desktop->Clock();
    const std::int64_t start = session.Now();
    for (std::int64_t at = 0; at < 200'000; at += 100) {
        clock.Schedule(start + at, [&] { session.desktop->OwnThread().Send(); });
    }
    std::string summaryMeanwhile, buttonMeanwhile;
    clock.Schedule(start + 20'000, [&] {
        summaryMeanwhile = session.controls.lblSummary.Caption();
        buttonMeanwhile = session.controls.btnStartStop.Caption();
    });
    clock.Schedule(start + 30'000, [&] { session.controls.form.stopAsked = true; });
    {
        const SimWindowThread::InEvent drop(session.desktop->OwnThread());
        session.form.FilesDropped({"Z:\\Album", "Z:\\Mix\\mix.m3u"});
    }
    EXPECT_LE(session.desktop->OwnThread().LongestUnansweredMs(), 1000);
    EXPECT_LT(session.Now() - start, 31'000);  // not the minutes the whole playlist takes
    EXPECT_TRUE(summaryMeanwhile.starts_with("Adding: ")) << summaryMeanwhile;
    EXPECT_TRUE(summaryMeanwhile.ends_with(" files found so far (Esc or Stop ends it)")) << summaryMeanwhile;
    EXPECT_GT(std::stoi(summaryMeanwhile.substr(8)), 3) << summaryMeanwhile;  // the playlist's entries count
    EXPECT_EQ(buttonMeanwhile, "&Stop");
    EXPECT_EQ(session.controls.btnStartStop.Caption(), "&Start");
    EXPECT_EQ(session.ListEntries(),
              (std::vector<std::string>{"---Break---", "Z:\\Album\\1.mp3", "Z:\\Album\\2.mp3", "Z:\\Album\\3.mp3"}));
    EXPECT_TRUE(session.messageBoxes.Shown().empty());
    session.RunFor(2000);
    EXPECT_EQ(session.controls.lblSummary.Caption(), "3 files in 1 group (the length of 3 files is unknown)");
}

}  // namespace
}  // namespace velutreck
