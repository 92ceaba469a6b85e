// A common dialog that gives scripted answers, one per use (cancelled once the script runs out),
// and records the properties it was shown with, so tests see what one use leaves for the next.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace velutreck {

struct ScriptedAnswer {
    DialogOutcome outcome = DialogOutcome::Cancelled;
    std::string fileName;               // the answer on Chosen
    std::optional<Int16> chosenFilter;  // the filter entry the user left selected
};

class ScriptedCommonDialog : public CommonDialog {
public:
    void Script(ScriptedAnswer answer) { answers_.push_back(std::move(answer)); }
    const std::vector<CommonDialogState>& Shown() const { return shown_; }

    DialogOutcome ShowOpen(CommonDialogState& state) override {
        shown_.push_back(state);
        ScriptedAnswer answer;
        if (!answers_.empty()) {
            answer = answers_.front();
            answers_.pop_front();
        }
        state.fileName = answer.outcome == DialogOutcome::Chosen ? answer.fileName : "";
        state.filterIndex = answer.chosenFilter.value_or(state.filterIndex);
        return answer.outcome;
    }

private:
    std::deque<ScriptedAnswer> answers_;
    std::vector<CommonDialogState> shown_;
};

}  // namespace velutreck
