#include "rehearsal/desktop/sim_window_thread.h"

#include <algorithm>

namespace velutreck {

void SimWindowThread::Send() {
    waitingSince_.push_back(clock_.Now());
    if (Answers()) {
        AnswerWaiting();
    }
}

std::int64_t SimWindowThread::LongestUnansweredMs() const {
    std::int64_t longest = longestMs_;
    for (const std::int64_t since : waitingSince_) {
        longest = std::max(longest, clock_.Now() - since);
    }
    return longest;
}

void SimWindowThread::Left(int& depth) {
    --depth;
    if (Answers()) {
        AnswerWaiting();
    }
}

void SimWindowThread::AnswerWaiting() {
    for (const std::int64_t since : waitingSince_) {
        longestMs_ = std::max(longestMs_, clock_.Now() - since);
    }
    waitingSince_.clear();
}

}  // namespace velutreck
