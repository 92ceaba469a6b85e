#include "app/settings_tab_rules.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/memory/memory_controls.h"

namespace velutreck {
namespace {

struct NamingBoxes {
    MemoryCheckBox erase, nameTracks, onlyAlpha;

    NamingBoxes(int eraseValue, int nameTracksValue, int onlyAlphaValue) {
        erase.SetValue(eraseValue);
        nameTracks.SetValue(nameTracksValue);
        onlyAlpha.SetValue(onlyAlphaValue);
    }
    void Apply() { NamingOptionsRule(erase, nameTracks, onlyAlpha); }
};

TEST(NamingOptionsRule, EnablesTheNamingBoxesFromTheMarksAboveThemAndNeverChangesAMark) {
    for (int erase : {0, 1}) {
        for (int nameTracks : {0, 1}) {
            for (int onlyAlpha : {0, 1}) {
                SCOPED_TRACE(std::to_string(erase) + std::to_string(nameTracks) + std::to_string(onlyAlpha));
                NamingBoxes boxes(erase, nameTracks, onlyAlpha);
                boxes.nameTracks.SetEnabled(!erase);
                boxes.onlyAlpha.SetEnabled(!(erase && nameTracks));
                boxes.Apply();

                EXPECT_TRUE(boxes.erase.Enabled());
                EXPECT_EQ(boxes.nameTracks.Enabled(), erase == 1);
                EXPECT_EQ(boxes.onlyAlpha.Enabled(), erase == 1 && nameTracks == 1);
                EXPECT_EQ(boxes.erase.Value(), erase);
                EXPECT_EQ(boxes.nameTracks.Value(), nameTracks);
                EXPECT_EQ(boxes.onlyAlpha.Value(), onlyAlpha);
            }
        }
    }
}

}  // namespace
}  // namespace velutreck
