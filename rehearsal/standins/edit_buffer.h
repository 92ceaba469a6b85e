// The text of an edit field as the keyboard changes it: a caret, a selection from an anchor to the
// caret, Home and End (with Shift to select), Left and Right, Backspace and Delete, and typed
// characters, which replace the selection. Simple Burner's disc name and track-name editor use it.
#pragma once

#include <cstddef>
#include <string>

#include "platform/keys.h"

namespace velutreck {

class EditBuffer {
public:
    EditBuffer() = default;
    // The text with the caret at its end and nothing selected.
    explicit EditBuffer(const std::string& text);

    std::string Text() const;
    // Applies the key; false when an edit field does nothing with it.
    bool Key(const KeyStroke& key);

private:
    void MoveCaret(std::size_t to, bool select);
    void DeleteSelection();

    std::u32string text_;
    std::size_t caret_ = 0;
    std::size_t anchor_ = 0;
};

}  // namespace velutreck
