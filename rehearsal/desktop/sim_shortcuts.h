// Shortcuts on the simulated desktop: a .lnk file in the simulated file system whose contents name
// the program it leads to, so that a test can see it appear, lead somewhere and go away.
#pragma once

#include "platform/shortcuts.h"
#include "rehearsal/desktop/sim_file_system.h"

namespace velutreck {

class SimShortcuts : public Shortcuts {
public:
    explicit SimShortcuts(SimFileSystem& files) : files_(files) {}

    std::optional<std::string> Target(const std::string& shortcut) const override;
    // Written as a file, so its folder must exist and take files.
    void Create(const std::string& shortcut, const std::string& program) override;

private:
    SimFileSystem& files_;
};

}  // namespace velutreck
