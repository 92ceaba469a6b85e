// Helpers of the simulator's tests: key sequences in the program's notation, a click as the
// drivers post it, and a scripted stand-in that lets a test make windows and see what arrives.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "drivers/key_notation.h"
#include "rehearsal/desktop/sim_desktop.h"
#include "rehearsal/standins/key_text.h"
#include "rehearsal/standins/stand_in.h"

namespace velutreck::sim_test {

inline KeySequence Keys(const std::string& notation) { return ParseKeys(notation); }

inline void Click(SimDesktop& desktop, WindowHandle window) {
    desktop.PostMessage(window, message::LButtonDown, 0x0001, 0x00010001);
    desktop.PostMessage(window, message::LButtonUp, 0x0000, 0x00010001);
}

// Records every key and message it receives; a test may react to keys through onKey.
class ScriptedStandIn : public StandIn {
public:
    void Start(StandInHost& startedHost, const std::string& startArguments) override {
        host = &startedHost;
        arguments = startArguments;
    }
    void OnKey(WindowHandle window, const KeyStroke& key) override {
        events.push_back(std::to_string(window) + " " + KeyText(key));
        if (onKey) {
            onKey(window, key);
        }
    }
    void OnMessage(WindowHandle window, std::uint32_t message, std::uint32_t, std::uint32_t) override {
        events.push_back(std::to_string(window) + " message " + std::to_string(message));
    }

    StandInHost* host = nullptr;
    std::string arguments;
    std::vector<std::string> events;
    std::function<void(WindowHandle, const KeyStroke&)> onKey;
};

// Installs a scripted program at the path; started copies are kept in the order they started.
inline void InstallScripted(SimDesktop& desktop, const std::string& path, std::vector<ScriptedStandIn*>& started) {
    desktop.InstallProgram(path, [&started] {
        auto standIn = std::make_unique<ScriptedStandIn>();
        started.push_back(standIn.get());
        return standIn;
    });
}

}  // namespace velutreck::sim_test
