#include "platform/ui/ActionSheet.h"

#include <algorithm>

#include "platform/ui/Animation.h"
#include "platform/ui/Device.h"
#include "platform/ui/Make.h"
#include "platform/ui/TextLayout.h"

namespace ui {

namespace {
constexpr double kPadding = 20;
constexpr double kButtonHeight = 44;
constexpr double kGap = 8;
constexpr double kCancelGap = 16;
const Color kDestructive = Color::rgb(0.80, 0.10, 0.10);
}  // namespace

void ActionSheet::init(const Rect& frame) {
    View::init(frame);
    title_ = make<Label>();
    title_->setFont(Font::system(13));
    title_->setBackgroundColor(Color::clear());
    title_->setTextAlignment(TextAlignment::Center);
    title_->setNumberOfLines(0);
    title_->setLineBreakMode(LineBreakMode::WordWrap);
    addSubview(title_);
    paint();
}

void ActionSheet::init(std::string title, std::weak_ptr<ActionSheetDelegate> delegate,
                       std::string cancelButtonTitle, std::string destructiveButtonTitle,
                       std::vector<std::string> otherButtonTitles) {
    init(Rect{0, 0, width_, 0});
    title_->setText(std::move(title));
    delegate_ = std::move(delegate);
    if (!destructiveButtonTitle.empty()) destructiveIndex_ = addButton(destructiveButtonTitle);
    for (const auto& other : otherButtonTitles) addButton(other);
    if (!cancelButtonTitle.empty()) setCancelButtonIndex(addButton(cancelButtonTitle));
    paint();
}

void ActionSheet::setTitle(std::string title) {
    title_->setText(std::move(title));
    arrange();
}

void ActionSheet::setActionSheetStyle(ActionSheetStyle style) {
    style_ = style;
    paint();
}

int ActionSheet::addButton(const std::string& title) {
    int index = appendButton(title);
    auto b = button(index);
    b->titleLabel()->setFont(Font::boldSystem(19));
    b->setCornerRadius(8);
    b->setBorderWidth(1);
    paint();
    return index;
}

int ActionSheet::firstOtherButtonIndex() const {
    for (int i = 0; i < numberOfButtons(); ++i)
        if (i != destructiveIndex_ && i != cancelButtonIndex()) return i;
    return -1;
}

// The colours of the style: a light sheet with white buttons, or a black one with dark buttons.
void ActionSheet::paint() {
    bool black = style_ == ActionSheetStyle::BlackOpaque || style_ == ActionSheetStyle::BlackTranslucent;
    if (!black)
        setBackgroundColor(Color::rgb(0.42, 0.47, 0.55, 0.95));
    else
        setBackgroundColor(Color::white(0.05, style_ == ActionSheetStyle::BlackOpaque ? 1 : 0.8));
    title_->setTextColor(black ? Color::white(0.85) : Color::whiteColor());
    for (int i = 0; i < numberOfButtons(); ++i) {
        auto b = button(i);
        Color fill = black ? Color::white(0.22) : Color::white(0.97);
        Color text = black ? Color::whiteColor() : Color::white(0.1);
        if (i == destructiveIndex_) {
            fill = kDestructive;
            text = Color::whiteColor();
        } else if (i == cancelButtonIndex()) {
            fill = black ? Color::white(0.12) : Color::white(0.3);
            text = Color::whiteColor();
        }
        b->setBackgroundColor(fill);
        b->setTitleColor(text);
        b->setBorderColor(black ? Color::white(0.4) : Color::white(0.35));
    }
}

void ActionSheet::arrange() {
    if (!title_) return;
    double inner = width_ - 2 * kPadding;
    double y = kGap + 4;
    if (title_->text().empty()) {
        title_->setFrame({kPadding, y, inner, 0});
    } else {
        double h = TextLayout::size(title_->text(), title_->font(), inner, 0).height;
        title_->setFrame({kPadding, y, inner, h});
        y += h + kGap;
    }
    // Index order top to bottom, cancel set apart at the bottom.
    for (int i = 0; i < numberOfButtons(); ++i) {
        if (i == cancelButtonIndex()) continue;
        button(i)->setFrame({kPadding, y, inner, kButtonHeight});
        y += kButtonHeight + kGap;
    }
    if (auto cancel = button(cancelButtonIndex())) {
        y += kCancelGap - kGap;
        cancel->setFrame({kPadding, y, inner, kButtonHeight});
        y += kButtonHeight + kGap;
    }
    double height = y + 4;
    Point c = center();
    if (bounds().size != Size{width_, height}) setBounds({{}, {width_, height}});
    setCenter(c);
}

void ActionSheet::showInView(const std::shared_ptr<View>& view) {
    auto over = present(title());
    if (!over) return;
    Rect area = view ? view->convertTo(view->bounds(), over.get()) : over->bounds();
    rises_ = !Device::current().isTablet();
    width_ = rises_ ? area.size.width : std::min(kTabletWidth, area.size.width);
    setCornerRadius(rises_ ? 0 : 10);
    arrange();
    double height = bounds().size.height;
    if (!rises_) {
        setCenter(area.mid());
        return;
    }
    setCenter({area.midX(), area.maxY() + height / 2});
    Animation::begin("ActionSheetIn");
    Animation::setDuration(kShowDuration);
    Animation::setCurve(AnimationCurve::EaseOut);
    setCenter({area.midX(), area.maxY() - height / 2});
    Animation::commit();
}

void ActionSheet::animateOut() {
    if (!rises_) return setAlpha(0);
    setCenter({center().x, center().y + bounds().size.height});
}

void ActionSheet::clickedButton(int index) {
    if (auto d = delegate()) d->actionSheetClickedButton(*this, index);
}

void ActionSheet::willDismiss(int index) {
    if (auto d = delegate()) d->actionSheetWillDismiss(*this, index);
}

void ActionSheet::didDismiss(int index) {
    if (auto d = delegate()) d->actionSheetDidDismiss(*this, index);
}

}  // namespace ui
