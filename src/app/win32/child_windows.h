// The main window's controls as child windows, made from the layout table: created in keyboard
// order so that their z-order is their Tab order, each with its ControlId as its control id, and
// placed from twips at the window's DPI. Controls on a tab page show only while their page is in
// front.
#pragma once

#include <vector>

#include "app/layout.h"
#include "app/win32/window_resources.h"
#include "platform/win32/windows_api.h"

namespace velutreck {

struct ChildWindow {
    const LayoutControl* layout;
    HWND window;
};

class ChildWindows {
public:
    ChildWindows(HWND parent, HINSTANCE instance);

    HWND operator[](ControlId id) const;
    const std::vector<ChildWindow>& All() const { return children_; }

    // Fonts, pictures, places and sizes at the resources' DPI. Labels size to their captions.
    void Place(const WindowResources& resources) const;
    // Shows the controls of one tab page (FilesTab, SettingsTab or AboutTab) and hides the others'.
    void ShowPage(Container page) const;

private:
    void KeepRulesClearOfHeadings(int dpi) const;
    void EmbedButtonsInTextBoxes() const;

    std::vector<ChildWindow> children_;
};

// The layout row of a control.
const LayoutControl& LayoutOf(ControlId id);
// The buttons that Enter and Esc press.
ControlId DefaultButton();
ControlId CancelButton();

// The tab page of a tab index of the tab control, and back.
Container TabPage(int tabIndex);
int TabIndex(Container page);

}  // namespace velutreck
