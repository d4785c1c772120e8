#pragma once
// The value of one property of an element as the change log carries it. A view lists its
// properties as (name, value) pairs; the change log passes on the ones that changed.

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "platform/ui/AffineTransform.h"
#include "platform/ui/Color.h"
#include "platform/ui/Font.h"
#include "platform/ui/Image.h"
#include "platform/ui/Point.h"
#include "platform/ui/Rect.h"
#include "platform/ui/Size.h"

namespace ui {

class PrimitiveValue {
  public:
    using ImageRef = std::shared_ptr<const Image>;
    using Variant = std::variant<std::monostate, bool, std::int64_t, double, std::string, Point, Size, Rect,
                                 AffineTransform, Color, Font, ImageRef>;

    PrimitiveValue() = default;  // null
    PrimitiveValue(bool v) : value_(v) {}
    PrimitiveValue(int v) : value_(std::int64_t{v}) {}
    PrimitiveValue(std::int64_t v) : value_(v) {}
    PrimitiveValue(double v) : value_(v) {}
    PrimitiveValue(std::string v) : value_(std::move(v)) {}
    PrimitiveValue(const char* v) : value_(std::string(v)) {}
    PrimitiveValue(Point v) : value_(v) {}
    PrimitiveValue(Size v) : value_(v) {}
    PrimitiveValue(Rect v) : value_(v) {}
    PrimitiveValue(AffineTransform v) : value_(v) {}
    PrimitiveValue(Color v) : value_(v) {}
    PrimitiveValue(Font v) : value_(std::move(v)) {}
    PrimitiveValue(ImageRef v) : value_(std::move(v)) {}

    const Variant& value() const { return value_; }
    template <class T>
    const T* get() const {
        return std::get_if<T>(&value_);
    }
    bool isNull() const { return std::holds_alternative<std::monostate>(value_); }

    // Images compare by content, so an equal image made again is no change.
    friend bool operator==(const PrimitiveValue& a, const PrimitiveValue& b);

  private:
    Variant value_;
};

using PrimitiveProperties = std::vector<std::pair<std::string, PrimitiveValue>>;

}  // namespace ui
