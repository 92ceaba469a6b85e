// The form and the master timer on a real window: an unload inside a handler waits for the
// outermost handler to return, ticks never overlap and never start behind a modal box, and the
// next tick comes one interval after the last one returned.
#include <gtest/gtest.h>

#include <vector>

#include "platform/win32/win32_form.h"
#include "test_window.h"

namespace velutreck::windowtest {
namespace {

constexpr UINT_PTR TimerId = 7;
constexpr UINT Interval = 50;

class MasterTimer : public testing::Test {
protected:
    MasterTimer() {
        host.onMessage = [this](UINT message, WPARAM wParam, LPARAM, LRESULT&) {
            if (message == WM_TIMER && wParam == TimerId) {
                timer.OnTimer(tick);
                return true;
            }
            return false;
        };
    }

    TestWindow host;
    ModalState modal;
    Win32Timer timer{host.Window(), TimerId, Interval, modal};
    std::function<void()> tick;
};

TEST_F(MasterTimer, TicksNeverOverlapAndEachComesAnIntervalAfterTheLastReturned) {
    int running = 0;
    int overlaps = 0;
    std::vector<ULONGLONG> starts;
    std::vector<ULONGLONG> ends;
    tick = [&] {
        overlaps += running;
        ++running;
        starts.push_back(GetTickCount64());
        // A tick that shows a box pumps messages for a while, as the box's own loop would.
        PumpMessages(3 * Interval);
        ends.push_back(GetTickCount64());
        --running;
        if (starts.size() == 3) {
            timer.SetEnabled(false);
        }
    };
    timer.SetEnabled(true);
    ASSERT_TRUE(PumpUntil([&] { return ends.size() == 3; }));
    PumpMessages(4 * Interval);

    EXPECT_EQ(starts.size(), 3u) << "a disabled timer ticked again";
    EXPECT_EQ(overlaps, 0);
    for (std::size_t i = 1; i < starts.size(); ++i) {
        EXPECT_GE(starts[i] - ends[i - 1], Interval - 20) << "tick " << i << " came too soon after the last";
    }
    EXPECT_FALSE(timer.Enabled());
}

TEST_F(MasterTimer, NoTickStartsWhileAModalBoxIsOpenAndATickThatRestartsTheTimerLeavesItRunning) {
    int ticks = 0;
    tick = [&] { ++ticks; };
    {
        const ModalState::Scope box(modal);
        timer.SetEnabled(true);
        PumpMessages(5 * Interval);
        EXPECT_EQ(ticks, 0);
    }
    EXPECT_TRUE(PumpUntil([&] { return ticks > 0; }));

    // A tick that stops and restarts the timer leaves it running.
    ticks = 0;
    tick = [&] {
        ++ticks;
        timer.SetEnabled(false);
        EXPECT_FALSE(timer.Enabled());
        timer.SetEnabled(true);
    };
    timer.SetEnabled(true);
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 2; }));
    EXPECT_TRUE(timer.Enabled());
    timer.SetEnabled(false);
}

TEST(FormWindow, AnUnloadDestroysTheWindowOnceTheOutermostHandlerHasReturned) {
    TestWindow host;
    Win32FormWindow form(host.Window(), nullptr);
    form.SetCaption("Writing - Velutreck");
    EXPECT_EQ(form.Caption(), "Writing - Velutreck");

    form.BeginHandler();
    form.BeginHandler();
    form.Unload();
    form.Unload();
    form.EndHandler();
    EXPECT_TRUE(IsWindow(host.Window())) << "the window went while a handler still ran";
    form.EndHandler();
    EXPECT_FALSE(IsWindow(host.Window()));
    EXPECT_TRUE(form.UnloadRequested());

    TestWindow other;
    Win32FormWindow outside(other.Window(), nullptr);
    outside.Unload();
    EXPECT_FALSE(IsWindow(other.Window())) << "an unload outside any handler waited";
}

}  // namespace
}  // namespace velutreck::windowtest
