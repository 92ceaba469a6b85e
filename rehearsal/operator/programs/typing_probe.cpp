// Measures typing for scripts/bench-job: the keyboard test window (key_capture.exe, beside this
// program) is brought to the front, a long text is typed into it as one waited injection, the way
// the drivers type a path or a track name, and the time is divided by the characters typed. The
// text must arrive whole, or the measurement does not count.
#include <cstdio>
#include <string>

#include "base/utf8.h"
#include "rehearsal/operator/key_capture_window.h"
#include "platform/win32/win32_desktop.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace velutreck;
    const KeyCaptureWindow target(L"Velutreck Typing Probe");
    if (target.Window() == nullptr) {
        std::printf("The keyboard test window did not open.\n");
        return 1;
    }
    // Track names and paths as the drivers type them: letters, digits, blanks, capitals that need
    // Shift and characters that have no key on this keyboard.
    std::string text;
    for (int track = 1; text.size() < 2000; ++track) {
        text += "C:\\Music\\" + std::to_string(track) + " Track (Live) - Caf\xC3\xA9 ";
    }
    KeySequence keys{"the probe's text", {}};
    for (char32_t character : ToCodePoints(text)) {
        keys.strokes.push_back(KeyStroke{.character = character});
    }
    try {
        Win32Desktop desktop;
        desktop.ActivateByTitle(target.Title());
        if (!WaitUntil([&] { return target.HasFocus(); })) {
            std::printf("The keyboard test window did not take the focus.\n");
            return 1;
        }
        LARGE_INTEGER frequency{}, begin{}, end{};
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&begin);
        desktop.InjectKeys(keys, true);
        QueryPerformanceCounter(&end);
        if (target.TypedText() != text) {
            std::printf("The text did not arrive whole.\n");
            return 1;
        }
        const double milliseconds = 1000.0 * static_cast<double>(end.QuadPart - begin.QuadPart) /
                                    static_cast<double>(frequency.QuadPart);
        std::printf("Waited injection: %zu characters in %.0f ms, %.2f ms per character\n", keys.strokes.size(),
                    milliseconds, milliseconds / static_cast<double>(keys.strokes.size()));
        return 0;
    } catch (const std::exception& failure) {
        std::printf("Typing failed: %s\n", failure.what());
        return 1;
    }
}
