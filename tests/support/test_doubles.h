// Hand-made doubles for the dialogs and services around the main window: they answer as a test
// scripts them and record what they were asked.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/session.h"

namespace velutreck {

struct ShownMessage {
    std::string text;
    MessageBoxStyle style;
    std::string title;
};

// Answers OK unless a test scripted Cancel for the next box.
class ScriptedMessageBoxes : public MessageBoxes {
public:
    void AnswerNext(MessageBoxAnswer answer) { answers_.push_back(answer); }
    const std::vector<ShownMessage>& Shown() const { return shown_; }
    // Called as each box opens, while the window stands as the user sees it behind the box.
    void WhenShown(std::function<void()> look) { whenShown_ = std::move(look); }

    MessageBoxAnswer Show(const std::string& text, MessageBoxStyle style, const std::string& title) override {
        shown_.push_back({text, style, title});
        if (whenShown_) {
            whenShown_();
        }
        if (answers_.empty()) {
            return MessageBoxAnswer::Ok;
        }
        const MessageBoxAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

private:
    std::deque<MessageBoxAnswer> answers_;
    std::vector<ShownMessage> shown_;
    std::function<void()> whenShown_;
};

class ScriptedFolderBrowser : public FolderBrowser {
public:
    void AnswerNext(std::string path) { answers_.push_back(std::move(path)); }
    const std::vector<std::string>& Titles() const { return titles_; }

    std::string Browse(const std::string& title) override {
        titles_.push_back(title);
        if (answers_.empty()) {
            return "";
        }
        std::string answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

private:
    std::deque<std::string> answers_;
    std::vector<std::string> titles_;
};

class FakeInstanceCheck : public InstanceCheck {
public:
    bool anotherInstance = false;
    HandOverOutcome handOverOutcome = HandOverOutcome::Taken;
    std::vector<std::vector<std::string>> handedOver;
    bool AnotherInstanceRunning() override { return anotherInstance; }
    HandOverOutcome HandOver(const std::vector<std::string>& items) override {
        handedOver.push_back(items);
        return handOverOutcome;
    }
};

class RecordingBubbleTips : public BubbleTips {
public:
    std::vector<std::string> calls;
    bool Install() override {
        calls.push_back("Install");
        return true;
    }
    void SetMaxWidth(int pixels) override { calls.push_back("SetMaxWidth " + std::to_string(pixels)); }
    void Remove() override { calls.push_back("Remove"); }
};

}  // namespace velutreck
