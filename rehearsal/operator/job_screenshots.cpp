#include "rehearsal/operator/job_screenshots.h"

#include <cwctype>

#include "platform/win32/wide_text.h"
#include "rehearsal/operator/screenshot.h"
#include "rehearsal/operator/velutreck_process.h"

namespace velutreck::operating {

namespace {

const std::string ProductSuffix = " - Velutreck";

std::wstring Parent(const std::wstring& folder) { return folder.substr(0, folder.find_last_of(L'\\')); }

}  // namespace

std::wstring ScreenshotsFolder() {
    const std::wstring folder = Parent(Parent(windowtest::BinFolder())) + L"\\screenshots";
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

std::wstring StepShotPath(const std::wstring& folder, const std::wstring& prefix, std::size_t number,
                          const std::string& caption) {
    std::string step = caption;
    if (step.size() > ProductSuffix.size() && step.ends_with(ProductSuffix)) {
        step.erase(step.size() - ProductSuffix.size());
    }
    std::wstring name = prefix + L"-" + (number < 10 ? L"0" : L"") + std::to_wstring(number) + L"-";
    for (wchar_t c : Widen(step)) {
        name += std::iswalnum(c) ? c : L'-';
    }
    return folder + L"\\" + name + L".png";
}

bool ShootScreen(const std::wstring& path) {
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return windowtest::SaveScreenshot(screen, path);
}

}  // namespace velutreck::operating
