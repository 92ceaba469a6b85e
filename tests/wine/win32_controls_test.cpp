// The Win32 controls on real windows behave as frmMain and the track-list commands expect of
// them: indices and selections as the in-memory controls keep them, texts beyond the ANSI code
// page, check states that survive disabling, labels that follow their captions, and one tooltip
// tool per control.
#include <gtest/gtest.h>

#include "support/thrown_failure.h"

#include <string>
#include <vector>

#include "app/settings_tab_rules.h"
#include "base/failure.h"
#include "platform/win32/tool_tip_registry.h"
#include "platform/win32/win32_controls.h"
#include "test_window.h"

#include <commctrl.h>

namespace velutreck::windowtest {
namespace {

class Win32Controls : public testing::Test {
protected:
    TestWindow host;
    ToolTipRegistry tips{host.Window()};
};

std::vector<std::string> EntriesOf(const ListBox& list) {
    std::vector<std::string> entries;
    for (Int16 i = 0; i < list.Count(); ++i) {
        entries.push_back(list.Entry(i));
    }
    return entries;
}

TEST_F(Win32Controls, TheTrackListKeepsItsSelectionOnTheSameEntryAsEntriesMoveAroundItAndTextsKeepEveryCharacter) {
    Win32ListBox list(host.AddChild(WC_LISTBOXW, LBS_NOTIFY | WS_HSCROLL | WS_VSCROLL, L""), tips);
    list.Append("A");
    list.Append("B");
    list.Append("C");
    list.SetSelectedIndex(1);

    list.Insert(0, "Z");
    EXPECT_EQ(list.SelectedIndex(), 2);
    list.Remove(0);
    EXPECT_EQ(list.SelectedIndex(), 1);
    list.Insert(list.Count(), "D");
    EXPECT_EQ(EntriesOf(list), (std::vector<std::string>{"A", "B", "C", "D"}));
    list.Remove(1);
    EXPECT_EQ(list.SelectedIndex(), -1) << "removing the selected entry leaves nothing selected";

    list.SetSelectedIndex(0);
    list.SetSelectedIndex(-1);
    EXPECT_EQ(list.SelectedIndex(), -1);
    EXPECT_EQ(KindThrownBy([&] { list.Entry(3); }), FailureKind::Control);
    EXPECT_EQ(KindThrownBy([&] { list.SetSelectedIndex(3); }), FailureKind::Control);
    EXPECT_EQ(KindThrownBy([&] { list.Insert(5, "X"); }), FailureKind::Control);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);

    // Texts outside the ANSI code page round-trip through every kind of control.
    const std::string path = "D:\\Musik\\Björk – Jóga\\東京 ♫ 𝄞.mp3";
    Win32TextBox box(host.AddChild(WC_EDITW, ES_AUTOHSCROLL, L""), tips);
    box.SetText(path);
    EXPECT_EQ(box.Text(), path);
    list.Append(path);
    list.Insert(0, path + "!");
    EXPECT_EQ(list.Entry(1), path);
    EXPECT_EQ(list.Entry(0), path + "!");
    Win32Button button(host.AddChild(WC_BUTTONW, BS_PUSHBUTTON, L""), tips);
    button.SetCaption("&Stop");
    EXPECT_EQ(button.Caption(), "&Stop");
    box.SetText("");
    EXPECT_EQ(box.Text(), "");
}

TEST_F(Win32Controls, TheCompressionListAndACheckBoxRefuseWhatTheyCannotHoldAndACheckSurvivesDisabling) {
    Win32ComboBox combo(host.AddChild(WC_COMBOBOXW, CBS_DROPDOWNLIST, L"", {10, 10, 100, 150}), tips);
    FillCompressionList(combo);
    FillCompressionList(combo);
    EXPECT_EQ(combo.ListCount(), 2);
    EXPECT_EQ(combo.Item(0), "LP2");
    EXPECT_EQ(ReadWindowText(combo.Window()), "LP4");
    EXPECT_EQ(KindThrownBy([&] { combo.SetListIndex(2); }), FailureKind::Control);
    EXPECT_EQ(KindThrownBy([&] { combo.Item(-1); }), FailureKind::Control);
    EXPECT_EQ(combo.ListIndex(), 1);
    combo.SetListIndex(-1);
    EXPECT_EQ(combo.ListIndex(), -1);

    Win32CheckBox box(host.AddChild(WC_BUTTONW, BS_AUTO3STATE, L"Erase"), tips);
    box.SetValue(2);
    box.SetEnabled(false);
    EXPECT_FALSE(box.Enabled());
    EXPECT_EQ(box.Value(), 2);
    box.SetEnabled(true);
    box.SetValue(0);
    EXPECT_EQ(KindThrownBy([&] { box.SetValue(3); }), FailureKind::Control);
    EXPECT_EQ(box.Value(), 0);
}

TEST_F(Win32Controls, ALabelFollowsItsCaptionAWrappingLabelKeepsItsBoxAndEachControlIsOneTool) {
    Win32Label label(host.AddChild(WC_STATICW, SS_LEFTNOWORDWRAP, L"", {10, 10, 40, 30}), tips, true);
    Win32Label fixed(host.AddChild(WC_STATICW, SS_LEFT, L"", {10, 40, 110, 140}), tips, false);
    const auto widthOf = [](HWND window) {
        RECT rect{};
        GetWindowRect(window, &rect);
        return rect.right - rect.left;
    };
    label.SetCaption("Velutreck (2003.04.15)");
    const long shortWidth = widthOf(label.Window());
    label.SetCaption("Velutreck (2003.04.15) and a good deal more");
    EXPECT_GT(widthOf(label.Window()), shortWidth);
    // "&&" shows one ampersand, so it measures like one.
    label.SetCaption("Nero && ImageDrive");
    const long escaped = widthOf(label.Window());
    label.SetCaption("Nero & ImageDrive");
    EXPECT_GT(escaped, widthOf(label.Window())) << "a single & marks an access key and takes no room";
    fixed.SetCaption("A fixed box wraps its text\r\nover several lines");
    EXPECT_EQ(widthOf(fixed.Window()), 100);

    // Each control is one tool whose text can be replaced.
    Win32Button start(host.AddChild(WC_BUTTONW, BS_PUSHBUTTON, L"&Start"), tips);
    Win32TextBox pause(host.AddChild(WC_EDITW, 0, L"30"), tips);
    start.SetToolTipText("Save settings and write audio files to MiniDisc");
    start.SetToolTipText("Save settings");
    pause.SetToolTipText("Seconds");
    EXPECT_EQ(SendMessageW(tips.Window(), TTM_GETTOOLCOUNT, 0, 0), 2);
    EXPECT_EQ(start.ToolTipText(), "Save settings");
    EXPECT_EQ(pause.ToolTipText(), "Seconds");
    EXPECT_EQ(label.ToolTipText(), "");
}

}  // namespace
}  // namespace velutreck::windowtest
