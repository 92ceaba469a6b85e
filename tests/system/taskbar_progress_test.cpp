// The taskbar button as a user away from the desk reads it: how far the job is, which group and
// step it is on, whether it waits too long, how it ended, and a flash that calls the user back.
#include <gtest/gtest.h>

#include "rehearsal/desktop/standard_desktop.h"
#include "support/sim_session.h"

namespace velutreck {
namespace {

using Lines = std::vector<std::string>;

// Files whose playing time no reader finds.
const std::string Unknown = "C:\\Music\\Unknown.mp3";
const std::string AlsoUnknown = "C:\\Music\\Also Unknown.mp3";

// The tooltips in the order they showed, each once for as long as it stayed.
Lines Tooltips(const SimTaskbarButton& button) {
    Lines tooltips;
    for (const TaskbarView& view : button.History()) {
        if (tooltips.empty() || tooltips.back() != view.tooltip) {
            tooltips.push_back(view.tooltip);
        }
    }
    return tooltips;
}

const TaskbarView* FirstWithTooltip(const SimTaskbarButton& button, const std::string& tooltip) {
    for (const TaskbarView& view : button.History()) {
        if (view.tooltip == tooltip) {
            return &view;
        }
    }
    return nullptr;
}

std::vector<TaskbarProgress> States(const SimTaskbarButton& button) {
    std::vector<TaskbarProgress> states;
    for (const TaskbarView& view : button.History()) {
        if (states.empty() || states.back() != view.state) {
            states.push_back(view.state);
        }
    }
    return states;
}

std::size_t LogLinesWith(SimSession& session, const std::string& text) {
    const std::string log = session.desktop->Files().ReadFile(standard_desktop::LogFolder + "\\Velutreck.log").value_or("");
    std::size_t count = 0;
    for (std::size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1)) {
        ++count;
    }
    return count;
}

TEST(TaskbarProgress, AWholeJobFillsTheBarGroupByGroupNamesEachStepAndFlashesAtTheEnd) {
    SimSession session;
    session.Load();
    session.AddTypicalList();
    const SimTaskbarButton& button = session.desktop->Taskbar();
    session.PressStartStop();
    // Another program's window comes to the front as the job closes Simple Burner for the last time.
    ASSERT_TRUE(session.RunUntil([&] { return session.form.Engine().JobState() == 26; }, Hour));
    session.desktop->UserActivates(session.desktop->AddBystander("Notepad"));
    ASSERT_TRUE(session.RunUntilIdle(Hour));
    ASSERT_TRUE(session.ListEntries().empty());

    EXPECT_EQ(Tooltips(button),
              (Lines{"", "Starting", "Ejecting Image", "Deleting Temp Image", "Starting Simple Burner", "Erasing MiniDisc",
                     "Closing Simple Burner", "Group 1 of 2: Starting Nero", "Group 1 of 2: Adding Files to Nero Project",
                     "Group 1 of 2: Writing Nero Image", "Group 1 of 2: Closing Nero", "Group 1 of 2: Loading Image",
                     "Group 1 of 2: Starting Simple Burner", "Group 1 of 2: Recording", "Group 1 of 2: Closing Simple Burner",
                     "Group 1 of 2: Ejecting Temp Image", "Group 1 of 2: Deleting Temp Image", "Group 2 of 2: Starting Nero",
                     "Group 2 of 2: Adding Files to Nero Project", "Group 2 of 2: Writing Nero Image",
                     "Group 2 of 2: Closing Nero", "Group 2 of 2: Loading Image", "Group 2 of 2: Starting Simple Burner",
                     "Group 2 of 2: Recording", "Group 2 of 2: Closing Simple Burner", "Group 2 of 2: Ejecting Temp Image",
                     "Group 2 of 2: Deleting Temp Image", "Starting Simple Burner", "Editing Disc and Track Names",
                     "Closing Simple Burner", "Finishing", ""}));
    // Green while it runs, the bar only ever growing: empty before the first group, half when the
    // second of two begins, full for the names; gone at the end.
    EXPECT_EQ(States(button), (std::vector<TaskbarProgress>{TaskbarProgress::Normal, TaskbarProgress::None}));
    std::uint64_t reached = 0;
    for (const TaskbarView& view : button.History()) {
        if (view.state == TaskbarProgress::Normal) {
            EXPECT_GE(view.completed * 1000 / view.total, reached);
            reached = view.completed * 1000 / view.total;
        }
    }
    EXPECT_EQ(FirstWithTooltip(button, "Erasing MiniDisc")->completed, 0u);
    const TaskbarView* secondGroup = FirstWithTooltip(button, "Group 2 of 2: Starting Nero");
    EXPECT_EQ(secondGroup->completed * 2, secondGroup->total);
    const TaskbarView* recording = FirstWithTooltip(button, "Group 1 of 2: Recording");
    EXPECT_GT(recording->completed * 4, recording->total);
    EXPECT_LT(recording->completed * 2, recording->total);
    const TaskbarView* naming = FirstWithTooltip(button, "Editing Disc and Track Names");
    EXPECT_EQ(naming->completed, naming->total);
    EXPECT_EQ(button.Now(), TaskbarView{});

    // The button flashes until the user brings Velutreck to the front.
    EXPECT_EQ(button.FlashesAsked(), 1);
    EXPECT_TRUE(button.Flashing());
    session.desktop->UserActivates(session.desktop->OwnWindow());
    EXPECT_FALSE(button.Flashing());
}

TEST(TaskbarProgress, AWaitLongerThanTheGroupShouldTakeShowsPausedAndIsLoggedOnce) {
    // Nero takes twelve minutes for a file whose length is unknown: ten minutes is all it should.
    SimSession session({.neroWriteMs = 12 * 60 * 1000});
    session.desktop->Files().AddFile(Unknown, "audio\n");
    session.Load();
    session.AddFiles({Unknown});
    const SimTaskbarButton& button = session.desktop->Taskbar();
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntil([&] { return session.form.Engine().JobState() == 12; }, Hour));
    session.RunFor(9 * 60 * 1000);
    EXPECT_EQ(button.Now().state, TaskbarProgress::Normal);
    ASSERT_TRUE(session.RunUntil([&] { return button.Now().state == TaskbarProgress::Paused; }, 2 * 60 * 1000));
    EXPECT_EQ(button.Now().tooltip, "Group 1 of 1: Writing Nero Image");
    EXPECT_EQ(session.form.Engine().JobState(), 12);

    ASSERT_TRUE(session.RunUntilIdle(Hour));
    EXPECT_EQ(SourcesOn(session.desktop->Disc()), Lines{Unknown});
    EXPECT_EQ(States(button), (std::vector<TaskbarProgress>{TaskbarProgress::Normal, TaskbarProgress::Paused,
                                                            TaskbarProgress::Normal, TaskbarProgress::None}));
    EXPECT_EQ(LogLinesWith(session, "NeroBurnCompleted: not yet after 10:01, longer than the group's known playing "
                                    "time (0:00) and 10 minutes; still waiting"),
              1u);
    EXPECT_EQ(LogLinesWith(session, "SimpleBurnerRecordingComplete: not yet after"), 0u);

    // A file that plays five minutes may take fifteen.
    SimSession known({.neroWriteMs = 12 * 60 * 1000});
    known.desktop->Files().SetPlayingTime(typical_job::A, std::chrono::minutes(5));
    known.Load();
    known.AddFiles({typical_job::A});
    known.lengths.Read({typical_job::A});
    known.PressStartStop();
    ASSERT_TRUE(known.RunUntilIdle(Hour));
    EXPECT_EQ(States(known.desktop->Taskbar()), (std::vector<TaskbarProgress>{TaskbarProgress::Normal, TaskbarProgress::None}));

    // A recording that runs as long goes yellow too, and the next group starts green again.
    SimSession recording({.burnerRecordMs = 11 * 60 * 1000});
    recording.desktop->Files().AddFile(Unknown, "audio\n");
    recording.desktop->Files().AddFile(AlsoUnknown, "audio\n");
    recording.Load();
    recording.AddFiles({Unknown});
    recording.AddFiles({AlsoUnknown});
    recording.PressStartStop();
    ASSERT_TRUE(recording.RunUntilIdle(2 * Hour));
    const SimTaskbarButton& recorded = recording.desktop->Taskbar();
    EXPECT_EQ(States(recorded), (std::vector<TaskbarProgress>{TaskbarProgress::Normal, TaskbarProgress::Paused,
                                                              TaskbarProgress::Normal, TaskbarProgress::Paused,
                                                              TaskbarProgress::Normal, TaskbarProgress::None}));
    EXPECT_EQ(LogLinesWith(recording, "SimpleBurnerRecordingComplete: not yet after"), 2u);
}

TEST(TaskbarProgress, AJobEndedByACheckTurnsRedAndFlashesWhileOnesTheUserEndsLeaveNoBar) {
    SimSession session;
    session.Load();
    session.controls.txtSimpleBurner.SetText("C:\\Missing\\NetMDSB.exe");
    session.AddFiles({typical_job::A});
    const SimTaskbarButton& button = session.desktop->Taskbar();
    session.desktop->UserActivates(session.desktop->AddBystander("Notepad"));
    session.PressStartStop();
    session.RunFor(60'000);
    ASSERT_FALSE(session.IsRunning());
    EXPECT_EQ(button.Now().state, TaskbarProgress::Error);
    EXPECT_GT(button.Now().completed, 0u);
    EXPECT_EQ(button.Now().completed, button.Now().total);
    EXPECT_TRUE(button.Flashing());

    // The next Start is green again; Stop takes the bar away without a flash.
    session.controls.txtSimpleBurner.SetText(standard_desktop::SimpleBurnerPath);
    session.PressStartStop();
    session.RunFor(10'000);
    EXPECT_EQ(button.Now().state, TaskbarProgress::Normal);
    session.PressStartStop();
    EXPECT_EQ(button.Now(), TaskbarView{});

    // Cancel at the checklist, too, and Cancel at the question about a group too long for a CD.
    session.messageBoxes.AnswerNext(MessageBoxAnswer::Cancel);
    session.PressStartStop();
    session.RunFor(10'000);
    ASSERT_FALSE(session.IsRunning());
    EXPECT_EQ(button.Now(), TaskbarView{});
    const std::string longFile = "C:\\Music\\Long.mp3";
    session.desktop->Files().AddFile(longFile, "audio\n");
    session.desktop->Files().SetPlayingTime(longFile, std::chrono::minutes(85));
    session.AddFiles({longFile});
    session.messageBoxes.AnswerNext(MessageBoxAnswer::Ok);
    session.messageBoxes.AnswerNext(MessageBoxAnswer::Cancel);
    session.PressStartStop();
    session.RunFor(10'000);
    ASSERT_FALSE(session.IsRunning());
    ASSERT_NE(session.messageBoxes.Shown().back().text.find("Start anyway?"), std::string::npos);
    EXPECT_EQ(button.Now(), TaskbarView{});
    EXPECT_EQ(button.FlashesAsked(), 1);
}

}  // namespace
}  // namespace velutreck
