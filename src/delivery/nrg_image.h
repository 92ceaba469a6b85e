// Empty.nrg, the image delivered beside Velutreck.exe. ImageDrive loads it in place of the temporary
// image so that the temporary file is let go and can be deleted. It is a Nero version 2 image of an
// audio CD with one short silent track, written disc-at-once, the kind of image Nero itself writes
// for an audio compilation, so ImageDrive takes it as an ordinary audio CD.
#pragma once

#include <string>

namespace velutreck {

// The whole image file, byte for byte.
std::string MakeEmptyAudioImage();

}  // namespace velutreck
