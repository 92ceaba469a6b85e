#include "app/win32/handler_gate.h"

#include <exception>
#include <string>

#include "base/product.h"

namespace velutreck {

void HandlerGate::Run(const std::function<void()>& handler) noexcept {
    form_.BeginHandler();
    try {
        handler();
    } catch (const std::exception& failure) {
        ShowError(failure.what());
    } catch (...) {
        ShowError("An unexpected failure occurred.");
    }
    form_.EndHandler();
}

void HandlerGate::ShowError(const char* what) noexcept {
    try {
        messageBoxes_.Show(std::string("Error: ") + what, MessageBoxStyle::Critical, ProductName);
    } catch (...) {
        // Nothing is left to tell the user with; the window carries on.
    }
}

}  // namespace velutreck
