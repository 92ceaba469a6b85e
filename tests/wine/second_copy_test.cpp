// A second copy of Velutreck: how it knows that another copy runs, and which window it hands its
// items to. The test itself plays the copy that runs, with the same mutex and windows of the same
// class, so that it can be caught at moments a real first copy passes too quickly.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/item_hand_over.h"
#include "platform/win32/mutex_instance_check.h"
#include "platform/win32/wide_text.h"
#include "rehearsal/operator/velutreck_process.h"
#include "test_window.h"

namespace velutreck::windowtest {
namespace {

constexpr wchar_t MutexName[] = L"Local\\Velutreck.SingleInstance";

// A copy that runs as administrator creates the mutex with a default access list that gives a
// normal copy no access; an empty access list denies this process alike.
TEST(SecondCopy, AMutexItMayNotOpenBelongsToACopyThatRuns) {
    ACL noAccess{};
    InitializeAcl(&noAccess, sizeof(noAccess), ACL_REVISION);
    SECURITY_DESCRIPTOR descriptor{};
    InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&descriptor, TRUE, &noAccess, FALSE);
    SECURITY_ATTRIBUTES attributes{sizeof(attributes), &descriptor, FALSE};
    const HANDLE elevated = CreateMutexW(&attributes, FALSE, MutexName);
    ASSERT_NE(elevated, nullptr);
    {
        SetLastError(ERROR_SUCCESS);
        const HANDLE opened = CreateMutexW(nullptr, FALSE, MutexName);
        ASSERT_EQ(opened, nullptr) << "this Wine does not check the access list";
        ASSERT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    }
    EXPECT_TRUE(MutexInstanceCheck().AnotherInstanceRunning());
    CloseHandle(elevated);
    EXPECT_FALSE(MutexInstanceCheck().AnotherInstanceRunning());
}

// What a window of Velutreck's class in this process was handed.
struct Receiver {
    Receiver() {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = &Receiver::Procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = MainWindowClassName;
        RegisterClassExW(&windowClass);
    }
    ~Receiver() {
        for (HWND window : {hidden, shown}) {
            if (window != nullptr) {
                DestroyWindow(window);
            }
        }
        UnregisterClassW(MainWindowClassName, GetModuleHandleW(nullptr));
    }

    HWND Create(std::vector<std::string>& received, bool visible) {
        return CreateWindowExW(0, MainWindowClassName, L"Velutreck", WS_OVERLAPPED | (visible ? WS_VISIBLE : 0), 0, 0,
                               200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), &received);
    }

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            SetWindowLongPtrW(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        }
        if (message == WM_COPYDATA) {
            auto& received = *reinterpret_cast<std::vector<std::string>*>(GetWindowLongPtrW(window, GWLP_USERDATA));
            const std::vector<std::string> items = HandedOverItems(*reinterpret_cast<COPYDATASTRUCT*>(lParam));
            received.insert(received.end(), items.begin(), items.end());
            return HandOverTaken;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    std::vector<std::string> toHidden;
    std::vector<std::string> toShown;
    HWND hidden = nullptr;
    HWND shown = nullptr;
};

// Copies started together ("Open with" on several files) find the mutex before the first of them
// shows its window, and each copy that hands over has a window of the class, never shown.
TEST(SecondCopy, WaitsForTheRunningCopysWindowAndHandsNothingToAnotherCopyHandingOver) {
    const std::wstring file = L"C:\\Music\\Second copy.wav";
    const HANDLE running = CreateMutexW(nullptr, FALSE, MutexName);
    Receiver receiver;
    receiver.hidden = receiver.Create(receiver.toHidden, false);
    {
        const VelutreckProcess second({file});
        PumpMessages(1500);
        EXPECT_FALSE(second.WaitForExit(0)) << "the copy gave up at once";
        receiver.shown = receiver.Create(receiver.toShown, true);
        EXPECT_TRUE(PumpUntil([&] { return second.WaitForExit(0); }, 15000)) << "the copy did not end";
    }
    EXPECT_EQ(receiver.toShown, std::vector<std::string>{Narrow(file)});
    EXPECT_TRUE(receiver.toHidden.empty());
    CloseHandle(running);
}

}  // namespace
}  // namespace velutreck::windowtest
