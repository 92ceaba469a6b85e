#include "rehearsal/standins/image_drive_stand_in.h"

namespace velutreck {

std::string ImageDriveImagePath(const std::string& arguments) {
    if (arguments.size() >= 2 && arguments.front() == '\'' && arguments.back() == '\'') {
        return arguments.substr(1, arguments.size() - 2);
    }
    return arguments;
}

void ImageDriveStandIn::Start(StandInHost& host, const std::string& arguments) {
    const std::string image = ImageDriveImagePath(arguments);
    host.RunAfter(options_.imageDriveMountMs, [&host, image] {
        if (host.Files().FileExists(image)) {
            host.WriteDrive(VirtualDrive{image});
            host.Note("ImageDrive: mounted \"" + image + "\"");
        } else {
            // ImageDrive keeps what it had when the new image cannot be opened.
            host.Note("ImageDrive: cannot open the image \"" + image + "\"");
        }
        host.ExitProgram();
    });
}

}  // namespace velutreck
