#include "platform/ui/AlertView.h"

#include <algorithm>

#include "platform/foundation/Log.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/Animation.h"
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

std::function<std::shared_ptr<View>()>& host() {
    static std::function<std::shared_ptr<View>()> h;
    return h;
}
}  // namespace

void AlertView::setHost(std::function<std::shared_ptr<View>()> h) { host() = std::move(h); }

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
    message_->setNumberOfLines(0);
    for (auto& label : {title_, message_}) {
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
    if (!cancelButtonTitle.empty()) cancelIndex_ = addButton(cancelButtonTitle);
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
    auto button = make<Button>(Rect{});
    button->setTitle(title);
    button->titleLabel()->setFont(Font::boldSystem(18));
    button->setCornerRadius(6);
    button->setBorderWidth(1);
    button->setBorderColor(Color::white(1, 0.5));
    int index = int(buttons_.size());
    std::weak_ptr<AlertView> weak = sharedAs<AlertView>();
    button->addAction(ControlEventTouchUpInside, [weak, index](auto&) {
        if (auto self = weak.lock()) self->clicked(index);
    });
    buttons_.push_back(button);
    addSubview(button);
    arrange();
    return index;
}

std::string AlertView::buttonTitle(int index) const {
    auto b = button(index);
    return b ? b->titleForState(StateNormal) : std::string();
}

int AlertView::firstOtherButtonIndex() const {
    int first = cancelIndex_ == 0 ? 1 : 0;
    return first < numberOfButtons() ? first : -1;
}

std::shared_ptr<Button> AlertView::button(int index) const {
    if (index < 0 || index >= numberOfButtons()) return nullptr;
    return buttons_[std::size_t(index)];
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
        if (i != cancelIndex_) order.push_back(i);
    bool sideBySide = numberOfButtons() == 2;
    if (cancelIndex_ >= 0) {
        if (sideBySide)
            order.insert(order.begin(), cancelIndex_);
        else
            order.push_back(cancelIndex_);
    }
    for (std::size_t k = 0; k < order.size(); ++k) {
        auto& b = buttons_[std::size_t(order[k])];
        b->setBackgroundColor(order[k] == cancelIndex_ ? kCancelFill : kButtonFill);
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
    auto over = host() ? host()() : nullptr;
    if (!over) {
        fnd::Log::warning("alert: nowhere to show \"", title(), "\"");
        return;
    }
    dimming_ = make<View>(over->bounds());
    dimming_->setBackgroundColor(Color::white(0, 0.4));
    dimming_->setAutoresizingMask(FlexibleWidth | FlexibleHeight);
    over->addSubview(dimming_);
    over->addSubview(sharedAs<View>());
    arrange();
    setCenter(over->bounds().mid());
    visible_ = true;
    keepAlive_ = sharedAs<AlertView>();
}

void AlertView::clicked(int index) {
    std::shared_ptr<AlertView> keep = sharedAs<AlertView>();
    if (auto d = delegate()) d->alertViewClickedButton(*this, index);
    dismiss(index, true);
}

void AlertView::dismiss(int index, bool animated) {
    if (!visible_) return;
    visible_ = false;
    std::shared_ptr<AlertView> keep = std::move(keepAlive_);
    if (auto d = delegate()) d->alertViewWillDismiss(*this, index);
    auto finish = [keep, index] {
        keep->removeFromSuperview();
        if (keep->dimming_) keep->dimming_->removeFromSuperview();
        keep->dimming_.reset();
        if (auto d = keep->delegate()) d->alertViewDidDismiss(*keep, index);
    };
    if (!animated) return finish();
    Animation::begin();
    Animation::setDuration(kDismissDuration);
    setAlpha(0);
    if (dimming_) dimming_->setAlpha(0);
    Animation::commit();
    fnd::RunLoop::main().performAfterDelay(kDismissDuration, this, "dismiss", finish);
}

}  // namespace ui
