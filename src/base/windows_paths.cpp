#include "base/windows_paths.h"

namespace velutreck {

namespace {

std::string Comparable(std::string_view path) {
    std::string key;
    for (char c : path) {
        key += c == '/' ? '\\' : c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    while (!key.empty() && key.back() == '\\') {
        key.pop_back();
    }
    return key;
}

}  // namespace

bool SamePath(std::string_view a, std::string_view b) { return Comparable(a) == Comparable(b); }

std::optional<std::string> PathBelow(std::string_view path, std::string_view folder) {
    const std::string inside = Comparable(path);
    const std::string outside = Comparable(folder) + '\\';
    if (outside.size() < 2 || inside.size() <= outside.size() || !inside.starts_with(outside)) {
        return std::nullopt;
    }
    std::string rest(path.substr(outside.size()));
    while (!rest.empty() && (rest.back() == '\\' || rest.back() == '/')) {
        rest.pop_back();
    }
    return rest;
}

std::string FolderOfFile(const std::string& filePath) {
    const std::size_t slash = filePath.find_last_of("\\/");
    if (slash == std::string::npos) {
        return {};
    }
    const bool driveRoot = slash == 2 && filePath[1] == ':';
    return filePath.substr(0, driveRoot ? slash + 1 : slash);
}

}  // namespace velutreck
