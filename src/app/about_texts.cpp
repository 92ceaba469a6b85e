#include "app/about_texts.h"

#include <array>
#include <span>

#include "base/version_number.h"

namespace velutreck {

namespace {

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
    return std::string(product) + " (" + VersionNumber(major, minor, revision) + ")";
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
