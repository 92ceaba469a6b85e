// The program's 16-bit signed integer: indices, counters, states and settings. Arithmetic that
// leaves the range -32768..32767 throws an Overflow failure instead of wrapping.
#pragma once

#include <compare>
#include <cstdint>
#include <string>

#include "base/failure.h"

namespace velutreck {

class Int16 {
public:
    static constexpr long long Min = -32768;
    static constexpr long long Max = 32767;

    constexpr Int16() = default;
    // Implicit from any integer, checked: Int16 i = 40000 throws.
    constexpr Int16(long long value) : value_(Checked(value)) {}

    constexpr std::int16_t Value() const { return value_; }
    constexpr explicit operator int() const { return value_; }

    friend constexpr Int16 operator+(Int16 a, Int16 b) { return Int16(static_cast<long long>(a.value_) + b.value_); }
    friend constexpr Int16 operator-(Int16 a, Int16 b) { return Int16(static_cast<long long>(a.value_) - b.value_); }
    friend constexpr Int16 operator*(Int16 a, Int16 b) { return Int16(static_cast<long long>(a.value_) * b.value_); }
    constexpr Int16 operator-() const { return Int16(-static_cast<long long>(value_)); }
    constexpr Int16& operator+=(Int16 other) { return *this = *this + other; }
    constexpr Int16& operator-=(Int16 other) { return *this = *this - other; }
    constexpr Int16& operator++() { return *this += 1; }
    constexpr Int16& operator--() { return *this -= 1; }

    friend constexpr bool operator==(Int16 a, Int16 b) = default;
    friend constexpr auto operator<=>(Int16 a, Int16 b) = default;

private:
    static constexpr std::int16_t Checked(long long value) {
        if (value < Min || value > Max) {
            throw Failure(FailureKind::Overflow, "Overflow: " + std::to_string(value) + " does not fit in 16 bits");
        }
        return static_cast<std::int16_t>(value);
    }

    std::int16_t value_ = 0;
};

}  // namespace velutreck
