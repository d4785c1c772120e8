#pragma once
// A series the statistics plots draw: one value per screen column of a plot area.

#include <cmath>
#include <vector>

class StatViewDelegate {
  public:
    // Plot corners a series can leave free for a caption (bits of emptySpace()).
    enum Corner { kTopLeft = 1, kTopRight = 2, kBottomLeft = 4, kBottomRight = 8, kAllCorners = 15 };

    virtual ~StatViewDelegate() = default;

    // Computes the series for a plot area of that size in points.
    virtual void setupWindow(float width, float height) = 0;
    // The value at column x in points up from the bottom; -1 for none.
    virtual float valueFor(float x) const = 0;
    // The value of the newest column in the series' own unit; -1 for none.
    virtual float lastValue() const = 0;
    // The first column drawn.
    virtual float startPoint() const = 0;
    // The first column with a current value.
    virtual float firstPoint() const = 0;
    virtual bool isEnoughData() const = 0;
    // The corners that the drawn part of the series leaves free for a caption of that size.
    virtual int emptySpace(float captionWidth, float captionHeight) const = 0;

  protected:
    // The value of the column nearest x; -1 outside the columns.
    static float columnValue(const std::vector<float>& values, float x) {
        long j = std::lround(x);
        if (j < 0 || static_cast<std::size_t>(j) >= values.size()) return -1.0f;
        return values[static_cast<std::size_t>(j)];
    }
};
