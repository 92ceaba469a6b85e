#include "rehearsal/desktop/standard_desktop.h"

#include "delivery/nrg_image.h"
#include "rehearsal/standins/image_drive_stand_in.h"
#include "rehearsal/standins/nero_stand_in.h"
#include "rehearsal/standins/simple_burner_stand_in.h"

namespace velutreck {

namespace standard_desktop {

const std::vector<std::string>& MusicFiles() {
    static const std::vector<std::string> files = {"C:\\Music\\A.mp3", "C:\\Music\\B.mp3", "C:\\Music\\C.mp3",
                                                   "C:\\Music\\D.mp3", "C:\\Music\\E.mp3"};
    return files;
}

const std::vector<std::chrono::milliseconds>& MusicPlayingTimes() {
    using std::chrono::seconds;
    static const std::vector<std::chrono::milliseconds> times = {seconds(200), seconds(245), seconds(300), seconds(165),
                                                                 seconds(370)};
    return times;
}

}  // namespace standard_desktop

std::unique_ptr<SimDesktop> MakeStandardDesktop(const StandInOptions& options) {
    namespace paths = standard_desktop;
    auto desktop = std::make_unique<SimDesktop>();
    desktop->InstallProgram(paths::SimpleBurnerPath, [options] { return std::make_unique<SimpleBurnerStandIn>(options); });
    desktop->InstallProgram(paths::ImageDrivePath, [options] { return std::make_unique<ImageDriveStandIn>(options); });
    desktop->InstallProgram(paths::NeroPath, [options] { return std::make_unique<NeroStandIn>(options); });
    desktop->Associate(".nra", paths::NeroPath);
    SimFileSystem& files = desktop->Files();
    files.AddFile(paths::AudioProject, "Nero audio project\n");
    files.AddFile(paths::ProgramFile, "Velutreck\n");
    files.AddFile(paths::EmptyImage, MakeEmptyAudioImage());
    files.CreateFolder(paths::TempFolder);
    desktop->AddCdRom(paths::ImageDriveLetter);
    for (std::size_t index = 0; index < paths::MusicFiles().size(); ++index) {
        const std::string& music = paths::MusicFiles()[index];
        files.AddFile(music, "audio\n");
        files.SetPlayingTime(music, paths::MusicPlayingTimes()[index]);
    }
    desktop->CreateOwnWindow(paths::OwnTitle);
    return desktop;
}

}  // namespace velutreck
