#include "Classes/statistics/AccuracyScale.h"

#include "platform/ui/Color.h"
#include "platform/ui/Font.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/View.h"

namespace {

constexpr double kInset = 3;
constexpr double kWidth = 30, kHeight = 11;
constexpr double kFontSize = 9;
const ui::Color kColor = ui::Color::rgb(0.62, 0.67, 0.73);

}  // namespace

std::vector<AccuracyScale::Mark> AccuracyScale::marks(const ui::Rect& plot) {
    std::vector<Mark> found;
    for (int part = 1; part < kGridParts; ++part) {
        double line = plot.minY() + plot.height() * part / kGridParts;
        // The top inner line's label goes below it, out of the caption block's way at the top.
        double y = part == 1 ? line + 1 : line - 1 - kHeight;
        found.push_back({std::to_string(100 * (kGridParts - part) / kGridParts) + "%",
                         {plot.minX() + kInset, y, kWidth, kHeight}});
    }
    return found;
}

void AccuracyScale::install(ui::View& plot) {
    const bool hidden = labels_.empty() || labels_.front()->isHidden();
    for (const auto& label : labels_) label->removeFromSuperview();
    labels_.clear();
    auto container = plot.superview();
    if (!container) return;
    for (const Mark& mark : marks(plot.frame())) {
        auto label = ui::make<ui::Label>(mark.frame);
        label->setText(mark.text);
        label->setFont(ui::Font::system(kFontSize));
        label->setTextColor(kColor);
        label->setBackgroundColor(ui::Color::clear());
        label->setHidden(hidden);
        container->insertSubviewBelow(label, &plot);
        labels_.push_back(label);
    }
}

void AccuracyScale::setHidden(bool hidden) {
    for (const auto& label : labels_) label->setHidden(hidden);
}
