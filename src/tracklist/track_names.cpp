#include "tracklist/track_names.h"

#include "base/utf8.h"

namespace velutreck {

namespace {

bool IsPlainLetter(char32_t c) { return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z'); }

// The file name after the last backslash, without the text from its last dot on.
std::string_view BareFileName(std::string_view path) {
    const std::size_t slash = path.rfind('\\');
    const std::string_view fileName = slash == std::string_view::npos ? path : path.substr(slash + 1);
    return fileName.substr(0, fileName.rfind('.'));
}

std::string FirstCharacters(const std::string& text, Int16 length) {
    if (length < 0) {
        return {};
    }
    std::u32string characters = ToCodePoints(text);
    const auto limit = static_cast<std::size_t>(length.Value());
    if (characters.size() <= limit) {
        return text;
    }
    characters.resize(limit);
    return ToUtf8(characters);
}

}  // namespace

std::string KeepLettersOnly(std::string_view text) {
    std::string letters;
    for (char32_t c : ToCodePoints(text)) {
        if (IsPlainLetter(c)) {
            letters.push_back(static_cast<char>(c));
        }
    }
    return letters;
}

std::string MakeTrackName(std::string_view path, bool onlyAlpha, Int16 lengthOfNames) {
    const std::string_view bare = BareFileName(path);
    const std::string name = onlyAlpha ? KeepLettersOnly(bare) : std::string(bare);
    return FirstCharacters(name, lengthOfNames);
}

void AppendGroupNames(std::vector<std::string>& trackNames, const std::vector<std::string>& files,
                      bool onlyAlpha, Int16 lengthOfNames) {
    // Made in full before any is appended, so a failure leaves TrackNames as it was.
    std::vector<std::string> names;
    for (const std::string& file : files) {
        names.push_back(MakeTrackName(file, onlyAlpha, lengthOfNames));
        if (names.size() == 1) {
            names.push_back(names.front());
        }
    }
    trackNames.insert(trackNames.end(), names.begin(), names.end());
}

}  // namespace velutreck
