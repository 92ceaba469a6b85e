// The CD image the Nero stand-in writes and the Simple Burner stand-in records from: a first line
// that identifies it, then the source path of each track, one per line, in the order the files
// were added. Any other file (the empty image, garbage) reads as a CD without tracks.
#pragma once

#include <string>
#include <vector>

namespace velutreck {

std::string CdImageText(const std::vector<std::string>& sources);
std::vector<std::string> CdImageTracks(const std::string& contents);

}  // namespace velutreck
