// The texts of the common file dialog as Windows wants them and gives them back: a filter of
// description|pattern pairs becomes NUL-separated pairs, and the answer in the file-name buffer
// (one path, or the folder NUL name NUL name ...) comes back as UTF-8 with its NULs kept.
#pragma once

#include <string>
#include <string_view>

#include "base/int16.h"

namespace velutreck {

// "a|b|c|d" becomes "a", NUL, "b", NUL, "c", NUL, "d", NUL, NUL.
std::wstring DialogFilter(std::string_view filter);

// The answer in a file-name buffer that was all NULs before the dialog wrote it: everything
// before the first two NULs in a row.
std::wstring DialogAnswer(std::wstring_view buffer);

// Whether the answer with its terminating NUL (two after a list of several names) fits into a
// file-name buffer of maxFileSize UTF-16 units.
bool AnswerFits(std::wstring_view answer, Int16 maxFileSize);

}  // namespace velutreck
