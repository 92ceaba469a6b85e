#include "app/settings.h"

#include <string>

#include "tracklist/media_limits.h"

namespace velutreck {

namespace {

// Where a row's value lives in the window: a text box, a compression index, a check box, a hidden
// tuning value or the MiniDisc length list, stored as minutes. Exactly one is set.
struct Binding {
    TextBox* text = nullptr;
    ComboBox* index = nullptr;
    CheckBox* check = nullptr;
    Int16* number = nullptr;
    ComboBox* minutes = nullptr;
};

// One binding for each row of SettingRows, in the same order.
auto Bindings(const SettingsControls& controls, HiddenValues& hidden) {
    const auto bindings = std::to_array<Binding>({
        {.text = &controls.txtAudioProject},
        {.text = &controls.txtTempFolder},
        {.text = &controls.txtImageDrive},
        {.text = &controls.txtSimpleBurner},
        {.index = &controls.cboCompression},
        {.text = &controls.txtPause},
        {.check = &controls.chkErase},
        {.check = &controls.chkNameTracks},
        {.check = &controls.chkOnlyAlpha},
        {.number = &hidden.lengthOfNames},
        {.number = &hidden.generalShortPause},
        {.number = &hidden.generalLongPause},
        {.minutes = &controls.cboDiscLength},
    });
    // A row without a binding would have no value to load or save.
    static_assert(std::tuple_size_v<decltype(bindings)> == SettingRows.size());
    return bindings;
}

std::string StoredValue(const Binding& binding) {
    if (binding.text != nullptr) {
        return binding.text->Text();
    }
    const Int16 number = binding.index != nullptr     ? binding.index->ListIndex()
                         : binding.check != nullptr   ? binding.check->Value()
                         : binding.minutes != nullptr ? Int16(MiniDiscMinutesAt(binding.minutes->ListIndex()))
                                                      : *binding.number;
    return std::to_string(number.Value());
}

// A number as stored, or the row's default when it is not one the window can take: the window
// writes nothing but 0 and 1 for a compression index or a check state.
Int16 StoredNumber(const std::string& stored, const SettingRow& row, bool zeroOrOne) {
    const std::optional<Int16> number = ParseStoredNumber(stored);
    const bool valid = number && (!zeroOrOne || *number == 0 || *number == 1);
    return valid ? *number : *ParseStoredNumber(row.defaultValue);
}

void Load(const Binding& binding, const SettingRow& row, const std::string& stored) {
    if (binding.text != nullptr) {
        binding.text->SetText(stored);
    } else if (binding.index != nullptr) {
        binding.index->SetListIndex(StoredNumber(stored, row, true));
    } else if (binding.check != nullptr) {
        binding.check->SetValue(StoredNumber(stored, row, true));
    } else if (binding.minutes != nullptr) {
        const Int16 index = MiniDiscLengthIndex(static_cast<int>(StoredNumber(stored, row, false)));
        binding.minutes->SetListIndex(index >= 0 ? index : MiniDiscLengthIndex(DefaultMiniDiscMinutes));
    } else {
        *binding.number = StoredNumber(stored, row, false);
    }
}

}  // namespace

std::optional<Int16> ParseStoredNumber(std::string_view text) {
    const bool negative = text.starts_with('-');
    const std::string_view digits = negative ? text.substr(1) : text;
    if (digits.empty()) {
        return std::nullopt;
    }
    long long magnitude = 0;
    for (char digit : digits) {
        if (digit < '0' || digit > '9') {
            return std::nullopt;
        }
        magnitude = magnitude * 10 + (digit - '0');
        if (magnitude > -Int16::Min) {
            return std::nullopt;
        }
    }
    const long long value = negative ? -magnitude : magnitude;
    if (value > Int16::Max) {
        return std::nullopt;
    }
    return Int16(value);
}

void LoadSettings(SettingsStore& store, const SettingsControls& controls, HiddenValues& hidden) {
    const auto bindings = Bindings(controls, hidden);
    for (std::size_t row = 0; row < SettingRows.size(); ++row) {
        const std::string stored =
            store.ReadSetting(std::string(SettingsApplication), std::string(SettingsSection),
                              std::string(SettingRows[row].key), std::string(SettingRows[row].defaultValue));
        Load(bindings[row], SettingRows[row], stored);
    }
}

std::vector<SettingValue> CurrentSettings(const SettingsControls& controls, const HiddenValues& hidden) {
    HiddenValues values = hidden;
    const auto bindings = Bindings(controls, values);
    std::vector<SettingValue> settings;
    for (std::size_t row = 0; row < SettingRows.size(); ++row) {
        settings.push_back({SettingRows[row].key, StoredValue(bindings[row])});
    }
    return settings;
}

void SaveSettings(SettingsStore& store, const SettingsControls& controls, const HiddenValues& hidden) {
    for (const SettingValue& setting : CurrentSettings(controls, hidden)) {
        store.WriteSetting(std::string(SettingsApplication), std::string(SettingsSection), std::string(setting.key),
                           setting.value);
    }
}

}  // namespace velutreck
