#include "platform/ui/TableViewCell.h"

#include <algorithm>
#include <array>
#include <functional>

#include "platform/ui/Animation.h"
#include "platform/ui/Make.h"
#include "platform/ui/NibProperties.h"

namespace ui {

namespace {
constexpr double kAccessoryWidth = 30;
constexpr double kInset = 10;
constexpr double kEditingIndent = 38;
constexpr double kControlSize = 28;
constexpr double kGripWidth = 36;
constexpr double kDeleteWidth = 68;
constexpr double kEditingDuration = 0.3;
const Color kDeleteRed = Color::rgb(0.85, 0.12, 0.12);
const Color kInsertGreen = Color::rgb(0.15, 0.65, 0.2);

// Every label in the tree, the cell's own parts and those an interface file brought.
void forEachLabel(View& view, const std::function<void(Label&)>& f) {
    if (auto* label = dynamic_cast<Label*>(&view)) f(*label);
    for (const auto& sub : view.subviews()) forEachLabel(*sub, f);
}
}  // namespace

void TableViewCell::init(const Rect& frame) {
    View::init(frame.size.height > 0 ? frame : Rect{frame.origin, {320, 44}});
    setBackgroundColor(Color::whiteColor());
    background_ = make<View>();
    background_->setBackgroundColor(Color::clear());
    background_->setUserInteractionEnabled(false);
    selectionBackground_ = make<View>();
    selectionBackground_->setHidden(true);
    selectionBackground_->setUserInteractionEnabled(false);
    content_ = make<View>(Rect{{}, bounds().size});
    content_->setAutoresizingMask(FlexibleWidth | FlexibleHeight);
    textLabel_ = make<Label>();
    textLabel_->setFont(Font::boldSystem(style_ == TableViewCellStyle::Subtitle ? 18 : 20));
    textLabel_->setBackgroundColor(Color::clear());
    textLabel_->setHighlightedTextColor(Color::whiteColor());
    imageView_ = make<ImageView>();
    content_->addSubview(imageView_);
    content_->addSubview(textLabel_);
    if (style_ != TableViewCellStyle::Default) {
        detailLabel_ = make<Label>();
        detailLabel_->setBackgroundColor(Color::clear());
        detailLabel_->setHighlightedTextColor(Color::whiteColor());
        detailLabel_->setFont(Font::system(style_ == TableViewCellStyle::Subtitle ? 14 : 17));
        detailLabel_->setTextColor(style_ == TableViewCellStyle::Subtitle ? Color::grayColor()
                                                                          : Color::rgb(0.22, 0.33, 0.53));
        content_->addSubview(detailLabel_);
    }
    accessoryView_ = make<Label>();
    accessoryView_->setBackgroundColor(Color::clear());
    accessoryView_->setTextAlignment(TextAlignment::Center);
    accessoryView_->setFont(Font::boldSystem(20));
    accessoryView_->setTextColor(Color::grayColor());
    accessoryView_->setHighlightedTextColor(Color::whiteColor());
    separator_ = make<View>();
    separator_->setUserInteractionEnabled(false);
    separator_->setHidden(true);
    addSubview(background_);
    addSubview(selectionBackground_);
    addSubview(content_);
    addSubview(accessoryView_);
    addSubview(separator_);
    placeParts();
}

void TableViewCell::init(TableViewCellStyle style, std::string reuseIdentifier) {
    style_ = style;
    reuseIdentifier_ = std::move(reuseIdentifier);
    init(Rect{0, 0, 320, 44});
}

void TableViewCell::setSelectionStyle(TableViewCellSelectionStyle style) {
    selectionStyle_ = style;
    showSelection();
}

void TableViewCell::setAccessoryType(TableViewCellAccessory accessory) {
    accessory_ = accessory;
    accessoryView_->setText(accessory == TableViewCellAccessory::DisclosureIndicator ? "\u203A"
                            : accessory == TableViewCellAccessory::Checkmark         ? "\u2713"
                                                                                     : "");
    placeParts();
}

void TableViewCell::setSelected(bool selected, bool) {
    selected_ = selected;
    showSelection();
}

void TableViewCell::setHighlighted(bool highlighted) {
    highlighted_ = highlighted;
    showSelection();
}

void TableViewCell::showSelection() {
    bool shown = (selected_ || highlighted_) && selectionStyle_ != TableViewCellSelectionStyle::None;
    selectionBackground_->setHidden(!shown);
    selectionBackground_->setBackgroundColor(selectionStyle_ == TableViewCellSelectionStyle::Gray
                                                 ? Color::white(0.55)
                                                 : Color::rgb(0.02, 0.45, 0.96));
    forEachLabel(*this, [shown](Label& label) { label.setHighlighted(shown); });
}

void TableViewCell::setSeparator(const Color& color, bool shown) {
    separator_->setBackgroundColor(color);
    separator_->setHidden(!shown);
}

void TableViewCell::layoutSubviews() { placeParts(); }

// ---- Editing

void TableViewCell::makeEditingParts() {
    if (editingControl_) return;
    editingControl_ = Button::withType(ButtonType::Custom);
    editingControl_->setCornerRadius(kControlSize / 2);
    editingControl_->setBorderWidth(2);
    editingControl_->setBorderColor(Color::whiteColor());
    editingControl_->titleLabel()->setFont(Font::boldSystem(20));
    editingControl_->addAction(ControlEventTouchUpInside, [this](const std::shared_ptr<Control>&) {
        if (onControl_) onControl_();
    });
    deleteButton_ = Button::withType(ButtonType::Custom);
    deleteButton_->setTitle("Delete");
    deleteButton_->setBackgroundColor(kDeleteRed);
    deleteButton_->setCornerRadius(6);
    deleteButton_->titleLabel()->setFont(Font::boldSystem(15));
    deleteButton_->addAction(ControlEventTouchUpInside, [this](const std::shared_ptr<Control>&) {
        if (onConfirm_) onConfirm_();
    });
    reorderControl_ = make<View>();
    for (int i = 0; i < 3; ++i) {
        auto bar = make<View>();
        bar->setBackgroundColor(Color::white(0.6));
        bar->setUserInteractionEnabled(false);
        reorderControl_->addSubview(bar);
    }
    for (const auto& part :
         {std::shared_ptr<View>(editingControl_), std::shared_ptr<View>(deleteButton_), reorderControl_}) {
        part->setHidden(true);
        addSubview(part);
    }
    separator_->removeFromSuperview();
    addSubview(separator_);
}

void TableViewCell::setEditing(bool editing, TableViewCellEditingStyle style, bool indents, bool movable,
                               bool animated) {
    if (editing == editing_ && style == editingStyle_ && indents == indents_ && movable == movable_) return;
    editing_ = editing;
    editingStyle_ = style;
    indents_ = indents;
    movable_ = movable;
    if (!editing) confirming_ = false;
    if (!editing && !editingControl_) return;  // the parts come with the first edit
    makeEditingParts();
    placeAnimated(animated);
}

void TableViewCell::setShowingDeleteConfirmation(bool shows, bool animated) {
    if (shows == confirming_) return;
    makeEditingParts();
    confirming_ = shows;
    placeAnimated(animated);
}

void TableViewCell::setEditingHandlers(std::function<void()> control, std::function<void()> confirm) {
    onControl_ = std::move(control);
    onConfirm_ = std::move(confirm);
}

void TableViewCell::placeAnimated(bool animated) {
    if (!animated) return placeParts();
    Animation::begin("TableViewCellEditing");
    Animation::setDuration(kEditingDuration);
    placeParts();
    Animation::commit();
}

void TableViewCell::placeParts() {
    if (!separator_) return;  // still in init
    Size s = bounds().size;
    background_->setFrame({{}, s});
    selectionBackground_->setFrame({{}, s});
    separator_->setFrame({0, s.height - 1, s.width, 1});
    bool accessory = accessory_ != TableViewCellAccessory::None && !editing_;
    accessoryView_->setFrame({s.width - kAccessoryWidth, 0, kAccessoryWidth, s.height});
    accessoryView_->setHidden(!accessory);
    double left = 0, right = accessory ? kAccessoryWidth : 0;
    if (editingControl_) {
        bool control = editing_ && editingStyle_ != TableViewCellEditingStyle::None;
        bool insert = editingStyle_ == TableViewCellEditingStyle::Insert;
        editingControl_->setTitle(insert ? "+" : "\u2212");
        editingControl_->setBackgroundColor(insert ? kInsertGreen : kDeleteRed);
        if (editing_ && indents_) left = kEditingIndent;
        bool grip = editing_ && movable_;
        if (grip) right = kGripWidth;
        editingControl_->setFrame({control ? (kEditingIndent - kControlSize) / 2 : -kEditingIndent,
                                   (s.height - kControlSize) / 2, kControlSize, kControlSize});
        editingControl_->setHidden(!control);
        // The minus turns upright while its row asks to confirm.
        editingControl_->setTransform(confirming_ && editing_ ? AffineTransform::rotation(-1.5707963267948966)
                                                              : AffineTransform());
        reorderControl_->setFrame({s.width - kGripWidth, 0, kGripWidth, s.height});
        for (std::size_t i = 0; i < reorderControl_->subviews().size(); ++i)
            reorderControl_->subviews()[i]->setFrame({9, s.height / 2 - 7 + 6.0 * double(i), 18, 2});
        reorderControl_->setHidden(!grip || confirming_);
        double buttonHeight = std::min(s.height - 14, 32.0);
        deleteButton_->setFrame({confirming_ ? s.width - kDeleteWidth - 8 : s.width,
                                 (s.height - buttonHeight) / 2, kDeleteWidth, buttonHeight});
        deleteButton_->setAlpha(confirming_ ? 1 : 0);
        deleteButton_->setHidden(!confirming_);
        if (confirming_) right = kDeleteWidth + 16;
    }
    content_->setFrame({left, 0, std::max(0.0, s.width - left - right), s.height});
    Size c = content_->bounds().size;
    double x = kInset;
    if (auto image = imageView_->image()) {
        Size is = image->size();
        imageView_->setFrame({0, (c.height - is.height) / 2, is.width, is.height});
        x = is.width + kInset;
    } else {
        imageView_->setFrame({});
    }
    double width = std::max(0.0, c.width - x - kInset);
    switch (style_) {
        case TableViewCellStyle::Default:
            textLabel_->setFrame({x, 0, width, c.height});
            break;
        case TableViewCellStyle::Subtitle:
            textLabel_->setFrame({x, 2, width, c.height * 0.55});
            detailLabel_->setFrame({x, c.height * 0.55, width, c.height * 0.4});
            break;
        case TableViewCellStyle::Value1:
        case TableViewCellStyle::Value2:
            textLabel_->setFrame({x, 0, width / 2, c.height});
            detailLabel_->setFrame({x + width / 2, 0, width / 2, c.height});
            detailLabel_->setTextAlignment(TextAlignment::Right);
            break;
    }
}

void TableViewCell::applyNibProperties(TableViewCell& cell, NibProperties& p) {
    static constexpr std::array<std::pair<TableViewCellSelectionStyle, const char*>, 3> kSelection{{
        {TableViewCellSelectionStyle::None, "none"},
        {TableViewCellSelectionStyle::Blue, "blue"},
        {TableViewCellSelectionStyle::Gray, "gray"},
    }};
    static constexpr std::array<std::pair<TableViewCellAccessory, const char*>, 3> kAccessories{{
        {TableViewCellAccessory::None, "none"},
        {TableViewCellAccessory::DisclosureIndicator, "disclosureIndicator"},
        {TableViewCellAccessory::Checkmark, "checkmark"},
    }};
    if (auto v = p.string("reuseIdentifier")) cell.setReuseIdentifier(*v);
    if (auto v = p.choice("selectionStyle", kSelection)) cell.setSelectionStyle(*v);
    if (auto v = p.choice("accessoryType", kAccessories)) cell.setAccessoryType(*v);
}

}  // namespace ui
