// Asks Velutreck's window, from a thread of its own, what other programs ask it while a job runs:
// WM_NULL every few milliseconds, the way Windows tells a program that does not respond, and at
// each new step of the job (a new caption) a second copy's hand-over. It keeps the longest wait for an answer, with the
// step it came in, and every hand-over's answer.
#pragma once

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "platform/win32/windows_api.h"

namespace velutreck::windowtest {

class AnswerProbe {
public:
    struct HandOver {
        std::string step;  // the caption when the items were handed over
        LRESULT answer;
    };

    // The items are handed over the way a second copy hands over its own.
    AnswerProbe(HWND window, std::vector<std::string> items);
    AnswerProbe(const AnswerProbe&) = delete;
    AnswerProbe& operator=(const AnswerProbe&) = delete;
    ~AnswerProbe();

    // Ends the probing; the results below are complete only after this.
    void Stop();
    ULONGLONG LongestWaitMs() const { return longestWaitMs_; }
    const std::string& LongestWaitStep() const { return longestWaitStep_; }
    const std::vector<HandOver>& HandOvers() const { return handOvers_; }

private:
    void Run();

    HWND window_;
    std::vector<std::string> items_;
    std::atomic<bool> stop_{false};
    ULONGLONG longestWaitMs_ = 0;
    std::string longestWaitStep_;
    std::vector<HandOver> handOvers_;
    std::thread thread_;
};

}  // namespace velutreck::windowtest
