// The pieces of the transcript's fixed wording: quoted texts, "*" for a criterion left out, the
// names of the window messages the drivers post, and hexadecimal values.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace velutreck {

std::string Quoted(const std::string& text);
std::string QuotedOrAny(const std::optional<std::string>& text);
// "WM_CLOSE", "WM_KEYDOWN", ...; any other message as "0x%04X".
std::string MessageName(std::uint32_t message);
// "0x" and at least the given number of upper-case hexadecimal digits.
std::string Hex(std::uint32_t value, int digits);

}  // namespace velutreck
