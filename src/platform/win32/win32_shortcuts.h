// Shortcuts on real Windows: .lnk files written and read through the shell's IShellLinkW and
// IPersistFile. The thread must have COM initialised (Velutreck's has OLE).
#pragma once

#include "platform/shortcuts.h"

namespace velutreck {

class Win32Shortcuts : public Shortcuts {
public:
    std::optional<std::string> Target(const std::string& shortcut) const override;
    void Create(const std::string& shortcut, const std::string& program) override;
};

}  // namespace velutreck
