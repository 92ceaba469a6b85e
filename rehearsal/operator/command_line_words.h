// The words a program of ours was started with after its own path, split the way the C runtime
// splits them (quotes group words with blanks), as UTF-8.
#pragma once

#include <string>
#include <vector>

namespace velutreck::operating {

std::vector<std::string> CommandLineWords();

}  // namespace velutreck::operating
