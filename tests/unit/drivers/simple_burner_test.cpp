#include "drivers/modNetMDSimpleBurner.h"

#include <gtest/gtest.h>

#include "base/failure.h"
#include "driver_test_desktop.h"

namespace velutreck {
namespace {

using Lines = std::vector<std::string>;

// Simple Burner's main window. Statics, panels and the box are interleaved, and the first panel
// has controls of its own, so that a lookup that takes the wrong one shows.
WindowShape MainWindow(int statics = 4) {
    WindowShape main{"NetMDSB", "Net MD Simple Burner", {}};
    for (int n = 1; n <= statics; ++n) {
        main.children.push_back({"Static", "Static " + std::to_string(n), {}});
        if (n == 1) {
            main.children.push_back({"#32770", "Panel 1", {{"Edit", "Other field", {}}, {"Button", "Other", {}}}});
        }
        if (n == 2) {
            main.children.push_back({"ComboBox", "LP2", {}});
        }
    }
    main.children.push_back(
        {"#32770", "Panel 2", {{"Button", "All Erase", {}}, {"Edit", "Old name", {}}, {"SysListView32", "List2", {}}}});
    return main;
}

class SimpleBurnerTest : public DriverTest {
protected:
    std::string Post(WindowHandle target, const std::string& rest) const {
        return "PostMessage(" + std::to_string(target) + ", " + rest + ")";
    }
};

TEST_F(SimpleBurnerTest, StartActivatesTheStartedProgramAndFailsWhileItHasNoWindowYet) {
    Install(window.simpleBurner, {MainWindow()});
    SimpleBurnerStart(context);
    EXPECT_EQ(Calls(), (Lines{"StartProgram(\"" + window.simpleBurner + "\") = 1", "ActivateByTask(1)"}));

    window.simpleBurner = "C:\\Slow\\NetMDSB.exe";
    Install(window.simpleBurner, {MainWindow()}, 8000);
    Restart();
    EXPECT_THROW(SimpleBurnerStart(context), Failure);
    EXPECT_EQ(Calls(), (Lines{"StartProgram(\"C:\\Slow\\NetMDSB.exe\") = 2", "ActivateByTask(2) failed"}));
}

TEST_F(SimpleBurnerTest, AllEraseIsClickedInTheSecondPanelAndConfirmedWithAltHeldOverY) {
    Show({MainWindow()});
    SimpleBurnerClickAllErase(context);
    const WindowHandle main = Named("Net MD Simple Burner");
    const WindowHandle first = Named("Panel 1");
    const WindowHandle second = Named("Panel 2");
    EXPECT_EQ(Lookups()[1], "FindWindow(" + std::to_string(main) + ", 0, \"#32770\", *) = " + std::to_string(first));
    EXPECT_EQ(Lookups()[2], "FindWindow(" + std::to_string(main) + ", " + std::to_string(first) +
                                ", \"#32770\", *) = " + std::to_string(second));
    EXPECT_EQ(Calls(), Click(Named("All Erase")));

    SimpleBurnerConfirmErase(context);
    Settle();
    EXPECT_EQ(desktop.TypedKeys(Named("All Erase")), (Lines{"Alt+Y"}));
    EXPECT_EQ(*received, (Lines{"All Erase WM_LBUTTONDOWN", "All Erase WM_LBUTTONUP"}));
}

// Other programs' top-level windows that a lookup under a missing main window must not reach.
TEST_F(SimpleBurnerTest, WithoutSimpleBurnerNoOtherWindowIsTouchedAndTheConfirmationTypesNothing) {
    Show({{"#32770", "Dialog 1", {}},
          {"#32770", "Dialog 2", {{"Button", "All Erase", {}}, {"Edit", "Field", {}}, {"ListBox", "List2", {}}}},
          {"Static", "Recording is complete.", {}},
          {"Static", "Static B", {}},
          {"Static", "Static C", {}},
          {"ComboBox", "Box", {}}});
    window.compression = 1;
    // An erase whose button is missing must not count as asked for.
    // Each operation that finds no window to act on says so, so that the log does not read "ok".
    EXPECT_THROW(SimpleBurnerClickAllErase(context), Failure);
    EXPECT_THROW(SimpleBurnerClose(context), Failure);
    EXPECT_THROW(SimpleBurnerStartRecording(context), Failure);
    EXPECT_THROW(SimpleBurnerSetCompression(context), Failure);
    EXPECT_THROW(SimpleBurnerDiscNameShown(context), Failure);
    EXPECT_EQ(SimpleBurnerRecordingComplete(context), 0u);
    EXPECT_EQ(Calls(), (Lines{"Send(\"{esc}\")", "Pause(3000)"}));
    Settle();
    EXPECT_TRUE(received->empty());

    Restart();
    EXPECT_THROW(SimpleBurnerConfirmErase(context), Failure);
    EXPECT_EQ(Calls(), (Lines{"ActivateByTitle(\"Net MD Simple Burner\") failed"}));
}

TEST_F(SimpleBurnerTest, CompressionIsLeftAtLp2AndMovedOneEntryDownForLp4) {
    Show({MainWindow()});
    SimpleBurnerSetCompression(context);
    EXPECT_EQ(Calls(), (Lines{"Send(\"{esc}\")", "Pause(3000)"}));

    window.compression = 1;
    window.generalShortPause = 40;  // more than the 16-bit milliseconds would hold
    Restart();
    SimpleBurnerSetCompression(context);
    const WindowHandle box = Named("LP2");
    EXPECT_EQ(Calls(), (Lines{"Send(\"{esc}\")", "Pause(40000)", Post(box, "WM_KEYDOWN, 0x0028, 0x11500001"),
                              Post(box, "WM_KEYUP, 0x0028, 0xD1500001")}));
}

TEST_F(SimpleBurnerTest, RecordingStartsOnTheThirdStaticAndNowhereWhenThereAreFewer) {
    Show({MainWindow()});
    SimpleBurnerStartRecording(context);
    Settle();
    EXPECT_EQ(*received, (Lines{"Static 3 WM_LBUTTONDOWN", "Static 3 WM_LBUTTONUP"}));

    for (int statics : {1, 2}) {
        Show({MainWindow(statics)});
        EXPECT_THROW(SimpleBurnerStartRecording(context), Failure) << statics;
        EXPECT_EQ(Calls(), Lines{}) << statics;
    }
}

TEST_F(SimpleBurnerTest, RecordingCompleteClosesTheMessageAboveTheMainWindowOnceItShows) {
    Show({MainWindow()});
    EXPECT_EQ(SimpleBurnerRecordingComplete(context), 0u);
    EXPECT_EQ(Calls(), Lines{});

    Show({{"#32770", "Net MD Simple Burner", {{"Static", "Recording is complete.", {}}, {"Button", "OK", {}}}}});
    const WindowHandle message = desktop.Windows().TopLevel().front();
    EXPECT_EQ(SimpleBurnerRecordingComplete(context), Named("Recording is complete."));
    EXPECT_EQ(Calls(), (Lines{Post(message, "WM_CLOSE, 0x0000, 0x0000")}));
    Settle();
    EXPECT_EQ(Named("Recording is complete."), 0u);
    EXPECT_NE(Named("Net MD Simple Burner"), 0u);
}

TEST_F(SimpleBurnerTest, DiscNameReplacesTheSelectedOldNameLiterally) {
    Show({MainWindow()});
    window.discName = "Mix (2003)";
    SimpleBurnerNameDisc(context);
    Lines expected = Click(Named("Old name"));
    expected.insert(expected.end(), {"Type(\"{HOME}\")", "Type(\"+{END}\")", "Pause(500)", "Type(\"Mix {(}2003{)}\")"});
    EXPECT_EQ(Calls(), expected);
    EXPECT_EQ(desktop.TypedKeys(Named("Old name")), (Lines{"Home", "Shift+End", "Mix (2003)"}));
    // Read back from the same box (this stand-in's box keeps its text).
    EXPECT_EQ(SimpleBurnerDiscNameShown(context), "Old name");
}

TEST_F(SimpleBurnerTest, TrackNamesFollowOneF2RowByRowAndArriveLiterally) {
    Show({MainWindow()});
    window.trackNames = {"Intro", "Intro", "50% + {more}"};
    SimpleBurnerNameTracks(context);
    const Lines calls = Calls();
    EXPECT_EQ(Lines(calls.end() - 3, calls.end()), (Lines{"Type(\"50{%} {+} {{}more{}}\")", "Send(\"{DOWN}\")", "Pause(500)"}));
    EXPECT_EQ(desktop.TypedKeys(Named("List2")),
              (Lines{"Home", "F2", "Intro", "Down", "Intro", "Down", "50% + {more}", "Down"}));
}

// The Down key is posted to the box and needs no focus: a refused Esc does not cost LP4.
TEST_F(SimpleBurnerTest, AnEscRefusedInVelutrecksOwnWindowDoesNotCostLp4) {
    desktop.CreateOwnWindow("Velutreck");
    Show({MainWindow()});
    desktop.ActivateByTitle("Velutreck");
    window.compression = 1;
    Restart();
    EXPECT_THROW(SimpleBurnerSetCompression(context), Failure);
    const WindowHandle box = Named("LP2");
    EXPECT_EQ(Calls(), (Lines{"Send(\"{esc}\") failed: Keys would be typed into Velutreck's own window",
                              "Pause(3000)", Post(box, "WM_KEYDOWN, 0x0028, 0x11500001"),
                              Post(box, "WM_KEYUP, 0x0028, 0xD1500001")}));
    EXPECT_TRUE(desktop.TypedKeys(desktop.OwnWindow()).empty());
}

}  // namespace
}  // namespace velutreck
