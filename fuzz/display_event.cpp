// Events come from the display's page, which any script in the browser could imitate: any bytes
// must parse to a sound event or to nothing, and a parsed event must hold only sane values.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/display/DisplayEvent.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    auto event = display::DisplayEvent::parse(input);
    if (!event) return 0;
    for (double v : {event->location.x, event->location.y, event->dx, event->dy, event->rect.origin.x,
                     event->rect.size.height})
        if (!std::isfinite(v)) __builtin_trap();
    if (event->turn < -1 || event->turn > 1) __builtin_trap();
    if (event->start > (1u << 26) || event->length > (1u << 26)) __builtin_trap();
    using Kind = display::DisplayEvent::Kind;
    if ((event->kind == Kind::Text || event->kind == Kind::Select || event->kind == Kind::Return) &&
        event->element == 0)
        __builtin_trap();
    if (event->kind == Kind::Paste && event->text.find('\0') != std::string::npos) __builtin_trap();
    return 0;
}
