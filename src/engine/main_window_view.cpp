// What the drivers read of the main window, read from the controls at the moment they ask.
#include "engine/transfer_engine.h"

namespace velutreck {

std::string TransferEngine::AudioProject() const { return controls_.txtAudioProject.Text(); }
std::string TransferEngine::TempFolder() const { return controls_.txtTempFolder.Text(); }
std::string TransferEngine::ImageDrive() const { return controls_.txtImageDrive.Text(); }
std::string TransferEngine::SimpleBurner() const { return controls_.txtSimpleBurner.Text(); }
std::string TransferEngine::DiscName() const { return controls_.txtDiscName.Text(); }
Int16 TransferEngine::Compression() const { return controls_.cboCompression.ListIndex(); }
Int16 TransferEngine::GeneralShortPause() const { return hidden_.generalShortPause; }
Int16 TransferEngine::GeneralLongPause() const { return hidden_.generalLongPause; }
std::string TransferEngine::ProgramFolder() const { return services_.programFolder; }
WindowHandle TransferEngine::OwnerWindow() const { return controls_.form.Handle(); }

}  // namespace velutreck
