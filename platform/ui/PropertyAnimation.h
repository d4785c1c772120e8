#pragma once
// One animated property of one view: where it moves from and to, and the animation block that times it.

#include <memory>
#include <variant>

#include "platform/ui/AffineTransform.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Color.h"
#include "platform/ui/Point.h"
#include "platform/ui/Size.h"

namespace ui {

enum class AnimatedProperty { Center, Size, Origin, Transform, Alpha, Background };
constexpr int kAnimatedPropertyCount = 6;

using AnimatedValue = std::variant<double, Point, Size, AffineTransform, Color>;

struct PropertyAnimation {
    AnimatedProperty property;
    AnimatedValue from;
    AnimatedValue to;
    std::shared_ptr<Animation> animation;
    bool sent = false;  // the change log has passed it on

    // The value shown at a run-loop time: `from` until the block starts (also before its commit),
    // then along the curve to `to`.
    AnimatedValue valueAt(double time) const;
    bool isFinishedAt(double time) const { return animation->isCommitted() && time >= animation->endTime(); }
};

// The property's name in the change log ("center", "size", "origin", "transform", "alpha", "background").
const char* animatedPropertyName(AnimatedProperty property);

}  // namespace ui
