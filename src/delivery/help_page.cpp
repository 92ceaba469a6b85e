#include "delivery/help_page.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

namespace velutreck {

std::string Base64(std::string_view bytes) {
    static constexpr char Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t count = std::min<std::size_t>(3, bytes.size() - i);
        std::uint32_t group = 0;
        for (std::size_t k = 0; k < 3; ++k) {
            group = group << 8 | (k < count ? static_cast<unsigned char>(bytes[i + k]) : 0u);
        }
        for (std::size_t k = 0; k < 4; ++k) {
            text += k <= count ? Alphabet[(group >> (18 - 6 * k)) & 0x3F] : '=';
        }
    }
    return text;
}

std::string EmbedPictures(std::string_view page,
                          const std::function<std::optional<std::string>(const std::string&)>& readPicture) {
    static constexpr std::string_view Opening = "src=\"pictures/";
    std::string result;
    std::size_t from = 0;
    for (std::size_t at = page.find(Opening); at != std::string_view::npos; at = page.find(Opening, from)) {
        const std::size_t nameStart = at + Opening.size();
        const std::size_t nameEnd = page.find('"', nameStart);
        if (nameEnd == std::string_view::npos) {
            throw std::runtime_error("The help page has an unclosed picture address.");
        }
        const std::string name(page.substr(nameStart, nameEnd - nameStart));
        const std::optional<std::string> bytes = readPicture(name);
        if (!bytes) {
            throw std::runtime_error("The help page shows pictures/" + name + ", which does not exist.");
        }
        result += page.substr(from, at - from);
        result += "src=\"data:image/png;base64,";
        result += Base64(*bytes);
        result += '"';
        from = nameEnd + 1;
    }
    result += page.substr(from);
    return result;
}

}  // namespace velutreck
