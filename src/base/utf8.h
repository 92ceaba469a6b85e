// Text is UTF-8 inside the program, and a "character" is one Unicode code point: track-name
// lengths, the letters-only filter and key escaping all count code points, never bytes.
#pragma once

#include <string>
#include <string_view>

namespace velutreck {

// Decodes UTF-8; a byte that does not start a valid sequence becomes U+FFFD, so nothing is lost
// silently in the middle of a name.
std::u32string ToCodePoints(std::string_view utf8);
std::string ToUtf8(std::u32string_view codePoints);
void AppendUtf8(std::string& out, char32_t codePoint);
bool IsValidUtf8(std::string_view text);
// UTF-16 in bytes, little- or big-endian, as UTF-8; a lone surrogate becomes U+FFFD and an odd
// last byte is dropped.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian);

}  // namespace velutreck
