// The user's settings from one start of the program to the next: four paths, the compression, the
// time given to Simple Burner, three check boxes, the three hidden tuning values and the MiniDisc's
// length. Loaded once at start-up, saved on every press of Start or Stop; a run reads the controls,
// never the store.
#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "base/int16.h"
#include "engine/hidden_values.h"
#include "engine/setting_value.h"
#include "platform/controls.h"
#include "platform/settings_store.h"

namespace velutreck {

// The controls that hold settings.
struct SettingsControls {
    TextBox& txtAudioProject;
    TextBox& txtTempFolder;
    TextBox& txtImageDrive;
    TextBox& txtSimpleBurner;
    ComboBox& cboCompression;
    TextBox& txtPause;
    CheckBox& chkErase;
    CheckBox& chkNameTracks;
    CheckBox& chkOnlyAlpha;
    ComboBox& cboDiscLength;
};

inline constexpr std::string_view SettingsApplication = "Velutreck";
inline constexpr std::string_view SettingsSection = "Settings";

struct SettingRow {
    std::string_view key;
    std::string_view defaultValue;  // what a key that was never written reads as
};

// The keys in the order they are loaded, saved and logged; each names its setting only here.
inline constexpr auto SettingRows = std::to_array<SettingRow>({
    {"AudioProject", "(not specified)"},
    {"TempFolder", "C:\\"},
    {"ImageDrive", "C:\\Program Files\\ahead\\ImageDrive\\ImageDrive.exe"},
    {"SimpleBurner", "C:\\Program Files\\Sony\\Net MD Simple Burner\\NetMDSB.exe"},
    {"Compression", "1"},
    {"SimpleBurnerPause", "30"},
    {"EraseMiniDisc", "1"},
    {"NameTracks", "1"},
    {"UseOnlyAlpha", "1"},
    {"LengthOfNames", "12"},
    {"GeneralShortPause", "3"},
    {"GeneralLongPause", "30"},
    // Came later, so it is last: the keys before it load, save and log as they always did.
    {"MiniDiscLength", "80"},
});

// Fills the controls and the hidden values from the store. Texts are taken exactly as stored. A
// number that is not a plain decimal 16-bit integer, a compression index or check state other
// than 0 and 1, or a MiniDisc length that is not listed, falls back to its key's default. The
// compression and length lists must hold their items already.
void LoadSettings(SettingsStore& store, const SettingsControls& controls, HiddenValues& hidden);

// Every key with the value it is saved with, in table order, numbers as plain decimal.
std::vector<SettingValue> CurrentSettings(const SettingsControls& controls, const HiddenValues& hidden);

// Writes every key of CurrentSettings with a call of its own.
void SaveSettings(SettingsStore& store, const SettingsControls& controls, const HiddenValues& hidden);

// A stored number: an optional minus sign and at least one digit, nothing else, within 16 bits.
std::optional<Int16> ParseStoredNumber(std::string_view text);

}  // namespace velutreck
