#pragma once
// The timing curves of view animations. They are the browser's standard cubic Bézier curves, so a
// value computed here at a time matches what the display shows then.

namespace ui {

enum class AnimationCurve { EaseInOut, EaseIn, EaseOut, Linear };

// The progress (0..1) of the curve at a fraction (0..1) of the duration.
double curveProgress(AnimationCurve curve, double fraction);
// The name in the change log: "easeInOut", "easeIn", "easeOut", "linear".
const char* curveName(AnimationCurve curve);

}  // namespace ui
