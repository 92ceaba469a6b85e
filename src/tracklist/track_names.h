// Track names made from the file entries' paths, typed into Simple Burner after the last group.
// A name is the file name without its last extension, optionally reduced to the letters A-Z and
// a-z, and cut to LengthOfNames characters (Unicode code points). Every file yields a name, even
// an empty one, so that the names after it still meet their rows on the disc.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/int16.h"
#include "platform/controls.h"

namespace velutreck {

// Keeps only the 52 letters A-Z and a-z, in their order; letters with diacritics are dropped.
std::string KeepLettersOnly(std::string_view text);

// The name of one file entry. A file name without a "." keeps its whole name; a negative
// lengthOfNames gives an empty name.
std::string MakeTrackName(std::string_view path, bool onlyAlpha, Int16 lengthOfNames);

// Appends the names of a group's files, given in list order: the first file's name twice (Simple
// Burner shows a header row above each group), then the names of the other files. No files, no
// names.
void AppendGroupNames(std::vector<std::string>& trackNames, const std::vector<std::string>& files,
                      bool onlyAlpha, Int16 lengthOfNames);

}  // namespace velutreck
