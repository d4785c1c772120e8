#include "platform/ui/SearchBar.h"

#include <algorithm>
#include <array>
#include <utility>

#include "platform/ui/Button.h"
#include "platform/ui/Control.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/NibProperties.h"
#include "platform/ui/TextField.h"

namespace ui {

namespace {

constexpr double kMargin = 6;
constexpr double kFieldHeight = 31;
constexpr double kCancelPadding = 10;

constexpr std::array<std::pair<BarStyle, const char*>, 3> kStyleNames{{
    {BarStyle::Default, "default"},
    {BarStyle::Black, "black"},
    {BarStyle::BlackTranslucent, "blackTranslucent"},
}};

}  // namespace

// The bar speaks for its field to its own delegate; the search key is the field's return key.
struct SearchBar::FieldDelegate : TextFieldDelegate {
    SearchBar* bar = nullptr;  // the bar owns this and outlives it

    std::shared_ptr<SearchBarDelegate> to() const { return bar->delegate(); }
    bool textFieldShouldBeginEditing(TextField&) override {
        auto d = to();
        return !d || d->searchBarShouldBeginEditing(*bar);
    }
    void textFieldDidBeginEditing(TextField&) override {
        if (auto d = to()) d->searchBarTextDidBeginEditing(*bar);
    }
    bool textFieldShouldEndEditing(TextField&) override {
        auto d = to();
        return !d || d->searchBarShouldEndEditing(*bar);
    }
    void textFieldDidEndEditing(TextField&) override {
        if (auto d = to()) d->searchBarTextDidEndEditing(*bar);
    }
    bool textFieldShouldChangeCharacters(TextField&, TextRange range, const std::string& text) override {
        auto d = to();
        return !d || d->searchBarShouldChangeText(*bar, range, text);
    }
    bool textFieldShouldReturn(TextField&) override {
        if (auto d = to()) d->searchBarSearchButtonClicked(*bar);
        return false;
    }
};

void SearchBar::init(const Rect& frame) {
    View::init(frame);
    field_ = ui::make<TextField>(Rect{});
    field_->setBorderStyle(TextBorderStyle::RoundedRect);
    field_->setCornerRadius(kFieldHeight / 2);
    field_->setFont(Font::system(14));
    field_->setClearButtonMode(TextFieldViewMode::WhileEditing);
    field_->setReturnKeyType(ReturnKeyType::Search);
    field_->setAutoresizingMask(FlexibleWidth);
    fieldDelegate_ = std::make_shared<FieldDelegate>();
    fieldDelegate_->bar = this;
    field_->setDelegate(fieldDelegate_);
    std::weak_ptr<SearchBar> weak = sharedAs<SearchBar>();
    field_->addAction(
        ControlEventEditingChanged,
        [weak](const std::shared_ptr<Control>&) {
            auto bar = weak.lock();
            if (auto d = bar ? bar->delegate() : nullptr) d->searchBarTextDidChange(*bar, bar->text());
        },
        weak);
    addSubview(field_);

    cancel_ = Button::withType(ButtonType::Custom);
    cancel_->setCornerRadius(5);
    cancel_->setBorderWidth(1);
    cancel_->setTitle("Cancel");
    cancel_->titleLabel()->setFont(Font::boldSystem(12));
    cancel_->setAutoresizingMask(FlexibleLeftMargin);
    cancel_->setHidden(true);
    cancel_->addAction(
        ControlEventTouchUpInside,
        [weak](const std::shared_ptr<Control>&) {
            auto bar = weak.lock();
            if (auto d = bar ? bar->delegate() : nullptr) d->searchBarCancelButtonClicked(*bar);
        },
        weak);
    addSubview(cancel_);
    applyStyle();
    layout();
}

const std::string& SearchBar::text() const { return field_->text(); }
void SearchBar::setText(std::string text) { field_->setText(std::move(text)); }
const std::string& SearchBar::placeholder() const { return field_->placeholder(); }
void SearchBar::setPlaceholder(std::string placeholder) { field_->setPlaceholder(std::move(placeholder)); }
KeyboardType SearchBar::keyboardType() const { return field_->keyboardType(); }
void SearchBar::setKeyboardType(KeyboardType type) { field_->setKeyboardType(type); }

void SearchBar::setBarStyle(BarStyle style) {
    style_ = style;
    applyStyle();
}

void SearchBar::setTranslucent(bool translucent) {
    translucent_ = translucent;
    applyStyle();
}

void SearchBar::setShowsCancelButton(bool shows) {
    showsCancel_ = shows;
    layout();
}

void SearchBar::applyStyle() {
    bool black = style_ != BarStyle::Default;
    bool seeThrough = translucent_ || style_ == BarStyle::BlackTranslucent;
    Color bar = black ? Color::blackColor() : Color::rgb(0.69, 0.74, 0.8);
    setBackgroundColor(bar.withAlpha(seeThrough ? 0.75 : 1));
    cancel_->setBackgroundColor(black ? Color::white(0.25) : Color::rgb(0.45, 0.53, 0.64));
    cancel_->setBorderColor(black ? Color::white(0.45) : Color::rgb(0.35, 0.42, 0.52));
}

void SearchBar::layout() {
    if (!field_) return;  // not made yet
    Size size = bounds().size;
    double cancelWidth = Font::boldSystem(12).widthOf("Cancel") + 2 * kCancelPadding;
    double fieldWidth = size.width - 2 * kMargin - (showsCancel_ ? cancelWidth + kMargin : 0);
    double top = (size.height - kFieldHeight) / 2;
    field_->setFrame({kMargin, top, std::max(0.0, fieldWidth), kFieldHeight});
    cancel_->setFrame({size.width - kMargin - cancelWidth, top, cancelWidth, kFieldHeight});
    cancel_->setHidden(!showsCancel_);
}

bool SearchBar::becomeFirstResponder() { return field_->becomeFirstResponder(); }
bool SearchBar::resignFirstResponder() { return field_->resignFirstResponder(); }

void SearchBar::applyNibProperties(SearchBar& bar, NibProperties& p) {
    if (auto v = p.string("text")) bar.setText(*v);
    if (auto v = p.string("placeholder")) bar.setPlaceholder(*v);
    if (auto v = p.choice("barStyle", kStyleNames)) bar.setBarStyle(*v);
    if (auto v = p.boolean("translucent")) bar.setTranslucent(*v);
    if (auto v = p.boolean("showsCancelButton")) bar.setShowsCancelButton(*v);
    if (auto v = p.choice("keyboardType", kKeyboardTypeNames)) bar.setKeyboardType(*v);
}

}  // namespace ui
