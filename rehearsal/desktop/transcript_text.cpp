#include "rehearsal/desktop/transcript_text.h"

#include <cstdio>

#include "platform/desktop.h"

namespace velutreck {

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string QuotedOrAny(const std::optional<std::string>& text) { return text ? Quoted(*text) : "*"; }

std::string MessageName(std::uint32_t message) {
    switch (message) {
        case message::Close: return "WM_CLOSE";
        case message::KeyDown: return "WM_KEYDOWN";
        case message::KeyUp: return "WM_KEYUP";
        case message::LButtonDown: return "WM_LBUTTONDOWN";
        case message::LButtonUp: return "WM_LBUTTONUP";
        default: return Hex(message, 4);
    }
}

std::string Hex(std::uint32_t value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, static_cast<unsigned>(value));
    return text;
}

}  // namespace velutreck
