// Drives Nero ImageDrive through its command line: mount the temporary image, or the empty one.
#pragma once

#include "drivers/driver_context.h"

namespace velutreck {

void ImageDriveLoad(const DriverContext& context);
void ImageDriveEject(const DriverContext& context);

}  // namespace velutreck
