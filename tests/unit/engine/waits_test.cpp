// How the waiting states count ticks: compare first, count afterwards, with the limit read at
// every tick; a limit that is no number lets the state act at once.
#include <gtest/gtest.h>

#include "engine/pause_seconds.h"
#include "support/sim_session.h"

namespace velutreck {
namespace {

int TicksIn(const SimSession& session, int state) {
    int ticks = 0;
    for (int tickState : session.TickStates()) {
        ticks += tickState == state ? 1 : 0;
    }
    return ticks;
}

SimSession& StartedJob(SimSession& session) {
    session.Load();
    session.AddFiles({"C:\\Music\\A.mp3"});
    session.PressStartStop();
    return session;
}

TEST(Waits, TheSimpleBurnerPauseIsReadAsANumberAtEveryTick) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"0", 2}, {"2.5", 4}, {"-1", 1}, {"", 1}, {"abc", 1}, {" 7 ", 9}, {"1e1", 12},
    };
    for (const auto& [text, ticks] : cases) {
        SCOPED_TRACE("txtPause \"" + text + "\"");
        SimSession session;
        session.settings.WriteSetting("Velutreck", "Settings", "SimpleBurnerPause", text);
        StartedJob(session);
        ASSERT_TRUE(session.RunUntil([&] { return session.form.Engine().JobState() == 6; }, Hour));
        EXPECT_EQ(TicksIn(session, 5), ticks);
    }
}

TEST(Waits, AStoppedWaitLeavesItsCountForTheNextJob) {
    SimSession session;
    StartedJob(session);
    // The checklist tick, then three ticks of counting in state 2.
    session.RunFor(4 * SimSession::TickMs);
    ASSERT_EQ(session.form.Engine().JobState(), 2);
    ASSERT_EQ(session.form.Engine().WaitTicks(), 3);
    session.PressStartStop();
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntil([&] { return session.form.Engine().JobState() == 3; }, Hour));
    EXPECT_EQ(TicksIn(session, 2), 3 + 2);  // one more count, then it acts
}

TEST(PauseSeconds, AcceptsDecimalNumbersWithBlanksAndRefusesEverythingElse) {
    EXPECT_EQ(PauseSeconds("30"), 30.0);
    EXPECT_EQ(PauseSeconds(" 2.5 "), 2.5);
    EXPECT_EQ(PauseSeconds("-4"), -4.0);
    EXPECT_EQ(PauseSeconds("+4"), 4.0);
    for (const std::string text : {"", "   ", "3 0", "30s", "+-4", "inf", "nan", "0x10", "1,5"}) {
        EXPECT_THROW(PauseSeconds(text), Failure) << text;
    }
}

}  // namespace
}  // namespace velutreck
