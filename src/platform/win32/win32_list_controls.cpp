// The drop-down list and the track list on their real windows. Indices are 16-bit; a bad index is
// a failed control access, as it is for the in-memory controls.
#include <vector>

#include "base/failure.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_controls.h"

namespace velutreck {

namespace {

void CheckIndex(Int16 index, Int16 count, bool endAllowed) {
    const int i = static_cast<int>(index);
    const int limit = static_cast<int>(count) + (endAllowed ? 1 : 0);
    if (i < 0 || i >= limit) {
        throw Failure(FailureKind::Control, "Invalid list index " + std::to_string(i));
    }
}

// The count after one more entry, which must still fit in 16 bits.
void CheckRoomForOneMore(Int16 count) { Int16(static_cast<long long>(count.Value()) + 1); }

std::string ItemText(HWND window, UINT lengthMessage, UINT textMessage, Int16 index) {
    const auto i = static_cast<WPARAM>(index.Value());
    const auto length = SendMessageW(window, lengthMessage, i, 0);
    if (length < 0) {
        throw Failure(FailureKind::Control, "Invalid list index " + std::to_string(index.Value()));
    }
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
    const auto copied = SendMessageW(window, textMessage, i, reinterpret_cast<LPARAM>(buffer.data()));
    return Narrow(std::wstring_view(buffer.data(), copied > 0 ? static_cast<std::size_t>(copied) : 0));
}

void CheckAdded(LRESULT result, LRESULT error, LRESULT noSpace, const std::string& text) {
    if (result == error || result == noSpace) {
        throw Failure(FailureKind::Control, "The entry \"" + text + "\" could not be added.");
    }
}

}  // namespace

void Win32ComboBox::Clear() { SendMessageW(window_, CB_RESETCONTENT, 0, 0); }

void Win32ComboBox::AddItem(const std::string& text) {
    CheckRoomForOneMore(ListCount());
    const std::wstring wide = Widen(text);
    CheckAdded(SendMessageW(window_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str())), CB_ERR, CB_ERRSPACE,
               text);
}

Int16 Win32ComboBox::ListCount() const { return static_cast<long long>(SendMessageW(window_, CB_GETCOUNT, 0, 0)); }

std::string Win32ComboBox::Item(Int16 index) const {
    CheckIndex(index, ListCount(), false);
    return ItemText(window_, CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}

Int16 Win32ComboBox::ListIndex() const { return static_cast<long long>(SendMessageW(window_, CB_GETCURSEL, 0, 0)); }

void Win32ComboBox::SetListIndex(Int16 index) {
    if (index != -1) {
        CheckIndex(index, ListCount(), false);
    }
    SendMessageW(window_, CB_SETCURSEL, static_cast<WPARAM>(index.Value()), 0);
}

Int16 Win32ListBox::Count() const { return static_cast<long long>(SendMessageW(window_, LB_GETCOUNT, 0, 0)); }

std::string Win32ListBox::Entry(Int16 index) const {
    CheckIndex(index, Count(), false);
    return ItemText(window_, LB_GETTEXTLEN, LB_GETTEXT, index);
}

void Win32ListBox::Append(const std::string& text) {
    CheckRoomForOneMore(Count());
    const std::wstring wide = Widen(text);
    CheckAdded(SendMessageW(window_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str())), LB_ERR, LB_ERRSPACE,
               text);
}

// The list box keeps the selection on the same entry when entries move around it.
void Win32ListBox::Insert(Int16 index, const std::string& text) {
    const Int16 count = Count();
    CheckIndex(index, count, true);
    CheckRoomForOneMore(count);
    const std::wstring wide = Widen(text);
    CheckAdded(SendMessageW(window_, LB_INSERTSTRING, static_cast<WPARAM>(index.Value()),
                            reinterpret_cast<LPARAM>(wide.c_str())),
               LB_ERR, LB_ERRSPACE, text);
}

void Win32ListBox::Remove(Int16 index) {
    CheckIndex(index, Count(), false);
    const bool wasSelected = SelectedIndex() == index;
    SendMessageW(window_, LB_DELETESTRING, static_cast<WPARAM>(index.Value()), 0);
    if (wasSelected) {
        SendMessageW(window_, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    }
}

void Win32ListBox::Clear() { SendMessageW(window_, LB_RESETCONTENT, 0, 0); }

Int16 Win32ListBox::SelectedIndex() const { return static_cast<long long>(SendMessageW(window_, LB_GETCURSEL, 0, 0)); }

void Win32ListBox::SetSelectedIndex(Int16 index) {
    if (index != -1) {
        CheckIndex(index, Count(), false);
    }
    SendMessageW(window_, LB_SETCURSEL, static_cast<WPARAM>(index.Value()), 0);
}

}  // namespace velutreck
