// The track list's horizontal scroll extent: four times the list's own width, so that a path of up
// to about four list widths can be scrolled into view. Set once when the window loads.
#pragma once

namespace velutreck {

// Extent in pixels, rounded to the nearest pixel. twipsPerPixel is the screen's horizontal
// twips per pixel and is positive.
long HorizontalExtentPixels(double listWidthTwips, double twipsPerPixel);

}  // namespace velutreck
