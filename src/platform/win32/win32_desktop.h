// The desktop on real Windows: the other programs' windows found, posted to, typed into and
// activated through user32, programs started with CreateProcess and documents opened by the shell.
#pragma once

#include "platform/desktop.h"

namespace velutreck {

class Win32Desktop : public Desktop {
public:
    // How long a waited injection waits for a program that takes none of its keys.
    static constexpr unsigned WaitedInjectionTimeoutMs = 5000;

    WindowHandle FindWindow(WindowHandle parent, WindowHandle childAfter, const std::optional<std::string>& className,
                            const std::optional<std::string>& caption) override;
    void PostMessage(WindowHandle window, std::uint32_t message, std::uint32_t wParam, std::uint32_t lParam) override;
    void InjectKeys(const KeySequence& keys, bool waited) override;
    void ActivateByTitle(const std::string& title) override;
    void ActivateByTask(TaskId task) override;
    TaskId StartProgram(const std::string& commandLine) override;
    std::string WindowText(WindowHandle window) override;
    std::string ShellOpen(WindowHandle owner, const std::string& file, const std::string& parameters) override;
    void Pause(std::uint32_t milliseconds) override;
    void KeepAwake(bool awake) override;
    bool LatinLayoutInstalled() override;

private:
    void RefuseUnlessIntended(const KeySequence& keys);
    void AwaitForeground();

    // The process that keys are meant for: the one last activated or started; 0 before either.
    std::uint32_t intendedProgram_ = 0;
};

}  // namespace velutreck
