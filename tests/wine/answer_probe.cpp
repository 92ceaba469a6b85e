#include "answer_probe.h"

#include "platform/win32/item_hand_over.h"
#include "rehearsal/operator/operator_actions.h"

namespace velutreck::windowtest {

namespace {

constexpr DWORD ProbeIntervalMs = 20;
// Far beyond any tick, so that the wait measured is the real one.
constexpr UINT AnswerTimeoutMs = 30000;

}  // namespace

AnswerProbe::AnswerProbe(HWND window, std::vector<std::string> items)
    : window_(window), items_(std::move(items)), thread_([this] { Run(); }) {}

AnswerProbe::~AnswerProbe() { Stop(); }

void AnswerProbe::Stop() {
    stop_ = true;
    if (thread_.joinable()) {
        thread_.join();
    }
}

// A window of another process gives its caption without being asked, so reading it costs the
// window nothing.
void AnswerProbe::Run() {
    std::string lastStep;
    while (!stop_ && IsWindow(window_)) {
        const std::string step = operating::CaptionOf(window_);
        // The bare name is the idle window, which takes the items.
        if (step != lastStep && step != "Velutreck") {
            lastStep = step;
            handOvers_.push_back({step, SendItemsToRunningCopy(items_)});
        }
        const ULONGLONG start = GetTickCount64();
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, AnswerTimeoutMs, &ignored);
        const ULONGLONG waited = GetTickCount64() - start;
        if (waited > longestWaitMs_) {
            longestWaitMs_ = waited;
            longestWaitStep_ = step;
        }
        Sleep(ProbeIntervalMs);
    }
}

}  // namespace velutreck::windowtest
