// Nero Burning ROM as Velutreck drives it: opened on an audio project, it takes files through
// Edit > Add (Alt+E, L, a path, Enter), writes the compilation to an image file through
// File > Write (Alt+F, W, Alt+W, the "Save Image File" name, Enter), reports in its main window,
// and closes with Alt+F4, asking whether to save the changed project (Alt+N: no). Keys that no
// open window expects are noted as stray: they show a fault in the automation.
#pragma once

#include <string>
#include <vector>

#include "rehearsal/standins/edit_buffer.h"
#include "rehearsal/standins/stand_in.h"
#include "rehearsal/standins/stand_in_options.h"

namespace velutreck {

inline const std::string NeroMainTitle = "Nero - Burning Rom";
inline const std::string NeroSaveImageTitle = "Save Image File";
inline const std::string NeroCompletedText = "Burn process completed successfully";
inline const std::string NeroFailedText = "Burn process failed";

class NeroStandIn : public StandIn {
public:
    explicit NeroStandIn(const StandInOptions& options) : options_(options) {}

    void Start(StandInHost& host, const std::string& arguments) override;
    void OnKey(WindowHandle window, const KeyStroke& key) override;
    void OnMessage(WindowHandle, std::uint32_t, std::uint32_t, std::uint32_t) override {}

private:
    enum class Menu { None, Edit, File };

    void ShowMainWindow();
    void KeyInMain(WindowHandle window, const KeyStroke& key);
    void KeyInAddPrompt(const KeyStroke& key);
    void KeyInWriteDialog(const KeyStroke& key);
    void KeyInSaveDialog(const KeyStroke& key);
    void KeyInQuestion(const KeyStroke& key);
    // Opens the dialog (with a line of text, if given) into its slot, after the prompt delay;
    // typing starts afresh in it.
    void OpenDialog(WindowHandle& dialog, const std::string& title, const std::string& text = "");
    void CloseDialog(WindowHandle& dialog);
    void AddTypedFile();
    void StartWriting();
    void ConfirmImageName();
    void FinishWriting(const std::string& image, const std::vector<std::string>& files);
    void Close();
    void Stray(WindowHandle window, const KeyStroke& key);

    StandInOptions options_;
    StandInHost* host_ = nullptr;
    std::string project_;
    std::vector<std::string> compilation_;
    bool changed_ = false;
    Menu menu_ = Menu::None;
    EditBuffer typed_;  // the path typed into the add prompt or the save dialog
    bool writing_ = false;
    bool written_ = false;
    WindowHandle main_ = 0;
    WindowHandle addPrompt_ = 0;
    WindowHandle writeDialog_ = 0;
    WindowHandle saveDialog_ = 0;
    WindowHandle question_ = 0;
    WindowHandle report_ = 0;  // the child of the main window that reports the end of writing
};

}  // namespace velutreck
