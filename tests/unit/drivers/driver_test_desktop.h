// A simulated desktop for driver tests: a fake main window to read the settings from, and
// programs that only show a fixed window structure, so that every lookup, key and message of a
// driver operation can be read back from the transcript and from the windows.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "fake_main_window.h"
#include "rehearsal/desktop/sim_desktop.h"
#include "rehearsal/desktop/transcript_text.h"

namespace velutreck {

// A window with its children; the window text doubles as the name tests look it up by.
struct WindowShape {
    std::string className;
    std::string text;
    std::vector<WindowShape> children;
};

// What the structure programs received: "<window text> <message name>" per posted message.
using MessageLog = std::vector<std::string>;

// Shows the windows (after a delay, if given) with the first one focused. A posted click gives
// the clicked window the focus and WM_CLOSE removes a top-level window, as a real program would.
class StructureProgram : public StandIn {
public:
    StructureProgram(std::vector<WindowShape> windows, std::uint32_t delayMs, std::shared_ptr<MessageLog> log)
        : windows_(std::move(windows)), delayMs_(delayMs), log_(std::move(log)) {}

    void Start(StandInHost& host, const std::string&) override {
        host_ = &host;
        if (delayMs_ == 0) {
            Show();
        } else {
            host.RunAfter(delayMs_, [this] { Show(); });
        }
    }
    void OnKey(WindowHandle, const KeyStroke&) override {}
    void OnMessage(WindowHandle window, std::uint32_t message, std::uint32_t, std::uint32_t) override {
        log_->push_back(host_->TextOf(window) + " " + MessageName(message));
        if (message == message::LButtonUp) {
            host_->GiveFocus(window);
        } else if (message == message::Close && topLevel_.contains(window)) {
            host_->RemoveWindow(window);
        }
    }

private:
    // Added from the last, so that the first ends up on top.
    void Show() {
        WindowHandle top = 0;
        for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
            top = Add(0, *it);
            topLevel_.insert(top);
        }
        host_->GiveFocus(top);
    }
    WindowHandle Add(WindowHandle parent, const WindowShape& shape) {
        const WindowHandle window = host_->AddWindow(parent, shape.className, shape.text);
        for (const WindowShape& child : shape.children) {
            Add(window, child);
        }
        return window;
    }

    std::vector<WindowShape> windows_;
    std::uint32_t delayMs_;
    std::shared_ptr<MessageLog> log_;
    StandInHost* host_ = nullptr;
    std::set<WindowHandle> topLevel_;
};

class DriverTest : public ::testing::Test {
protected:
    // Installs a structure program at the path; it runs once started.
    void Install(const std::string& path, std::vector<WindowShape> windows, std::uint32_t delayMs = 0) {
        desktop.InstallProgram(path, [windows, delayMs, log = received] {
            return std::make_unique<StructureProgram>(windows, delayMs, log);
        });
    }
    // Starts a program that shows the windows, and starts the record after it.
    void Show(std::vector<WindowShape> windows) {
        const std::string path = "C:\\Programs\\Structure" + std::to_string(++shown_) + ".exe";
        Install(path, std::move(windows));
        desktop.StartProgram(path);
        Restart();
    }
    void Restart() {
        mark_ = desktop.Transcript().Mark();
        received->clear();
    }

    // Lets the programs handle what was posted or sent to them, without moving time on.
    void Settle() { desktop.Clock().AdvanceBy(0); }

    // The first window with that text, anywhere in the tree; 0 when there is none.
    WindowHandle Named(const std::string& text) const { return Search(0, text); }

    // The record since the start: the calls without the lookups, or the lookups alone.
    std::vector<std::string> Calls() { return Filtered(false); }
    std::vector<std::string> Lookups() { return Filtered(true); }

    SimDesktop desktop;
    FakeMainWindow window;
    DriverContext context{desktop, window};
    std::shared_ptr<MessageLog> received = std::make_shared<MessageLog>();

private:
    WindowHandle Search(WindowHandle parent, const std::string& text) const {
        const WindowTree& tree = desktop.Windows();
        const std::vector<WindowHandle>& list = parent == 0 ? tree.TopLevel() : tree.Window(parent).children;
        for (WindowHandle candidate : list) {
            if (tree.Window(candidate).text == text) {
                return candidate;
            }
            if (const WindowHandle found = Search(candidate, text)) {
                return found;
            }
        }
        return 0;
    }
    std::vector<std::string> Filtered(bool lookups) {
        std::vector<std::string> lines;
        for (const std::string& line : desktop.Transcript().TextsSince(mark_)) {
            if (line.starts_with("FindWindow(") == lookups) {
                lines.push_back(line);
            }
        }
        return lines;
    }

    std::size_t mark_ = 0;
    int shown_ = 0;
};

inline std::vector<std::string> Click(WindowHandle window) {
    const std::string target = "PostMessage(" + std::to_string(window);
    return {target + ", WM_LBUTTONDOWN, 0x0001, 0x00010001)", target + ", WM_LBUTTONUP, 0x0000, 0x00010001)"};
}

}  // namespace velutreck
