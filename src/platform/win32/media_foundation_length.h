// The playing time of a media file as Windows' own media stack reads it: what Windows Media Player
// plays, through Media Foundation's source reader. Media Foundation is loaded on the first call
// (LoadLibrary, since MinGW has no delay-load), so that a Velutreck that never asks costs nothing
// more at start-up. Used on one thread only, which must have COM initialised.
#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "platform/win32/windows_api.h"

namespace velutreck {

class MediaFoundationLength {
public:
    MediaFoundationLength() = default;
    MediaFoundationLength(const MediaFoundationLength&) = delete;
    MediaFoundationLength& operator=(const MediaFoundationLength&) = delete;
    ~MediaFoundationLength();

    // None when Media Foundation is missing or cannot read the file's length.
    std::optional<std::chrono::milliseconds> Read(const std::wstring& path);

private:
    bool Load();

    bool tried_ = false;
    bool started_ = false;
    HMODULE platform_ = nullptr;
    HMODULE readWrite_ = nullptr;
    void* createReader_ = nullptr;
    void* shutdown_ = nullptr;
};

}  // namespace velutreck
