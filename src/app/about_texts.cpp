#include "app/about_texts.h"

#include <array>
#include <cstdlib>
#include <span>

namespace velutreck {

namespace {

std::string ZeroPadded(Int16 number, std::size_t digits) {
    const int value = static_cast<int>(number);
    std::string text = std::to_string(std::abs(value));
    if (text.size() < digits) {
        text.insert(0, digits - text.size(), '0');
    }
    return value < 0 ? "-" + text : text;
}

constexpr auto AboutLines = std::to_array<std::string_view>({
    "Velutreck writes your audio files to a Sony NetMD MiniDisc.",
    "Copyright (c) 2003-2026 The Velutreck developers.",
    "",
    "Velutreck is free software under the MIT License. It comes with no warranty of any kind: "
    "you use it at your own risk.",
    "",
    "Velutreck drives Nero Burning ROM, Nero ImageDrive and Sony NetMD Simple Burner through their "
    "windows. These programs belong to their makers, who neither made nor endorse Velutreck.",
    "",
    "Credits: the enhanced tooltips, the folder browser and the typing of keys into other programs "
    "are adapted from code samples that Windows programmers kindly shared with everyone. "
    "Thank you.",
});

}  // namespace

std::string VersionText(std::string_view product, Int16 major, Int16 minor, Int16 revision) {
    return std::string(product) + " (" + ZeroPadded(major, 4) + "." + ZeroPadded(minor, 2) + "." +
           ZeroPadded(revision, 2) + ")";
}

std::string AboutText() {
    std::string text(AboutLines.front());
    for (std::string_view line : std::span(AboutLines).subspan(1)) {
        text += "\r\n";
        text += line;
    }
    return text;
}

}  // namespace velutreck
