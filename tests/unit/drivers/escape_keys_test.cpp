#include "drivers/modPublic.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "base/failure.h"
#include "base/utf8.h"
#include "drivers/key_notation.h"

namespace velutreck {
namespace {

// What ParseKeys(EscapeKeys(text)) types, as plain text; a named key or modifier shows as a fault.
std::u32string TypedCharacters(const std::string& notation) {
    std::u32string typed;
    for (const KeyStroke& stroke : ParseKeys(notation).strokes) {
        const bool plain = stroke.key == NamedKey::None && !stroke.shift && !stroke.ctrl && !stroke.alt;
        typed.push_back(plain ? stroke.character : U'\0');
    }
    return typed;
}

TEST(EscapeKeys, BracesExactlyTheTenSpecialCharacters) {
    EXPECT_EQ(EscapeKeys(""), "");
    EXPECT_EQ(EscapeKeys("a+b"), "a{+}b");
    EXPECT_EQ(EscapeKeys("{x}"), "{{}x{}}");
    EXPECT_EQ(EscapeKeys("[1] (live)"), "{[}1{]} {(}live{)}");
    EXPECT_EQ(EscapeKeys("C:\\Temp\\~TmpVelutreck.nrg"), "C:\\Temp\\{~}TmpVelutreck.nrg");
}

TEST(EscapeKeys, TypesBackExactlyTheTextItWasGiven) {
    std::vector<std::string> texts = {"~%^+()[]{}", "{} 2}", "C:\\Temp\\~TmpVelutreck.nrg",
                                      "Björk - Jóga (live) [1997] \xF0\x9F\x8E\xB5", "a\xFF{"};
    // Random texts drawn mostly from the characters that mean something in the notation.
    const std::u32string alphabet = U"~%^+()[]{}{} aZ9\\.é♪";
    std::mt19937 random(2003);
    for (int n = 0; n < 200; ++n) {
        std::u32string text;
        for (std::size_t i = random() % 12; i > 0; --i) {
            text.push_back(alphabet[random() % alphabet.size()]);
        }
        texts.push_back(ToUtf8(text));
    }
    for (const std::string& text : texts) {
        EXPECT_EQ(TypedCharacters(EscapeKeys(text)), ToCodePoints(text)) << text;
    }
}

TEST(EscapeKeys, CountsCharactersNotBytesUpTo32767) {
    std::string longest;
    for (int i = 0; i < 32767; ++i) {
        longest += "é";
    }
    EXPECT_EQ(EscapeKeys(longest), longest);
    EXPECT_EQ(EscapeKeys(std::string(32767, '+')).size(), 3u * 32767);
    try {
        EscapeKeys(longest + "a");
        ADD_FAILURE() << "a text of 32,768 characters was escaped";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.Kind(), FailureKind::Overflow);
    }
}

// Records the calls the shared steps make; nothing else of the desktop is used.
struct RecordingDesktop : Desktop {
    struct Post {
        WindowHandle window;
        std::uint32_t message, wParam, lParam;
        friend bool operator==(const Post&, const Post&) = default;
    };
    std::vector<Post> posts;
    std::vector<std::pair<KeySequence, bool>> injections;  // keys, waited
    std::vector<std::uint32_t> pauses;

    WindowHandle FindWindow(WindowHandle, WindowHandle, const std::optional<std::string>&,
                            const std::optional<std::string>&) override { return 0; }
    void PostMessage(WindowHandle window, std::uint32_t message, std::uint32_t wParam, std::uint32_t lParam) override {
        posts.push_back({window, message, wParam, lParam});
    }
    void InjectKeys(const KeySequence& keys, bool waited) override { injections.emplace_back(keys, waited); }
    void ActivateByTitle(const std::string&) override {}
    void ActivateByTask(TaskId) override {}
    TaskId StartProgram(const std::string&) override { return 1; }
    void ShellOpen(WindowHandle, const std::string&, const std::string&) override {}
    void Pause(std::uint32_t milliseconds) override { pauses.push_back(milliseconds); }
    void KeepAwake(bool) override {}
};

// Only GeneralShortPause is read by the shared steps.
struct PauseSetting : MainWindowView {
    Int16 seconds = 3;
    std::vector<std::string> none;

    std::string AudioProject() const override { return {}; }
    std::string TempFolder() const override { return {}; }
    std::string ImageDrive() const override { return {}; }
    std::string SimpleBurner() const override { return {}; }
    std::string DiscName() const override { return {}; }
    Int16 Compression() const override { return 0; }
    Int16 GeneralShortPause() const override { return seconds; }
    const std::vector<std::string>& TrackNames() const override { return none; }
    std::string ProgramFolder() const override { return {}; }
    WindowHandle OwnerWindow() const override { return 0; }
};

struct DriverSteps : ::testing::Test {
    RecordingDesktop desktop;
    PauseSetting window;
    const DriverContext context{desktop, window};
};

TEST_F(DriverSteps, TypeWaitsSendDoesNotAndABrokenSequenceReachesNoWindow) {
    TypeKeys(context, "%(Y)");
    SendKeys(context, "{esc}");
    ASSERT_EQ(desktop.injections.size(), 2u);
    EXPECT_EQ(desktop.injections[0].first.notation, "%(Y)");
    EXPECT_EQ(desktop.injections[0].first.strokes, ParseKeys("%(Y)").strokes);
    EXPECT_TRUE(desktop.injections[0].second);
    EXPECT_FALSE(desktop.injections[1].second);

    EXPECT_THROW(TypeKeys(context, "abc{"), Failure);
    EXPECT_THROW(SendKeys(context, "abc)"), Failure);
    EXPECT_EQ(desktop.injections.size(), 2u);
}

TEST_F(DriverSteps, ClicksAndDownKeysArePostedWithTheirExactValues) {
    PostClick(context, 0x1234);
    PostDownKey(context, 0x5678);
    EXPECT_EQ(desktop.posts, (std::vector<RecordingDesktop::Post>{
                                 {0x1234, 0x0201, 0x0001, 0x00010001}, {0x1234, 0x0202, 0, 0x00010001},
                                 {0x5678, 0x0100, 0x28, 0x11500001}, {0x5678, 0x0101, 0x28, 0xD1500001}}));
}

TEST_F(DriverSteps, TheGeneralPauseLastsItsSecondsEvenPast32AndNeverGoesNegative) {
    PauseShort(context);
    for (Int16 seconds : {3, 0, 32, 33, 32767, -1, -32768}) {
        window.seconds = seconds;
        PauseGeneral(context);
    }
    EXPECT_EQ(desktop.pauses, (std::vector<std::uint32_t>{500, 3000, 0, 32000, 33000, 32767000, 0, 0}));
}

}  // namespace
}  // namespace velutreck
