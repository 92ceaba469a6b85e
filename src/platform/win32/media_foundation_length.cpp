#include "platform/win32/media_foundation_length.h"

#include <mfapi.h>
#include <mfidl.h>
#include <mfreadwrite.h>

#include "platform/plausible_length.h"
#include "platform/win32/com_pointer.h"

namespace velutreck {

namespace {

using StartupFunction = HRESULT(WINAPI*)(ULONG, DWORD);
using ShutdownFunction = HRESULT(WINAPI*)();
using CreateReaderFunction = HRESULT(WINAPI*)(const WCHAR*, IMFAttributes*, IMFSourceReader**);

// MF_PD_DURATION, defined here so that no import library of Media Foundation is linked.
constexpr GUID PresentationDuration = {0x6c990d33, 0xbb8e, 0x477a, {0x85, 0x98, 0x0d, 0x5d, 0x96, 0xfc, 0xd8, 0x8a}};
constexpr DWORD MediaSource = 0xFFFFFFFF;  // MF_SOURCE_READER_MEDIASOURCE
constexpr DWORD StartupLite = 1;           // MFSTARTUP_LITE: no sockets, files only
constexpr std::uint64_t HundredNanosecondsPerSecond = 10'000'000;

template <typename Function>
Function Procedure(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

MediaFoundationLength::~MediaFoundationLength() {
    if (started_) {
        reinterpret_cast<ShutdownFunction>(shutdown_)();
    }
    if (readWrite_ != nullptr) {
        FreeLibrary(readWrite_);
    }
    if (platform_ != nullptr) {
        FreeLibrary(platform_);
    }
}

bool MediaFoundationLength::Load() {
    if (tried_) {
        return started_;
    }
    tried_ = true;
    // LOAD_LIBRARY_SEARCH_SYSTEM32: only Windows' own copies, never one planted beside the files.
    platform_ = LoadLibraryExW(L"mfplat.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    readWrite_ = LoadLibraryExW(L"mfreadwrite.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (platform_ == nullptr || readWrite_ == nullptr) {
        return false;
    }
    const auto startup = Procedure<StartupFunction>(platform_, "MFStartup");
    shutdown_ = reinterpret_cast<void*>(Procedure<ShutdownFunction>(platform_, "MFShutdown"));
    createReader_ = reinterpret_cast<void*>(Procedure<CreateReaderFunction>(readWrite_, "MFCreateSourceReaderFromURL"));
    if (startup == nullptr || shutdown_ == nullptr || createReader_ == nullptr) {
        return false;
    }
    started_ = SUCCEEDED(startup(MF_VERSION, StartupLite));
    return started_;
}

std::optional<std::chrono::milliseconds> MediaFoundationLength::Read(const std::wstring& path) {
    if (!Load()) {
        return std::nullopt;
    }
    ComPointer<IMFSourceReader> reader;
    if (FAILED(reinterpret_cast<CreateReaderFunction>(createReader_)(path.c_str(), nullptr, reader.Out())) || !reader) {
        return std::nullopt;
    }
    std::optional<std::chrono::milliseconds> length;
    PROPVARIANT duration;
    PropVariantInit(&duration);
    if (SUCCEEDED(reader->GetPresentationAttribute(MediaSource, PresentationDuration, &duration)) &&
        duration.vt == VT_UI8) {
        length = PlausibleLength(duration.uhVal.QuadPart, HundredNanosecondsPerSecond);
    }
    PropVariantClear(&duration);
    return length;
}

}  // namespace velutreck
