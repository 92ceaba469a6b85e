#include "app/settings.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/settings_tab_rules.h"
#include "platform/memory/memory_controls.h"
#include "platform/memory/memory_settings_store.h"

namespace velutreck {
namespace {

// The settings controls of one window, as start-up leaves them before the settings are loaded.
struct Window {
    MemoryTextBox audioProject, tempFolder, imageDrive, simpleBurner, pause;
    MemoryComboBox compression, discLength;
    MemoryCheckBox erase, nameTracks, onlyAlpha;
    HiddenValues hidden{.lengthOfNames = 99, .generalShortPause = 99, .generalLongPause = 99};
    SettingsControls controls{audioProject, tempFolder, imageDrive, simpleBurner, compression,
                              pause,        erase,      nameTracks, onlyAlpha,    discLength};

    Window() {
        FillCompressionList(compression);
        FillDiscLengthList(discLength);
        discLength.SetListIndex(0);
    }
};

TEST(Settings, AnEmptyStoreShowsEveryDefaultAndWritesNothing) {
    MemorySettingsStore store;
    Window window;
    LoadSettings(store, window.controls, window.hidden);

    EXPECT_EQ(window.audioProject.Text(), "(not specified)");
    EXPECT_EQ(window.tempFolder.Text(), "C:\\");
    EXPECT_EQ(window.imageDrive.Text(), "C:\\Program Files\\ahead\\ImageDrive\\ImageDrive.exe");
    EXPECT_EQ(window.simpleBurner.Text(), "C:\\Program Files\\Sony\\Net MD Simple Burner\\NetMDSB.exe");
    EXPECT_EQ(window.compression.Item(window.compression.ListIndex()), "LP4");
    EXPECT_EQ(window.pause.Text(), "30");
    EXPECT_EQ(window.erase.Value(), 1);
    EXPECT_EQ(window.nameTracks.Value(), 1);
    EXPECT_EQ(window.onlyAlpha.Value(), 1);
    EXPECT_EQ(window.hidden.lengthOfNames, 12);
    EXPECT_EQ(window.hidden.generalShortPause, 3);
    EXPECT_EQ(window.hidden.generalLongPause, 30);
    EXPECT_EQ(window.discLength.Item(window.discLength.ListIndex()), "80 minutes");
    EXPECT_TRUE(store.Writes().empty());
}

// What one save wrote reaches the right controls at the next start, and the save after that
// writes it all back, key by key in table order, untouched. Settings stored before the MiniDisc's
// length could be chosen read as they did, and the length follows them as 80 minutes.
TEST(Settings, StoredValuesReachTheirControlsAndAreWrittenBackUnchangedInOrder) {
    const std::vector<SettingWrite> stored{
        {"Velutreck", "Settings", "AudioProject", ""},
        {"Velutreck", "Settings", "TempFolder", "  E:\\Tëmp "},
        {"Velutreck", "Settings", "ImageDrive", "D:\\ImageDrive.exe"},
        {"Velutreck", "Settings", "SimpleBurner", "\\\\server\\NetMDSB.exe"},
        {"Velutreck", "Settings", "Compression", "0"},
        {"Velutreck", "Settings", "SimpleBurnerPause", "4 5"},
        {"Velutreck", "Settings", "EraseMiniDisc", "0"},
        {"Velutreck", "Settings", "NameTracks", "1"},
        {"Velutreck", "Settings", "UseOnlyAlpha", "0"},
        {"Velutreck", "Settings", "LengthOfNames", "20"},
        {"Velutreck", "Settings", "GeneralShortPause", "-32768"},
        {"Velutreck", "Settings", "GeneralLongPause", "32767"},
    };
    MemorySettingsStore store;
    for (const SettingWrite& write : stored) {
        store.WriteSetting(write.application, write.section, write.key, write.value);
    }
    Window window;
    LoadSettings(store, window.controls, window.hidden);

    EXPECT_EQ(window.audioProject.Text(), "");
    EXPECT_EQ(window.tempFolder.Text(), "  E:\\Tëmp ");
    EXPECT_EQ(window.imageDrive.Text(), "D:\\ImageDrive.exe");
    EXPECT_EQ(window.simpleBurner.Text(), "\\\\server\\NetMDSB.exe");
    EXPECT_EQ(window.compression.Item(window.compression.ListIndex()), "LP2");
    EXPECT_EQ(window.pause.Text(), "4 5");
    EXPECT_EQ(window.erase.Value(), 0);
    EXPECT_EQ(window.nameTracks.Value(), 1);
    EXPECT_EQ(window.onlyAlpha.Value(), 0);
    EXPECT_EQ(window.hidden.lengthOfNames, 20);
    EXPECT_EQ(window.hidden.generalShortPause, -32768);
    EXPECT_EQ(window.hidden.generalLongPause, 32767);

    EXPECT_EQ(window.discLength.Item(window.discLength.ListIndex()), "80 minutes");

    SaveSettings(store, window.controls, window.hidden);
    const std::vector<SettingWrite> saved(store.Writes().begin() + stored.size(), store.Writes().end());
    std::vector<SettingWrite> expected = stored;
    expected.push_back({"Velutreck", "Settings", "MiniDiscLength", "80"});
    EXPECT_EQ(saved, expected);
}

TEST(Settings, TheMiniDiscLengthIsStoredAsItsMinutesAndReadBackAtTheNextStart) {
    for (const std::string minutes : {"60", "74", "80"}) {
        MemorySettingsStore store;
        store.WriteSetting("Velutreck", "Settings", "MiniDiscLength", minutes);
        Window window;
        LoadSettings(store, window.controls, window.hidden);
        EXPECT_EQ(window.discLength.Item(window.discLength.ListIndex()), minutes + " minutes");
        SaveSettings(store, window.controls, window.hidden);
        EXPECT_EQ(store.Writes().back(), (SettingWrite{"Velutreck", "Settings", "MiniDiscLength", minutes}));
    }
}

// A number is taken when it is plain decimal within 16 bits and, for the compression index and the
// three check states, 0 or 1, and for the MiniDisc's length 60, 74 or 80; anything else falls back
// to its key's default. Texts are never mended.
TEST(Settings, StoredNumbersTheWindowCouldNotHaveWrittenFallBackToTheirDefaults) {
    struct Case {
        std::string stored;
        std::optional<int> asTuningValue;
        std::optional<int> asStateOrIndex;
    };
    constexpr std::optional<int> mended = std::nullopt;
    const std::vector<Case> cases{
        {"0", 0, 0},          {"1", 1, 1},           {"-0", 0, 0},         {"007", 7, mended},
        {"2", 2, mended},     {"-1", -1, mended},    {"-32768", -32768, mended},
        {"32768", mended, mended},    {"-32769", mended, mended},    {"99999999999999999999", mended, mended},
        {"", mended, mended},         {"-", mended, mended},         {"+1", mended, mended},
        {" 1", mended, mended},       {"1 ", mended, mended},        {"1.0", mended, mended},
        {"0x1", mended, mended},      {"--1", mended, mended},       {"٣", mended, mended},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("stored: \"" + c.stored + "\"");
        MemorySettingsStore store;
        for (const SettingRow& row : SettingRows) {
            store.WriteSetting("Velutreck", "Settings", std::string(row.key), c.stored);
        }
        Window window;
        LoadSettings(store, window.controls, window.hidden);

        EXPECT_EQ(window.compression.ListIndex(), c.asStateOrIndex.value_or(1));
        EXPECT_EQ(window.erase.Value(), c.asStateOrIndex.value_or(1));
        EXPECT_EQ(window.nameTracks.Value(), c.asStateOrIndex.value_or(1));
        EXPECT_EQ(window.onlyAlpha.Value(), c.asStateOrIndex.value_or(1));
        EXPECT_EQ(window.hidden.lengthOfNames, c.asTuningValue.value_or(12));
        EXPECT_EQ(window.hidden.generalShortPause, c.asTuningValue.value_or(3));
        EXPECT_EQ(window.hidden.generalLongPause, c.asTuningValue.value_or(30));
        EXPECT_EQ(window.discLength.Item(window.discLength.ListIndex()), "80 minutes");
        EXPECT_EQ(window.pause.Text(), c.stored);
    }
}

}  // namespace
}  // namespace velutreck
