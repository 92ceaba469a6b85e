#include "tracklist/add_files.h"

#include <vector>

#include "base/failure.h"
#include "tracklist/append_batch.h"
#include "tracklist/dialog_answer.h"

namespace velutreck {

namespace {

// Sets only what Add files owns; the filter index stays as the dialog last closed.
void SetUpDialog(CommonDialogState& state, const std::string& lastAddFolder) {
    state.maxFileSize = AddFilesMaxSize;
    state.initialFolder = lastAddFolder;
    state.fileName.clear();
    state.filter = AudioFilesFilter;
    state.flags = AddFilesFlags;
}

// One part is the full path of the one file; several are the folder and then the file names,
// joined as they come (a folder that already ends in "\" gets a second one, as it always has).
std::vector<std::string> FilePaths(const std::vector<std::string>& items) {
    if (items.size() == 1) {
        return items;
    }
    std::vector<std::string> paths;
    for (std::size_t i = 1; i < items.size(); ++i) {
        paths.push_back(items[0] + "\\" + items[i]);
    }
    return paths;
}

}  // namespace

AddFilesResult AddFiles(ListBox& list, CommonDialog& dialog, CommonDialogState& state,
                        std::string& lastAddFolder, bool autoBreak) {
    SetUpDialog(state, lastAddFolder);
    const DialogOutcome outcome = dialog.ShowOpen(state);
    if (outcome == DialogOutcome::AnswerTooLong) {
        return {0, "Error: The names of the chosen files are longer than 4,096 characters together; "
                   "please add fewer files at a time."};
    }
    if (outcome != DialogOutcome::Chosen) {
        return {};
    }
    const std::vector<std::string> items = SplitDialogAnswer(state.fileName);
    if (items.empty()) {
        return {};
    }
    const std::vector<std::string> paths = FilePaths(items);
    if (!AppendBatch(list, paths, autoBreak)) {
        throw Failure(FailureKind::Overflow,
                      "The chosen files do not fit into the track list: it holds at most 32,767 entries.");
    }
    lastAddFolder = items[0];
    // The path pickers set no initial folder of their own, so they open where files were last chosen.
    state.initialFolder = lastAddFolder;
    return {static_cast<long long>(paths.size()), ""};
}

}  // namespace velutreck
