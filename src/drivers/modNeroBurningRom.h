// Drives Nero Burning ROM: turn one group of audio files into the temporary CD image.
#pragma once

#include <string>

#include "drivers/driver_context.h"

namespace velutreck {

void NeroStart(const DriverContext& context);
void NeroAddFile(const DriverContext& context, const std::string& path);
void NeroWriteImage(const DriverContext& context);
void NeroSaveImageFile(const DriverContext& context);
// Non-zero once Nero shows "Burn process completed successfully".
WindowHandle NeroBurnCompleted(const DriverContext& context);
void NeroDismissCompletion(const DriverContext& context);
void NeroClose(const DriverContext& context);

}  // namespace velutreck
