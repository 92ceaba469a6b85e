// The MiniDisc in the NetMD unit: a title, and groups of tracks in order. Every recording appends
// one group. Titles (the disc's, each group's, each track's) share one table of 255 cells of 7
// characters, and a title takes whole cells, so a long name can run out of room on a full disc.
// Simple Burner shows the disc as rows: a header row per group, then a row per track of it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace velutreck {

struct DiscTrack {
    std::string title;
    std::string source;  // the audio file the track was recorded from
    std::string mode;    // "LP2" or "LP4"

    friend bool operator==(const DiscTrack&, const DiscTrack&) = default;
};

struct DiscGroup {
    std::string title;
    std::vector<DiscTrack> tracks;

    friend bool operator==(const DiscGroup&, const DiscGroup&) = default;
};

struct MiniDisc {
    std::string title;
    std::vector<DiscGroup> groups;

    friend bool operator==(const MiniDisc&, const MiniDisc&) = default;
};

constexpr int DiscTitleCells = 255;
constexpr int CellCharacters = 7;

struct TrackListRow {
    std::size_t group = 0;
    std::optional<std::size_t> track;  // none for the group's header row
    std::string title;
};

std::vector<TrackListRow> TrackListRows(const MiniDisc& disc);
std::vector<std::string> RowTitles(const MiniDisc& disc);
std::size_t TrackCount(const MiniDisc& disc);
// Cells taken by every title on the disc.
int TitleCellsUsed(const MiniDisc& disc);

// Set a title in the room left by the other titles; a title that does not fit is cut to the whole
// cells that do. Both give the title as stored. A header row's title is its group's title.
std::string SetDiscTitle(MiniDisc& disc, const std::string& title);
std::string SetRowTitle(MiniDisc& disc, std::size_t row, const std::string& title);

}  // namespace velutreck
