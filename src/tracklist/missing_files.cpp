#include "tracklist/missing_files.h"

#include <algorithm>

#include "tracklist/break_marker.h"
#include "tracklist/hidden_drive.h"

namespace velutreck {

namespace {

constexpr std::size_t NamedAtMost = 3;

std::vector<std::string> MissingFiles(const ListBox& list, const FileSystem& files) {
    std::vector<std::string> missing;
    for (Int16 index = 0; index < list.Count(); ++index) {
        const std::string entry = list.Entry(index);
        if (!IsBreakMarker(entry) && !files.FileExists(entry) &&
            std::find(missing.begin(), missing.end(), entry) == missing.end()) {
            missing.push_back(entry);
        }
    }
    return missing;
}

std::string MissingFilesMessage(const std::vector<std::string>& missing) {
    if (missing.size() == 1) {
        return "Error: " + missing.front() + " does not exist.";
    }
    const std::size_t named = std::min(missing.size(), NamedAtMost);
    const std::size_t more = missing.size() - named;
    std::string text = "Error: ";
    for (std::size_t i = 0; i < named; ++i) {
        const bool last = i + 1 == named && more == 0;
        text += (i == 0 ? "" : last ? " and " : ", ") + missing[i];
    }
    if (more > 0) {
        text += " and " + std::to_string(more) + " more " + (more == 1 ? "file" : "files") + " of the list";
    }
    return text + " do not exist.";
}

}  // namespace

std::vector<std::string> MissingFilesMessages(const ListBox& list, const FileSystem& files) {
    std::vector<std::string> missing = MissingFiles(list, files);
    std::vector<std::string> messages;
    std::erase_if(missing, [&](const std::string& path) {
        const std::optional<HiddenDrive> drive = DriveHiddenByElevation(path, files);
        if (drive) {
            const std::string message = HiddenDriveMessage(*drive);
            if (std::find(messages.begin(), messages.end(), message) == messages.end()) {
                messages.push_back(message);
            }
        }
        return drive.has_value();
    });
    if (!missing.empty()) {
        messages.push_back(MissingFilesMessage(missing));
    }
    return messages;
}

}  // namespace velutreck
