#pragma once
// A width and a height in points.

namespace ui {

struct Size {
    double width = 0;
    double height = 0;

    friend bool operator==(const Size&, const Size&) = default;
    bool isEmpty() const { return width <= 0 || height <= 0; }
};

}  // namespace ui
