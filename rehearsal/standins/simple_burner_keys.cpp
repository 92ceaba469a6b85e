// Simple Burner's keyboard: the message boxes, the disc-name field and the track list with its
// row editor (F2 edits a row, starting empty; Down keeps the name and edits the next row).
#include "rehearsal/standins/key_text.h"
#include "rehearsal/standins/simple_burner_stand_in.h"

namespace velutreck {

void SimpleBurnerStandIn::OnKey(WindowHandle window, const KeyStroke& key) {
    if (window == confirmation_) {
        if (IsAltLetter(key, 'y')) {
            CloseBox(confirmation_);
            Erase();
        } else if (IsAltLetter(key, 'n') || IsKey(key, NamedKey::Escape)) {
            CloseBox(confirmation_);
        } else {
            Stray(window, key);
        }
    } else if (window == message_) {
        if (IsKey(key, NamedKey::Enter) || IsKey(key, NamedKey::Escape)) {
            CloseBox(message_);
        } else {
            Stray(window, key);
        }
    } else if (window == nameField_) {
        KeyInDiscName(key);
    } else if (window == trackList_) {
        KeyInTrackList(key);
    } else if (!IsKey(key, NamedKey::Escape)) {
        // Esc only closes whatever popup is open, so it is harmless anywhere.
        Stray(window, key);
    }
}

void SimpleBurnerStandIn::KeyInDiscName(const KeyStroke& key) {
    if (IsKey(key, NamedKey::Escape)) {
        return;
    }
    if (!discName_.Key(key)) {
        Stray(nameField_, key);
        return;
    }
    host_->SetText(nameField_, discName_.Text());
}

void SimpleBurnerStandIn::KeyInTrackList(const KeyStroke& key) {
    if (rowEditor_) {
        KeyInRowEditor(key);
        return;
    }
    const std::size_t rows = rowTitles_.size();
    if (IsKey(key, NamedKey::Home) || IsKey(key, NamedKey::End) || IsKey(key, NamedKey::Down) ||
        IsKey(key, NamedKey::Up)) {
        if (rows == 0) {
            return;
        }
        std::size_t row = selectedRow_.value_or(0);
        if (IsKey(key, NamedKey::Home)) {
            row = 0;
        } else if (IsKey(key, NamedKey::End)) {
            row = rows - 1;
        } else if (IsKey(key, NamedKey::Down) && selectedRow_ && row + 1 < rows) {
            ++row;
        } else if (IsKey(key, NamedKey::Up) && row > 0) {
            --row;
        }
        selectedRow_ = row;
    } else if (IsKey(key, NamedKey::F2)) {
        if (selectedRow_) {
            rowEditor_ = EditBuffer();
        }
    } else if (!IsKey(key, NamedKey::Escape)) {
        Stray(trackList_, key);
    }
}

void SimpleBurnerStandIn::KeyInRowEditor(const KeyStroke& key) {
    if (IsKey(key, NamedKey::Down)) {
        CommitRow();
        if (*selectedRow_ + 1 < rowTitles_.size()) {
            ++*selectedRow_;
            rowEditor_ = EditBuffer();
        }
    } else if (IsKey(key, NamedKey::Enter)) {
        CommitRow();
    } else if (IsKey(key, NamedKey::Escape)) {
        rowEditor_.reset();
    } else if (!rowEditor_->Key(key)) {
        Stray(trackList_, key);
    }
}

void SimpleBurnerStandIn::CommitRow() {
    rowTitles_[*selectedRow_] = rowEditor_->Text();
    rowEditor_.reset();
}

void SimpleBurnerStandIn::Stray(WindowHandle window, const KeyStroke& key) {
    host_->Note("Simple Burner: stray key \"" + KeyText(key) + "\" in \"" + host_->TextOf(window) + "\"");
}

}  // namespace velutreck
