#include "platform/ui/PrimitiveValue.h"

namespace ui {

bool operator==(const PrimitiveValue& a, const PrimitiveValue& b) {
    const auto* ia = a.get<PrimitiveValue::ImageRef>();
    const auto* ib = b.get<PrimitiveValue::ImageRef>();
    if (ia && ib) {
        if (*ia == *ib) return true;
        return *ia && *ib && **ia == **ib;
    }
    return a.value_ == b.value_;
}

}  // namespace ui
