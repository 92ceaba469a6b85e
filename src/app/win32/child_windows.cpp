#include "app/win32/child_windows.h"

#include <commctrl.h>

#include <algorithm>

#include "base/failure.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_controls.h"
#include "platform/win32/window_dpi.h"

namespace velutreck {

namespace {

// How far a drop-down list opens below its box.
constexpr int DropDownHeightAtDesignDpi = 120;
// The frames are flat rules: an etched line two pixels high.
constexpr int RuleHeight = 2;

struct WindowKind {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

WindowKind KindOf(const LayoutControl& control) {
    switch (control.kind) {
    case ControlKind::Label:
    case ControlKind::SectionHeading:
        return {WC_STATICW, static_cast<DWORD>(control.style.wraps ? SS_LEFT : SS_LEFTNOWORDWRAP), 0};
    case ControlKind::FrameRule: return {WC_STATICW, SS_ETCHEDHORZ, 0};
    case ControlKind::Picture: return {WC_STATICW, SS_ICON, 0};
    case ControlKind::CheckBox: return {WC_BUTTONW, BS_AUTOCHECKBOX | WS_TABSTOP, 0};
    case ControlKind::TextBox: return {WC_EDITW, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::ListBox:
        return {WC_LISTBOXW, LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP,
                WS_EX_CLIENTEDGE};
    case ControlKind::Button:
        return {WC_BUTTONW, static_cast<DWORD>((control.style.defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) |
                                                   WS_TABSTOP),
                0};
    case ControlKind::PictureButton: return {WC_BUTTONW, BS_PUSHBUTTON | BS_ICON | WS_TABSTOP, 0};
    case ControlKind::DropDownList: return {WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0};
    // The buddy box takes the arrow keys; the arrows themselves are no Tab stop.
    case ControlKind::UpDown: return {UPDOWN_CLASSW, UDS_SETBUDDYINT | UDS_NOTHOUSANDS | UDS_ARROWKEYS, 0};
    case ControlKind::TabControl: return {WC_TABCONTROLW, WS_TABSTOP | WS_CLIPSIBLINGS, 0};
    }
    return {WC_STATICW, 0, 0};
}

bool OnTabPage(const LayoutControl& control) { return control.container != Container::Client; }

HWND Create(HWND parent, HINSTANCE instance, const LayoutControl& control) {
    const WindowKind kind = KindOf(control);
    const DWORD visible = OnTabPage(control) ? 0 : WS_VISIBLE;
    const std::wstring caption = Widen(control.caption);
    const HWND window = CreateWindowExW(kind.exStyle, kind.className, caption.c_str(),
                                        WS_CHILD | visible | kind.style, 0, 0, 0, 0, parent,
                                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(control.id)), instance, nullptr);
    if (!window) {
        throw Failure(FailureKind::Control, "The control " + std::string(control.name) + " could not be created.");
    }
    if (control.kind == ControlKind::CheckBox && control.style.checked) {
        SendMessageW(window, BM_SETCHECK, BST_CHECKED, 0);
    }
    return window;
}

bool SizesToCaption(const LayoutControl& control) {
    return (control.kind == ControlKind::Label || control.kind == ControlKind::SectionHeading) && !control.style.wraps;
}

RECT PixelRect(const LayoutControl& control, int dpi) {
    TwipsRect twips = control.rect;
    if (OnTabPage(control)) {
        const TwipsRect& tab = LayoutOf(ControlId::SSTab1).rect;
        twips.left += tab.left;
        twips.top += tab.top;
    }
    return {TwipsToPixels(twips.left, dpi), TwipsToPixels(twips.top, dpi), TwipsToPixels(twips.left + twips.width, dpi),
            TwipsToPixels(twips.top + twips.height, dpi)};
}

// A drop-down list's closed box takes its height from its selection field, not from its window.
// The box around the field differs between systems (and Wine reads a field's height back larger
// than it was set), so the field is set, the box measured, and the field corrected.
void SetClosedHeight(HWND comboBox, int height) {
    auto field = static_cast<int>(SendMessageW(comboBox, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    for (int attempt = 0; attempt < 3; ++attempt) {
        RECT closed{};
        GetWindowRect(comboBox, &closed);
        field += height - (closed.bottom - closed.top);
        if (closed.bottom - closed.top == height || field <= 0) {
            return;
        }
        SendMessageW(comboBox, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    }
}

// A child's rectangle in its parent's client coordinates.
RECT ChildRect(HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace

const LayoutControl& LayoutOf(ControlId id) {
    for (const LayoutControl& control : MainWindowLayout) {
        if (control.id == id) {
            return control;
        }
    }
    throw Failure(FailureKind::Control, "The layout has no control " + std::to_string(static_cast<int>(id)));
}

ControlId DefaultButton() {
    for (const LayoutControl& control : MainWindowLayout) {
        if (control.style.defaultButton) {
            return control.id;
        }
    }
    throw Failure(FailureKind::Control, "The layout has no default button.");
}

ControlId CancelButton() {
    for (const LayoutControl& control : MainWindowLayout) {
        if (control.style.cancelButton) {
            return control.id;
        }
    }
    throw Failure(FailureKind::Control, "The layout has no cancel button.");
}

Container TabPage(int tabIndex) {
    constexpr Container Pages[] = {Container::FilesTab, Container::SettingsTab, Container::AboutTab};
    return tabIndex >= 0 && tabIndex < 3 ? Pages[tabIndex] : Container::FilesTab;
}

int TabIndex(Container page) { return page == Container::SettingsTab ? 1 : page == Container::AboutTab ? 2 : 0; }

ChildWindows::ChildWindows(HWND parent, HINSTANCE instance) {
    for (const LayoutControl* control : ControlsInKeyboardOrder()) {
        children_.push_back({control, Create(parent, instance, *control)});
    }
    for (const LayoutControl& control : MainWindowLayout) {
        if (!control.keyboardOrder) {
            children_.push_back({&control, Create(parent, instance, control)});
        }
    }
    // The tab control lies under everything else so that it never paints over the headings, rules
    // and pictures on its pages. The Tab key follows this stacking, so the tab strip comes last,
    // just after the Send to box (place 46), the one control after it that takes the focus: on the
    // Settings tab the inputs run from top to bottom and then the strip, as a user reads them.
    const HWND tab = (*this)[ControlId::SSTab1];
    SetWindowPos(tab, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    for (std::size_t i = 0; i < TabCaptions.size(); ++i) {
        std::wstring caption = Widen(TabCaptions[i]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(tab, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    const HWND upDown = (*this)[PauseUpDown];
    SendMessageW(upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>((*this)[PauseUpDownBuddy]), 0);
    SendMessageW(upDown, UDM_SETRANGE32, PauseUpDownMinimum, PauseUpDownMaximum);
}

HWND ChildWindows::operator[](ControlId id) const {
    for (const ChildWindow& child : children_) {
        if (child.layout->id == id) {
            return child.window;
        }
    }
    return nullptr;
}

void ChildWindows::Place(const WindowResources& resources) const {
    const int dpi = static_cast<int>(resources.Dpi());
    for (const ChildWindow& child : children_) {
        const LayoutControl& control = *child.layout;
        SendMessageW(child.window, WM_SETFONT, reinterpret_cast<WPARAM>(resources.Font(control.style.bold)), FALSE);
        RECT place = PixelRect(control, dpi);
        switch (control.kind) {
        case ControlKind::FrameRule:
            place.bottom = place.top + RuleHeight;
            break;
        case ControlKind::Picture:
            SendMessageW(child.window, STM_SETIMAGE, IMAGE_ICON,
                         reinterpret_cast<LPARAM>(resources.Icon(control.artwork)));
            break;
        case ControlKind::PictureButton:
            SendMessageW(child.window, BM_SETIMAGE, IMAGE_ICON,
                         reinterpret_cast<LPARAM>(resources.Icon(control.artwork)));
            break;
        case ControlKind::DropDownList:
            place.bottom += ScaleForDpi(DropDownHeightAtDesignDpi, resources.Dpi());
            break;
        default:
            break;
        }
        SetWindowPos(child.window, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (SizesToCaption(control)) {
            SizeLabelToCaption(child.window);
        }
        if (control.kind == ControlKind::DropDownList) {
            SetClosedHeight(child.window, TwipsToPixels(control.rect.top + control.rect.height, dpi) -
                                              TwipsToPixels(control.rect.top, dpi));
        }
        InvalidateRect(child.window, nullptr, TRUE);
    }
    KeepRulesClearOfHeadings(dpi);
    EmbedButtonsInTextBoxes();
}

// The "..." buttons sit inside the right end of their text boxes. The box, though earlier in the
// Tab order and so above the button, leaves the button's place out of its window and keeps its
// text clear of it.
void ChildWindows::EmbedButtonsInTextBoxes() const {
    for (const ChildWindow& box : children_) {
        if (box.layout->kind != ControlKind::TextBox) {
            continue;
        }
        const RECT boxRect = ChildRect(box.window);
        for (const ChildWindow& button : children_) {
            const RECT buttonRect = ChildRect(button.window);
            RECT inside{};
            const bool embedded = button.layout->kind == ControlKind::Button &&
                                  button.layout->container == box.layout->container &&
                                  IntersectRect(&inside, &buttonRect, &boxRect) && EqualRect(&inside, &buttonRect);
            if (!embedded) {
                continue;
            }
            const HRGN region = CreateRectRgn(0, 0, boxRect.right - boxRect.left, boxRect.bottom - boxRect.top);
            const HRGN hole = CreateRectRgn(buttonRect.left - boxRect.left, buttonRect.top - boxRect.top,
                                            buttonRect.right - boxRect.left, buttonRect.bottom - boxRect.top);
            CombineRgn(region, region, hole, RGN_DIFF);
            DeleteObject(hole);
            SetWindowRgn(box.window, region, TRUE);
            RECT client{};
            GetClientRect(box.window, &client);
            MapWindowPoints(box.window, GetParent(box.window), reinterpret_cast<POINT*>(&client), 2);
            const int margin = std::max(0L, client.right - buttonRect.left + 1);
            SendMessageW(box.window, EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, margin));
        }
    }
}

// A heading's caption may come out wider than it was designed in the fonts of another screen; its
// rule then starts after it, at the designed distance, and still ends where it was designed to.
void ChildWindows::KeepRulesClearOfHeadings(int dpi) const {
    for (const ChildWindow& heading : children_) {
        if (heading.layout->kind != ControlKind::SectionHeading) {
            continue;
        }
        for (const ChildWindow& rule : children_) {
            const LayoutControl& ruleLayout = *rule.layout;
            const TwipsRect& headingTwips = heading.layout->rect;
            const bool besideHeading = ruleLayout.kind == ControlKind::FrameRule &&
                                       ruleLayout.container == heading.layout->container &&
                                       ruleLayout.rect.top < headingTwips.top + headingTwips.height &&
                                       ruleLayout.rect.left >= headingTwips.left + headingTwips.width;
            if (!besideHeading) {
                continue;
            }
            const int gap = TwipsToPixels(ruleLayout.rect.left - headingTwips.left - headingTwips.width, dpi);
            const RECT headingRect = ChildRect(heading.window);
            const RECT ruleRect = ChildRect(rule.window);
            const int left = std::max(ruleRect.left, headingRect.right + gap);
            SetWindowPos(rule.window, nullptr, left, ruleRect.top, std::max(0L, ruleRect.right - left),
                         ruleRect.bottom - ruleRect.top, SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
}

void ChildWindows::ShowPage(Container page) const {
    for (const ChildWindow& child : children_) {
        if (OnTabPage(*child.layout)) {
            ShowWindow(child.window, child.layout->container == page ? SW_SHOWNA : SW_HIDE);
        }
    }
}

}  // namespace velutreck
