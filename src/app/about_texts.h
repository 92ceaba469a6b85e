// The texts that tell who the program is: the version text under the tabs and on the About tab,
// and the About text.
#pragma once

#include <string>
#include <string_view>

#include "base/int16.h"

namespace velutreck {

// "Product (version number)". This build: "Velutreck (2003.04.15)".
std::string VersionText(std::string_view product, Int16 major, Int16 minor, Int16 revision);

// Authorship, terms and credits, one line per CR LF.
std::string AboutText();

}  // namespace velutreck
