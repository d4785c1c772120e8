#include "platform/ui/Pasteboard.h"

namespace ui {

Pasteboard& Pasteboard::general() {
    static Pasteboard pasteboard;
    return pasteboard;
}

std::optional<std::string> Pasteboard::string() const {
    std::lock_guard lock(mutex_);
    return text_;
}

void Pasteboard::setString(std::optional<std::string> text) {
    std::function<void(const std::optional<std::string>&)> listener;
    {
        std::lock_guard lock(mutex_);
        text_ = text;
        ++changes_;
        listener = listener_;
    }
    if (listener) listener(text);
}

long Pasteboard::changeCount() const {
    std::lock_guard lock(mutex_);
    return changes_;
}

void Pasteboard::setOnChange(std::function<void(const std::optional<std::string>&)> listener) {
    std::lock_guard lock(mutex_);
    listener_ = std::move(listener);
}

}  // namespace ui
