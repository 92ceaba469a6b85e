// The shell's shortcuts (.lnk files), as Explorer's Send to menu lists them.
#pragma once

#include <optional>
#include <string>

namespace velutreck {

class Shortcuts {
public:
    Shortcuts() = default;
    Shortcuts(const Shortcuts&) = delete;
    Shortcuts& operator=(const Shortcuts&) = delete;
    virtual ~Shortcuts() = default;

    // The full path of the file the shortcut leads to; none when there is no shortcut there or it
    // cannot be read.
    virtual std::optional<std::string> Target(const std::string& shortcut) const = 0;
    // Creates or replaces the shortcut, leading to the program file; throws a FileSystem failure
    // when it cannot be saved.
    virtual void Create(const std::string& shortcut, const std::string& program) = 0;
};

}  // namespace velutreck
