#include <gtest/gtest.h>

#include "rehearsal/standins/cd_image.h"
#include "rehearsal/standins/edit_buffer.h"
#include "rehearsal/standins/image_drive_stand_in.h"
#include "rehearsal/standins/key_text.h"
#include "rehearsal/standins/mini_disc.h"
#include "sim_test_support.h"

namespace velutreck {
namespace {

using sim_test::Keys;

MiniDisc TwoGroups() {
    MiniDisc disc;
    disc.groups.push_back({"", {{"", "A.mp3", "LP2"}, {"", "B.mp3", "LP2"}}});
    disc.groups.push_back({"", {{"", "C.mp3", "LP4"}}});
    return disc;
}

TEST(MiniDiscTest, TheTrackListShowsAHeaderRowPerGroupAndAHeaderRowNamesItsGroup) {
    MiniDisc disc = TwoGroups();
    SetRowTitle(disc, 0, "Alpha");
    SetRowTitle(disc, 1, "Alpha");
    SetRowTitle(disc, 2, "Beta");
    SetRowTitle(disc, 3, "Gamma");
    SetRowTitle(disc, 4, "Gamma");

    EXPECT_EQ(disc.groups[0].title, "Alpha");
    EXPECT_EQ(disc.groups[0].tracks[0].title, "Alpha");
    EXPECT_EQ(disc.groups[0].tracks[1].title, "Beta");
    EXPECT_EQ(disc.groups[1].title, "Gamma");
    EXPECT_EQ(disc.groups[1].tracks[0].title, "Gamma");
    EXPECT_EQ(RowTitles(disc), (std::vector<std::string>{"Alpha", "Alpha", "Beta", "Gamma", "Gamma"}));
    EXPECT_EQ(TrackCount(disc), 3u);
    EXPECT_THROW(SetRowTitle(disc, 5, "none"), std::out_of_range);
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
    EXPECT_EQ(TitleCellsUsed(disc), TitleCells);
    EXPECT_EQ(SetRowTitle(disc, 3, "No room"), "");

    // Replacing a title frees its own cells first; characters count, not bytes.
    EXPECT_EQ(SetDiscTitle(disc, "Ärger über Öl"), "Ärger ü");
}

TEST(CdImageTest, TheImageListsItsSourcesInOrderAndAnythingElseHasNoTracks) {
    const std::vector<std::string> sources = {"C:\\Music\\B.mp3", "C:\\Music\\A (live).mp3"};
    EXPECT_EQ(CdImageTracks(CdImageText(sources)), sources);
    EXPECT_TRUE(CdImageTracks(CdImageText({})).empty());
    EXPECT_TRUE(CdImageTracks("Nero image without tracks\nC:\\Music\\A.mp3\n").empty());
    EXPECT_TRUE(CdImageTracks("").empty());
}

TEST(EditBufferTest, HomeAndShiftEndSelectTheWholeTextAndTypingReplacesIt) {
    EditBuffer name("Old Name");
    for (const KeyStroke& key : Keys("{HOME}+{END}New {(}2003{)}").strokes) {
        EXPECT_TRUE(name.Key(key));
    }
    EXPECT_EQ(name.Text(), "New (2003)");

    for (const KeyStroke& key : Keys("{HOME}{DEL}n{END}{BS}{BS}{LEFT}+a").strokes) {
        name.Key(key);
    }
    EXPECT_EQ(name.Text(), "new (20A0");
    EXPECT_FALSE(name.Key(Keys("%y").strokes[0]));
    EXPECT_FALSE(name.Key(Keys("{F2}").strokes[0]));
}

TEST(KeyTextTest, KeysReadAsPeopleWriteThemAndAltLettersMatchInEitherCase) {
    const auto strokes = Keys("%(Y)%y+{END}~{esc}%{F4}^a+bé").strokes;
    std::vector<std::string> texts;
    for (const KeyStroke& key : strokes) {
        texts.push_back(KeyText(key));
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"Alt+Y", "Alt+Y", "Shift+End", "Enter", "Esc", "Alt+F4", "Ctrl+A",
                                                "Shift+B", "é"}));
    EXPECT_TRUE(IsAltLetter(strokes[0], 'y'));
    EXPECT_TRUE(IsAltLetter(strokes[1], 'Y'));
    EXPECT_FALSE(IsAltLetter(strokes[6], 'a'));
}

TEST(ImageDriveTest, TheImagePathLosesTheApostrophesAroundIt) {
    EXPECT_EQ(ImageDriveImagePath("'C:\\Program Files\\Velutreck\\Empty.nrg'"), "C:\\Program Files\\Velutreck\\Empty.nrg");
    EXPECT_EQ(ImageDriveImagePath("C:\\~TmpVelutreck.nrg"), "C:\\~TmpVelutreck.nrg");
    EXPECT_EQ(ImageDriveImagePath("'"), "'");
}

}  // namespace
}  // namespace velutreck
