#include "platform/memory/memory_controls.h"

#include "base/failure.h"

namespace velutreck {

namespace {

// A bad index is a failed control access, as it is on a real list or combo box.
void CheckIndex(Int16 index, std::size_t size, bool endAllowed) {
    const auto i = static_cast<long long>(index.Value());
    const auto limit = static_cast<long long>(size) + (endAllowed ? 1 : 0);
    if (i < 0 || i >= limit) {
        throw Failure(FailureKind::Control, "Invalid list index " + std::to_string(i));
    }
}

}  // namespace

void MemoryComboBox::Clear() {
    items_.clear();
    listIndex_ = -1;
}

void MemoryComboBox::AddItem(const std::string& text) {
    Int16(static_cast<long long>(items_.size()) + 1);
    items_.push_back(text);
}

Int16 MemoryComboBox::ListCount() const { return static_cast<long long>(items_.size()); }

std::string MemoryComboBox::Item(Int16 index) const {
    CheckIndex(index, items_.size(), false);
    return items_[static_cast<std::size_t>(index.Value())];
}

void MemoryComboBox::SetListIndex(Int16 index) {
    if (index != -1) {
        CheckIndex(index, items_.size(), false);
    }
    listIndex_ = index;
}

Int16 MemoryListBox::Count() const { return static_cast<long long>(entries_.size()); }

std::string MemoryListBox::Entry(Int16 index) const {
    CheckIndex(index, entries_.size(), false);
    return entries_[static_cast<std::size_t>(index.Value())];
}

void MemoryListBox::Append(const std::string& text) {
    Int16(static_cast<long long>(entries_.size()) + 1);
    entries_.push_back(text);
}

// Like a real list box, the selection stays on the same entry when entries move around it.
void MemoryListBox::Insert(Int16 index, const std::string& text) {
    CheckIndex(index, entries_.size(), true);
    Int16(static_cast<long long>(entries_.size()) + 1);
    entries_.insert(entries_.begin() + index.Value(), text);
    if (selectedIndex_ != -1 && selectedIndex_ >= index) {
        ++selectedIndex_;
    }
}

void MemoryListBox::Remove(Int16 index) {
    CheckIndex(index, entries_.size(), false);
    entries_.erase(entries_.begin() + index.Value());
    if (selectedIndex_ == index) {
        selectedIndex_ = -1;
    } else if (selectedIndex_ > index) {
        --selectedIndex_;
    }
}

void MemoryListBox::Clear() {
    entries_.clear();
    selectedIndex_ = -1;
}

void MemoryListBox::SetSelectedIndex(Int16 index) {
    if (index != -1) {
        CheckIndex(index, entries_.size(), false);
    }
    selectedIndex_ = index;
}

}  // namespace velutreck
