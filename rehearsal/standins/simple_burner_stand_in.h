// Sony NetMD Simple Burner as Velutreck drives it. After reading the disc (a while, longer for a
// full disc) it shows its main window: two dialog panels (the second holding "All Erase", the
// disc-name field and the track list "List2"), the recording-mode box and three static controls,
// the third of which starts recording when clicked. It erases after a confirmation (Alt+Y),
// records the CD in ImageDrive's drive as one new group, takes the disc name and the track names
// from the keyboard, and writes the names to the disc when its main window is closed.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "rehearsal/standins/edit_buffer.h"
#include "rehearsal/standins/stand_in.h"
#include "rehearsal/standins/stand_in_options.h"

namespace velutreck {

inline const std::string SimpleBurnerTitle = "Net MD Simple Burner";
inline const std::string SimpleBurnerCompleteText = "Recording is complete.";
inline const std::string SimpleBurnerNoCdText = "There is no audio CD in the drive.";

class SimpleBurnerStandIn : public StandIn {
public:
    explicit SimpleBurnerStandIn(const StandInOptions& options) : options_(options) {}

    void Start(StandInHost& host, const std::string& arguments) override;
    void OnKey(WindowHandle window, const KeyStroke& key) override;
    void OnMessage(WindowHandle window, std::uint32_t message, std::uint32_t wParam, std::uint32_t lParam) override;

private:
    void ShowMainWindow();
    void Click(WindowHandle window);
    bool Busy(const std::string& clicked);
    WindowHandle ShowBox(const std::string& text);
    void CloseBox(WindowHandle& box);
    void Erase();
    std::vector<std::string> SourcesOfCd();
    void StartRecording();
    void FinishRecording(const std::vector<std::string>& sources, const std::string& mode);
    void CloseProgram();
    void StoreTitle(const std::string& title, const std::string& stored);
    void KeyInDiscName(const KeyStroke& key);
    void KeyInTrackList(const KeyStroke& key);
    void KeyInRowEditor(const KeyStroke& key);
    void CommitRow();
    void Stray(WindowHandle window, const KeyStroke& key);

    StandInOptions options_;
    StandInHost* host_ = nullptr;
    MiniDisc disc_;                        // as on the disc; names typed go there on closing
    std::vector<std::string> rowTitles_;   // the track list's names, one per row
    EditBuffer discName_;
    std::optional<std::size_t> selectedRow_;
    std::optional<EditBuffer> rowEditor_;  // while a row's name is being edited
    std::size_t mode_ = 0;                 // the recording mode box: 0 LP2, 1 LP4
    bool recording_ = false;
    WindowHandle pressed_ = 0;             // where the left button went down
    WindowHandle main_ = 0;
    WindowHandle deviceField_ = 0;
    WindowHandle eraseButton_ = 0;
    WindowHandle nameField_ = 0;
    WindowHandle trackList_ = 0;
    WindowHandle modeBox_ = 0;
    WindowHandle recordControl_ = 0;
    WindowHandle confirmation_ = 0;
    WindowHandle message_ = 0;
};

}  // namespace velutreck
