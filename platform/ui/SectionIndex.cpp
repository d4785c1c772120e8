#include "platform/ui/SectionIndex.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/Make.h"
#include "platform/ui/Touch.h"

namespace ui {

void SectionIndex::init(const Rect& frame) {
    View::init(frame);
    setCornerRadius(kWidth / 2);
}

void SectionIndex::setTitles(std::vector<std::string> titles) {
    titles_ = std::move(titles);
    for (const auto& label : labels_) label->removeFromSuperview();
    labels_.clear();
    for (const std::string& title : titles_) {
        auto label = make<Label>();
        label->setText(title);
        label->setFont(Font::boldSystem(12));
        label->setTextColor(Color::rgb(0.3, 0.33, 0.4));
        label->setBackgroundColor(Color::clear());
        label->setTextAlignment(TextAlignment::Center);
        addSubview(label);
        labels_.push_back(label);
    }
    setHidden(titles_.empty());
    layoutSubviews();
}

// The titles share the height when they do not fit at their own; the block is centred.
double SectionIndex::step() const {
    if (titles_.empty()) return kTitleHeight;
    return std::min(kTitleHeight, (bounds().size.height - 8) / double(titles_.size()));
}

double SectionIndex::top() const { return (bounds().size.height - step() * double(titles_.size())) / 2; }

void SectionIndex::layoutSubviews() {
    double y = top(), h = step();
    for (const auto& label : labels_) {
        label->setFrame({0, y, bounds().size.width, h});
        y += h;
    }
}

int SectionIndex::titleAt(Point point) const {
    if (titles_.empty()) return -1;
    int i = int(std::floor((point.y - top()) / step()));
    return std::clamp(i, 0, int(titles_.size()) - 1);
}

void SectionIndex::choose(const Touches& touches) {
    if (touches.empty()) return;
    int i = titleAt(touches.front()->locationIn(this));
    if (i < 0 || i == chosen_) return;
    chosen_ = i;
    std::shared_ptr<View> keep = sharedAs<View>();
    if (onChoose_) onChoose_(i);
}

void SectionIndex::setTouched(bool touched) {
    setBackgroundColor(touched ? Color::white(0.5, 0.35) : Color::clear());
    if (!touched) chosen_ = -1;
}

void SectionIndex::touchesBegan(const Touches& touches) {
    setTouched(true);
    choose(touches);
}

void SectionIndex::touchesMoved(const Touches& touches) { choose(touches); }
void SectionIndex::touchesEnded(const Touches&) { setTouched(false); }
void SectionIndex::touchesCancelled(const Touches&) { setTouched(false); }

}  // namespace ui
