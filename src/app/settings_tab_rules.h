// The rules of the Settings tab that code enforces: the fixed items of the compression and length
// lists, and (from the engine, which applies it at every switch between idle and running) which
// track-naming check boxes are enabled.
#pragma once

#include "engine/naming_options.h"
#include "platform/controls.h"

namespace velutreck {

// Empties the list, adds "LP2" (index 0) and "LP4" (index 1), and selects "LP4".
void FillCompressionList(ComboBox& cboCompression);
// Empties the list, adds "60 minutes", "74 minutes" and "80 minutes", and selects "80 minutes".
void FillDiscLengthList(ComboBox& cboDiscLength);

}  // namespace velutreck
