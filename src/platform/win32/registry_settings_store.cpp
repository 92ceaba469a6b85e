#include "platform/win32/registry_settings_store.h"

#include <memory>
#include <optional>
#include <type_traits>

#include "base/failure.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace velutreck {

namespace {

struct KeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using RegistryKey = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

std::wstring SectionPath(const std::string& application, const std::string& section) {
    return L"Software\\VB and VBA Program Settings\\" + Widen(application) + L"\\" + Widen(section);
}

// The string as stored, up to its terminator; nothing when the value is missing or not a string.
std::optional<std::wstring> ReadString(HKEY section, const std::wstring& name) {
    DWORD type = 0;
    DWORD size = 0;
    while (true) {
        std::wstring buffer(size / sizeof(wchar_t) + 1, L'\0');
        DWORD capacity = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        const LONG result =
            RegQueryValueExW(section, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &capacity);
        if (result == ERROR_MORE_DATA) {
            size = capacity;
            continue;
        }
        if (result != ERROR_SUCCESS || type != REG_SZ) {
            return std::nullopt;
        }
        buffer.resize(capacity / sizeof(wchar_t));
        return buffer.substr(0, buffer.find(L'\0'));
    }
}

}  // namespace

std::string RegistrySettingsStore::ReadSetting(const std::string& application, const std::string& section,
                                               const std::string& key, const std::string& defaultValue) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, SectionPath(application, section).c_str(), 0, KEY_QUERY_VALUE, &opened) !=
        ERROR_SUCCESS) {
        return defaultValue;
    }
    const RegistryKey sectionKey(opened);
    const std::optional<std::wstring> stored = ReadString(sectionKey.get(), Widen(key));
    return stored ? Narrow(*stored) : defaultValue;
}

void RegistrySettingsStore::WriteSetting(const std::string& application, const std::string& section,
                                         const std::string& key, const std::string& value) {
    HKEY created = nullptr;
    LONG result = RegCreateKeyExW(HKEY_CURRENT_USER, SectionPath(application, section).c_str(), 0, nullptr, 0,
                                  KEY_SET_VALUE, nullptr, &created, nullptr);
    if (result == ERROR_SUCCESS) {
        const RegistryKey sectionKey(created);
        const std::wstring wideValue = Widen(value);
        result = RegSetValueExW(sectionKey.get(), Widen(key).c_str(), 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(wideValue.c_str()),
                                static_cast<DWORD>((wideValue.size() + 1) * sizeof(wchar_t)));
    }
    if (result != ERROR_SUCCESS) {
        throw Failure(FailureKind::FileSystem, "The setting \"" + key + "\" cannot be saved.");
    }
}

}  // namespace velutreck
