// In-memory controls for the tests and the simulator: they hold their values as plain fields.
#pragma once

#include <string>
#include <vector>

#include "platform/controls.h"

namespace velutreck {

template <typename Interface>
class MemoryControl : public Interface {
public:
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override { enabled_ = enabled; }
    std::string ToolTipText() const override { return toolTipText_; }
    void SetToolTipText(const std::string& text) override { toolTipText_ = text; }

private:
    bool enabled_ = true;
    std::string toolTipText_;
};

class MemoryTextBox : public MemoryControl<TextBox> {
public:
    std::string Text() const override { return text_; }
    void SetText(const std::string& text) override { text_ = text; }

private:
    std::string text_;
};

class MemoryCheckBox : public MemoryControl<CheckBox> {
public:
    Int16 Value() const override { return value_; }
    void SetValue(Int16 value) override { value_ = value; }

private:
    Int16 value_ = 0;
};

class MemoryButton : public MemoryControl<Button> {
public:
    std::string Caption() const override { return caption_; }
    void SetCaption(const std::string& caption) override { caption_ = caption; }

private:
    std::string caption_;
};

class MemoryLabel : public MemoryControl<Label> {
public:
    std::string Caption() const override { return caption_; }
    void SetCaption(const std::string& caption) override { caption_ = caption; }

private:
    std::string caption_;
};

class MemoryComboBox : public MemoryControl<ComboBox> {
public:
    void Clear() override;
    void AddItem(const std::string& text) override;
    Int16 ListCount() const override;
    std::string Item(Int16 index) const override;
    Int16 ListIndex() const override { return listIndex_; }
    void SetListIndex(Int16 index) override;

private:
    std::vector<std::string> items_;
    Int16 listIndex_ = -1;
};

class MemoryListBox : public MemoryControl<ListBox> {
public:
    Int16 Count() const override;
    std::string Entry(Int16 index) const override;
    void Append(const std::string& text) override;
    void Insert(Int16 index, const std::string& text) override;
    void Remove(Int16 index) override;
    void Clear() override;
    Int16 SelectedIndex() const override { return selectedIndex_; }
    void SetSelectedIndex(Int16 index) override;

private:
    std::vector<std::string> entries_;
    Int16 selectedIndex_ = -1;
};

}  // namespace velutreck

namespace velutreck {

class MemoryTimer : public Timer {
public:
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override { enabled_ = enabled; }

private:
    bool enabled_ = false;
};

class MemoryFormWindow : public FormWindow {
public:
    explicit MemoryFormWindow(std::uint32_t handle = 1) : handle_(handle) {}
    std::string Caption() const override { return caption_; }
    void SetCaption(const std::string& caption) override { caption_ = caption; }
    std::uint32_t Handle() const override { return handle_; }
    void PaintPending() override {}
    bool StopAsked() override { return false; }
    void Unload() override { unloaded_ = true; }
    bool Unloaded() const { return unloaded_; }

private:
    std::uint32_t handle_;
    std::string caption_;
    bool unloaded_ = false;
};

}  // namespace velutreck
