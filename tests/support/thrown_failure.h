// The kind of the Failure an action throws; a test that expected one fails when nothing is thrown.
#pragma once

#include <functional>

#include <gtest/gtest.h>

#include "base/failure.h"

namespace velutreck {

inline FailureKind KindThrownBy(const std::function<void()>& action) {
    try {
        action();
    } catch (const Failure& failure) {
        return failure.Kind();
    }
    ADD_FAILURE() << "nothing was thrown";
    return FailureKind::Control;
}

}  // namespace velutreck
