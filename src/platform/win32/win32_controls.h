// The main window's controls on their real windows. Every value is read from and written to the
// window at the moment it is asked (WM_GETTEXT, BM_GETCHECK, LB_GETTEXT ...), so a driver that
// reads a text box during a tick reads what the window shows. Texts cross as UTF-16.
#pragma once

#include "platform/controls.h"
#include "platform/win32/tool_tip_registry.h"
#include "platform/win32/windows_api.h"

namespace velutreck {

// The text of any window, and setting it.
std::string ReadWindowText(HWND window);
void WriteWindowText(HWND window, const std::string& text);

template <typename Interface>
class Win32Control : public Interface {
public:
    Win32Control(HWND window, ToolTipRegistry& tips) : window_(window), tips_(tips) {}

    bool Enabled() const override;
    void SetEnabled(bool enabled) override;
    std::string ToolTipText() const override;
    void SetToolTipText(const std::string& text) override;

    HWND Window() const { return window_; }

protected:
    HWND window_;
    ToolTipRegistry& tips_;
};

class Win32TextBox : public Win32Control<TextBox> {
public:
    using Win32Control::Win32Control;
    std::string Text() const override;
    void SetText(const std::string& text) override;
};

// 0 unchecked, 1 checked, 2 greyed.
class Win32CheckBox : public Win32Control<CheckBox> {
public:
    using Win32Control::Win32Control;
    Int16 Value() const override;
    void SetValue(Int16 value) override;
};

class Win32Button : public Win32Control<Button> {
public:
    using Win32Control::Win32Control;
    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;
};

// A label sizes itself to its caption unless it is a fixed box that wraps its text.
class Win32Label : public Win32Control<Label> {
public:
    Win32Label(HWND window, ToolTipRegistry& tips, bool sizesToCaption)
        : Win32Control(window, tips), sizesToCaption_(sizesToCaption) {}
    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;

private:
    bool sizesToCaption_;
};

// Sizes a label to its caption in its own font, keeping its top-left corner; "&" marks access keys.
void SizeLabelToCaption(HWND label);

class Win32ComboBox : public Win32Control<ComboBox> {
public:
    using Win32Control::Win32Control;
    void Clear() override;
    void AddItem(const std::string& text) override;
    Int16 ListCount() const override;
    std::string Item(Int16 index) const override;
    Int16 ListIndex() const override;
    void SetListIndex(Int16 index) override;
};

class Win32ListBox : public Win32Control<ListBox> {
public:
    using Win32Control::Win32Control;
    Int16 Count() const override;
    std::string Entry(Int16 index) const override;
    void Append(const std::string& text) override;
    void Insert(Int16 index, const std::string& text) override;
    void Remove(Int16 index) override;
    void Clear() override;
    Int16 SelectedIndex() const override;
    void SetSelectedIndex(Int16 index) override;
};

}  // namespace velutreck
