// The MiniDisc kept in a small text file between runs of the hosted Simple Burner: a first line
// that names the format, then one line for the disc title, one per group and one per track of it
// (its mode, title and source), fields separated by tabs. Tabs, line breaks and backslashes in a
// title or path are written as \t, \n, \r and \\ so that any text survives.
#pragma once

#include <string>

#include "rehearsal/standins/mini_disc.h"

namespace velutreck {

std::string DiscText(const MiniDisc& disc);
// Throws a FileSystem failure for a text that is not a disc written by DiscText: a disc is never
// taken as empty because its file was damaged.
MiniDisc ParseDiscText(const std::string& text);

}  // namespace velutreck
