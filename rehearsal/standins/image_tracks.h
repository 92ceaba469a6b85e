// The audio tracks of a CD image as ImageDrive presents them: each track's length, in order.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace velutreck {

std::vector<std::chrono::milliseconds> ImageTrackLengths(const FileSystem& files, const std::string& image);

}  // namespace velutreck
