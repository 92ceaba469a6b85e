// The files of a sample job: short tones as WAV files for the track list, and the MiniDisc that
// the stand-in Simple Burner left, told as a user would read it off the recorder.
#pragma once

#include <string>

#include "rehearsal/standins/mini_disc.h"

namespace velutreck::operating {

// A tone of the given length and pitch as a 16-bit mono PCM WAV file at 8,000 samples a second.
std::string ToneWave(int milliseconds, double hertz);
// Silence of the given length in the same format, as a sparse file: an album's worth costs no disk.
void WriteSilentWave(const std::string& path, int milliseconds);
// Writes the bytes to a file of that path, folders included. Throws std::runtime_error.
void WriteBytes(const std::string& path, const std::string& bytes);

// The disc name, then each group with its title and each track, numbered across the disc as a
// MiniDisc numbers them, with its title, mode and the file it was recorded from.
std::string DiscReport(const MiniDisc& disc);

}  // namespace velutreck::operating
