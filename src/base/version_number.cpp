#include "base/version_number.h"

#include <cstdlib>

namespace velutreck {

namespace {

std::string ZeroPadded(Int16 number, std::size_t digits) {
    const int value = static_cast<int>(number);
    std::string text = std::to_string(std::abs(value));
    if (text.size() < digits) {
        text.insert(0, digits - text.size(), '0');
    }
    return value < 0 ? "-" + text : text;
}

}  // namespace

std::string VersionNumber(Int16 major, Int16 minor, Int16 revision) {
    return ZeroPadded(major, 4) + "." + ZeroPadded(minor, 2) + "." + ZeroPadded(revision, 2);
}

}  // namespace velutreck
