#include "platform/ui/TextField.h"

#include <algorithm>
#include <array>
#include <utility>

#include "platform/ui/Button.h"
#include "platform/ui/Make.h"
#include "platform/ui/NibProperties.h"
#include "platform/ui/TextInput.h"

namespace ui {

namespace {

constexpr double kClearKeyGap = 4;  // between the text and the clear key, and after the key

// Space between the border and the text, by border style.
double inset(TextBorderStyle style) {
    switch (style) {
        case TextBorderStyle::None:
            return 0;
        case TextBorderStyle::Line:
            return 3;
        case TextBorderStyle::Bezel:
            return 5;
        case TextBorderStyle::RoundedRect:
            return 8;
    }
    return 0;
}

constexpr std::array<std::pair<TextBorderStyle, const char*>, 4> kBorderNames{{
    {TextBorderStyle::None, "none"},
    {TextBorderStyle::Line, "line"},
    {TextBorderStyle::Bezel, "bezel"},
    {TextBorderStyle::RoundedRect, "roundedRect"},
}};

constexpr std::array<std::pair<TextFieldViewMode, const char*>, 4> kModeNames{{
    {TextFieldViewMode::Never, "never"},
    {TextFieldViewMode::WhileEditing, "whileEditing"},
    {TextFieldViewMode::UnlessEditing, "unlessEditing"},
    {TextFieldViewMode::Always, "always"},
}};

}  // namespace

void TextField::init(const Rect& frame) {
    Control::init(frame);
    input_ = ui::make<TextInput>(bounds());
    input_->setFont(font_);
    addSubview(input_);

    clearKey_ = Button::withType(ButtonType::Custom);
    clearKey_->setFrame({0, 0, kClearKeySize, kClearKeySize});
    clearKey_->setBackgroundColor(Color::white(0.7));
    clearKey_->setCornerRadius(kClearKeySize / 2);
    clearKey_->setTitle("\u00D7");
    clearKey_->titleLabel()->setFont(Font::boldSystem(15));
    clearKey_->setHidden(true);
    std::weak_ptr<TextField> weak = sharedAs<TextField>();
    clearKey_->addAction(
        ControlEventTouchUpInside,
        [weak](const std::shared_ptr<Control>&) {
            if (auto field = weak.lock()) field->clear();
        },
        weak);
    addSubview(clearKey_);

    input_->setHooks({
        .beginEditing =
            [weak] {
                auto f = weak.lock();
                return f && f->becomeFirstResponder();
            },
        .shouldChange =
            [weak](TextRange range, const std::string& text) {
                auto f = weak.lock();
                auto d = f ? f->delegate() : nullptr;
                return !d || d->textFieldShouldChangeCharacters(*f, range, text);
            },
        .didChange =
            [weak] {
                if (auto f = weak.lock()) {
                    f->layout();
                    f->sendActionsForControlEvents(ControlEventEditingChanged);
                }
            },
        .didChangeSelection = {},
        .returnPressed =
            [weak] {
                if (auto f = weak.lock()) f->returnPressed();
            },
    });
    layout();
}

// ---- Properties

const std::string& TextField::text() const { return input_->text(); }

void TextField::setText(std::string text) {
    input_->setText(std::move(text));
    layout();
}

const std::string& TextField::placeholder() const { return input_->placeholder(); }
void TextField::setPlaceholder(std::string placeholder) { input_->setPlaceholder(std::move(placeholder)); }

void TextField::setFont(const Font& font) {
    font_ = font;
    layout();
}

const Color& TextField::textColor() const { return input_->textColor(); }
void TextField::setTextColor(const Color& color) { input_->setTextColor(color); }
TextAlignment TextField::textAlignment() const { return input_->textAlignment(); }
void TextField::setTextAlignment(TextAlignment alignment) { input_->setTextAlignment(alignment); }

void TextField::setBorderStyle(TextBorderStyle style) {
    border_ = style;
    switch (style) {
        case TextBorderStyle::None:
            setBorderWidth(0);
            setCornerRadius(0);
            break;
        case TextBorderStyle::Line:
            setBorderWidth(1);
            setBorderColor(Color::blackColor());
            setCornerRadius(0);
            break;
        case TextBorderStyle::Bezel:
            setBorderWidth(2);
            setBorderColor(Color::white(0.55));
            setCornerRadius(0);
            break;
        case TextBorderStyle::RoundedRect:
            setBorderWidth(1);
            setBorderColor(Color::white(0.6));
            setCornerRadius(7);
            if (backgroundColor().alpha == 0) setBackgroundColor(Color::whiteColor());
            break;
    }
    layout();
}

void TextField::setClearButtonMode(TextFieldViewMode mode) {
    clearMode_ = mode;
    layout();
}

void TextField::setAdjustsFontSizeToFitWidth(bool on) {
    shrinks_ = on;
    layout();
}

void TextField::setMinimumFontSize(double size) {
    minimumFontSize_ = std::max(0.0, size);
    layout();
}

bool TextField::isSecureTextEntry() const { return input_->isSecure(); }
void TextField::setSecureTextEntry(bool secure) { input_->setSecure(secure); }
KeyboardType TextField::keyboardType() const { return input_->keyboardType(); }
void TextField::setKeyboardType(KeyboardType type) { input_->setKeyboardType(type); }
ReturnKeyType TextField::returnKeyType() const { return input_->returnKeyType(); }
void TextField::setReturnKeyType(ReturnKeyType type) { input_->setReturnKeyType(type); }

TextRange TextField::selectedRange() const { return input_->selectedRange(); }
void TextField::setSelectedRange(TextRange range) { input_->setSelectedRange(range); }

Font TextField::displayedFont() const {
    if (!shrinks_ || text().empty()) return font_;
    double width = font_.widthOf(text());
    double room = input_->bounds().size.width;
    if (width <= room || width <= 0) return font_;
    double smallest = minimumFontSize_ > 0 ? std::min(minimumFontSize_, font_.size()) : font_.size();
    return font_.withSize(std::max(smallest, font_.size() * room / width));
}

void TextField::layout() {
    if (!input_) return;  // not made yet
    bool hasText = !text().empty();
    bool showClear = hasText && (clearMode_ == TextFieldViewMode::Always ||
                                 (clearMode_ == TextFieldViewMode::WhileEditing && editing_) ||
                                 (clearMode_ == TextFieldViewMode::UnlessEditing && !editing_));
    Size size = bounds().size;
    double side = inset(border_);
    double edge = border_ == TextBorderStyle::None ? 0 : borderWidth();
    double keyRoom = showClear ? kClearKeySize + 2 * kClearKeyGap : 0;
    input_->setFrame(
        {side, edge, std::max(0.0, size.width - 2 * side - keyRoom), std::max(0.0, size.height - 2 * edge)});
    clearKey_->setHidden(!showClear);
    clearKey_->setCenter({size.width - side - kClearKeyGap - kClearKeySize / 2, size.height / 2});
    input_->setFont(displayedFont());
}

// ---- Editing

bool TextField::canBecomeFirstResponder() { return isEnabled(); }

bool TextField::becomeFirstResponder() {
    if (isFirstResponder()) return true;
    if (!canBecomeFirstResponder()) return false;
    if (auto d = delegate(); d && !d->textFieldShouldBeginEditing(*this)) return false;
    return Control::becomeFirstResponder();
}

bool TextField::canResignFirstResponder() {
    auto d = delegate();
    return !d || d->textFieldShouldEndEditing(*this);
}

void TextField::didBecomeFirstResponder() {
    editing_ = true;
    input_->setFocused(true);
    layout();
    sendActionsForControlEvents(ControlEventEditingDidBegin);
    if (auto d = delegate()) d->textFieldDidBeginEditing(*this);
}

void TextField::didResignFirstResponder() {
    editing_ = false;
    input_->setFocused(false);
    layout();
    sendActionsForControlEvents(ControlEventEditingDidEnd);
    if (auto d = delegate()) d->textFieldDidEndEditing(*this);
}

void TextField::setEnabled(bool enabled) {
    Control::setEnabled(enabled);
    input_->setEditable(enabled);
}

void TextField::endTracking(Point point, bool) {
    if (bounds().contains(point)) becomeFirstResponder();
}

void TextField::returnPressed() {
    if (returnNeedsText_ && text().empty()) return;  // the return key is off while there is no text
    std::shared_ptr<TextField> keep = sharedAs<TextField>();
    if (auto d = delegate(); d && !d->textFieldShouldReturn(*this)) return;
    sendActionsForControlEvents(ControlEventEditingDidEndOnExit);
}

void TextField::clear() {
    if (!editing_ && !becomeFirstResponder()) return;
    if (auto d = delegate(); d && !d->textFieldShouldClear(*this)) return;
    setText({});
    sendActionsForControlEvents(ControlEventEditingChanged);
}

// ---- Interface files

void TextField::applyNibProperties(TextField& field, NibProperties& p) {
    TextInput::applyNibProperties(*field.input_, p);
    field.font_ = field.input_->font();
    if (auto v = p.choice("borderStyle", kBorderNames)) field.setBorderStyle(*v);
    if (auto v = p.choice("clearButtonMode", kModeNames)) field.setClearButtonMode(*v);
    if (auto v = p.boolean("adjustsFontSizeToFitWidth")) field.setAdjustsFontSizeToFitWidth(*v);
    if (auto v = p.number("minimumFontSize")) field.setMinimumFontSize(*v);
    field.layout();
}

}  // namespace ui
