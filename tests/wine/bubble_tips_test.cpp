// The enhanced tooltips: where a tip goes on the pointer's screen, and a real tip on a real tool,
// which shows in the status font without its marker, centred under the pointer, and wraps at the
// maximum width while installed.
#include <gtest/gtest.h>

#include <string>

#include "platform/win32/bubble_tips.h"
#include "platform/win32/win32_controls.h"
#include "platform/win32/window_dpi.h"
#include "test_window.h"

namespace velutreck::windowtest {
namespace {

constexpr RECT Screen{0, 0, 1280, 1024};

TEST(TipPlacement, ATipIsCentredUnderThePointerBelowTheCursorAndStaysOnThePointersScreenAtEveryEdge) {
    const TipPlacement place = PlaceTip({640, 500}, 20, {200, 40}, Screen);
    EXPECT_EQ(place.left, 540);
    EXPECT_EQ(place.top, 520);
    EXPECT_EQ(PlaceTip({1250, 500}, 20, {200, 40}, Screen).left, 1080) << "right edge";
    EXPECT_EQ(PlaceTip({30, 500}, 20, {200, 40}, Screen).left, 0) << "left edge";
    EXPECT_EQ(PlaceTip({640, 1000}, 20, {200, 40}, Screen).top, 960) << "no room below puts the tip above";
    EXPECT_EQ(PlaceTip({640, 10}, 20, {200, 1020}, Screen).top, 0) << "a tip taller than the room above";
    // A screen left of the primary one.
    const RECT left{-1920, 0, 0, 1080};
    EXPECT_EQ(PlaceTip({-960, 500}, 20, {200, 40}, left).left, -1060);
    EXPECT_EQ(PlaceTip({-1900, 500}, 20, {200, 40}, left).left, -1920);
    EXPECT_EQ(PlaceTip({-10, 500}, 20, {200, 40}, left).left, -200);
}

class BubbleTipsOnScreen : public testing::Test {
protected:
    BubbleTipsOnScreen() {
        host.onMessage = [this](UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
            if (message != WM_NOTIFY) {
                return false;
            }
            auto& header = *reinterpret_cast<NMHDR*>(lParam);
            if (const auto handled = bubbles.OnNotify(header)) {
                result = *handled;
                return true;
            }
            result = 0;
            return tips.OnNotify(header);
        };
        ShowWindow(host.Window(), SW_SHOW);
        SetForegroundWindow(host.Window());
    }

    // Shows the tool's tip with the pointer on the tool; the tip's place and the pointer.
    std::pair<RECT, POINT> ShowTip(const std::string& text) {
        SendMessageW(tips.Window(), TTM_POP, 0, 0);
        tool.SetToolTipText(text);
        RECT toolRect{};
        GetWindowRect(tool.Window(), &toolRect);
        SetCursorPos((toolRect.left + toolRect.right) / 2, (toolRect.top + toolRect.bottom) / 2);
        // Every move over the tool starts the tooltip's wait again, so the pointer moves once.
        PostMessageW(tool.Window(), WM_MOUSEMOVE, 0, MAKELPARAM(40, 20));
        PumpUntil([&] { return IsWindowVisible(tips.Window()) != FALSE; });
        PumpMessages(50);
        RECT tip{};
        GetWindowRect(tips.Window(), &tip);
        POINT pointer{};
        GetCursorPos(&pointer);
        return {tip, pointer};
    }

    TestWindow host;
    ToolTipRegistry tips{host.Window()};
    Win32BubbleTips bubbles{tips};
    Win32Button tool{host.AddChild(L"BUTTON", BS_PUSHBUTTON, L"Tool", {40, 40, 240, 100}), tips};
};

long Width(const RECT& rect) { return rect.right - rect.left; }
long Height(const RECT& rect) { return rect.bottom - rect.top; }

TEST_F(BubbleTipsOnScreen, ATipShowsWithoutItsMarkerCentredUnderThePointerAndWrapsAtTheMaximumWidth) {
    SendMessageW(tips.Window(), TTM_SETMAXTIPWIDTH, 0, 123);
    bubbles.Remove();
    EXPECT_EQ(SendMessageW(tips.Window(), TTM_GETMAXTIPWIDTH, 0, 0), 123) << "removing tips never installed";
    ASSERT_TRUE(bubbles.Install());
    EXPECT_FALSE(bubbles.Install()) << "a second install changed something";
    bubbles.SetMaxWidth(TipMaxWidth);
    const int maxWidth = ScaleForDpi(TipMaxWidth, WindowDpi(host.Window()));
    EXPECT_EQ(SendMessageW(tips.Window(), TTM_GETMAXTIPWIDTH, 0, 0), maxWidth);

    LOGFONTW tipFont{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(tips.Window(), WM_GETFONT, 0, 0)), sizeof(tipFont), &tipFont);
    const NONCLIENTMETRICSW metrics = NonClientMetricsForDpi(WindowDpi(host.Window()));
    EXPECT_STREQ(tipFont.lfFaceName, metrics.lfStatusFont.lfFaceName);
    EXPECT_EQ(tipFont.lfHeight, metrics.lfStatusFont.lfHeight);

    const auto [plain, pointer] = ShowTip("Centred words");
    ASSERT_GT(Width(plain), 0) << "no tip showed";
    EXPECT_NEAR((plain.left + plain.right) / 2.0, pointer.x, 1.0);
    EXPECT_GT(plain.top, pointer.y);
    const RECT centred = ShowTip("<C>Centred words").first;
    EXPECT_EQ(Width(centred), Width(plain)) << "the marker was shown";
    const RECT right = ShowTip("<r>Centred words").first;
    EXPECT_EQ(Width(right), Width(plain));

    const RECT wrapped =
        ShowTip("Audio files between breaks will be written to a single Nero image file and resulting MiniDisc group; "
                "for best results, space the breaks to split up your audio files into groups of less than 120 minutes")
            .first;
    EXPECT_LE(Width(wrapped), maxWidth + 20);
    EXPECT_GE(Height(wrapped), 2 * Height(plain));

    bubbles.Remove();
    EXPECT_EQ(SendMessageW(tips.Window(), TTM_GETMAXTIPWIDTH, 0, 0), -1);
    EXPECT_GT(Width(ShowTip("<c>Centred words").first), Width(plain)) << "without the tips a marker is plain text";
}

}  // namespace
}  // namespace velutreck::windowtest
