#include "platform/win32/dialog_text.h"

#include <algorithm>

#include "platform/win32/wide_text.h"

namespace velutreck {

std::wstring DialogFilter(std::string_view filter) {
    std::wstring pairs = Widen(filter);
    for (wchar_t& c : pairs) {
        if (c == L'|') {
            c = L'\0';
        }
    }
    pairs.append(2, L'\0');
    return pairs;
}

std::wstring DialogAnswer(std::wstring_view buffer) {
    const std::size_t end = buffer.find(std::wstring_view(L"\0\0", 2));
    return std::wstring(buffer.substr(0, end));
}

bool AnswerFits(std::wstring_view answer, Int16 maxFileSize) {
    const std::size_t terminators = answer.find(L'\0') == std::wstring_view::npos ? 1 : 2;
    return answer.size() + terminators <= static_cast<std::size_t>(std::max<int>(maxFileSize.Value(), 0));
}

}  // namespace velutreck
