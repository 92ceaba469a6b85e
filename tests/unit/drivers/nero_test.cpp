#include "drivers/modNeroBurningRom.h"

#include <gtest/gtest.h>

#include "base/failure.h"
#include "driver_test_desktop.h"

namespace velutreck {
namespace {

using Lines = std::vector<std::string>;

WindowShape NeroWindow(bool completed = false, const std::string& title = "Nero - Burning Rom") {
    WindowShape nero{"NeroMain", title, {{"Static", "Writing", {}}}};
    if (completed) {
        nero.children.push_back({"Static", "Burn process completed successfully", {}});
    }
    return nero;
}

class NeroTest : public DriverTest {};

TEST_F(NeroTest, StartOpensTheProjectAndAFileIsAddedWithItsPathTypedLiterallyBetweenHalfSecondPauses) {
    // The error Windows reports for a start (here: no such project) is what the job logs.
    try {
        NeroStart(context);
        ADD_FAILURE() << "nothing was thrown";
    } catch (const Failure& failure) {
        EXPECT_STREQ(failure.what(), "Windows could not open \"C:\\Jobs\\Empty.nra\": the file was not found.");
    }
    EXPECT_EQ(Calls().front(), "ShellOpen(77, \"C:\\Jobs\\Empty.nra\", \"\")");
    // Activation finds Nero even with the project's name after its caption.
    Show({NeroWindow(false, "Nero - Burning Rom - Empty.nra")});
    NeroAddFile(context, "C:\\My Music\\a+b %1 ~(x){y}^[z].wav");
    EXPECT_EQ(Calls(), (Lines{"ActivateByTitle(\"Nero - Burning Rom\")", "Pause(500)", "Type(\"%el\")", "Pause(500)",
                              "Type(\"C:\\My Music\\a{+}b {%}1 {~}{(}x{)}{{}y{}}{^}{[}z{]}.wav\")", "Pause(500)",
                              "Type(\"~\")", "Pause(500)"}));
    EXPECT_EQ(desktop.TypedKeys(Named("Nero - Burning Rom - Empty.nra")),
              (Lines{"Alt+E", "l", "C:\\My Music\\a+b %1 ~(x){y}^[z].wav", "Enter"}));
}

TEST_F(NeroTest, WritingAsksForTheImageAndTheImageIsNamedInTheSaveDialog) {
    Show({NeroWindow()});
    NeroWriteImage(context);
    EXPECT_EQ(Calls(), (Lines{"ActivateByTitle(\"Nero - Burning Rom\")", "Pause(500)", "Type(\"%fw\")", "Pause(500)",
                              "Type(\"%w\")"}));

    Restart();
    EXPECT_THROW(NeroSaveImageFile(context), Failure);
    EXPECT_EQ(Calls(), (Lines{"ActivateByTitle(\"Save Image File\") failed"}));

    Show({{"#32770", "Save Image File", {}}});
    window.tempFolder = "C:\\Temp Files\\";
    NeroSaveImageFile(context);
    EXPECT_EQ(Calls(), (Lines{"ActivateByTitle(\"Save Image File\")", "Pause(500)",
                              "Type(\"C:\\Temp Files\\{~}TmpVelutreck.nrg\")", "Pause(500)", "Type(\"~\")",
                              "Pause(500)"}));

    // A folder without its backslash is joined as it is.
    window.tempFolder = "C:\\Temp";
    NeroSaveImageFile(context);
    EXPECT_EQ(desktop.TypedKeys(Named("Save Image File"))[2], "C:\\Temp~TmpVelutreck.nrg");
}

TEST_F(NeroTest, CompletionShowsOnlyOnceNeroCarriesTheSuccessText) {
    EXPECT_EQ(NeroBurnCompleted(context), 0u);
    EXPECT_EQ(Lookups().size(), 1u);

    Show({NeroWindow()});
    EXPECT_EQ(NeroBurnCompleted(context), 0u);

    Show({NeroWindow(true)});
    EXPECT_EQ(NeroBurnCompleted(context), Named("Burn process completed successfully"));
    EXPECT_EQ(Calls(), Lines{});
}

TEST_F(NeroTest, DismissingAndClosingWaitTheGeneralPauseBetweenTheirKeys) {
    Show({NeroWindow(true)});
    window.generalShortPause = 2;
    NeroDismissCompletion(context);
    NeroClose(context);
    EXPECT_EQ(Calls(), (Lines{"ActivateByTitle(\"Nero - Burning Rom\")", "Pause(500)", "Type(\"~\")", "Pause(2000)",
                              "Type(\"%d\")", "Pause(2000)",
                              "ActivateByTitle(\"Nero - Burning Rom\")", "Pause(500)", "Type(\"%{F4}\")",
                              "Pause(2000)", "Type(\"%n\")", "Pause(500)"}));
}

}  // namespace
}  // namespace velutreck
