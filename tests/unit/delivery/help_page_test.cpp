// The delivered help page carries its pictures inside itself.
#include "delivery/help_page.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>

namespace velutreck {
namespace {

TEST(HelpPage, Base64FollowsTheStandardForEveryTailLengthAndForHighBytes) {
    EXPECT_EQ(Base64(""), "");
    EXPECT_EQ(Base64("f"), "Zg==");
    EXPECT_EQ(Base64("fo"), "Zm8=");
    EXPECT_EQ(Base64("foo"), "Zm9v");
    EXPECT_EQ(Base64("foobar"), "Zm9vYmFy");
    EXPECT_EQ(Base64(std::string("\x89PNG\xff\xfe", 6)), "iVBOR//+");
}

TEST(HelpPage, EachPictureGoesIntoThePageAndTheTextAroundItStays) {
    const std::map<std::string, std::string> pictures = {{"files.png", "foo"}, {"settings.png", "fo"}};
    const auto read = [&](const std::string& name) -> std::optional<std::string> {
        const auto found = pictures.find(name);
        return found == pictures.end() ? std::nullopt : std::optional<std::string>(found->second);
    };
    EXPECT_EQ(EmbedPictures("<p>A</p><img src=\"pictures/files.png\" alt=\"x\"><img src=\"pictures/settings.png\">.",
                            read),
              "<p>A</p><img src=\"data:image/png;base64,Zm9v\" alt=\"x\"><img src=\"data:image/png;base64,Zm8=\">.");
    EXPECT_EQ(EmbedPictures("<p>No pictures, src=\"other.png\"</p>", read), "<p>No pictures, src=\"other.png\"</p>");
    try {
        EmbedPictures("<img src=\"pictures/about.png\">", read);
        FAIL() << "a missing picture was not noticed";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("pictures/about.png"), std::string::npos);
    }
}

}  // namespace
}  // namespace velutreck
