#include "base/int16.h"

#include <gtest/gtest.h>

namespace velutreck {
namespace {

bool ThrowsOverflow(auto&& action) {
    try {
        action();
    } catch (const Failure& failure) {
        return failure.Kind() == FailureKind::Overflow;
    }
    return false;
}

TEST(Int16, ReachesBothLimitsExactlyAndThrowsPastThemLeavingTheValueAsItWas) {
    EXPECT_EQ(Int16(32766) + 1, Int16(32767));
    EXPECT_EQ(Int16(-32767) - 1, Int16(-32768));
    EXPECT_EQ(Int16(32) * 1000, Int16(32000));
    Int16 counter = 32767;
    EXPECT_TRUE(ThrowsOverflow([&] { ++counter; }));
    EXPECT_EQ(counter, 32767);
    EXPECT_TRUE(ThrowsOverflow([] { return Int16(33) * 1000; }));
    EXPECT_TRUE(ThrowsOverflow([] { return -Int16(-32768); }));
    EXPECT_TRUE(ThrowsOverflow([] { return Int16(40000); }));
    EXPECT_TRUE(ThrowsOverflow([] { return Int16(-32768) - 1; }));
}

}  // namespace
}  // namespace velutreck
