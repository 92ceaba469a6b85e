#include "rehearsal/desktop/sim_clock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velutreck {
namespace {

TEST(SimClockTest, ActionsRunInTimeOrderAndTiesInTheOrderTheyWereScheduled) {
    SimClock clock;
    std::vector<std::string> ran;
    clock.Schedule(300, [&] { ran.push_back("c@" + std::to_string(clock.Now())); });
    clock.Schedule(100, [&] { ran.push_back("a@" + std::to_string(clock.Now())); });
    clock.Schedule(300, [&] { ran.push_back("d@" + std::to_string(clock.Now())); });
    clock.Schedule(100, [&] { ran.push_back("b@" + std::to_string(clock.Now())); });
    clock.Schedule(301, [&] { ran.push_back("late"); });

    clock.AdvanceTo(300);

    EXPECT_EQ(ran, (std::vector<std::string>{"a@100", "b@100", "c@300", "d@300"}));
    EXPECT_EQ(clock.Now(), 300);
    EXPECT_EQ(clock.PendingActions(), 1u);

    // An action scheduled in the past runs at once; the pump runs before each action.
    ran.clear();
    clock.SetPump([&] { ran.push_back("pump@" + std::to_string(clock.Now())); });
    clock.Schedule(100, [&] { ran.push_back("past@" + std::to_string(clock.Now())); });
    clock.AdvanceBy(0);
    EXPECT_EQ(ran, (std::vector<std::string>{"pump@300", "past@300", "pump@300"}));
    EXPECT_THROW(clock.AdvanceBy(-1), std::invalid_argument);
}

TEST(SimClockTest, AnActionThatAdvancesTheClockRunsLaterActionsAndTimeNeverGoesBack) {
    SimClock clock;
    std::vector<std::string> ran;
    // A timer tick that pauses inside itself, as a driver does.
    clock.Schedule(1000, [&] {
        ran.push_back("tick@" + std::to_string(clock.Now()));
        clock.AdvanceBy(3000);
        ran.push_back("tick done@" + std::to_string(clock.Now()));
        clock.Schedule(clock.Now() + 1000, [&] { ran.push_back("next tick@" + std::to_string(clock.Now())); });
    });
    clock.Schedule(2500, [&] {
        ran.push_back("program@" + std::to_string(clock.Now()));
        clock.Schedule(2600, [&] { ran.push_back("program again@" + std::to_string(clock.Now())); });
    });
    clock.Schedule(1500, [&] { ran.push_back("early@" + std::to_string(clock.Now())); });

    clock.AdvanceTo(2000);
    EXPECT_EQ(clock.Now(), 4000);
    clock.AdvanceBy(1000);

    EXPECT_EQ(ran, (std::vector<std::string>{"tick@1000", "early@1500", "program@2500", "program again@2600",
                                             "tick done@4000", "next tick@5000"}));
    EXPECT_EQ(clock.Now(), 5000);
}

}  // namespace
}  // namespace velutreck
