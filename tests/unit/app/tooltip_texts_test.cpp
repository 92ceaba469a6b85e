#include "app/tooltip_texts.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "app/layout.h"
#include "platform/memory/memory_controls.h"

namespace velutreck {
namespace {

TEST(SetToolTips, GivesTheFifteenControlsTheirTextsInOrderAndTouchesNoOther) {
    std::map<ControlId, MemoryButton> controls;
    std::vector<ControlId> asked;
    SetToolTips([&](ControlId id) -> Control& {
        asked.push_back(id);
        return controls[id];
    });

    ASSERT_EQ(asked.size(), 15u);
    EXPECT_EQ(asked.front(), ControlId::txtAudioProject);
    EXPECT_EQ(asked.back(), ControlId::btnDown);
    EXPECT_EQ(controls.size(), 15u) << "a control was asked for twice";
    EXPECT_EQ(controls[ControlId::btnStartStop].ToolTipText(), "Save settings and write audio files to MiniDisc");
    EXPECT_EQ(controls[ControlId::btnReadme].ToolTipText(), "View Readme.txt");
    EXPECT_EQ(controls[ControlId::chkErase].ToolTipText(),
              "Erase MiniDisc before writing audio files; does not work with protected tracks!");
}

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
