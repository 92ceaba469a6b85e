#include "tracklist/item_batches.h"

#include <algorithm>

#include "base/file_in_folder.h"
#include "tracklist/item_kinds.h"
#include "tracklist/natural_order.h"
#include "tracklist/playlist.h"

namespace velutreck {

namespace {

std::string NameOf(const std::string& path) { return path.substr(path.rfind('\\') + 1); }
std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('\\');
    return slash == 2 ? path.substr(0, 3) : path.substr(0, slash);
}

void SortNaturally(std::vector<std::string>& names) { std::sort(names.begin(), names.end(), NaturalLess); }

class BatchBuilder {
public:
    explicit BatchBuilder(const FileSystem& files) : files_(files) {}

    void Take(const std::string& item) {
        if (IsUrl(item)) {
            return Skip(item, SkipReason::Url);
        }
        const std::string path = files_.FullPath(item);
        if (files_.FolderExists(path)) {
            return TakeFolder(path);
        }
        if (!files_.FileExists(path)) {
            return Skip(path, SkipReason::Missing);
        }
        if (IsPlaylist(path)) {
            return TakePlaylist(path);
        }
        if (!IsAudioFile(path)) {
            return Skip(path, SkipReason::NotAudio);
        }
        if (!looseFiles_) {
            looseFiles_ = result_.batches.size();
            result_.batches.emplace_back();
        }
        result_.batches[*looseFiles_].push_back(path);
    }

    ItemBatches Finish() {
        if (looseFiles_) {
            // Explorer shows names; the folder only settles names that are alike.
            std::vector<std::string>& loose = result_.batches[*looseFiles_];
            std::sort(loose.begin(), loose.end(), [](const std::string& a, const std::string& b) {
                const std::string nameA = NameOf(a);
                const std::string nameB = NameOf(b);
                return NaturalLess(nameA, nameB) || (!NaturalLess(nameB, nameA) && NaturalLess(a, b));
            });
        }
        return std::move(result_);
    }

private:
    void Skip(const std::string& name, SkipReason reason) { result_.skipped.push_back({name, reason}); }

    void TakeFolder(const std::string& folder) {
        FolderListing listing = files_.ListFolder(folder);
        SortNaturally(listing.files);
        SortNaturally(listing.folders);
        std::vector<std::string> batch;
        for (const std::string& name : listing.files) {
            if (IsAudioFile(name)) {
                batch.push_back(FileInFolder(folder, name));
            }
        }
        if (!batch.empty()) {
            result_.batches.push_back(std::move(batch));
        }
        for (const std::string& name : listing.folders) {
            TakeFolder(FileInFolder(folder, name));
        }
    }

    void TakePlaylist(const std::string& playlist) {
        const std::optional<std::string> contents = files_.ReadFile(playlist);
        if (!contents) {
            return Skip(playlist, SkipReason::Missing);
        }
        std::vector<std::string> batch;
        for (const std::string& entry : PlaylistEntries(*contents, IsUtf8Playlist(playlist), files_)) {
            if (IsUrl(entry)) {
                Skip(entry, SkipReason::Url);
                continue;
            }
            const std::string path = files_.FullPath(EntryPath(FolderOf(playlist), entry));
            if (!files_.FileExists(path) && !files_.FolderExists(path)) {
                Skip(path, SkipReason::Missing);
            } else if (!files_.FileExists(path) || !IsAudioFile(path)) {
                Skip(path, SkipReason::NotAudio);
            } else {
                batch.push_back(path);
            }
        }
        if (!batch.empty()) {
            result_.batches.push_back(std::move(batch));
        }
    }

    const FileSystem& files_;
    ItemBatches result_;
    std::optional<std::size_t> looseFiles_;  // the batch of the audio files named directly
};

}  // namespace

ItemBatches BatchesOfItems(const std::vector<std::string>& items, const FileSystem& files) {
    BatchBuilder builder(files);
    for (const std::string& item : items) {
        builder.Take(item);
    }
    return builder.Finish();
}

std::vector<std::string> FullItemPaths(const std::vector<std::string>& items, const FileSystem& files) {
    std::vector<std::string> full;
    for (const std::string& item : items) {
        full.push_back(IsUrl(item) ? item : files.FullPath(item));
    }
    return full;
}

}  // namespace velutreck
