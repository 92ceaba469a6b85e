// The main window's controls as frmMain sees them. The program's state lives in its controls, so
// every value is read at the moment it is asked: in-memory controls serve the tests and the
// simulator, Win32 controls read and write the real window.
#pragma once

#include <cstdint>
#include <string>

#include "base/int16.h"

namespace velutreck {

class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual std::string ToolTipText() const = 0;
    virtual void SetToolTipText(const std::string& text) = 0;
};

class TextBox : public Control {
public:
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
};

// A check box's value: 0 unchecked, 1 checked. Disabling it never changes the value.
class CheckBox : public Control {
public:
    virtual Int16 Value() const = 0;
    virtual void SetValue(Int16 value) = 0;
};

class Button : public Control {
public:
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
};

class Label : public Control {
public:
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
};

// A drop-down list. ListIndex is -1 when nothing is selected.
class ComboBox : public Control {
public:
    virtual void Clear() = 0;
    virtual void AddItem(const std::string& text) = 0;
    virtual Int16 ListCount() const = 0;
    virtual std::string Item(Int16 index) const = 0;
    virtual Int16 ListIndex() const = 0;
    virtual void SetListIndex(Int16 index) = 0;
};

// A single-selection list box: the track list. There is no second array behind it.
// SelectedIndex is -1 when no entry is selected; setting it selects and shows that entry.
class ListBox : public Control {
public:
    virtual Int16 Count() const = 0;
    virtual std::string Entry(Int16 index) const = 0;
    virtual void Append(const std::string& text) = 0;
    virtual void Insert(Int16 index, const std::string& text) = 0;
    virtual void Remove(Int16 index) = 0;
    virtual void Clear() = 0;
    virtual Int16 SelectedIndex() const = 0;
    virtual void SetSelectedIndex(Int16 index) = 0;
};

}  // namespace velutreck

namespace velutreck {

// The master timer. Its interval is fixed at 1000 ms; only its enabled state changes.
class Timer {
public:
    Timer() = default;
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;
    virtual ~Timer() = default;

    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
};

// The main window itself: its caption, its handle as an owner for dialogs and the shell, painting
// in the middle of long work, and unloading it, which ends the program.
class FormWindow {
public:
    FormWindow() = default;
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;
    virtual ~FormWindow() = default;

    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual std::uint32_t Handle() const = 0;
    // Paints what needs painting now, between the steps of long work on the window's thread; takes
    // no click, key or timer, which wait until the work is done.
    virtual void PaintPending() = 0;
    // Whether the user asked, during such work, to stop it: Esc, or a click on the button that
    // reads "Stop" meanwhile. The keys typed during the work are taken with it, as the window
    // takes no input meanwhile.
    virtual bool StopAsked() = 0;
    virtual void Unload() = 0;
};

}  // namespace velutreck
