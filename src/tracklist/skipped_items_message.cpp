#include "tracklist/skipped_items_message.h"

#include <algorithm>
#include <array>

namespace velutreck {

namespace {

struct ReasonText {
    SkipReason reason;
    const char* heading;  // before the count
    const char* note;     // after a name
};

constexpr std::array<ReasonText, 3> Reasons = {{
    {SkipReason::NotAudio, "Not audio files", "not an audio file"},
    {SkipReason::Missing, "Not found", "not found"},
    {SkipReason::Url, "Web addresses", "a web address"},
}};

const ReasonText& TextOf(SkipReason reason) {
    return *std::find_if(Reasons.begin(), Reasons.end(), [&](const ReasonText& text) { return text.reason == reason; });
}

}  // namespace

std::string SkippedItemsMessage(const std::vector<SkippedItem>& skipped) {
    if (skipped.empty()) {
        return {};
    }
    std::string text = skipped.size() == 1 ? "1 item was skipped:"
                                           : std::to_string(skipped.size()) + " items were skipped:";
    for (const ReasonText& reason : Reasons) {
        const auto count = std::count_if(skipped.begin(), skipped.end(),
                                         [&](const SkippedItem& item) { return item.reason == reason.reason; });
        if (count > 0) {
            text += "\n" + std::string(reason.heading) + ": " + std::to_string(count);
        }
    }
    text += "\n";
    for (std::size_t i = 0; i < std::min(skipped.size(), SkippedItemsNamed); ++i) {
        text += "\n" + skipped[i].name + " (" + TextOf(skipped[i].reason).note + ")";
    }
    if (skipped.size() > SkippedItemsNamed) {
        text += "\nand " + std::to_string(skipped.size() - SkippedItemsNamed) + " more";
    }
    return text;
}

}  // namespace velutreck
