#include "app/path_pickers.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/failure.h"
#include "platform/memory/memory_controls.h"
#include "support/scripted_common_dialog.h"
#include "support/test_doubles.h"

namespace velutreck {
namespace {

TEST(PickFile, SetsBufferNameFilterAndFlagsButKeepsTheFolderAndFilterEntryOfTheLastUse) {
    ScriptedCommonDialog dialog;
    CommonDialogState state{.initialFolder = "D:\\Music",
                            .fileName = "D:\\Music\\a.mp3",
                            .filter = "Audio files|*.mp3",
                            .filterIndex = 2,
                            .flags = 0x80200,
                            .maxFileSize = 4096};
    MemoryTextBox target;
    dialog.Script({DialogOutcome::Chosen, "C:\\Program Files\\Sony\\Net MD Simple Burner\\NetMDSB.exe", 1});

    PickFile(dialog, state, ProgramFilter, target);

    const CommonDialogState& seen = dialog.Shown().at(0);
    EXPECT_EQ(seen.maxFileSize, 257);
    EXPECT_EQ(seen.fileName, "");
    EXPECT_EQ(seen.filter, "Executable files (*.exe)|*.exe|All files (*.*)|*.*");
    EXPECT_EQ(seen.flags, 0x80000);
    EXPECT_EQ(seen.initialFolder, "D:\\Music");
    EXPECT_EQ(seen.filterIndex, 2);
    EXPECT_EQ(target.Text(), "C:\\Program Files\\Sony\\Net MD Simple Burner\\NetMDSB.exe");

    // Cancelled: the text box keeps its path.
    PickFile(dialog, state, AudioProjectFilter, target);
    EXPECT_EQ(dialog.Shown().at(1).filter, "Nero audio projects (*.nra)|*.nra|All files (*.*)|*.*");
    EXPECT_EQ(dialog.Shown().at(1).filterIndex, 1) << "the entry chosen last time";
    EXPECT_EQ(target.Text(), "C:\\Program Files\\Sony\\Net MD Simple Burner\\NetMDSB.exe");

    dialog.Script({DialogOutcome::AnswerTooLong, "", std::nullopt});
    EXPECT_THROW(PickFile(dialog, state, AudioProjectFilter, target), Failure);
    EXPECT_EQ(target.Text(), "C:\\Program Files\\Sony\\Net MD Simple Burner\\NetMDSB.exe");
}

TEST(PickFolder, AddsTheMissingBackslashAndReplacesTheFolderOnlyWhenOneWasChosen) {
    ScriptedFolderBrowser browser;
    for (const char* chosen : {"C:\\Temp", "C:\\", "\\\\server\\share", ""}) {
        browser.AnswerNext(chosen);
    }
    EXPECT_EQ(BrowseForFolder(browser), "C:\\Temp\\");
    EXPECT_EQ(BrowseForFolder(browser), "C:\\");
    EXPECT_EQ(BrowseForFolder(browser), "\\\\server\\share\\");
    EXPECT_EQ(BrowseForFolder(browser), "");
    EXPECT_EQ(browser.Titles(), std::vector<std::string>(4, "Choose a directory from the list."));

    MemoryTextBox tempFolder;
    tempFolder.SetText("D:\\Work\\");
    PickFolder(browser, tempFolder);
    EXPECT_EQ(tempFolder.Text(), "D:\\Work\\");
    browser.AnswerNext("E:\\Images");
    PickFolder(browser, tempFolder);
    EXPECT_EQ(tempFolder.Text(), "E:\\Images\\");
}

}  // namespace
}  // namespace velutreck
