// The keyboard layout as Windows describes it to the typing: which key and Shift state type a
// character on the layout of the test's own thread. The choice of events lives in portable code
// and is tested natively; this is the part that reads VkKeyScanExW's answer.
#include <gtest/gtest.h>

#include "platform/win32/win32_desktop_keys.h"

namespace velutreck {
namespace {

TEST(WindowKeyboardLayout, ALetterIsItsKeyWithShiftForTheCapitalAndACharacterNoKeyTypesHasNone) {
    const WindowKeyboardLayout layout(GetDesktopWindow());
    const std::optional<LayoutKey> small = layout.KeyFor(u'a');
    ASSERT_TRUE(small.has_value());
    EXPECT_EQ(small->virtualKey, 'A');
    EXPECT_FALSE(small->shift || small->ctrl || small->alt);

    const std::optional<LayoutKey> capital = layout.KeyFor(u'A');
    ASSERT_TRUE(capital.has_value());
    EXPECT_EQ(capital->virtualKey, 'A');
    EXPECT_TRUE(capital->shift);
    EXPECT_FALSE(capital->ctrl || capital->alt);

    EXPECT_FALSE(layout.KeyFor(u'\u03A9').has_value());
    EXPECT_NE(layout.ScanCode('A'), 0);
}

}  // namespace
}  // namespace velutreck
