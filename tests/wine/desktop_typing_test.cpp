// Typing into another program's window for real: the keyboard test window shows what arrived and
// with which modifiers, read back the moment a waited injection returns.
#include <gtest/gtest.h>

#include "support/thrown_failure.h"

#include <iostream>
#include <memory>
#include <thread>

#include "base/failure.h"
#include "drivers/key_notation.h"
#include "drivers/modPublic.h"
#include "rehearsal/operator/key_capture_window.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_desktop_keys.h"
#include "test_window.h"
#include "wine/programs/key_capture_messages.h"

namespace velutreck {
namespace {

class DesktopTyping : public testing::Test {
protected:
    static void SetUpTestSuite() { target = new KeyCaptureWindow(L"Velutreck Typing Target"); }
    static void TearDownTestSuite() {
        delete target;
        target = nullptr;
    }

    void SetUp() override {
        ASSERT_NE(target->Window(), nullptr) << "the keyboard test window did not open";
        SendMessageW(target->Window(), KeyCaptureSetDelay, 0, 0);
        target->Clear();
        desktop.ActivateByTitle(target->Title());
        ASSERT_TRUE(WaitUntil([] { return target->HasFocus(); })) << "the keyboard test window did not get the focus";
    }

    void TypeWaited(const std::string& notation) { desktop.InjectKeys(ParseKeys(notation), true); }

    static KeyCaptureWindow* target;
    Win32Desktop desktop;
};

KeyCaptureWindow* DesktopTyping::target = nullptr;

bool AnyModifierDown() {
    return (GetAsyncKeyState(VK_SHIFT) | GetAsyncKeyState(VK_CONTROL) | GetAsyncKeyState(VK_MENU)) & 0x8000;
}

TEST_F(DesktopTyping, AWholeListOfNamesArrivesLiterallyAtAFewMillisecondsPerCharacter) {
    // "(" and ")" have no key on this keyboard, nor do the accented letters, Ω and the clef.
    std::string text = "C:\\Music\\+%^~(){}[] Café Motörhead – Ω \xF0\x9D\x84\x9E.wav ";
    for (int track = 1; text.size() < 400; ++track) {
        text += "Track " + std::to_string(track) + " (Live) - Ünïcode ";
    }
    const ULONGLONG start = GetTickCount64();
    TypeWaited(EscapeKeys(text));
    const double perCharacter = static_cast<double>(GetTickCount64() - start) / text.size();
    EXPECT_EQ(target->TypedText(), text);
    EXPECT_FALSE(AnyModifierDown());
    std::cout << "Waited injection: " << perCharacter << " ms per character over " << text.size() << " bytes\n";
    EXPECT_LT(perCharacter, 15.0);
}

TEST_F(DesktopTyping, CombinationsArriveAsSuchAreReleasedAfterwardsAndAWaitedInjectionWaitsForASlowWindow) {
    // Wine's US layout has no dead keys: "~" is Shift and its own key there, as a user types it.
    TypeWaited("%e^a+{END}%(Y){HOME}b{~}");
    const std::vector<std::string> expected = {"Alt+45", "Ctrl+41", "Shift+23", "Shift+Alt+59", "24", "42", "Shift+C0"};
    EXPECT_EQ(target->KeyLog(), expected);
    EXPECT_FALSE(AnyModifierDown());
    // Programs that read the hardware code of a key find one.
    EXPECT_NE(WindowKeyboardLayout(target->Window()).ScanCode('A'), 0);

    // An empty disc name: Home and Shift+End, then nothing at all.
    target->Clear();
    TypeWaited("");
    EXPECT_TRUE(target->NothingArrived());

    target->Clear();
    SendMessageW(target->Window(), KeyCaptureSetDelay, 40, 0);
    TypeWaited("slow and steady");
    EXPECT_EQ(target->TypedText(), "slow and steady");
}

TEST_F(DesktopTyping, NothingIsTypedWhileAWindowOfThisProcessIsInFront) {
    // An edit box on its own is a window whose text is what was typed into it.
    HWND own = CreateWindowExW(0, L"Edit", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 100, nullptr, nullptr,
                               nullptr, nullptr);
    const std::unique_ptr<HWND__, decltype(&DestroyWindow)> closer(own, &DestroyWindow);
    SetForegroundWindow(own);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == own; }));

    try {
        TypeWaited("abc");
        ADD_FAILURE() << "keys were typed into the test's own window";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.Kind(), FailureKind::Automation);
    }
    windowtest::PumpMessages(300);
    EXPECT_EQ(WindowText(own), "");
    EXPECT_EQ(target->TypedText(), "");
}

TEST(DesktopTypingIntoAHungProgram, ActivationAndAWaitedInjectionGiveUpWithinSecondsAndNeverWaitForIt) {
    const KeyCaptureWindow hung(L"Velutreck Hung Target");
    ASSERT_NE(hung.Window(), nullptr);
    Win32Desktop desktop;
    desktop.ActivateByTitle(hung.Title());
    ASSERT_TRUE(WaitUntil([&] { return hung.HasFocus(); }));
    SendMessageW(hung.Window(), KeyCaptureHangAtNextKey, 15000, 0);
    desktop.InjectKeys(ParseKeys("x"), false);
    Sleep(300);

    // Windows does not call it hung yet, but bringing it forward must not wait for it.
    EXPECT_LT(MillisecondsTakenBy([&] { desktop.ActivateByTitle(hung.Title()); }), 2000u);
    // Meanwhile Velutreck's own window answers what other programs ask it.
    const windowtest::TestWindow own;
    ULONGLONG answeredAfter = 0;
    std::thread asker = windowtest::AskLater(own.Window(), WM_NULL, 1000, answeredAfter);
    const ULONGLONG waited = MillisecondsTakenBy(
        [&] { EXPECT_EQ(KindThrownBy([&] { desktop.InjectKeys(ParseKeys("y"), true); }), FailureKind::NotResponding); });
    asker.join();
    EXPECT_GE(waited, Win32Desktop::WaitedInjectionTimeoutMs - 100);
    EXPECT_LT(waited, Win32Desktop::WaitedInjectionTimeoutMs + 2000);
    EXPECT_LT(answeredAfter, 400u);

    ASSERT_TRUE(WaitUntil([&] { return IsHungAppWindow(hung.Window()) != FALSE; }));
    const ULONGLONG refused = MillisecondsTakenBy([&] {
        try {
            desktop.ActivateByTitle(hung.Title());
            ADD_FAILURE() << "a program that does not respond was activated";
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.Kind(), FailureKind::NotResponding);
            EXPECT_NE(std::string(failure.what()).find("\"Velutreck Hung Target\" is not responding"),
                      std::string::npos)
                << failure.what();
        }
    });
    EXPECT_LT(refused, 2000u);
}

TEST(DesktopTypingTarget, KeysGoOnlyToTheProgramLastActivatedOrStartedInWhicheverOfItsWindowsIsInFront) {
    const KeyCaptureWindow intended(L"Velutreck Keys Intended");
    const KeyCaptureWindow bystander(L"Velutreck Keys Bystander");
    ASSERT_TRUE(intended.Window() && bystander.Window());
    Win32Desktop desktop;
    desktop.ActivateByTitle(intended.Title());
    ASSERT_TRUE(WaitUntil([&] { return intended.HasFocus(); }));

    // A second window of the same program, as Nero's dialogs are.
    PostMessageW(intended.Window(), KeyCaptureOpenSecondWindow, 0, 0);
    HWND second = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        second = FindKeyCapture(L"Velutreck Keys Intended Second");
        return second != nullptr && GetForegroundWindow() == second;
    }));
    desktop.InjectKeys(ParseKeys("two"), true);
    EXPECT_EQ(WindowText(FindWindowExW(second, nullptr, L"Edit", nullptr)), "two");

    // A bystander takes the focus between two steps.
    SetForegroundWindow(bystander.Window());
    ASSERT_TRUE(WaitUntil([&] { return bystander.HasFocus(); }));
    EXPECT_EQ(KindThrownBy([&] { desktop.InjectKeys(ParseKeys("abc"), true); }), FailureKind::Automation);
    EXPECT_EQ(bystander.TypedText(), "");

    // A program just started takes the focus by itself, and the keys follow it there.
    const TaskId task =
        desktop.StartProgram("\"" + Narrow(TestBinFolder()) + "\\key_capture.exe\" --title Velutreck Keys Started");
    const StartedProcess process(task);
    HWND started = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        started = FindKeyCapture(L"Velutreck Keys Started");
        return started != nullptr && GetForegroundWindow() == started;
    }));
    desktop.InjectKeys(ParseKeys("new"), true);
    EXPECT_EQ(WindowText(FindWindowExW(started, nullptr, L"Edit", nullptr)), "new");
    process.End(started);
}

}  // namespace
}  // namespace velutreck
