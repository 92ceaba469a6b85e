#include "app/layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "tracklist/context_menu.h"

namespace velutreck {
namespace {

TEST(Layout, KeyboardOrderRunsFrom0To51WithoutGapsAndOnlyPicturesHaveNone) {
    int next = 0;
    for (const LayoutControl* control : ControlsInKeyboardOrder()) {
        EXPECT_EQ(control->keyboardOrder, next) << control->name;
        ++next;
    }
    EXPECT_EQ(next, 52);
    for (const LayoutControl& control : MainWindowLayout) {
        EXPECT_EQ(control.keyboardOrder.has_value(), control.kind != ControlKind::Picture) << control.name;
    }
    EXPECT_EQ(ControlsInKeyboardOrder().front()->id, InitialFocus);
    // The controls added to the first window come after its places 0 to 45, which stay as they were.
    for (const LayoutControl* control : ControlsInKeyboardOrder()) {
        const bool added = std::set<std::string_view>{"lblSummary", "Label13", "Frame5", "chkSendTo",
                                                                      "lblDiscLength", "cboDiscLength"}.contains(control->name);
        EXPECT_EQ(*control->keyboardOrder >= 46, added) << control->name;
    }
    EXPECT_EQ(ControlsInKeyboardOrder()[33]->id, ControlId::lblAppName);
    EXPECT_EQ(ControlsInKeyboardOrder()[45]->id, ControlId::Label3);
}

TEST(Layout, EveryControlAndMenuEntryHasAnIdOfItsOwn) {
    std::set<ControlId> ids;
    std::set<std::string_view> names;
    for (const LayoutControl& control : MainWindowLayout) {
        EXPECT_TRUE(ids.insert(control.id).second) << control.name;
        EXPECT_TRUE(names.insert(control.name).second) << control.name;
    }
    for (const auto& [name, id] : ContextMenuIds) {
        EXPECT_TRUE(ids.insert(id).second) << name;
    }
    ASSERT_EQ(ContextMenuEntries.size(), ContextMenuIds.size());
    for (const MenuEntry& entry : ContextMenuEntries) {
        EXPECT_EQ(std::ranges::count(ContextMenuIds, entry.name, &std::pair<std::string_view, ControlId>::first), 1)
            << entry.name;
    }
}

// Alt+letter reaches the controls of the tab in front and those below the tabs.
TEST(Layout, AccessKeysAreUniqueOnEachTabPageTogetherWithTheButtonsBelowTheTabs) {
    for (Container page : {Container::FilesTab, Container::SettingsTab, Container::AboutTab}) {
        std::map<char32_t, std::string_view> owners;
        for (const LayoutControl& control : MainWindowLayout) {
            if (control.container != page && control.container != Container::Client) {
                continue;
            }
            if (const auto key = AccessKey(control.caption)) {
                const auto [owner, isNew] = owners.emplace(*key, control.name);
                EXPECT_TRUE(isNew) << control.name << " shares its key with " << owner->second;
            }
        }
    }
}

TEST(Layout, ALabelsAccessKeyLeadsToTheInputBesideIt) {
    const auto ordered = ControlsInKeyboardOrder();
    int labelsWithKeys = 0;
    for (std::size_t i = 0; i + 1 < ordered.size(); ++i) {
        const LayoutControl& label = *ordered[i];
        if (label.kind != ControlKind::Label || !AccessKey(label.caption)) {
            continue;
        }
        ++labelsWithKeys;
        const LayoutControl& next = *ordered[i + 1];
        EXPECT_EQ(next.container, label.container) << label.name;
        EXPECT_TRUE(next.kind == ControlKind::TextBox || next.kind == ControlKind::DropDownList) << label.name;
        EXPECT_LT(next.rect.top, label.rect.top + 300) << label.name << " and " << next.name << " are not side by side";
    }
    EXPECT_EQ(labelsWithKeys, 8);
}

TEST(Layout, OnlyTheNeroHeadingShowsALiteralAmpersand) {
    for (const LayoutControl& control : MainWindowLayout) {
        const bool literal = control.caption.find("&&") != std::string_view::npos;
        EXPECT_EQ(literal, control.id == ControlId::Label1) << control.name;
        if (literal) {
            EXPECT_EQ(AccessKey(control.caption), std::nullopt);
        }
    }
}

TEST(AccessKey, IsTheUpperCasedCharacterAfterTheFirstSingleAmpersand) {
    EXPECT_EQ(AccessKey("&Start"), U'S');
    EXPECT_EQ(AccessKey("Q&uit"), U'U');
    EXPECT_EQ(AccessKey("Remove A&ll"), U'L');
    EXPECT_EQ(AccessKey("Rock && &Roll"), U'R');
    EXPECT_EQ(AccessKey("&&&x"), U'X');
    EXPECT_EQ(AccessKey("&Über"), U'Ü');
    EXPECT_EQ(AccessKey("&a &b"), U'A');
    EXPECT_EQ(AccessKey("..."), std::nullopt);
    EXPECT_EQ(AccessKey("Rom && ImageDrive"), std::nullopt);
    EXPECT_EQ(AccessKey("trailing&"), std::nullopt);
    EXPECT_EQ(AccessKey(""), std::nullopt);
}

TEST(TwipsToPixels, ScalesByDpiAndRoundsToTheNearestPixel) {
    EXPECT_EQ(TwipsToPixels(15, 96), 1);
    EXPECT_EQ(TwipsToPixels(7, 96), 0);
    EXPECT_EQ(TwipsToPixels(8, 96), 1);
    EXPECT_EQ(TwipsToPixels(MainWindowClientWidth, 96), 722);
    EXPECT_EQ(TwipsToPixels(MainWindowClientWidth, 144), 1083);
    EXPECT_EQ(TwipsToPixels(MainWindowClientHeight, 120), 661);
    EXPECT_EQ(TwipsToPixels(-8, 96), -1);
    EXPECT_EQ(TwipsToPixels(0, 96), 0);
}

}  // namespace
}  // namespace velutreck
