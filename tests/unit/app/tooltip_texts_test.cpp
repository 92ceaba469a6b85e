#include "app/tooltip_texts.h"

#include <gtest/gtest.h>

#include <set>

#include "app/layout.h"

namespace velutreck {
namespace {

TEST(ToolTipTexts, NineteenDistinctControlsOfTheWindowCarryOneLineEach) {
    std::set<ControlId> ids;
    std::set<ControlId> inLayout;
    for (const LayoutControl& control : MainWindowLayout) {
        inLayout.insert(control.id);
    }
    auto check = [&](const ToolTipEntry& entry) {
        EXPECT_TRUE(ids.insert(entry.id).second) << entry.text;
        EXPECT_TRUE(inLayout.contains(entry.id)) << entry.text;
        EXPECT_FALSE(entry.text.empty());
        EXPECT_EQ(entry.text.find_first_of("\r\n"), std::string_view::npos) << entry.text;
    };
    for (const ToolTipEntry& entry : StartUpToolTips) {
        check(entry);
    }
    for (const ToolTipEntry& entry : BrowseButtonToolTips) {
        check(entry);
        EXPECT_EQ(entry.text, "Browse");
    }
    EXPECT_EQ(ids.size(), 19u);
    for (ControlId silent : {ControlId::chkNameTracks, ControlId::chkOnlyAlpha, ControlId::txtDiscName,
                             ControlId::cboCompression, ControlId::txtImageDrive, ControlId::txtSimpleBurner}) {
        EXPECT_FALSE(ids.contains(silent));
    }
}

}  // namespace
}  // namespace velutreck
