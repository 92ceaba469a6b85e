#include "rehearsal/standins/nero_stand_in.h"

#include <algorithm>
#include <exception>
#include <utility>

#include "rehearsal/standins/cd_image.h"
#include "rehearsal/standins/key_text.h"

namespace velutreck {

void NeroStandIn::Start(StandInHost& host, const std::string& arguments) {
    host_ = &host;
    project_ = arguments;
    host.RunAfter(options_.neroLoadMs, [this] { ShowMainWindow(); });
}

void NeroStandIn::ShowMainWindow() {
    if (!host_->Files().FileExists(project_)) {
        host_->Note("Nero: cannot open the project \"" + project_ + "\"");
    }
    main_ = host_->AddWindow(0, "NeroMainFrame", NeroMainTitle);
    host_->GiveFocus(main_);
}

void NeroStandIn::OnKey(WindowHandle window, const KeyStroke& key) {
    if (window == question_) {
        KeyInQuestion(key);
    } else if (window == saveDialog_) {
        KeyInSaveDialog(key);
    } else if (window == addPrompt_) {
        KeyInAddPrompt(key);
    } else if (window == writeDialog_) {
        KeyInWriteDialog(key);
    } else {
        KeyInMain(window, key);
    }
}

void NeroStandIn::KeyInMain(WindowHandle window, const KeyStroke& key) {
    const Menu menu = std::exchange(menu_, Menu::None);
    if (menu == Menu::Edit && IsLetter(key, 'l')) {
        OpenDialog(addPrompt_, "Add Files");
    } else if (menu == Menu::File && IsLetter(key, 'w')) {
        OpenDialog(writeDialog_, "Write Compilation");
        written_ = false;
    } else if (IsKey(key, NamedKey::Escape)) {
        // Closes the menu that was open; harmless otherwise.
    } else if (IsAltLetter(key, 'e')) {
        menu_ = Menu::Edit;
    } else if (IsAltLetter(key, 'f')) {
        menu_ = Menu::File;
    } else if (IsKey(key, NamedKey::Enter) && report_ != 0) {
        CloseDialog(report_);
    } else if (IsAltLetter(key, 'd') && writeDialog_ != 0 && written_) {
        // "Done" of the write dialog, which stays modal over the main window.
        CloseDialog(writeDialog_);
    } else if (IsKey(key, NamedKey::F4, false, true) && writeDialog_ == 0) {
        Close();
    } else {
        Stray(window, key);
    }
}

void NeroStandIn::KeyInAddPrompt(const KeyStroke& key) {
    if (IsKey(key, NamedKey::Enter)) {
        AddTypedFile();
    } else if (IsKey(key, NamedKey::Escape)) {
        CloseDialog(addPrompt_);
    } else if (!typed_.Key(key)) {
        Stray(addPrompt_, key);
    }
}

void NeroStandIn::KeyInWriteDialog(const KeyStroke& key) {
    if (IsAltLetter(key, 'w') && !writing_ && !written_) {
        StartWriting();
    } else if (IsAltLetter(key, 'd') && written_) {
        CloseDialog(writeDialog_);
    } else if (IsKey(key, NamedKey::Escape) && !writing_) {
        CloseDialog(writeDialog_);
    } else {
        Stray(writeDialog_, key);
    }
}

void NeroStandIn::KeyInSaveDialog(const KeyStroke& key) {
    if (IsKey(key, NamedKey::Enter)) {
        ConfirmImageName();
    } else if (IsKey(key, NamedKey::Escape)) {
        CloseDialog(saveDialog_);
        writing_ = false;
    } else if (!typed_.Key(key)) {
        Stray(saveDialog_, key);
    }
}

void NeroStandIn::KeyInQuestion(const KeyStroke& key) {
    if (IsAltLetter(key, 'n')) {
        host_->ExitProgram();
    } else if (IsKey(key, NamedKey::Escape)) {
        CloseDialog(question_);
    } else {
        Stray(question_, key);
    }
}

void NeroStandIn::OpenDialog(WindowHandle& dialog, const std::string& title, const std::string& text) {
    const auto open = [this, &dialog, title, text] {
        dialog = host_->AddWindow(0, "#32770", title);
        if (!text.empty()) {
            host_->AddWindow(dialog, "Static", text);
        }
        typed_ = EditBuffer();
        host_->GiveFocus(dialog);
    };
    RunNowOrAfter(*host_, options_.promptDelayMs, open);
}

void NeroStandIn::CloseDialog(WindowHandle& dialog) {
    host_->RemoveWindow(std::exchange(dialog, 0));
}

void NeroStandIn::AddTypedFile() {
    const std::string path = typed_.Text();
    CloseDialog(addPrompt_);
    if (!host_->Files().FileExists(path)) {
        host_->Note("Nero: cannot find the file \"" + path + "\"; nothing added");
        return;
    }
    // Nero adds a file above the selected track and selects the new one; a fresh compilation has
    // its empty top selected. So every file lands at the top.
    compilation_.insert(compilation_.begin(), path);
    changed_ = true;
}

void NeroStandIn::StartWriting() {
    if (compilation_.empty()) {
        host_->Note("Nero: the compilation is empty; nothing to write");
        return;
    }
    OpenDialog(saveDialog_, NeroSaveImageTitle);
    writing_ = true;
}

void NeroStandIn::ConfirmImageName() {
    const std::string image = typed_.Text();
    if (image.empty()) {
        host_->Note("Nero: no image file name given");
        return;
    }
    CloseDialog(saveDialog_);
    const auto files = compilation_;
    const auto duration = options_.neroWriteMs + options_.neroWritePerFileMs * static_cast<std::uint32_t>(files.size());
    host_->RunAfter(duration, [this, image, files] { FinishWriting(image, files); });
}

void NeroStandIn::FinishWriting(const std::string& image, const std::vector<std::string>& files) {
    writing_ = false;
    written_ = true;
    std::string report = NeroCompletedText;
    try {
        std::vector<CdImageTrack> tracks;
        for (const std::string& file : files) {
            if (std::ranges::find(options_.neroUndecodable, file) != options_.neroUndecodable.end()) {
                const WindowHandle box = host_->AddWindow(0, "#32770", "Nero - Error");
                host_->AddWindow(box, "Static", "The file \"" + file + "\" cannot be decoded.");
                host_->Note("Nero: cannot decode \"" + file + "\"; left out of the image");
                continue;
            }
            tracks.push_back({file, host_->PlayingTime(file)});
        }
        const AudioImage written = CdImage(tracks);
        host_->WriteFileAfterZeros(image, written.silence, written.chunks);
    } catch (const std::exception& failure) {
        host_->Note("Nero: cannot write the image \"" + image + "\": " + failure.what());
        report = NeroFailedText;
    }
    report_ = host_->AddWindow(main_, "Static", report);
}

// Alt+F4: a changed compilation is not thrown away without asking.
void NeroStandIn::Close() {
    if (!changed_) {
        host_->ExitProgram();
        return;
    }
    OpenDialog(question_, "Nero Burning ROM", "Do you want to save the changes to the compilation?");
}

void NeroStandIn::Stray(WindowHandle window, const KeyStroke& key) {
    host_->Note("Nero: stray key \"" + KeyText(key) + "\" in \"" + host_->TextOf(window) + "\"");
}

}  // namespace velutreck
