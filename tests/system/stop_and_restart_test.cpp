// Stop freezes a job wherever it stands and leaves the other programs alone; whatever had not yet
// reached Nero stays in the list, and the next Start records it.
#include <algorithm>
#include <set>

#include <gtest/gtest.h>

#include "app/settings.h"
#include "drivers/modPublic.h"
#include "rehearsal/standins/mini_disc.h"
#include "support/sim_session.h"

namespace velutreck {
namespace {

using typical_job::A;
using typical_job::B;
using typical_job::C;

// The files whose paths were typed into Nero's add-file prompt.
std::set<std::string> HandedToNero(const SimSession& session) {
    std::set<std::string> handed;
    for (const std::string& line : session.desktop->Transcript().Texts()) {
        for (const std::string& file : {A, B, C}) {
            if (line == "Type(\"" + EscapeKeys(file) + "\")") {
                handed.insert(file);
            }
        }
    }
    return handed;
}

// "C:\\Music\\A.mp3" is typed as "A".
std::string FileTitle(const std::string& path) { return path.substr(path.rfind('\\') + 1, 1); }

std::vector<std::string> FilesIn(const std::vector<std::string>& entries) {
    std::vector<std::string> files;
    std::copy_if(entries.begin(), entries.end(), std::back_inserter(files),
                 [](const std::string& entry) { return entry != "---Break---"; });
    return files;
}

TEST(StopAndRestart, StopInEveryStateFreezesTheJobAndTheNextStartRecordsWhatIsLeft) {
    for (int state = 1; state <= 26; ++state) {
        SCOPED_TRACE("stopped in state " + std::to_string(state));
        SimSession session;
        session.Load();
        session.AddTypicalList();
        session.PressStartStop();
        // Into the state, and one tick further (into its wait, or on to the next state) but for the
        // last state, whose tick ends the job.
        ASSERT_TRUE(session.RunUntil([&] { return session.form.Engine().JobState() == state; }, 2 * Hour));
        if (state != 26) {
            session.RunFor(SimSession::TickMs);
        }
        const std::string caption = session.Caption();
        const Int16 frozenState = session.form.Engine().JobState();

        session.settings.ClearWrites();
        session.PressStartStop();
        EXPECT_EQ(session.settings.Writes().size(), SettingRows.size());
        EXPECT_EQ(session.controls.btnStartStop.Caption(), "&Start");
        EXPECT_TRUE(session.controls.lstAudioFiles.Enabled());
        session.RunFor(Hour);
        EXPECT_EQ(session.Caption(), caption);
        EXPECT_EQ(session.form.Engine().JobState(), frozenState);

        const std::set<std::string> handed = HandedToNero(session);
        std::vector<std::string> expectedLeft;
        for (const std::string& file : {A, B, C}) {
            if (!handed.count(file)) {
                expectedLeft.push_back(file);
            }
        }
        EXPECT_EQ(FilesIn(session.ListEntries()), expectedLeft);
        if (expectedLeft.empty()) {
            continue;
        }

        // The user closes the other programs, as the checklist asks, and starts again.
        session.desktop->EndDrivenPrograms();
        const std::size_t checklists = session.messageBoxes.Shown().size();
        session.PressStartStop();
        ASSERT_TRUE(session.RunUntilIdle(2 * Hour)) << session.desktop->Transcript().Dump();
        EXPECT_EQ(session.messageBoxes.Shown().size(), checklists + 1);
        EXPECT_TRUE(session.ListEntries().empty());
        EXPECT_EQ(SourcesOn(session.desktop->Disc()), expectedLeft);  // the restart erased the disc first
        // Only this job's names are typed, each on its own row: a group's row takes its first file's.
        std::vector<std::string> names;
        for (const DiscGroup& group : session.desktop->Disc().groups) {
            names.push_back(FileTitle(group.tracks.front().source));
            for (const DiscTrack& track : group.tracks) {
                names.push_back(FileTitle(track.source));
            }
        }
        EXPECT_EQ(RowTitles(session.desktop->Disc()), names);
    }
}

}  // namespace
}  // namespace velutreck
