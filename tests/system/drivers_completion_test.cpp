// The drivers find a program's completion where the program shows it: Nero's text in a child of
// whatever class Nero gives it, Simple Burner's only in a "Static" of its message.
#include <gtest/gtest.h>

#include "drivers/modNeroBurningRom.h"
#include "drivers/modNetMDSimpleBurner.h"
#include "drivers_desktop.h"

namespace velutreck {
namespace {

// A program that shows one window with the given caption and one child holding the given text.
class ReportingProgram : public StandIn {
public:
    ReportingProgram(std::string caption, std::string childClass, std::string text)
        : caption_(std::move(caption)), childClass_(std::move(childClass)), text_(std::move(text)) {}
    void Start(StandInHost& host, const std::string&) override {
        host.AddWindow(host.AddWindow(0, "#32770", caption_), childClass_, text_);
    }
    void OnKey(WindowHandle, const KeyStroke&) override {}
    void OnMessage(WindowHandle, std::uint32_t, std::uint32_t, std::uint32_t) override {}

private:
    std::string caption_, childClass_, text_;
};

class CompletionTexts : public DriversOnDesktop {
protected:
    void Show(const std::string& caption, const std::string& childClass, const std::string& text) {
        const std::string path = "C:\\Tools\\Report" + std::to_string(++programs_) + ".exe";
        desktop->InstallProgram(path, [=] { return std::make_unique<ReportingProgram>(caption, childClass, text); });
        desktop->StartProgram(path);
    }
    int programs_ = 0;
};

TEST_F(CompletionTexts, NeroIsDoneWhateverTheClassOfItsTextAndSimpleBurnerOnlyByAStatic) {
    Show("Nero - Burning Rom", "RichEdit20A", "Burn process completed successfully");
    EXPECT_NE(NeroBurnCompleted(context), 0u);

    Show("Net MD Simple Burner", "Button", "Recording is complete.");
    EXPECT_EQ(SimpleBurnerRecordingComplete(context), 0u);
    Show("Net MD Simple Burner", "Static", "Recording is complete.");
    EXPECT_NE(SimpleBurnerRecordingComplete(context), 0u);
}

}  // namespace
}  // namespace velutreck
