#include "app/about_texts.h"

#include <gtest/gtest.h>

#include "base/product.h"

namespace velutreck {
namespace {

TEST(VersionText, PadsMajorToFourDigitsAndMinorAndRevisionToTwoButNeverCutsANumber) {
    EXPECT_EQ(VersionText(ProductName, VersionMajor, VersionMinor, VersionRevision), "Velutreck (2003.04.15)");
    EXPECT_EQ(VersionText("Velutreck", 1, 0, 3), "Velutreck (0001.00.03)");
    EXPECT_EQ(VersionText("Velutreck", 2003, 4, 115), "Velutreck (2003.04.115)");
    EXPECT_EQ(VersionText("Velutreck", 12345, 100, 10), "Velutreck (12345.100.10)");
}

TEST(AboutText, IsSeveralLinesSeparatedByCrLfOnly) {
    const std::string text = AboutText();
    EXPECT_NE(text.find("\r\n"), std::string::npos);
    EXPECT_NE(text.find("MIT"), std::string::npos);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "bare line feed at " << i;
        }
        if (text[i] == '\r') {
            EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "bare carriage return at " << i;
        }
    }
    EXPECT_FALSE(text.starts_with("\r\n"));
    EXPECT_FALSE(text.ends_with("\r\n"));
}

}  // namespace
}  // namespace velutreck
