// The one failure type of the program. Every failure Velutreck knows about is thrown as a Failure
// of some kind; a timer tick swallows them one statement at a time, an event handler shows them
// to the user as an "Error: " message box.
#pragma once

#include <stdexcept>
#include <string>

namespace velutreck {

enum class FailureKind {
    Automation,   // a window to activate is missing, a program cannot be started, keys cannot be typed
    NoWindow,     // a started program shows no window yet
    KeyNotation,  // a key sequence that breaks the notation
    Overflow,     // a 16-bit value or a 16-bit-counted length out of range
    FileSystem,   // a file that cannot be deleted, read or written
    Conversion,   // a text that does not convert to a number
    Control,      // a control that cannot be read or written
    // A program that does not respond: it could not be activated, or keys typed into it were not
    // taken within seconds (they wait in its queue and may still take effect).
    NotResponding,
    // A program that took the confirming key of a step but did not answer in time: the step counts
    // as done (Nero has the file whose Enter it was given).
    Unanswered,
    // Windows keeps Velutreck from driving a program that runs at a higher integrity level (as
    // administrator): no key or posted message reaches it. The job cannot go on.
    ElevatedProgram,
    // The program is marked to run as administrator, and Windows will not start it from Velutreck.
    ElevationRequired,
};

class Failure : public std::runtime_error {
public:
    Failure(FailureKind kind, const std::string& message) : std::runtime_error(message), kind_(kind) {}
    FailureKind Kind() const { return kind_; }

private:
    FailureKind kind_;
};

}  // namespace velutreck
