#include "drivers/modNeroImageDrive.h"

#include <string>

#include "drivers/temp_image.h"

namespace velutreck {

namespace {

const std::string EmptyImageName = "Empty.nrg";

// The program folder keeps its backslash only at a drive's root; a second one is not added there.
std::string EmptyImagePath(const std::string& programFolder) {
    const bool endsWithSeparator = !programFolder.empty() && programFolder.back() == '\\';
    return programFolder + (endsWithSeparator ? "" : "\\") + EmptyImageName;
}

}  // namespace

void ImageDriveLoad(const DriverContext& context) {
    // ImageDrive takes the image path bare, even when it holds spaces.
    context.desktop.ShellOpen(context.window.OwnerWindow(), context.window.ImageDrive(),
                              TempImagePath(context.window.TempFolder()));
}

void ImageDriveEject(const DriverContext& context) {
    // Mounting the empty image releases the temporary one; its path goes in apostrophes.
    context.desktop.ShellOpen(context.window.OwnerWindow(), context.window.ImageDrive(),
                              "'" + EmptyImagePath(context.window.ProgramFolder()) + "'");
}

}  // namespace velutreck
