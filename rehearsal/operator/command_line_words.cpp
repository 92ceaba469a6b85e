#include "rehearsal/operator/command_line_words.h"

#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

#include <shellapi.h>

namespace velutreck::operating {

std::vector<std::string> CommandLineWords() {
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> result;
    for (int i = 1; i < count; ++i) {
        result.push_back(Narrow(words[i]));
    }
    LocalFree(words);
    return result;
}

}  // namespace velutreck::operating
