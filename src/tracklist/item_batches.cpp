#include "tracklist/item_batches.h"

#include <algorithm>
#include <optional>

#include "base/file_in_folder.h"
#include "tracklist/file_url.h"
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

// Explorer shows names; the folder only settles names that are alike.
void SortAsExplorerShows(std::vector<std::string>& paths) {
    std::sort(paths.begin(), paths.end(), [](const std::string& a, const std::string& b) {
        const std::string nameA = NameOf(a);
        const std::string nameB = NameOf(b);
        return NaturalLess(nameA, nameB) || (!NaturalLess(nameB, nameA) && NaturalLess(a, b));
    });
}

enum class ItemKind { AudioFile, Folder, Playlist, Skipped };

struct Item {
    ItemKind kind;
    std::string name;  // the full path, or the address of a skipped web address
    SkipReason reason = SkipReason::NotAudio;
};

class ItemWalk {
public:
    ItemWalk(const FileSystem& files, const BatchSink& sink) : files_(files), sink_(sink) {}

    std::vector<SkippedItem> Run(const std::vector<std::string>& items) {
        // The loose audio files form one batch where the first of them stands, so all are known first.
        std::vector<Item> found;
        std::vector<std::string> looseFiles;
        for (const std::string& item : items) {
            if (!GoOn()) {
                return std::move(skipped_);
            }
            found.push_back(Classify(item));
            if (found.back().kind == ItemKind::AudioFile) {
                looseFiles.push_back(found.back().name);
                ++found_;
            }
        }
        SortAsExplorerShows(looseFiles);
        for (const Item& item : found) {
            if (ended_) {
                break;
            }
            switch (item.kind) {
            case ItemKind::AudioFile:
                Take(looseFiles);
                looseFiles.clear();
                break;
            case ItemKind::Folder: TakeFolder(item.name); break;
            case ItemKind::Playlist: TakePlaylist(item.name); break;
            case ItemKind::Skipped: Skip(item.name, item.reason); break;
            }
        }
        return std::move(skipped_);
    }

private:
    // The path an item or a playlist entry names: itself, or the file a "file:" address names.
    // Nothing for any other web address.
    std::optional<std::string> LocalName(const std::string& item) const {
        return IsUrl(item) ? FileUrlPath(item, files_) : std::optional<std::string>(item);
    }

    Item Classify(const std::string& item) const {
        const std::optional<std::string> name = LocalName(item);
        if (!name) {
            return {ItemKind::Skipped, item, SkipReason::Url};
        }
        const std::string path = files_.FullPath(*name);
        if (files_.FolderExists(path)) {
            return {ItemKind::Folder, path};
        }
        if (!files_.FileExists(path)) {
            return {ItemKind::Skipped, path, SkipReason::Missing};
        }
        if (IsPlaylist(path)) {
            return {ItemKind::Playlist, path};
        }
        if (!IsAudioFile(path)) {
            return {ItemKind::Skipped, path, SkipReason::NotAudio};
        }
        return {ItemKind::AudioFile, path};
    }

    void Skip(const std::string& name, SkipReason reason) { skipped_.push_back({name, reason}); }

    void Take(const std::vector<std::string>& batch) {
        if (!batch.empty() && !sink_.take(batch)) {
            ended_ = true;
        }
    }

    bool GoOn() {
        if (!ended_ && !sink_.between(found_)) {
            ended_ = true;
        }
        return !ended_;
    }

    void TakeFolder(const std::string& folder) {
        if (!GoOn() || !sink_.goOn()) {
            ended_ = true;
            return;
        }
        FolderListing listing = files_.ListFolder(folder);
        SortNaturally(listing.files);
        SortNaturally(listing.folders);
        std::vector<std::string> batch;
        for (const std::string& name : listing.files) {
            if (IsAudioFile(name)) {
                batch.push_back(FileInFolder(folder, name));
                ++found_;
            }
        }
        Take(batch);
        for (const std::string& name : listing.folders) {
            if (ended_) {
                return;
            }
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
            if (!GoOn()) {
                return;
            }
            const std::optional<std::string> name = LocalName(entry);
            if (!name) {
                Skip(entry, SkipReason::Url);
                continue;
            }
            const std::string path = files_.FullPath(EntryPath(FolderOf(playlist), *name));
            if (!files_.FileExists(path) && !files_.FolderExists(path)) {
                Skip(path, SkipReason::Missing);
            } else if (!files_.FileExists(path) || !IsAudioFile(path)) {
                Skip(path, SkipReason::NotAudio);
            } else {
                batch.push_back(path);
                ++found_;
            }
        }
        Take(batch);
    }

    const FileSystem& files_;
    const BatchSink& sink_;
    std::vector<SkippedItem> skipped_;
    int found_ = 0;
    bool ended_ = false;
};

}  // namespace

std::vector<SkippedItem> WalkItems(const std::vector<std::string>& items, const FileSystem& files,
                                   const BatchSink& sink) {
    return ItemWalk(files, sink).Run(items);
}

std::vector<std::string> FullItemPaths(const std::vector<std::string>& items, const FileSystem& files) {
    std::vector<std::string> full;
    for (const std::string& item : items) {
        full.push_back(IsUrl(item) ? item : files.FullPath(item));
    }
    return full;
}

}  // namespace velutreck
