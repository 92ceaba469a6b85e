// The standard simulated desktop with the three driven programs, and the drivers called on it in
// their calling orders, waiting between calls as the engine's ticks will. Failures are ignored the
// way a tick ignores them: the operation ends and the job carries on.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/failure.h"
#include "rehearsal/desktop/standard_desktop.h"
#include "unit/drivers/fake_main_window.h"

namespace velutreck {

class DriversOnDesktop : public ::testing::Test {
protected:
    DriversOnDesktop() {
        window.audioProject = standard_desktop::AudioProject;
        window.tempFolder = standard_desktop::TempFolder;
        window.programFolder = standard_desktop::ProgramFolder;
        window.owner = desktop->OwnWindow();
    }

    void Wait(int seconds) { desktop->Pause(static_cast<std::uint32_t>(seconds) * 1000); }

    static void Tick(const std::function<void()>& step) {
        try {
            step();
        } catch (const Failure&) {
        }
    }

    // Calls the step once a second until it gives a window; false when it never does.
    bool PollUntil(const std::function<WindowHandle()>& step, int seconds = 600) {
        for (int n = 0; n < seconds; ++n) {
            if (step() != 0) {
                return true;
            }
            Wait(1);
        }
        return false;
    }

    // Keys that reached no program, or reached one that did not expect them.
    std::vector<std::string> StrayKeys() {
        std::vector<std::string> stray;
        for (const std::string& line : desktop->Transcript().Texts()) {
            if (line.find("stray key") != std::string::npos || line.starts_with("Keys ")) {
                stray.push_back(line);
            }
        }
        return stray;
    }

    bool Showing(const std::string& title) const { return desktop->Windows().Find(0, 0, std::nullopt, title) != 0; }

    std::unique_ptr<SimDesktop> desktop = MakeStandardDesktop();
    FakeMainWindow window;
    DriverContext context{*desktop, window};
};

}  // namespace velutreck
