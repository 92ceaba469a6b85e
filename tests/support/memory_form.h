// The main window's controls in memory, bound the way the Windows layer binds real ones, so that
// tests and the simulator session can drive frmMain and read what the window shows.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/control_id.h"
#include "app/frmMain.h"
#include "engine/main_window_controls.h"
#include "platform/memory/memory_controls.h"

namespace velutreck {

// The form itself: a caption, a handle, and unloading, which a test hooks to Form_Unload.
class SessionFormWindow : public FormWindow {
public:
    explicit SessionFormWindow(std::uint32_t handle) : handle_(handle) {}
    std::string Caption() const override { return caption_; }
    void SetCaption(const std::string& caption) override {
        caption_ = caption;
        captions.push_back(caption);
    }
    std::uint32_t Handle() const override { return handle_; }
    void PaintPending() override {
        ++paints;
        if (onPaintPending) {
            onPaintPending();
        }
    }
    bool StopAsked() override { return std::exchange(stopAsked, false); }
    void Unload() override;

    std::function<void()> onUnload;
    std::function<void()> onPaintPending;
    int paints = 0;
    // Esc, or a click on Stop, waiting in the queue.
    bool stopAsked = false;
    // Every caption set, in order.
    std::vector<std::string> captions;
    bool Unloaded() const { return unloaded_; }

private:
    std::uint32_t handle_;
    std::string caption_ = "Velutreck";
    bool unloaded_ = false;
};

// The master timer; the simulator session hooks its changes to schedule ticks on the virtual clock.
class SessionTimer : public Timer {
public:
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override {
        const bool changed = enabled != enabled_;
        enabled_ = enabled;
        if (changed && onChange) {
            onChange(enabled);
        }
    }

    std::function<void(bool)> onChange;

private:
    bool enabled_ = false;
};

struct MemoryForm {
    explicit MemoryForm(std::uint32_t handle);
    MemoryForm(const MemoryForm&) = delete;
    MemoryForm& operator=(const MemoryForm&) = delete;

    // The window's designed start-up values: "&Start", the automatic break checked, the disc name.
    SessionFormWindow form;
    SessionTimer tmrMaster;
    MemoryCheckBox chkAutoBreak, chkErase, chkNameTracks, chkOnlyAlpha, chkSendTo;
    MemoryTextBox txtDiscName, txtAudioProject, txtTempFolder, txtImageDrive, txtSimpleBurner, txtPause;
    MemoryListBox lstAudioFiles;
    MemoryComboBox cboCompression, cboDiscLength;
    MemoryButton btnStartStop, btnQuit, btnReadme, btnAdd, btnInsertBreak, btnRemove, btnRemoveAll, btnUp, btnDown;
    MemoryButton btnBrowseForAudioProject, btnBrowseForTempFolder, btnBrowseForImageDrive, btnBrowseForSimpleBurner;
    MemoryLabel lblAppName, lblAppName2, lblCopyright, lblSummary;

    MainWindowControls main;

    Control& ControlFor(ControlId id);
    FormControls Bind();
};

}  // namespace velutreck
