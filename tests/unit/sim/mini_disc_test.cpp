#include <gtest/gtest.h>

#include "rehearsal/standins/mini_disc.h"

namespace velutreck {
namespace {

MiniDisc TwoGroups() {
    MiniDisc disc;
    disc.groups.push_back({"", {{"", "A.mp3", "LP2"}, {"", "B.mp3", "LP2"}}});
    disc.groups.push_back({"", {{"", "C.mp3", "LP4"}}});
    return disc;
}

TEST(MiniDiscTest, TitlesTakeWholeCellsAndATitleWithoutRoomIsCutToTheCellsLeft) {
    MiniDisc disc = TwoGroups();
    EXPECT_EQ(SetDiscTitle(disc, "1234567"), "1234567");
    EXPECT_EQ(TitleCellsUsed(disc), 1);
    EXPECT_EQ(SetRowTitle(disc, 1, "12345678"), "12345678");
    EXPECT_EQ(TitleCellsUsed(disc), 3);

    // 252 cells are free: a title of 253 cells keeps 252 of them.
    const std::string huge(253 * CellCharacters, 'x');
    EXPECT_EQ(SetRowTitle(disc, 2, huge), std::string(252 * CellCharacters, 'x'));
    EXPECT_EQ(TitleCellsUsed(disc), DiscTitleCells);
    EXPECT_EQ(SetRowTitle(disc, 3, "No room"), "");

    // Replacing a title frees its own cells first; characters count, not bytes.
    EXPECT_EQ(SetDiscTitle(disc, "Ärger über Öl"), "Ärger ü");
}

}  // namespace
}  // namespace velutreck
