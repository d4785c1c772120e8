#include "platform/ui/TextInput.h"

#include <algorithm>

#include "platform/foundation/Unicode.h"
#include "platform/ui/EditMenu.h"
#include "platform/ui/NibProperties.h"
#include "platform/ui/Pasteboard.h"

namespace ui {

namespace {

// The range of `before` that became `after`, for an edit that left the caret at `caret`: the
// longest unchanged start (not past the caret) and the longest unchanged end after that.
TextRange changedRange(const std::u16string& before, const std::u16string& after, std::size_t caret,
                       std::u16string& inserted) {
    caret = std::min(caret, after.size());
    std::size_t limit = std::min({before.size(), after.size(), caret});
    std::size_t head = 0;
    while (head < limit && before[head] == after[head]) ++head;
    std::size_t tailLimit = std::min(before.size() - head, after.size() - caret);
    std::size_t tail = 0;
    while (tail < tailLimit && before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) ++tail;
    inserted = after.substr(head, after.size() - head - tail);
    return {head, before.size() - head - tail};
}

}  // namespace

void TextInput::store(std::u16string units, TextRange selection) {
    if (units != units_) {
        units_ = std::move(units);
        text_ = fnd::fromUtf16(units_);
        changed();
    }
    TextRange clamped = clamp(selection);
    if (update(selection_, clamped)) changed();
}

TextRange TextInput::clamp(TextRange range) const {
    std::size_t start = std::min(range.location, units_.size());
    return {start, std::min(range.length, units_.size() - start)};
}

void TextInput::setText(std::string text) {
    std::u16string units = fnd::toUtf16(text);
    std::size_t end = units.size();
    store(std::move(units), {end, 0});
}

void TextInput::setPlaceholder(std::string placeholder) {
    if (update(placeholder_, placeholder)) changed();
}

void TextInput::setFont(const Font& font) {
    if (update(font_, font)) changed();
}

void TextInput::setTextColor(const Color& color) {
    if (update(color_, color)) changed();
}

void TextInput::setTextAlignment(TextAlignment alignment) {
    if (update(alignment_, alignment)) changed();
}

void TextInput::setMultiline(bool multiline) {
    if (update(multiline_, multiline)) changed();
}

void TextInput::setSecure(bool secure) {
    if (update(secure_, secure)) changed();
}

void TextInput::setKeyboardType(KeyboardType type) {
    if (update(keyboard_, type)) changed();
}

void TextInput::setReturnKeyType(ReturnKeyType type) {
    if (update(returnKey_, type)) changed();
}

void TextInput::setEditable(bool editable) {
    if (update(editable_, editable)) changed();
}

void TextInput::setFocused(bool focused) {
    if (!update(focused_, focused)) return;
    changed();
    if (!focused) EditMenu::shared().selectionChanged(sharedAs<View>(), {}, {});
}

void TextInput::setSelectedRange(TextRange range) { store(units_, range); }

std::string TextInput::textIn(TextRange range) const {
    TextRange r = clamp(range);
    return fnd::fromUtf16(std::u16string_view(units_).substr(r.location, r.length));
}

bool TextInput::replace(TextRange range, const std::string& text) {
    TextRange r = clamp(range);
    std::u16string before = units_;
    if (hooks_.shouldChange && !hooks_.shouldChange(r, text)) return false;
    if (units_ != before) return false;  // the owner changed the text itself
    std::u16string inserted = fnd::toUtf16(text);
    std::u16string after = before;
    after.replace(r.location, r.length, inserted);
    store(std::move(after), {r.location + inserted.size(), 0});
    if (hooks_.didChange) hooks_.didChange();
    return true;
}

// ---- What the display reports

bool TextInput::beginEditingIfNeeded() {
    if (focused_) return true;
    return hooks_.beginEditing && hooks_.beginEditing() && focused_;
}

void TextInput::answerDisplay() {
    resend("value");
    resend("selection");
}

void TextInput::displayDidEditText(const std::string& value, std::size_t start, std::size_t length) {
    std::shared_ptr<View> keep = sharedAs<View>();  // an owner's hook may take the input away
    if (!editable_ || !beginEditingIfNeeded()) {
        answerDisplay();
        return;
    }
    std::u16string before = units_;
    std::u16string after = fnd::toUtf16(value);
    std::u16string inserted;
    TextRange range = changedRange(before, after, start, inserted);
    bool allowed = !hooks_.shouldChange || hooks_.shouldChange(range, fnd::fromUtf16(inserted));
    if (allowed && units_ == before && after != before) {
        store(std::move(after), {start, length});
        if (hooks_.didChange) hooks_.didChange();
    }
    answerDisplay();
}

void TextInput::displayDidChangeSelection(std::size_t start, std::size_t length, const std::string& text) {
    std::shared_ptr<View> keep = sharedAs<View>();
    TextRange before = selection_;
    resend("selection");
    if (textIn({start, length}) != text) return;  // stale
    store(units_, {start, length});
    if (selection_ != before && hooks_.didChangeSelection) hooks_.didChangeSelection();
}

void TextInput::displayDidPressReturn() {
    std::shared_ptr<View> keep = sharedAs<View>();
    if (focused_ && hooks_.returnPressed) hooks_.returnPressed();
}

void TextInput::showMenuForSelection() {
    std::shared_ptr<View> self = sharedAs<View>();
    if (!self) return;
    // The display reports its selections to the edit menu itself; these are the ones made here.
    EditMenu::shared().selectionChanged(self, selection_.length > 0 ? selectedText() : std::string(),
                                        bounds());
}

// ---- The edit menu

const ConnectionTable& TextInput::classConnections() {
    static const ConnectionTable table = ConnectionTable("TextInput", &Responder::classConnections())
                                             .action("cut:", &TextInput::cut)
                                             .action("copy:", &TextInput::copy)
                                             .action("paste:", &TextInput::paste)
                                             .action("selectAll:", &TextInput::selectAll);
    return table;
}

bool TextInput::canPerformAction(const std::string& action, const Sender& sender) {
    bool selected = selection_.length > 0;
    if (action == "copy:") return selected && !secure_;
    if (action == "cut:") return selected && !secure_ && editable_ && focused_;
    if (action == "paste:") return editable_ && focused_ && Pasteboard::general().string().has_value();
    if (action == "selectAll:") return !units_.empty() && selection_.length < units_.size();
    if (action == "select:") return false;  // the display selects words itself
    return Responder::canPerformAction(action, sender);
}

void TextInput::copy(const Sender&) {
    if (selection_.length > 0 && !secure_) Pasteboard::general().setString(selectedText());
}

void TextInput::cut(const Sender&) {
    if (selection_.length == 0 || secure_ || !editable_) return;
    std::string text = selectedText();
    if (replace(selection_, {})) Pasteboard::general().setString(text);
    showMenuForSelection();
}

void TextInput::paste(const Sender&) {
    std::optional<std::string> text = Pasteboard::general().string();
    if (!text || !editable_) return;
    replace(selection_, *text);
    showMenuForSelection();
}

void TextInput::selectAll(const Sender&) {
    store(units_, {0, units_.size()});
    showMenuForSelection();
}

void TextInput::describe(PrimitiveProperties& p) const {
    View::describe(p);
    p.emplace_back("value", text_);
    p.emplace_back("placeholder", placeholder_);
    p.emplace_back("font", font_);
    p.emplace_back("color", color_);
    p.emplace_back("align", textAlignmentName(alignment_));
    p.emplace_back("multiline", multiline_);
    p.emplace_back("secure", secure_);
    p.emplace_back("keyboard", keyboardTypeName(keyboard_));
    p.emplace_back("returnKey", returnKeyTypeName(returnKey_));
    p.emplace_back("editable", editable_);
    p.emplace_back("focused", focused_);
    p.emplace_back("selection", Size{double(selection_.location), double(selection_.length)});
}

void TextInput::applyNibProperties(TextInput& input, NibProperties& p) {
    if (auto v = p.string("text")) input.setText(*v);
    if (auto v = p.string("placeholder")) input.setPlaceholder(*v);
    if (auto v = p.font("font")) input.setFont(*v);
    if (auto v = p.color("textColor")) input.setTextColor(*v);
    if (auto v = p.choice("textAlignment", kTextAlignmentNames)) input.setTextAlignment(*v);
    if (auto v = p.boolean("secureTextEntry")) input.setSecure(*v);
    if (auto v = p.choice("keyboardType", kKeyboardTypeNames)) input.setKeyboardType(*v);
    if (auto v = p.choice("returnKeyType", kReturnKeyTypeNames)) input.setReturnKeyType(*v);
    if (auto v = p.boolean("editable")) input.setEditable(*v);
}

}  // namespace ui
