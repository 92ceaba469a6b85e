// Drives Sony NetMD Simple Burner: erase the MiniDisc, record one group, name the disc and tracks.
#pragma once

#include "drivers/driver_context.h"

namespace velutreck {

void SimpleBurnerStart(const DriverContext& context);
void SimpleBurnerClickAllErase(const DriverContext& context);
void SimpleBurnerConfirmErase(const DriverContext& context);
void SimpleBurnerClose(const DriverContext& context);
void SimpleBurnerSetCompression(const DriverContext& context);
void SimpleBurnerStartRecording(const DriverContext& context);
// Non-zero once "Recording is complete." shows; it then closes that message.
WindowHandle SimpleBurnerRecordingComplete(const DriverContext& context);
void SimpleBurnerNameDisc(const DriverContext& context);
// What Simple Burner's disc-name box holds now.
std::string SimpleBurnerDiscNameShown(const DriverContext& context);
void SimpleBurnerNameTracks(const DriverContext& context);

}  // namespace velutreck
