#include "tracklist/add_files.h"

#include <gtest/gtest.h>

#include "tracklist/dialog_answer.h"
#include "unit/tracklist/list_fixture.h"
#include "support/scripted_common_dialog.h"

namespace velutreck {
namespace {

using namespace std::string_literals;

TEST(DialogAnswer, SplitsIntoTheFullPathOrTheFolderAndNamesCountingCharacters) {
    std::string buffer = "C:\\Music\0a.mp3\0\0"s;
    EXPECT_EQ(TakeNextItem(buffer, "\0"s), "C:\\Music");
    EXPECT_EQ(TakeNextItem(buffer, "\0"s), "a.mp3");
    EXPECT_EQ(TakeNextItem(buffer, "\0"s), "");
    EXPECT_EQ(buffer, "");
    buffer = "Noël|Ωx";
    EXPECT_EQ(TakeNextItem(buffer, "Ω"), "Noël|");
    EXPECT_EQ(buffer, "x");

    EXPECT_EQ(SplitDialogAnswer("C:\\One.mp3"), (Strings{"C:\\One.mp3"}));
    EXPECT_EQ(SplitDialogAnswer("D:\\A\0b.wav\0a.wav"s), (Strings{"D:\\A", "b.wav", "a.wav"}));
    EXPECT_TRUE(SplitDialogAnswer("").empty());
}

TEST(DialogAnswer, AMissingDelimiterFailsWithoutTouchingTheBuffer) {
    std::string buffer = "no delimiter";
    EXPECT_THROW(TakeNextItem(buffer, "|"), Failure);
    EXPECT_EQ(buffer, "no delimiter");
}

class AddingFiles : public ::testing::Test {
protected:
    AddFilesResult Add(ScriptedAnswer answer, bool autoBreak = false) {
        dialog.Script(std::move(answer));
        return AddFiles(list, dialog, state, lastAddFolder, autoBreak);
    }
    static ScriptedAnswer Chosen(std::string fileName) { return {DialogOutcome::Chosen, std::move(fileName), {}}; }

    MemoryListBox list;
    ScriptedCommonDialog dialog;
    CommonDialogState state;
    std::string lastAddFolder;
};

TEST_F(AddingFiles, AppendsEachBatchInTheDialogsOrderAfterAnOptionalMarker) {
    Fill(list, {"old"}, 0);
    EXPECT_EQ(Add(Chosen("C:\\One.mp3"), true).filesAdded, 1);
    EXPECT_EQ(Add(Chosen("D:\\A\0b.wav\0a.wav"s), true).filesAdded, 2);
    Add(Chosen("E:\\\0c.mp3\0d.mp3"s));  // a root's backslash is doubled, as it always was
    EXPECT_EQ(Entries(list), (Strings{"old", Marker, "C:\\One.mp3", Marker, "D:\\A\\b.wav", "D:\\A\\a.wav",
                                      "E:\\\\c.mp3", "E:\\\\d.mp3"}));
    EXPECT_EQ(list.SelectedIndex(), 0);
}

TEST_F(AddingFiles, ACancelOrAnAnswerTooLongAddsNothingAndKeepsTheFolder) {
    lastAddFolder = "C:\\Before";
    EXPECT_EQ(Add({DialogOutcome::Cancelled, "", {}}, true).errorMessage, "");
    const AddFilesResult tooLong = Add({DialogOutcome::AnswerTooLong, "", {}}, true);
    EXPECT_EQ(tooLong.errorMessage.rfind("Error: ", 0), 0u);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(lastAddFolder, "C:\\Before");
}

TEST_F(AddingFiles, ABatchThatDoesNotFitAddsNothing) {
    Fill(list, Strings(32765, "E"));
    EXPECT_THROW(Add(Chosen("C:\\M\0b.mp3\0c.mp3"s), true), Failure);  // marker and two files
    EXPECT_EQ(list.Count(), 32765);
    EXPECT_EQ(lastAddFolder, "");
    Add(Chosen("C:\\M\0b.mp3\0c.mp3"s));
    EXPECT_EQ(list.Count(), 32767);
}

TEST_F(AddingFiles, EachUseOfTheSharedDialogOpensWhereTheLastChoiceWasOnTheLastFilterEntry) {
    state.fileName = "left by a picker";
    Add(Chosen("C:\\Music\\One.mp3"));
    Add({DialogOutcome::Chosen, "D:\\Audio\0a.wav\0b.wav"s, Int16(2)});
    // A path picker of the Settings tab sets only these and keeps the rest.
    state.maxFileSize = 257;
    state.filter = "Executable files (*.exe)|*.exe|All files (*.*)|*.*";
    state.flags = 0x80000;
    dialog.ShowOpen(state);
    Add({});

    const auto& shown = dialog.Shown();
    EXPECT_EQ(shown[0].maxFileSize, 4096);
    EXPECT_EQ(shown[0].fileName, "");
    EXPECT_EQ(shown[0].filter, "Audio files (*.mp3;*.cda;*.wav;*.wave;*.vqf;*.aif;*.aiff;*.wma)|*.mp3;*.cda;*.wav;"
                               "*.wave;*.vqf;*.aif;*.aiff;*.wma|All files (*.*)|*.*");
    EXPECT_EQ(shown[0].flags, 0x80200);
    EXPECT_EQ(shown[1].initialFolder, "C:\\Music\\One.mp3");
    EXPECT_EQ(shown[1].filterIndex, 1);
    EXPECT_EQ(shown[2].initialFolder, "D:\\Audio");
    EXPECT_EQ(shown[2].filterIndex, 2);
    EXPECT_EQ(shown[3].initialFolder, "D:\\Audio");
    EXPECT_EQ(shown[3].filterIndex, 2);
}

}  // namespace
}  // namespace velutreck
