#include "program_arguments.h"

#include <vector>

#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace velutreck {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWithPath(std::string_view text, std::string_view path) {
    if (path.empty() || text.size() < path.size()) {
        return false;
    }
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (Lower(text[i]) != Lower(path[i])) {
            return false;
        }
    }
    return text.size() == path.size() || IsBlank(text[path.size()]);
}

std::string_view SkipBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

std::string ModulePath() {
    std::vector<wchar_t> path(MAX_PATH);
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) == path.size()) {
        path.resize(path.size() * 2);
    }
    return Narrow(std::wstring_view(path.data(), length));
}

}  // namespace

std::string ProgramArguments(std::string_view commandLine, std::string_view programPath) {
    std::string_view rest = SkipBlanks(commandLine);
    if (!rest.empty() && rest.front() == '"') {
        const std::size_t closing = rest.find('"', 1);
        rest.remove_prefix(closing == std::string_view::npos ? rest.size() : closing + 1);
    } else if (StartsWithPath(rest, programPath)) {
        rest.remove_prefix(programPath.size());
    } else {
        std::size_t end = 0;
        while (end < rest.size() && !IsBlank(rest[end])) {
            ++end;
        }
        rest.remove_prefix(end);
    }
    return std::string(SkipBlanks(rest));
}

std::string Unquoted(const std::string& text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        return text.substr(1, text.size() - 2);
    }
    return text;
}

std::string CommandLineArguments() { return ProgramArguments(Narrow(GetCommandLineW()), ModulePath()); }

std::optional<std::string> EnvironmentValue(const std::string& name) {
    const std::wstring wideName = Widen(name);
    const DWORD size = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
    if (size == 0) {
        return std::nullopt;
    }
    std::wstring value(size, L'\0');
    value.resize(GetEnvironmentVariableW(wideName.c_str(), value.data(), size));
    return Narrow(value);
}

}  // namespace velutreck
