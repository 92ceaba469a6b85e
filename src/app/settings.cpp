#include "app/settings.h"

#include <string>

namespace velutreck {

namespace {

consteval const SettingRow& Row(std::string_view key) {
    for (const SettingRow& row : SettingRows) {
        if (row.key == key) {
            return row;
        }
    }
    throw "not a settings key";
}

bool AnyValue(Int16) { return true; }

// The window writes nothing else for a compression index or a check state.
bool ZeroOrOne(Int16 value) { return value == 0 || value == 1; }

class SettingsReader {
public:
    explicit SettingsReader(SettingsStore& store) : store_(store) {}

    std::string Text(const SettingRow& row) {
        return store_.ReadSetting(std::string(SettingsApplication), std::string(SettingsSection),
                                  std::string(row.key), std::string(row.defaultValue));
    }

    Int16 Number(const SettingRow& row, bool (*isValid)(Int16)) {
        const std::optional<Int16> stored = ParseStoredNumber(Text(row));
        return stored && isValid(*stored) ? *stored : *ParseStoredNumber(row.defaultValue);
    }

private:
    SettingsStore& store_;
};

class SettingsWriter {
public:
    explicit SettingsWriter(SettingsStore& store) : store_(store) {}

    void Text(const SettingRow& row, const std::string& value) {
        store_.WriteSetting(std::string(SettingsApplication), std::string(SettingsSection), std::string(row.key),
                            value);
    }

    void Number(const SettingRow& row, Int16 value) { Text(row, std::to_string(value.Value())); }

private:
    SettingsStore& store_;
};

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
    SettingsReader read(store);
    controls.txtAudioProject.SetText(read.Text(Row("AudioProject")));
    controls.txtTempFolder.SetText(read.Text(Row("TempFolder")));
    controls.txtImageDrive.SetText(read.Text(Row("ImageDrive")));
    controls.txtSimpleBurner.SetText(read.Text(Row("SimpleBurner")));
    controls.cboCompression.SetListIndex(read.Number(Row("Compression"), ZeroOrOne));
    controls.txtPause.SetText(read.Text(Row("SimpleBurnerPause")));
    controls.chkErase.SetValue(read.Number(Row("EraseMiniDisc"), ZeroOrOne));
    controls.chkNameTracks.SetValue(read.Number(Row("NameTracks"), ZeroOrOne));
    controls.chkOnlyAlpha.SetValue(read.Number(Row("UseOnlyAlpha"), ZeroOrOne));
    hidden.lengthOfNames = read.Number(Row("LengthOfNames"), AnyValue);
    hidden.generalShortPause = read.Number(Row("GeneralShortPause"), AnyValue);
    hidden.generalLongPause = read.Number(Row("GeneralLongPause"), AnyValue);
}

void SaveSettings(SettingsStore& store, const SettingsControls& controls, const HiddenValues& hidden) {
    SettingsWriter write(store);
    write.Text(Row("AudioProject"), controls.txtAudioProject.Text());
    write.Text(Row("TempFolder"), controls.txtTempFolder.Text());
    write.Text(Row("ImageDrive"), controls.txtImageDrive.Text());
    write.Text(Row("SimpleBurner"), controls.txtSimpleBurner.Text());
    write.Number(Row("Compression"), controls.cboCompression.ListIndex());
    write.Text(Row("SimpleBurnerPause"), controls.txtPause.Text());
    write.Number(Row("EraseMiniDisc"), controls.chkErase.Value());
    write.Number(Row("NameTracks"), controls.chkNameTracks.Value());
    write.Number(Row("UseOnlyAlpha"), controls.chkOnlyAlpha.Value());
    write.Number(Row("LengthOfNames"), hidden.lengthOfNames);
    write.Number(Row("GeneralShortPause"), hidden.generalShortPause);
    write.Number(Row("GeneralLongPause"), hidden.generalLongPause);
}

}  // namespace velutreck
