#include "rehearsal/standins/mini_disc.h"

#include <stdexcept>

#include "base/utf8.h"

namespace velutreck {

namespace {

int CellsOf(const std::string& title) {
    const auto characters = static_cast<int>(ToCodePoints(title).size());
    return (characters + CellCharacters - 1) / CellCharacters;
}

// Replaces the title in its slot, keeping within the cells that the other titles leave free.
std::string StoreTitle(const MiniDisc& disc, std::string& slot, const std::string& title) {
    const int free = DiscTitleCells - (TitleCellsUsed(disc) - CellsOf(slot));
    std::u32string characters = ToCodePoints(title);
    const auto room = static_cast<std::size_t>(free * CellCharacters);
    if (characters.size() > room) {
        characters.resize(room);
        slot = ToUtf8(characters);
    } else {
        slot = title;
    }
    return slot;
}

}  // namespace

std::vector<TrackListRow> TrackListRows(const MiniDisc& disc) {
    std::vector<TrackListRow> rows;
    for (std::size_t g = 0; g < disc.groups.size(); ++g) {
        const DiscGroup& group = disc.groups[g];
        rows.push_back({.group = g, .track = std::nullopt, .title = group.title});
        for (std::size_t t = 0; t < group.tracks.size(); ++t) {
            rows.push_back({.group = g, .track = t, .title = group.tracks[t].title});
        }
    }
    return rows;
}

std::vector<std::string> RowTitles(const MiniDisc& disc) {
    std::vector<std::string> titles;
    for (const TrackListRow& row : TrackListRows(disc)) {
        titles.push_back(row.title);
    }
    return titles;
}

std::size_t TrackCount(const MiniDisc& disc) {
    std::size_t count = 0;
    for (const DiscGroup& group : disc.groups) {
        count += group.tracks.size();
    }
    return count;
}

int TitleCellsUsed(const MiniDisc& disc) {
    int cells = CellsOf(disc.title);
    for (const DiscGroup& group : disc.groups) {
        cells += CellsOf(group.title);
        for (const DiscTrack& track : group.tracks) {
            cells += CellsOf(track.title);
        }
    }
    return cells;
}

std::string SetDiscTitle(MiniDisc& disc, const std::string& title) { return StoreTitle(disc, disc.title, title); }

std::string SetRowTitle(MiniDisc& disc, std::size_t row, const std::string& title) {
    const std::vector<TrackListRow> rows = TrackListRows(disc);
    if (row >= rows.size()) {
        throw std::out_of_range("The disc has no row " + std::to_string(row));
    }
    DiscGroup& group = disc.groups[rows[row].group];
    std::string& slot = rows[row].track ? group.tracks[*rows[row].track].title : group.title;
    return StoreTitle(disc, slot, title);
}

}  // namespace velutreck
