// What the media of a job hold: an audio CD image (Nero's image of each group) and the MiniDisc.
#pragma once

#include <chrono>
#include <string>

namespace velutreck {

// An audio CD has at most 99 tracks; track numbers have two digits.
inline constexpr int CdTracksMax = 99;
// A MiniDisc's table of contents holds at most 254 tracks.
inline constexpr int MiniDiscTracksMax = 254;
// No CD image holds more than 99:59 of audio, even overburnt.
inline constexpr std::chrono::seconds CdImageMax = std::chrono::minutes(99) + std::chrono::seconds(59);
// Nero writes an image of an 80-minute CD unless it is set to overburn.
inline constexpr std::chrono::minutes CdImageNormal{80};
inline constexpr int MiniDiscMinutes = 80;

// An 80-minute MiniDisc holds 160 minutes at LP2 and 320 at LP4.
constexpr std::chrono::minutes MiniDiscCapacity(bool lp4) { return std::chrono::minutes(MiniDiscMinutes * (lp4 ? 4 : 2)); }
constexpr const char* CompressionName(bool lp4) { return lp4 ? "LP4" : "LP2"; }

// "1:02:07" from an hour on, "2:07" below it; rounded to the nearest second.
std::string FormatPlayingTime(std::chrono::milliseconds time);

}  // namespace velutreck
