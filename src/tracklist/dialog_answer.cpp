#include "tracklist/dialog_answer.h"

#include <algorithm>
#include <utility>

#include "base/int16.h"
#include "base/utf8.h"

namespace velutreck {

std::string TakeNextItem(std::string& buffer, std::string_view delimiter) {
    const std::u32string characters = ToCodePoints(buffer);
    const std::u32string wanted = ToCodePoints(delimiter);
    const std::u32string_view all(characters);
    // The one-character text at a 1-based position; past the end it is empty.
    const auto characterAt = [&](Int16 position) {
        const auto index = static_cast<std::size_t>(position.Value() - 1);
        return index < all.size() ? all.substr(index, 1) : std::u32string_view();
    };
    Int16 position = 1;
    while (characterAt(position) != wanted) {
        ++position;
    }
    const auto itemLength = static_cast<std::size_t>(position.Value() - 1);
    std::string item = ToUtf8(all.substr(0, itemLength));
    buffer = ToUtf8(all.substr(std::min(itemLength + 1, all.size())));
    return item;
}

std::vector<std::string> SplitDialogAnswer(std::string_view answer) {
    // Two NULs at the end: the last part is followed by one, and the empty part after it ends
    // the split.
    std::string buffer(answer);
    buffer.append(2, '\0');
    const std::string nul(1, '\0');
    const std::size_t characterCount = ToCodePoints(answer).size();
    std::vector<std::string> items;
    for (std::size_t round = 0; round < characterCount; ++round) {
        std::string item = TakeNextItem(buffer, nul);
        if (item.empty()) {
            break;
        }
        items.push_back(std::move(item));
    }
    return items;
}

}  // namespace velutreck
