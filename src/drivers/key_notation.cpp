#include "drivers/key_notation.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/failure.h"
#include "base/int16.h"
#include "base/utf8.h"

namespace velutreck {

namespace {

struct NamedKeyEntry {
    std::string_view name;
    NamedKey key;
};

constexpr int MaxGroupDepth = 16;

constexpr auto NamedKeys = std::to_array<NamedKeyEntry>({
    {"BACKSPACE", NamedKey::Backspace}, {"BS", NamedKey::Backspace}, {"BKSP", NamedKey::Backspace},
    {"BREAK", NamedKey::Break}, {"CAPSLOCK", NamedKey::CapsLock},
    {"DELETE", NamedKey::Delete}, {"DEL", NamedKey::Delete},
    {"DOWN", NamedKey::Down}, {"END", NamedKey::End}, {"ENTER", NamedKey::Enter},
    {"ESC", NamedKey::Escape}, {"HELP", NamedKey::Help}, {"HOME", NamedKey::Home},
    {"INSERT", NamedKey::Insert}, {"INS", NamedKey::Insert}, {"LEFT", NamedKey::Left},
    {"NUMLOCK", NamedKey::NumLock}, {"PGDN", NamedKey::PageDown}, {"PGUP", NamedKey::PageUp},
    {"PRTSC", NamedKey::PrintScreen}, {"RIGHT", NamedKey::Right}, {"SCROLLLOCK", NamedKey::ScrollLock},
    {"TAB", NamedKey::Tab}, {"UP", NamedKey::Up},
    {"F1", NamedKey::F1}, {"F2", NamedKey::F2}, {"F3", NamedKey::F3}, {"F4", NamedKey::F4},
    {"F5", NamedKey::F5}, {"F6", NamedKey::F6}, {"F7", NamedKey::F7}, {"F8", NamedKey::F8},
    {"F9", NamedKey::F9}, {"F10", NamedKey::F10}, {"F11", NamedKey::F11}, {"F12", NamedKey::F12},
    {"F13", NamedKey::F13}, {"F14", NamedKey::F14}, {"F15", NamedKey::F15}, {"F16", NamedKey::F16},
});

struct Modifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;

    bool Any() const { return shift || ctrl || alt; }
    Modifiers With(const Modifiers& other) const {
        return {shift || other.shift, ctrl || other.ctrl, alt || other.alt};
    }
};

// Recursive descent over the code points of one sequence. Everything is checked before the
// caller gets a single stroke, so a broken sequence never types half of itself.
class Parser {
public:
    explicit Parser(const std::string& notation) : notation_(notation), text_(ToCodePoints(notation)) {}

    std::vector<KeyStroke> Parse() {
        std::vector<KeyStroke> strokes;
        ParseItems({}, false, strokes);
        return strokes;
    }

private:
    bool AtEnd() const { return pos_ == text_.size(); }
    bool At(char32_t c) const { return !AtEnd() && text_[pos_] == c; }

    [[noreturn]] void Refuse(const std::string& problem) const {
        throw Failure(FailureKind::KeyNotation, "The key sequence \"" + notation_ + "\" cannot be typed: " + problem + ".");
    }

    // Items up to the end of the sequence, or up to the ")" that closes the group being read.
    void ParseItems(const Modifiers& held, bool inGroup, std::vector<KeyStroke>& out) {
        while (!AtEnd()) {
            if (At(U')')) {
                if (!inGroup) {
                    Refuse("it has a \")\" without a \"(\" before it");
                }
                return;
            }
            ParseItem(held, out);
        }
        if (inGroup) {
            Refuse("it has a \"(\" without a \")\" after it");
        }
    }

    void ParseItem(const Modifiers& held, std::vector<KeyStroke>& out) {
        const Modifiers own = ReadModifiers();
        if (own.Any() && (AtEnd() || At(U')'))) {
            Refuse("a \"+\", \"^\" or \"%\" has no key after it");
        }
        const Modifiers now = held.With(own);
        if (At(U'(')) {
            ++pos_;
            if (At(U')')) {
                Refuse("it has an empty group \"()\"");
            }
            // Each group is read one level deeper on the stack; no sequence the drivers send
            // nests at all, so a deep one is refused before it can exhaust the stack.
            if (++depth_ > MaxGroupDepth) {
                Refuse("its groups are nested more than " + std::to_string(MaxGroupDepth) + " deep");
            }
            ParseItems(now, true, out);
            --depth_;
            ++pos_;
            return;
        }
        ParseKey(now, out);
    }

    Modifiers ReadModifiers() {
        Modifiers own;
        while (!AtEnd()) {
            bool* flag = nullptr;
            switch (text_[pos_]) {
                case U'+': flag = &own.shift; break;
                case U'^': flag = &own.ctrl; break;
                case U'%': flag = &own.alt; break;
                default: return own;
            }
            if (*flag) {
                Refuse("the same modifier is written twice in a row");
            }
            *flag = true;
            ++pos_;
        }
        return own;
    }

    void ParseKey(const Modifiers& now, std::vector<KeyStroke>& out) {
        const char32_t c = text_[pos_];
        if (c == U'}') {
            Refuse("it has a \"}\" without a \"{\" before it");
        }
        if (c == U'[' || c == U']') {
            Refuse("\"[\" and \"]\" must be written in braces");
        }
        if (c == U'{') {
            ParseBraces(now, out);
            return;
        }
        ++pos_;
        Emit(c == U'~' ? KeyStroke{.key = NamedKey::Enter} : KeyStroke{.character = c}, now, 1, out);
    }

    // "{NAME}", "{c}", and either with a repeat count: "{NAME n}", "{c n}".
    void ParseBraces(const Modifiers& now, std::vector<KeyStroke>& out) {
        ++pos_;
        if (AtEnd()) {
            Refuse("it has a \"{\" without a \"}\" after it");
        }
        KeyStroke key;
        if (At(U'}')) {
            // "{}}" types "}" and "{} n}" repeats it; any other "{}" names nothing.
            const bool closes = pos_ + 1 < text_.size() && (text_[pos_ + 1] == U'}' || text_[pos_ + 1] == U' ');
            if (!closes) {
                Refuse("it has an empty \"{}\"");
            }
            key.character = U'}';
            ++pos_;
        } else {
            // The first character always belongs to the key, so "{ }" types a space.
            const std::size_t start = pos_++;
            while (!AtEnd() && !At(U'}') && !At(U' ')) {
                ++pos_;
            }
            if (AtEnd()) {
                Refuse("it has a \"{\" without a \"}\" after it");
            }
            key = KeyInBraces(text_.substr(start, pos_ - start));
        }
        Int16 count = 1;
        if (At(U' ')) {
            ++pos_;
            count = ReadCount();
        }
        if (!At(U'}')) {
            Refuse(AtEnd() ? "it has a \"{\" without a \"}\" after it" : "a repeat count is not a whole number");
        }
        ++pos_;
        Emit(key, now, count, out);
    }

    KeyStroke KeyInBraces(const std::u32string& inside) const {
        if (inside.size() == 1) {
            return {.character = inside.front()};
        }
        std::string upper;
        for (char32_t c : inside) {
            if (c >= 0x80) {
                upper.clear();
                break;
            }
            upper.push_back(static_cast<char>(c >= U'a' && c <= U'z' ? c - U'a' + U'A' : c));
        }
        for (const auto& entry : NamedKeys) {
            if (entry.name == upper) {
                return {.key = entry.key};
            }
        }
        Refuse("\"" + ToUtf8(inside) + "\" is not a key name");
    }

    Int16 ReadCount() {
        long long value = 0;
        const std::size_t start = pos_;
        while (!AtEnd() && text_[pos_] >= U'0' && text_[pos_] <= U'9') {
            value = value * 10 + (text_[pos_] - U'0');
            if (value > Int16::Max) {
                Refuse("a repeat count is larger than 32767");
            }
            ++pos_;
        }
        if (pos_ == start && !AtEnd()) {
            Refuse("a repeat count is not a whole number");
        }
        return value;
    }

    static void Emit(KeyStroke stroke, const Modifiers& now, Int16 count, std::vector<KeyStroke>& out) {
        stroke.shift = now.shift;
        stroke.ctrl = now.ctrl;
        stroke.alt = now.alt;
        for (Int16 i = 0; i < count; ++i) {
            out.push_back(stroke);
        }
    }

    const std::string& notation_;
    std::u32string text_;
    std::size_t pos_ = 0;
    int depth_ = 0;
};

}  // namespace

KeySequence ParseKeys(const std::string& notation) {
    return {notation, Parser(notation).Parse()};
}

}  // namespace velutreck
