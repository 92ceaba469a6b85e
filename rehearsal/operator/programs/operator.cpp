// Operates Velutreck.exe from outside, one action per run, for scripts/demo and scripts/bench-job:
//   operator wait [seconds]             waits for Velutreck's window
//   operator press <control>            presses a button by its name in the layout ("btnQuit")
//   operator type <control> <text>      types the text into a text box over what it holds
//   operator add <folder> <name>...     adds files through Add and the open-file dialog
//   operator answer ok|cancel           answers Velutreck's message box and prints its text
//   operator report                     prints the caption, the run button and the track list
//   operator run [--timeout <seconds>] [--shots <prefix>]
//                                       presses Start, answers the checklist with OK and watches
//                                       the job to its end, printing each step, taking a
//                                       screenshot of each into build/screenshots/ when asked,
//                                       and comparing the job's time with the waits it prescribes
// The exit code is 0 when the action (or the job) succeeded, 1 when it failed, 2 for bad usage.
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "rehearsal/operator/command_line_words.h"
#include "rehearsal/operator/job_screenshots.h"
#include "rehearsal/operator/job_watch.h"
#include "rehearsal/operator/open_dialog.h"
#include "rehearsal/operator/operator_actions.h"
#include "platform/win32/wide_text.h"
#include "rehearsal/benchmark/prescribed_waits.h"
#include "rehearsal/operator/velutreck_process.h"

namespace {

using namespace velutreck;
using namespace velutreck::operating;

constexpr DWORD WindowTimeoutMs = 30000;
constexpr DWORD BoxTimeoutMs = 15000;

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

HWND Velutreck(DWORD timeoutMs = WindowTimeoutMs) {
    const HWND window = WaitForVelutreck(timeoutMs);
    if (window == nullptr) {
        throw std::runtime_error("Velutreck's window is not there.");
    }
    return window;
}

ControlId Control(const std::string& name) {
    const std::optional<ControlId> id = ControlNamed(name);
    if (!id) {
        throw UsageError("Velutreck's window has no control named " + name + ".");
    }
    return *id;
}

int Setting(const std::string& key, int fallback) {
    try {
        return std::stoi(windowtest::StoredSetting(key).value_or(std::to_string(fallback)));
    } catch (const std::exception&) {
        return fallback;
    }
}

// What the job will wait, from the settings Velutreck runs it with.
PrescribedWaits PrescribedFor(HWND window) {
    const JobShape job = ShapeOfList(ListEntries(window), IsChecked(window, ControlId::chkErase),
                                     IsChecked(window, ControlId::chkNameTracks));
    const JobTunings tunings{Setting("GeneralShortPause", 3), Setting("GeneralLongPause", 30),
                             windowtest::TextOf(ControlOf(window, ControlId::txtPause))};
    return PrescribedJobWaits(job, tunings);
}

void Shoot(const std::optional<std::wstring>& prefix, std::size_t number, const std::string& what) {
    if (prefix) {
        ShootScreen(StepShotPath(ScreenshotsFolder(), *prefix, number, what));
    }
}

int Run(const std::vector<std::string>& options) {
    DWORD timeoutMs = 600000;
    std::optional<std::wstring> shots;
    for (std::size_t i = 0; i + 1 < options.size(); i += 2) {
        if (options[i] == "--timeout") {
            timeoutMs = static_cast<DWORD>(std::stoul(options[i + 1]) * 1000);
        } else if (options[i] == "--shots") {
            shots = Widen(options[i + 1]);
        } else {
            throw UsageError("Unknown option " + options[i] + ".");
        }
    }
    const HWND window = Velutreck();
    const PrescribedWaits prescribed = PrescribedFor(window);
    const ULONGLONG start = GetTickCount64();
    const auto seconds = [&] { return static_cast<double>(GetTickCount64() - start) / 1000.0; };

    Press(window, ControlId::btnStartStop);
    if (!windowtest::Eventually([&] { return OpenMessageBox(window) != nullptr; }, BoxTimeoutMs)) {
        throw std::runtime_error("Start showed no checklist.");
    }
    Shoot(shots, 0, "checklist");
    AnswerMessageBox(window, Answer::Ok, BoxTimeoutMs);
    std::printf("%6.1f s  checklist answered with OK\n", seconds());
    std::fflush(stdout);
    const JobWatch watch = WatchJob(window, timeoutMs, [&](std::size_t number, const std::string& caption) {
        std::printf("%6.1f s  %s\n", seconds(), caption.c_str());
        std::fflush(stdout);
        Shoot(shots, number + 1, caption);
    });
    const double took = seconds();
    if (watch.message) {
        std::printf("The job stopped with a message: %s\n", watch.message->c_str());
        return 1;
    }
    if (!watch.ended) {
        std::printf(watch.windowClosed ? "Velutreck closed during the job.\n" : "The job did not end in time.\n");
        return 1;
    }
    const double waits = static_cast<double>(prescribed.TotalMs()) / 1000.0;
    std::printf("Job time %.1f s; the waits it prescribes: %.1f s (%d ticks and %.1f s of pauses); "
                "overhead ratio %.3f\n",
                took, waits, prescribed.ticks, static_cast<double>(prescribed.driverPausesMs) / 1000.0, took / waits);
    return 0;
}

void Report(HWND window) {
    std::printf("Caption: %s\nRun button: %s\n", CaptionOf(window).c_str(),
                CaptionOf(ControlOf(window, ControlId::btnStartStop)).c_str());
    const std::vector<std::string> entries = ListEntries(window);
    std::printf("Track list: %zu entries\n", entries.size());
    for (const std::string& entry : entries) {
        std::printf("  %s\n", entry.c_str());
    }
}

int Perform(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        throw UsageError("No action given.");
    }
    const std::string& action = arguments[0];
    const std::size_t count = arguments.size();
    if (action == "wait") {
        Velutreck(count > 1 ? static_cast<DWORD>(std::stoul(arguments[1]) * 1000) : WindowTimeoutMs);
    } else if (action == "press" && count == 2) {
        Press(Velutreck(), Control(arguments[1]));
    } else if (action == "type" && count == 3) {
        TypeInto(Velutreck(), Control(arguments[1]), arguments[2]);
    } else if (action == "add" && count >= 3) {
        AddFiles(Velutreck(), arguments[1], std::vector<std::string>(arguments.begin() + 2, arguments.end()));
    } else if (action == "answer" && count == 2 && (arguments[1] == "ok" || arguments[1] == "cancel")) {
        const Answer answer = arguments[1] == "ok" ? Answer::Ok : Answer::Cancel;
        std::printf("%s\n", AnswerMessageBox(Velutreck(), answer, BoxTimeoutMs).c_str());
    } else if (action == "report" && count == 1) {
        Report(Velutreck());
    } else if (action == "run") {
        return Run(std::vector<std::string>(arguments.begin() + 1, arguments.end()));
    } else {
        throw UsageError("Unknown action or wrong arguments: " + action + ".");
    }
    return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    try {
        return Perform(operating::CommandLineWords());
    } catch (const UsageError& error) {
        std::fprintf(stderr, "operator: %s\n", error.what());
        return 2;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "operator: %s\n", error.what());
        return 1;
    }
}
