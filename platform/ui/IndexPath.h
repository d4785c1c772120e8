#pragma once
// A row of a table: its section and its row within the section.

#include <compare>

namespace ui {

struct IndexPath {
    int section = 0;
    int row = 0;
    friend auto operator<=>(const IndexPath&, const IndexPath&) = default;
};

}  // namespace ui
