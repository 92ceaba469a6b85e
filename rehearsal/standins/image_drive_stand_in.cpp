#include "rehearsal/standins/image_drive_stand_in.h"

#include "platform/nero_image.h"
#include "rehearsal/standins/shown_cd.h"

namespace velutreck {

namespace {

bool IsEmptyImage(const std::string& image) {
    constexpr std::string_view Name = "\\empty.nrg";
    if (image.size() < Name.size()) {
        return false;
    }
    for (std::size_t i = 0; i < Name.size(); ++i) {
        const char c = image[image.size() - Name.size() + i];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != Name[i]) {
            return false;
        }
    }
    return true;
}

void ShowTracks(StandInHost& host, const std::string& root, const std::vector<std::chrono::milliseconds>& tracks) {
    try {
        ShowCdTracks(host.Files(), root, tracks);
    } catch (const std::exception& failure) {
        host.Note("ImageDrive: the drive " + root + " cannot show the image: " + failure.what());
    }
}

}  // namespace

std::string ImageDriveImagePath(const std::string& arguments) {
    if (arguments.size() >= 2 && arguments.front() == '\'' && arguments.back() == '\'') {
        return arguments.substr(1, arguments.size() - 2);
    }
    return arguments;
}

// The drive shows no disc while the new image is being read, then its tracks.
void ImageDriveStandIn::Start(StandInHost& host, const std::string& arguments) {
    const std::string image = ImageDriveImagePath(arguments);
    const StandInOptions options = options_;
    host.RunAfter(options.imageDriveMountMs, [&host, image, options] {
        if (options.imageDriveIgnoresLoads && !IsEmptyImage(image)) {
            host.Note("ImageDrive: ignores the image \"" + image + "\"");
            host.ExitProgram();
            return;
        }
        if (!host.Files().FileExists(image)) {
            // ImageDrive keeps what it had when the new image cannot be opened.
            host.Note("ImageDrive: cannot open the image \"" + image + "\"");
            host.ExitProgram();
            return;
        }
        host.WriteDrive(VirtualDrive{image});
        ShowTracks(host, options.imageDriveRoot, {});
        host.Note("ImageDrive: mounted \"" + image + "\"");
        RunNowOrAfter(host, options.imageDrivePresentMs, [&host, image, options] {
            ShowTracks(host, options.imageDriveRoot, ReadNeroImage(host.Files(), image).trackLengths);
            host.ExitProgram();
        });
    });
}

}  // namespace velutreck
