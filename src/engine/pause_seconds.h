// The time given to Simple Burner is the text of txtPause, read as a floating-point number of
// seconds at every tick that needs it.
#pragma once

#include <string>

namespace velutreck {

// Accepts an optional sign, digits with an optional decimal point and exponent, and blanks around
// them. Anything else, the empty text included, throws a Conversion failure.
double PauseSeconds(const std::string& text);

}  // namespace velutreck
