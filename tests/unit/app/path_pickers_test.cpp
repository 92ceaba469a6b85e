#include "app/path_pickers.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "base/failure.h"
#include "platform/memory/memory_controls.h"

namespace velutreck {
namespace {

// Answers like the real dialog: a chosen path, or an empty file name, and the filter entry the
// user left selected.
class FakeCommonDialog : public CommonDialog {
public:
    DialogOutcome outcome = DialogOutcome::Chosen;
    std::string answer;
    std::optional<Int16> filterChosen;
    std::vector<CommonDialogState> shown;

    DialogOutcome ShowOpen(CommonDialogState& state) override {
        shown.push_back(state);
        state.fileName = outcome == DialogOutcome::Chosen ? answer : "";
        if (filterChosen) {
            state.filterIndex = *filterChosen;
        }
        return outcome;
    }
};

class FakeFolderBrowser : public FolderBrowser {
public:
    std::string answer;
    std::vector<std::string> titles;

    std::string Browse(const std::string& title) override {
        titles.push_back(title);
        return answer;
    }
};

TEST(PickFile, SetsBufferNameFilterAndFlagsButKeepsTheFolderAndFilterEntryOfTheLastUse) {
    FakeCommonDialog dialog;
    CommonDialogState state{.initialFolder = "D:\\Music",
                            .fileName = "D:\\Music\\a.mp3",
                            .filter = "Audio files|*.mp3",
                            .filterIndex = 2,
                            .flags = 0x80200,
                            .maxFileSize = 4096};
    MemoryTextBox target;
    dialog.answer = "C:\\Program Files\\Sony\\Net MD Simple Burner\\NetMDSB.exe";
    dialog.filterChosen = 1;

    PickFile(dialog, state, ProgramFilter, target);

    ASSERT_EQ(dialog.shown.size(), 1u);
    const CommonDialogState& seen = dialog.shown[0];
    EXPECT_EQ(seen.maxFileSize, 257);
    EXPECT_EQ(seen.fileName, "");
    EXPECT_EQ(seen.filter, "Executable files (*.exe)|*.exe|All files (*.*)|*.*");
    EXPECT_EQ(seen.flags, 0x80000);
    EXPECT_EQ(seen.initialFolder, "D:\\Music");
    EXPECT_EQ(seen.filterIndex, 2);
    EXPECT_EQ(target.Text(), "C:\\Program Files\\Sony\\Net MD Simple Burner\\NetMDSB.exe");

    PickFile(dialog, state, AudioProjectFilter, target);
    EXPECT_EQ(dialog.shown[1].filter, "Nero audio projects (*.nra)|*.nra|All files (*.*)|*.*");
    EXPECT_EQ(dialog.shown[1].filterIndex, 1) << "the entry chosen last time";
}

TEST(PickFile, CancellingOrAnAnswerTooLongForTheBufferLeavesTheTextBoxAlone) {
    FakeCommonDialog dialog;
    CommonDialogState state;
    MemoryTextBox target;
    target.SetText("D:\\Empty.nra");

    dialog.outcome = DialogOutcome::Cancelled;
    PickFile(dialog, state, AudioProjectFilter, target);
    EXPECT_EQ(target.Text(), "D:\\Empty.nra");

    dialog.outcome = DialogOutcome::AnswerTooLong;
    try {
        PickFile(dialog, state, AudioProjectFilter, target);
        ADD_FAILURE() << "a path that did not fit was accepted silently";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.Kind(), FailureKind::Control);
    }
    EXPECT_EQ(target.Text(), "D:\\Empty.nra");
}

TEST(BrowseForFolder, AddsTheMissingBackslashOnlyToAChosenFolder) {
    FakeFolderBrowser browser;
    browser.answer = "C:\\Temp";
    EXPECT_EQ(BrowseForFolder(browser), "C:\\Temp\\");
    browser.answer = "C:\\";
    EXPECT_EQ(BrowseForFolder(browser), "C:\\");
    browser.answer = "\\\\server\\share";
    EXPECT_EQ(BrowseForFolder(browser), "\\\\server\\share\\");
    browser.answer = "";
    EXPECT_EQ(BrowseForFolder(browser), "");
    EXPECT_EQ(browser.titles, std::vector<std::string>(4, "Choose a directory from the list."));
}

TEST(PickFolder, ReplacesTheTempFolderOnlyWhenAFolderWasChosen) {
    FakeFolderBrowser browser;
    MemoryTextBox tempFolder;
    tempFolder.SetText("D:\\Work\\");

    PickFolder(browser, tempFolder);
    EXPECT_EQ(tempFolder.Text(), "D:\\Work\\");

    browser.answer = "E:\\Images";
    PickFolder(browser, tempFolder);
    EXPECT_EQ(tempFolder.Text(), "E:\\Images\\");
}

}  // namespace
}  // namespace velutreck
