#pragma once
// The kinds of element the display knows. Every view is one of them; controls are made of several.

namespace ui {

enum class PrimitiveKind { Box, Text, Image, Input, Scroll, Frame, Bitmap };

// The kind's name in the change log: "box", "text", "image", "input", "scroll", "frame", "bitmap".
inline const char* primitiveKindName(PrimitiveKind kind) {
    switch (kind) {
        case PrimitiveKind::Box:
            return "box";
        case PrimitiveKind::Text:
            return "text";
        case PrimitiveKind::Image:
            return "image";
        case PrimitiveKind::Input:
            return "input";
        case PrimitiveKind::Scroll:
            return "scroll";
        case PrimitiveKind::Frame:
            return "frame";
        case PrimitiveKind::Bitmap:
            return "bitmap";
    }
    return "box";
}

}  // namespace ui
