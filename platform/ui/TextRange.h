#pragma once
// A range of text: its start and length in UTF-16 units, as text entry counts them.

#include <cstddef>

namespace ui {

struct TextRange {
    std::size_t location = 0;
    std::size_t length = 0;

    std::size_t end() const { return location + length; }
    friend bool operator==(const TextRange&, const TextRange&) = default;
};

}  // namespace ui
