#include "drivers/modNeroImageDrive.h"

#include <string>

#include "base/file_in_folder.h"
#include "drivers/modPublic.h"
#include "drivers/temp_image.h"

namespace velutreck {

void ImageDriveLoad(const DriverContext& context) {
    // ImageDrive takes the image path bare, even when it holds spaces.
    ShellStart(context, context.window.ImageDrive(), TempImagePath(context.window.TempFolder()));
}

void ImageDriveEject(const DriverContext& context) {
    // Mounting the empty image releases the temporary one; its path goes in apostrophes.
    ShellStart(context, context.window.ImageDrive(), "'" + FileInFolder(context.window.ProgramFolder(), "Empty.nrg") + "'");
}

}  // namespace velutreck
