#include "rehearsal/standins/edit_buffer.h"

#include <algorithm>

#include "base/utf8.h"
#include "rehearsal/standins/key_text.h"

namespace velutreck {

EditBuffer::EditBuffer(const std::string& text)
    : text_(ToCodePoints(text)), caret_(text_.size()), anchor_(text_.size()) {}

std::string EditBuffer::Text() const { return ToUtf8(text_); }

void EditBuffer::MoveCaret(std::size_t to, bool select) {
    caret_ = to;
    if (!select) {
        anchor_ = to;
    }
}

void EditBuffer::DeleteSelection() {
    const std::size_t from = std::min(caret_, anchor_);
    text_.erase(from, std::max(caret_, anchor_) - from);
    caret_ = anchor_ = from;
}

bool EditBuffer::Key(const KeyStroke& key) {
    if (IsTypedCharacter(key)) {
        DeleteSelection();
        text_.insert(text_.begin() + static_cast<std::ptrdiff_t>(caret_), TypedCharacter(key));
        caret_ = anchor_ = caret_ + 1;
        return true;
    }
    if (key.ctrl || key.alt) {
        return false;
    }
    const bool select = key.shift;
    switch (key.key) {
        case NamedKey::Home: MoveCaret(0, select); return true;
        case NamedKey::End: MoveCaret(text_.size(), select); return true;
        case NamedKey::Left: MoveCaret(caret_ > 0 ? caret_ - 1 : 0, select); return true;
        case NamedKey::Right: MoveCaret(std::min(caret_ + 1, text_.size()), select); return true;
        case NamedKey::Backspace:
            if (caret_ == anchor_ && caret_ > 0) {
                --anchor_;
            }
            DeleteSelection();
            return true;
        case NamedKey::Delete:
            if (caret_ == anchor_ && caret_ < text_.size()) {
                ++anchor_;
            }
            DeleteSelection();
            return true;
        default: return false;
    }
}

}  // namespace velutreck
