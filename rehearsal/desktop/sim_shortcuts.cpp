#include "rehearsal/desktop/sim_shortcuts.h"

namespace velutreck {

namespace {

const std::string TargetPrefix = "Shortcut to ";

}  // namespace

std::optional<std::string> SimShortcuts::Target(const std::string& shortcut) const {
    const std::optional<std::string> contents = files_.ReadFile(shortcut);
    if (!contents || !contents->starts_with(TargetPrefix)) {
        return std::nullopt;
    }
    return contents->substr(TargetPrefix.size());
}

void SimShortcuts::Create(const std::string& shortcut, const std::string& program) {
    files_.WriteFile(shortcut, TargetPrefix + program);
}

}  // namespace velutreck
