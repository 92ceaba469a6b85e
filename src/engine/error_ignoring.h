// The master timer's tick ignores every failure: a failing statement ends where it failed and the
// tick goes on with its next statement; a condition that fails to evaluate counts as met.
#pragma once

#include "base/failure.h"

namespace velutreck {

template <typename Statement>
void Attempt(Statement&& statement) {
    try {
        statement();
    } catch (const Failure&) {
        // Ignored: the job carries on as if the statement had completed.
    }
}

template <typename Condition>
bool ConditionMet(Condition&& condition) {
    try {
        return condition();
    } catch (const Failure&) {
        return true;
    }
}

}  // namespace velutreck
