#include "drivers/modNetMDSimpleBurner.h"

#include <optional>
#include <string>

#include "base/failure.h"
#include "drivers/modPublic.h"

namespace velutreck {

namespace {

// The main window and the completion message share this caption; the message lies on top.
const std::string MainCaption = "Net MD Simple Burner";
const std::string DialogClass = "#32770";
const std::string StaticClass = "Static";
const std::string CompletionText = "Recording is complete.";

WindowHandle FindMainWindow(const DriverContext& context) {
    return context.desktop.FindWindow(0, 0, std::nullopt, MainCaption);
}

// A search under parent 0 would roam every top-level window on the desktop, so a missing parent
// yields no child rather than some other program's window.
WindowHandle FindChild(const DriverContext& context, WindowHandle parent, WindowHandle after,
                       const std::optional<std::string>& className, const std::optional<std::string>& caption) {
    return parent == 0 ? 0 : context.desktop.FindWindow(parent, after, className, caption);
}

// The class's next child after the given one. After 0 the search would start over at the first
// child (the third "Static" of a window with one would be the first), so it stops there.
WindowHandle FindNextOfClass(const DriverContext& context, WindowHandle parent, WindowHandle previous,
                             const std::string& className) {
    return previous == 0 ? 0 : FindChild(context, parent, previous, className, std::nullopt);
}

// The second dialog panel holds the erase button, the disc name and the track list.
WindowHandle FindPanel(const DriverContext& context) {
    const WindowHandle main = FindMainWindow(context);
    const WindowHandle first = FindChild(context, main, 0, DialogClass, std::nullopt);
    return FindNextOfClass(context, main, first, DialogClass);
}

}  // namespace

void SimpleBurnerStart(const DriverContext& context) {
    const TaskId task = context.desktop.StartProgram(context.window.SimpleBurner());
    ActivateTask(context, task);
}

void SimpleBurnerClickAllErase(const DriverContext& context) {
    const WindowHandle button = FindChild(context, FindPanel(context), 0, std::nullopt, "All Erase");
    // A click posted to no window reaches nothing; the erase must not count as asked for.
    if (button == 0) {
        throw Failure(FailureKind::Automation, "Simple Burner shows no \"All Erase\" button.");
    }
    PostClick(context, button);
}

void SimpleBurnerConfirmErase(const DriverContext& context) {
    ActivateTitled(context, MainCaption);
    // Alt must stay down while Y is typed for Simple Burner to take it as "Yes".
    SendKeys(context, "%(Y)");
}

void SimpleBurnerClose(const DriverContext& context) {
    const WindowHandle main = FindMainWindow(context);
    if (main == 0) {
        throw Failure(FailureKind::Automation, "Simple Burner shows no main window to close.");
    }
    context.desktop.PostMessage(main, message::Close, 0, 0);
}

void SimpleBurnerSetCompression(const DriverContext& context) {
    // The Down key is posted and needs no focus: an Esc that could not be typed must not cost the
    // recording its mode. Its failure is passed on once the mode is set.
    std::optional<Failure> escapeFailed;
    try {
        SendKeys(context, "{esc}");
    } catch (const Failure& failure) {
        escapeFailed = failure;
    }
    PauseGeneral(context);
    // Simple Burner starts at LP2, the first entry; LP4 is one entry below it.
    if (context.window.Compression() == 1) {
        const WindowHandle box = FindChild(context, FindMainWindow(context), 0, "ComboBox", std::nullopt);
        if (box == 0) {
            throw Failure(FailureKind::Automation, "Simple Burner shows no compression box to set to LP4.");
        }
        PostDownKey(context, box);
    }
    if (escapeFailed) {
        throw *escapeFailed;
    }
}

void SimpleBurnerStartRecording(const DriverContext& context) {
    const WindowHandle main = FindMainWindow(context);
    const WindowHandle first = FindChild(context, main, 0, StaticClass, std::nullopt);
    const WindowHandle second = FindNextOfClass(context, main, first, StaticClass);
    const WindowHandle record = FindNextOfClass(context, main, second, StaticClass);
    if (record == 0) {
        throw Failure(FailureKind::Automation, "Simple Burner shows no record button.");
    }
    PostClick(context, record);
}

WindowHandle SimpleBurnerRecordingComplete(const DriverContext& context) {
    // While the message is shown, the topmost window with the caption is the message itself.
    const WindowHandle topmost = FindMainWindow(context);
    const WindowHandle text = FindChild(context, topmost, 0, StaticClass, CompletionText);
    if (text != 0) {
        context.desktop.PostMessage(topmost, message::Close, 0, 0);
    }
    return text;
}

void SimpleBurnerNameDisc(const DriverContext& context) {
    const WindowHandle field = FindChild(context, FindPanel(context), 0, "Edit", std::nullopt);
    if (field != 0) {
        PostClick(context, field);
    }
    // Selecting the old name and typing over it replaces it; an empty name leaves it selected.
    TypeKeys(context, "{HOME}");
    TypeKeys(context, "+{END}");
    PauseShort(context);
    TypeKeys(context, EscapeKeys(context.window.DiscName()));
    if (field == 0) {
        throw Failure(FailureKind::Automation, "Simple Burner shows no disc-name box; the name went to the window in front.");
    }
}

std::string SimpleBurnerDiscNameShown(const DriverContext& context) {
    const WindowHandle field = FindChild(context, FindPanel(context), 0, "Edit", std::nullopt);
    if (field == 0) {
        throw Failure(FailureKind::Automation, "Simple Burner shows no disc-name box.");
    }
    return context.desktop.WindowText(field);
}

void SimpleBurnerNameTracks(const DriverContext& context) {
    const WindowHandle list = FindChild(context, FindPanel(context), 0, std::nullopt, "List2");
    if (list != 0) {
        PostClick(context, list);
    }
    TypeKeys(context, "{HOME}");
    TypeKeys(context, "{F2}");
    // Down ends the edit of one row and opens the next, so the names fill the rows in order.
    for (const std::string& name : context.window.TrackNames()) {
        TypeKeys(context, EscapeKeys(name));
        SendKeys(context, "{DOWN}");
        PauseShort(context);
    }
    if (list == 0) {
        throw Failure(FailureKind::Automation, "Simple Burner shows no track list; the names went to the window in front.");
    }
}

}  // namespace velutreck
