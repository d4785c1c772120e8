#include "platform/ui/SegmentedControl.h"

#include <algorithm>
#include <array>
#include <utility>

#include "platform/ui/Make.h"
#include "platform/ui/NibProperties.h"

namespace ui {

namespace {

// Titles are bold, at most this size, and shrink together down to the smallest.
constexpr double kTitleSize = 13;
constexpr double kSmallestTitleSize = 8;
constexpr double kTitleSizeStep = 0.5;
// The room kept between a title and its segment's edges.
constexpr double kTitlePadding = 6;

// The largest size at which every title fits the width (the smallest size when none does), so that
// all segments read alike: one size and one baseline.
double sharedTitleSize(const std::vector<std::string>& titles, double width) {
    double size = kTitleSize;
    auto fits = [&](double s) {
        Font font = Font::boldSystem(s);
        return std::all_of(titles.begin(), titles.end(),
                           [&](const auto& t) { return font.widthOf(t) <= width; });
    };
    while (size > kSmallestTitleSize && !fits(size)) size -= kTitleSizeStep;
    return size;
}

}  // namespace

void SegmentedControl::init(const Rect& frame) {
    Control::init(frame);
    setClipsToBounds(true);
    restyle();
}

void SegmentedControl::init(const std::vector<std::string>& titles) {
    init(Rect{0, 0, 0, 44});
    titles_ = titles;
    double width = 0;
    Font font = Font::boldSystem(kTitleSize);
    for (const auto& t : titles_) width += std::max(font.widthOf(t) + 20, 40.0);
    setFrame({0, 0, width, 44});
    rebuild();
}

void SegmentedControl::insertSegment(const std::string& title, int index) {
    index = std::clamp(index, 0, numberOfSegments());
    titles_.insert(titles_.begin() + index, title);
    if (selected_ >= index) ++selected_;
    rebuild();
}

void SegmentedControl::removeSegment(int index) {
    if (index < 0 || index >= numberOfSegments()) return;
    titles_.erase(titles_.begin() + index);
    if (selected_ == index)
        selected_ = kNoSegment;
    else if (selected_ > index)
        --selected_;
    rebuild();
}

void SegmentedControl::removeAllSegments() {
    titles_.clear();
    selected_ = kNoSegment;
    rebuild();
}

void SegmentedControl::setTitle(const std::string& title, int segment) {
    if (segment < 0 || segment >= numberOfSegments()) return;
    titles_[std::size_t(segment)] = title;
    segments_[std::size_t(segment)].label->setText(title);
    layoutSubviews();
}

std::string SegmentedControl::titleForSegment(int segment) const {
    if (segment < 0 || segment >= numberOfSegments()) return {};
    return titles_[std::size_t(segment)];
}

void SegmentedControl::setSelectedSegmentIndex(int index) {
    selected_ = index >= 0 && index < numberOfSegments() ? index : kNoSegment;
    restyle();
}

void SegmentedControl::setStyle(SegmentedControlStyle style) {
    style_ = style;
    if (style == SegmentedControlStyle::Bar) {
        Rect f = frame();
        setFrame({f.origin, {f.size.width, 30}});  // the bar style has its own height
    }
    restyle();
}

void SegmentedControl::setTintColor(const Color& color) {
    tint_ = color;
    restyle();
}

void SegmentedControl::rebuild() {
    for (auto& s : segments_) s.box->removeFromSuperview();
    segments_.clear();
    for (const auto& title : titles_) {
        Segment s{make<View>(), make<Label>()};
        s.box->setUserInteractionEnabled(false);
        s.label->setText(title);
        s.label->setTextAlignment(TextAlignment::Center);
        s.label->setBackgroundColor(Color::clear());
        s.box->addSubview(s.label);
        addSubview(s.box);
        segments_.push_back(std::move(s));
    }
    layoutSubviews();
    restyle();
}

void SegmentedControl::layoutSubviews() {
    Size box = bounds().size;
    double width = segments_.empty() ? 0 : box.width / double(segments_.size());
    double inside = std::max(0.0, width - 2 * kTitlePadding);
    Font font = Font::boldSystem(sharedTitleSize(titles_, inside));
    for (std::size_t i = 0; i < segments_.size(); ++i) {
        segments_[i].box->setFrame({double(i) * width, 0, width, box.height});
        segments_[i].label->setFrame({kTitlePadding, 0, inside, box.height});
        segments_[i].label->setFont(font);
    }
}

void SegmentedControl::restyle() {
    bool bar = style_ == SegmentedControlStyle::Bar;
    setCornerRadius(bar ? 4 : 8);
    setBorderWidth(1);
    setBorderColor(bar ? Color::interpolate(tint_, Color::blackColor(), 0.4) : Color::white(0.55));
    setBackgroundColor(bar ? tint_ : Color::whiteColor());
    Color selectedFill = bar ? Color::interpolate(tint_, Color::blackColor(), 0.3) : tint_;
    for (std::size_t i = 0; i < segments_.size(); ++i) {
        bool on = !momentary_ && int(i) == selected_;
        segments_[i].box->setBackgroundColor(on ? selectedFill : Color::clear());
        segments_[i].box->setBorderWidth(i > 0 ? 0.5 : 0);
        segments_[i].box->setBorderColor(Color::white(0.55));
        segments_[i].label->setTextColor(on || bar ? Color::whiteColor() : Color::white(0.3));
    }
}

int SegmentedControl::segmentAt(Point p) const {
    if (!bounds().contains(p)) return kNoSegment;
    for (std::size_t i = 0; i < segments_.size(); ++i)
        if (segments_[i].box->frame().contains(p - bounds().origin)) return int(i);
    return kNoSegment;
}

void SegmentedControl::endTracking(Point p, bool inside) {
    int segment = inside ? segmentAt(p) : kNoSegment;
    if (segment == kNoSegment) return;
    if (momentary_) {
        selected_ = segment;  // the action reads which was tapped; nothing stays shown
        sendActionsForControlEvents(ControlEventValueChanged);
        return;
    }
    if (segment == selected_) return;
    selected_ = segment;
    restyle();
    sendActionsForControlEvents(ControlEventValueChanged);
}

void SegmentedControl::applyNibProperties(SegmentedControl& control, NibProperties& p) {
    static constexpr std::array<std::pair<SegmentedControlStyle, const char*>, 3> kStyles{{
        {SegmentedControlStyle::Plain, "plain"},
        {SegmentedControlStyle::Bordered, "bordered"},
        {SegmentedControlStyle::Bar, "bar"},
    }};
    if (auto v = p.strings("segments")) {
        control.titles_ = *v;
        control.selected_ = kNoSegment;
        control.rebuild();
    }
    if (auto v = p.choice("style", kStyles)) control.setStyle(*v);
    if (auto v = p.color("tintColor")) control.setTintColor(*v);
    if (auto v = p.boolean("momentary")) control.setMomentary(*v);
    if (auto v = p.integer("selectedSegmentIndex")) control.setSelectedSegmentIndex(*v);
}

}  // namespace ui
