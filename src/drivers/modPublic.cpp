#include "drivers/modPublic.h"

#include <cstdint>
#include <string_view>

#include "base/failure.h"
#include "base/int16.h"
#include "base/utf8.h"
#include "drivers/key_notation.h"

namespace velutreck {

namespace {

constexpr std::u32string_view SpecialCharacters = U"~%^+()[]{}";

// Every posted click lands at client point (1, 1).
constexpr std::uint32_t ClickPosition = 0x00010001;
constexpr std::uint32_t LeftButtonHeld = 0x0001;
constexpr std::uint32_t DownArrow = 0x28;
// Repeat count 1, scan code 0x50, extended key; the key-up adds the previous-state and transition bits.
constexpr std::uint32_t DownArrowPressed = 0x11500001;
constexpr std::uint32_t DownArrowReleased = 0xD1500001;

constexpr std::uint32_t ShortPauseMilliseconds = 500;

}  // namespace

std::string EscapeKeys(const std::string& text) {
    const std::u32string characters = ToCodePoints(text);
    // The length is a 16-bit count: a longer text is refused, not cut short.
    const Int16 length = static_cast<long long>(characters.size());
    std::string result;
    result.reserve(text.size() + 2 * static_cast<std::size_t>(length.Value()));
    for (char32_t c : characters) {
        const bool special = SpecialCharacters.find(c) != std::u32string_view::npos;
        if (special) {
            result.push_back('{');
        }
        AppendUtf8(result, c);
        if (special) {
            result.push_back('}');
        }
    }
    return result;
}

void TypeKeys(const DriverContext& context, const std::string& notation) {
    context.desktop.InjectKeys(ParseKeys(notation), true);
}

void SendKeys(const DriverContext& context, const std::string& notation) {
    context.desktop.InjectKeys(ParseKeys(notation), false);
}

void PostClick(const DriverContext& context, WindowHandle window) {
    context.desktop.PostMessage(window, message::LButtonDown, LeftButtonHeld, ClickPosition);
    context.desktop.PostMessage(window, message::LButtonUp, 0, ClickPosition);
}

void PostDownKey(const DriverContext& context, WindowHandle window) {
    context.desktop.PostMessage(window, message::KeyDown, DownArrow, DownArrowPressed);
    context.desktop.PostMessage(window, message::KeyUp, DownArrow, DownArrowReleased);
}

void PauseShort(const DriverContext& context) {
    context.desktop.Pause(ShortPauseMilliseconds);
}

void ShellStart(const DriverContext& context, const std::string& file, const std::string& parameters) {
    const std::string error = context.desktop.ShellOpen(context.window.OwnerWindow(), file, parameters);
    if (!error.empty()) {
        throw Failure(FailureKind::Automation, "Windows could not open \"" + file + "\": " + error + ".");
    }
}

void PauseGeneral(const DriverContext& context) {
    // Milliseconds do not fit in 16 bits beyond 32 seconds, so the product is taken in 32 bits;
    // a negative setting would otherwise become a near-endless pause.
    const int seconds = static_cast<int>(context.window.GeneralShortPause());
    const std::uint32_t milliseconds = seconds > 0 ? static_cast<std::uint32_t>(seconds) * 1000u : 0u;
    context.desktop.Pause(milliseconds);
}

namespace {

constexpr std::uint32_t BusyRetryMilliseconds = 1000;

template <typename Activation>
void ActivateWhenAnswering(const DriverContext& context, Activation&& activate) {
    const int longPause = static_cast<int>(context.window.GeneralLongPause());
    for (int waited = 0;; ++waited) {
        try {
            activate();
            return;
        } catch (const Failure& failure) {
            if (failure.Kind() != FailureKind::NotResponding || waited >= longPause) {
                throw;
            }
        }
        context.desktop.Pause(BusyRetryMilliseconds);
    }
}

}  // namespace

void ActivateTitled(const DriverContext& context, const std::string& title) {
    ActivateWhenAnswering(context, [&] { context.desktop.ActivateByTitle(title); });
}

void ActivateTask(const DriverContext& context, TaskId task) {
    ActivateWhenAnswering(context, [&] { context.desktop.ActivateByTask(task); });
}

}  // namespace velutreck
