#include "tracklist/scroll_extent.h"

#include <cmath>

namespace velutreck {

long HorizontalExtentPixels(double listWidthTwips, double twipsPerPixel) {
    return std::lround(listWidthTwips / twipsPerPixel * 4);
}

}  // namespace velutreck
