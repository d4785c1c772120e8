#include "platform/ui/AlertView.h"

#include <algorithm>

#include "platform/ui/Make.h"
#include "platform/ui/TextLayout.h"

namespace ui {

namespace {
constexpr double kPadding = 12;
constexpr double kButtonHeight = 43;
constexpr double kButtonGap = 8;
const Color kPanel = Color::rgb(0.08, 0.16, 0.38, 0.92);
const Color kButtonFill = Color::rgb(0.22, 0.30, 0.50);
const Color kCancelFill = Color::rgb(0.16, 0.20, 0.30);
}  // namespace

void AlertView::init(const Rect& frame) {
    View::init(frame);
    setBackgroundColor(kPanel);
    setCornerRadius(10);
    setBorderWidth(2);
    setBorderColor(Color::white(1, 0.85));
    title_ = make<Label>();
    title_->setFont(Font::boldSystem(18));
    message_ = make<Label>();
    message_->setFont(Font::system(16));
    // Both wrap within the panel, which grows to hold every line (arrange).
    for (auto& label : {title_, message_}) {
        label->setNumberOfLines(0);
        label->setBackgroundColor(Color::clear());
        label->setTextColor(Color::whiteColor());
        label->setTextAlignment(TextAlignment::Center);
        label->setLineBreakMode(LineBreakMode::WordWrap);
        addSubview(label);
    }
}

void AlertView::init(std::string title, std::string message, std::weak_ptr<AlertViewDelegate> delegate,
                     std::string cancelButtonTitle, std::vector<std::string> otherButtonTitles) {
    init(Rect{0, 0, kWidth, 0});
    title_->setText(std::move(title));
    message_->setText(std::move(message));
    delegate_ = std::move(delegate);
    if (!cancelButtonTitle.empty()) setCancelButtonIndex(addButton(cancelButtonTitle));
    for (const auto& other : otherButtonTitles) addButton(other);
    arrange();
}

void AlertView::setTitle(std::string title) {
    title_->setText(std::move(title));
    arrange();
}

void AlertView::setMessage(std::string message) {
    message_->setText(std::move(message));
    arrange();
}

int AlertView::addButton(const std::string& title) {
    int index = appendButton(title);
    auto b = button(index);
    b->titleLabel()->setFont(Font::boldSystem(18));
    b->setCornerRadius(6);
    b->setBorderWidth(1);
    b->setBorderColor(Color::white(1, 0.5));
    arrange();
    return index;
}

int AlertView::firstOtherButtonIndex() const {
    int first = cancelButtonIndex() == 0 ? 1 : 0;
    return first < numberOfButtons() ? first : -1;
}

void AlertView::layoutSubviews() {
    if (title_) arrange();
}

void AlertView::arrange() {
    if (!title_) return;
    double inner = kWidth - 2 * kPadding;
    double y = kPadding;
    auto place = [&](Label& label) {
        if (label.text().empty()) {
            label.setFrame({kPadding, y, inner, 0});
            return;
        }
        double h = TextLayout::size(label.text(), label.font(), inner, label.numberOfLines()).height;
        label.setFrame({kPadding, y, inner, h});
        y += h + kButtonGap;
    };
    place(*title_);
    place(*message_);
    y += kButtonGap;
    // Drawing order on the panel: two side by side with cancel left; else stacked, cancel last.
    std::vector<int> order;
    for (int i = 0; i < numberOfButtons(); ++i)
        if (i != cancelButtonIndex()) order.push_back(i);
    bool sideBySide = numberOfButtons() == 2;
    if (cancelButtonIndex() >= 0) {
        if (sideBySide)
            order.insert(order.begin(), cancelButtonIndex());
        else
            order.push_back(cancelButtonIndex());
    }
    for (std::size_t k = 0; k < order.size(); ++k) {
        auto& b = buttons()[std::size_t(order[k])];
        b->setBackgroundColor(order[k] == cancelButtonIndex() ? kCancelFill : kButtonFill);
        if (sideBySide) {
            double w = (inner - kButtonGap) / 2;
            b->setFrame({kPadding + double(k) * (w + kButtonGap), y, w, kButtonHeight});
        } else {
            b->setFrame({kPadding, y, inner, kButtonHeight});
            y += kButtonHeight + kButtonGap;
        }
    }
    if (sideBySide) y += kButtonHeight + kButtonGap;
    double height = y - kButtonGap + kPadding;
    // Keep the centre: a screen may have moved the alert after it was shown.
    Point c = center();
    if (bounds().size != Size{kWidth, height}) setBounds({{}, {kWidth, height}});
    setCenter(c);
}

void AlertView::show() {
    auto over = present(title());
    if (!over) return;
    arrange();
    setCenter(over->bounds().mid());
}

void AlertView::clickedButton(int index) {
    if (auto d = delegate()) d->alertViewClickedButton(*this, index);
}

void AlertView::willDismiss(int index) {
    if (auto d = delegate()) d->alertViewWillDismiss(*this, index);
}

void AlertView::didDismiss(int index) {
    if (auto d = delegate()) d->alertViewDidDismiss(*this, index);
}

}  // namespace ui
