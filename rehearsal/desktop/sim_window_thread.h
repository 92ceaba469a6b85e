// The thread of Velutreck's window as other programs see it. A message another program sends to
// the window (a second copy's hand-over, the taskbar's, a broadcast) is answered only while the
// thread looks at its queue: when it is between events, or inside a wait that answers as it waits.
// Work inside an event that lets virtual time pass without answering holds every such message,
// and Windows calls a window hung after five seconds of that.
#pragma once

#include <cstdint>
#include <vector>

#include "rehearsal/desktop/sim_clock.h"

namespace velutreck {

class SimWindowThread {
public:
    explicit SimWindowThread(const SimClock& clock) : clock_(clock) {}

    // While one lives, the thread is in an event and answers nothing unless it waits answering.
    class InEvent {
    public:
        explicit InEvent(SimWindowThread& thread) : thread_(thread) { ++thread_.events_; }
        ~InEvent() { thread_.Left(thread_.events_); }
        InEvent(const InEvent&) = delete;
        InEvent& operator=(const InEvent&) = delete;

    private:
        SimWindowThread& thread_;
    };
    // While one lives, the thread waits and answers what is sent meanwhile.
    class Answering {
    public:
        explicit Answering(SimWindowThread& thread) : thread_(thread) {
            ++thread_.answering_;
            thread_.AnswerWaiting();
        }
        ~Answering() { thread_.Left(thread_.answering_); }
        Answering(const Answering&) = delete;
        Answering& operator=(const Answering&) = delete;

    private:
        SimWindowThread& thread_;
    };

    // Another program sends the window a message now.
    void Send();
    // The thread looks at its queue between the steps of its work, answering what waits there.
    void Look() { AnswerWaiting(); }
    // How long the longest sent message has waited for its answer, the one still waiting included.
    std::int64_t LongestUnansweredMs() const;

private:
    bool Answers() const { return events_ == 0 || answering_ > 0; }
    void Left(int& depth);
    void AnswerWaiting();

    const SimClock& clock_;
    int events_ = 0;
    int answering_ = 0;
    std::vector<std::int64_t> waitingSince_;
    std::int64_t longestMs_ = 0;
};

}  // namespace velutreck
