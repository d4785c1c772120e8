#include "platform/ui/TextView.h"

#include "platform/ui/Make.h"
#include "platform/ui/TextInput.h"
#include "platform/ui/Touch.h"

namespace ui {

void TextView::init(const Rect& frame) {
    View::init(frame);
    setBackgroundColor(Color::whiteColor());
    input_ = ui::make<TextInput>(bounds());
    input_->setMultiline(true);
    input_->setAutoresizingMask(FlexibleWidth | FlexibleHeight);
    addSubview(input_);
    std::weak_ptr<TextView> weak = sharedAs<TextView>();
    input_->setHooks({
        .beginEditing =
            [weak] {
                auto v = weak.lock();
                return v && v->becomeFirstResponder();
            },
        .shouldChange =
            [weak](TextRange range, const std::string& text) {
                auto v = weak.lock();
                auto d = v ? v->delegate() : nullptr;
                return !d || d->textViewShouldChangeText(*v, range, text);
            },
        .didChange =
            [weak] {
                auto v = weak.lock();
                if (auto d = v ? v->delegate() : nullptr) d->textViewDidChange(*v);
            },
        .didChangeSelection =
            [weak] {
                auto v = weak.lock();
                if (auto d = v ? v->delegate() : nullptr) d->textViewDidChangeSelection(*v);
            },
        .returnPressed = {},
    });
}

const std::string& TextView::text() const { return input_->text(); }
void TextView::setText(std::string text) { input_->setText(std::move(text)); }
const Font& TextView::font() const { return input_->font(); }
void TextView::setFont(const Font& font) { input_->setFont(font); }
const Color& TextView::textColor() const { return input_->textColor(); }
void TextView::setTextColor(const Color& color) { input_->setTextColor(color); }
TextAlignment TextView::textAlignment() const { return input_->textAlignment(); }
void TextView::setTextAlignment(TextAlignment alignment) { input_->setTextAlignment(alignment); }
bool TextView::isEditable() const { return input_->isEditable(); }
KeyboardType TextView::keyboardType() const { return input_->keyboardType(); }
void TextView::setKeyboardType(KeyboardType type) { input_->setKeyboardType(type); }
ReturnKeyType TextView::returnKeyType() const { return input_->returnKeyType(); }
void TextView::setReturnKeyType(ReturnKeyType type) { input_->setReturnKeyType(type); }
TextRange TextView::selectedRange() const { return input_->selectedRange(); }
void TextView::setSelectedRange(TextRange range) { input_->setSelectedRange(range); }

void TextView::setEditable(bool editable) {
    input_->setEditable(editable);
    if (!editable) relinquishFirstResponder();
}

bool TextView::canBecomeFirstResponder() { return isEditable(); }

bool TextView::becomeFirstResponder() {
    if (isFirstResponder()) return true;
    if (!canBecomeFirstResponder()) return false;
    if (auto d = delegate(); d && !d->textViewShouldBeginEditing(*this)) return false;
    return View::becomeFirstResponder();
}

bool TextView::canResignFirstResponder() {
    auto d = delegate();
    return !d || d->textViewShouldEndEditing(*this);
}

void TextView::didBecomeFirstResponder() {
    input_->setFocused(true);
    if (auto d = delegate()) d->textViewDidBeginEditing(*this);
}

void TextView::didResignFirstResponder() {
    input_->setFocused(false);
    if (auto d = delegate()) d->textViewDidEndEditing(*this);
}

void TextView::touchesEnded(const Touches& touches) {
    if (!touches.empty() && bounds().contains(touches.front()->locationIn(this))) becomeFirstResponder();
}

void TextView::applyNibProperties(TextView& view, NibProperties& properties) {
    TextInput::applyNibProperties(*view.input_, properties);
}

}  // namespace ui
