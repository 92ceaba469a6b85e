// Screenshots of a job as it runs, for people to look at afterwards: the whole screen, since the
// interesting windows are the driven programs', named by their order and by the step the caption
// named, in build/screenshots/ beside the build folders.
#pragma once

#include <cstddef>
#include <string>

namespace velutreck::operating {

// build\screenshots, found from this program's folder build\<build folder>\bin; made if missing.
std::wstring ScreenshotsFolder();
// "<folder>\<prefix>-07-Starting-Nero.png" for the caption "Starting Nero - Velutreck".
std::wstring StepShotPath(const std::wstring& folder, const std::wstring& prefix, std::size_t number,
                          const std::string& caption);
// False when no picture came.
bool ShootScreen(const std::wstring& path);

}  // namespace velutreck::operating
