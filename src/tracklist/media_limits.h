// What the media of a job hold: an audio CD image (Nero's image of each group) and the MiniDisc.
#pragma once

#include <array>
#include <chrono>
#include <string>

#include "base/int16.h"

namespace velutreck {

// An audio CD has at most 99 tracks; track numbers have two digits.
inline constexpr int CdTracksMax = 99;
// A MiniDisc's table of contents holds at most 254 tracks.
inline constexpr int MiniDiscTracksMax = 254;
// No CD image holds more than 99:59 of audio, even overburnt.
inline constexpr std::chrono::seconds CdImageMax = std::chrono::minutes(99) + std::chrono::seconds(59);
// Nero writes an image of an 80-minute CD unless it is set to overburn.
inline constexpr std::chrono::minutes CdImageNormal{80};

// The MiniDisc lengths sold, in the order the Settings tab lists them; 80 minutes until the user
// chooses another.
inline constexpr std::array<int, 3> MiniDiscLengths{60, 74, 80};
inline constexpr int DefaultMiniDiscMinutes = 80;
// The minutes of an entry of that list; the default for an index outside it.
int MiniDiscMinutesAt(Int16 index);
// The entry of that list with these minutes, or -1.
Int16 MiniDiscLengthIndex(int minutes);

// The disc a job is measured against: its length and the compression it is recorded at.
struct DiscChoice {
    int minutes = DefaultMiniDiscMinutes;
    bool lp4 = false;
};

// A MiniDisc holds twice its minutes at LP2 and four times at LP4.
constexpr std::chrono::minutes MiniDiscCapacity(DiscChoice disc) { return std::chrono::minutes(disc.minutes * (disc.lp4 ? 4 : 2)); }
constexpr const char* CompressionName(bool lp4) { return lp4 ? "LP4" : "LP2"; }
// "an 80-minute MiniDisc", "a 74-minute MiniDisc".
std::string AMiniDiscOf(int minutes);

// "1:02:07" from an hour on, "2:07" below it; rounded to the nearest second.
std::string FormatPlayingTime(std::chrono::milliseconds time);

}  // namespace velutreck
