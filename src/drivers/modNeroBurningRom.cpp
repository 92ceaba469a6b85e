#include "drivers/modNeroBurningRom.h"

#include <optional>
#include <string>

#include "base/failure.h"
#include "drivers/modPublic.h"
#include "drivers/temp_image.h"

namespace velutreck {

namespace {

// Nero's title may carry a suffix; activation accepts a title that begins with this one.
const std::string NeroTitle = "Nero - Burning Rom";

// Every activation is followed by half a second before the window gets its first keys.
void ActivateAndSettle(const DriverContext& context, const std::string& title) {
    ActivateTitled(context, title);
    PauseShort(context);
}

}  // namespace

void NeroStart(const DriverContext& context) {
    // The shell starts whatever program opens audio projects, and Nero loads the project.
    ShellStart(context, context.window.AudioProject(), "");
}

void NeroAddFile(const DriverContext& context, const std::string& path) {
    ActivateAndSettle(context, NeroTitle);
    TypeKeys(context, "%el");
    PauseShort(context);
    TypeKeys(context, EscapeKeys(path));
    PauseShort(context);
    try {
        TypeKeys(context, "~");
    } catch (const Failure& failure) {
        // Enter reached Nero, which is still busy taking the file (a large or network file): Nero
        // has it, and it must not be handed over a second time.
        if (failure.Kind() == FailureKind::NotResponding) {
            throw Failure(FailureKind::Unanswered, failure.what());
        }
        throw;
    }
    PauseShort(context);
}

void NeroWriteImage(const DriverContext& context) {
    ActivateAndSettle(context, NeroTitle);
    TypeKeys(context, "%fw");
    PauseShort(context);
    TypeKeys(context, "%w");
}

void NeroSaveImageFile(const DriverContext& context) {
    ActivateAndSettle(context, "Save Image File");
    TypeKeys(context, EscapeKeys(TempImagePath(context.window.TempFolder())));
    PauseShort(context);
    TypeKeys(context, "~");
    PauseShort(context);
}

WindowHandle NeroBurnCompleted(const DriverContext& context) {
    const WindowHandle nero = context.desktop.FindWindow(0, 0, std::nullopt, NeroTitle);
    // Under parent 0 the search would take any top-level window with that title.
    if (nero == 0) {
        return 0;
    }
    return context.desktop.FindWindow(nero, 0, std::nullopt, "Burn process completed successfully");
}

void NeroDismissCompletion(const DriverContext& context) {
    ActivateAndSettle(context, NeroTitle);
    TypeKeys(context, "~");
    PauseGeneral(context);
    TypeKeys(context, "%d");
    PauseGeneral(context);
}

void NeroClose(const DriverContext& context) {
    ActivateAndSettle(context, NeroTitle);
    TypeKeys(context, "%{F4}");
    PauseGeneral(context);
    // Nero asks whether to save the changed project: No keeps the project file as it was.
    TypeKeys(context, "%n");
    PauseShort(context);
}

}  // namespace velutreck
