// The three tuning values that have no control in the window: loaded with the settings, written
// back on every save, and changed only in the settings store.
#pragma once

#include "base/int16.h"

namespace velutreck {

struct HiddenValues {
    Int16 lengthOfNames = 12;      // greatest number of characters of a track name
    Int16 generalShortPause = 3;   // seconds for the drivers, ticks for the state machine
    Int16 generalLongPause = 30;   // ticks
};

}  // namespace velutreck
