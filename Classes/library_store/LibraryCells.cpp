#include "Classes/library_store/LibraryCells.h"

#include <algorithm>

#include "Classes/library_store/MResources.h"
#include "Classes/library_store/MStartSet.h"
#include "platform/ui/Button.h"
#include "platform/ui/Control.h"
#include "platform/ui/Font.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/TableViewCell.h"
#include "platform/ui/TextLayout.h"

namespace {

const ui::Color kOddRowGrey = ui::Color::hsb(0.3, 0, 0.92);
const ui::Color kDescriptionGrey = ui::Color::white(0.5);

std::shared_ptr<ui::Label> labelIn(ui::TableViewCell& cell, int tag) {
    return std::dynamic_pointer_cast<ui::Label>(cell.viewWithTag(tag));
}

}  // namespace

std::shared_ptr<ui::TableViewCell> LibraryCells::newCell(const std::string& identifier, double width) {
    auto cell = ui::make<ui::TableViewCell>(ui::TableViewCellStyle::Default, identifier);
    if (!cell->subviews().empty()) cell->subviews().front()->setTag(LibraryCells::kBackgroundTag);
    cell->textLabel()->setText("");
    cell->setSelectionStyle(ui::TableViewCellSelectionStyle::Gray);
    ui::Rect content = cell->contentView()->frame();
    content.size.width = width;
    cell->contentView()->setFrame(content);
    return cell;
}

std::shared_ptr<ui::Label> LibraryCells::addLabel(ui::View& content, int tag, const ui::Rect& frame,
                                                  const ui::Font& font, double minimumSize, int lines) {
    auto label = ui::make<ui::Label>(frame);
    label->setTag(tag);
    label->setFont(font);
    label->setMinimumFontSize(minimumSize);
    label->setAdjustsFontSizeToFitWidth(true);
    label->setNumberOfLines(lines);
    label->setBackgroundColor(ui::Color::clear());
    content.addSubview(label);
    return label;
}

LibraryCells::Layout LibraryCells::Layout::phone() {
    return {
        17,         13,  17, 12, {85, 12, 220, 20}, {85, 34, 220, 40}, {95, 12, 220, 20}, {95, 32, 220, 70},
        {48, 60.5}, 120, 80};
}

LibraryCells::Layout LibraryCells::Layout::tablet(double homeWidth) {
    double w = homeWidth - 115;
    return {18,         15,  19, 14, {105, 24, w, 20}, {105, 46, w, 40}, {105, 16, w, 20}, {105, 40, w, 70},
            {55, 65.5}, 130, 100};
}

ui::Rect LibraryCells::fittedFrame(const std::string& text, const ui::Font& font, const ui::Rect& frame) {
    ui::Size needed = ui::TextLayout::size(text, font, frame.size.width);
    ui::Rect fitted = frame;
    fitted.size.height = std::min(needed.height, frame.size.height);
    return fitted;
}

std::shared_ptr<ui::TableViewCell> LibraryCells::bookCell(double width, const Layout& layout) {
    auto cell = newCell(kBookCellIdentifier, width);
    ui::View& content = *cell->contentView();
    auto icon = ui::make<ui::ImageView>(ui::Rect{0, 0, 0, 0});
    icon->setTag(kIconTag);
    icon->setImage(ui::Image::named(kDefaultBookImage));
    icon->sizeToFit();
    icon->setCenter(layout.iconCenter);
    content.addSubview(icon);
    addLabel(content, kTitleTag, layout.titleFrame, ui::Font::boldSystem(layout.titleFontSize), 12, 1);
    auto description = addLabel(content, kDescriptionTag, layout.descriptionFrame,
                                ui::Font::italicSystem(layout.descriptionFontSize), 10, 4);
    description->setTextColor(kDescriptionGrey);
    description->setAutoresizingMask(ui::FlexibleWidth);
    return cell;
}

void LibraryCells::fillBookCell(ui::TableViewCell& cell, const MStartSet& set, const Layout& layout) {
    if (auto icon = std::dynamic_pointer_cast<ui::ImageView>(cell.viewWithTag(kIconTag))) {
        icon->setImage(set.imageName().empty() ? nullptr : ui::Image::named(set.imageName()));
        icon->sizeToFit();
        icon->setCenter(layout.iconCenter);
    }
    if (auto title = labelIn(cell, kTitleTag)) title->setText(set.title());
    if (auto description = labelIn(cell, kDescriptionTag)) {
        description->setText(set.description());
        description->setFrame(fittedFrame(set.description(), description->font(), layout.descriptionFrame));
    }
}

std::shared_ptr<ui::TableViewCell> LibraryCells::resourceCell(const std::string& identifier, double width,
                                                              const Layout& layout) {
    auto cell = newCell(identifier, width);
    ui::View& content = *cell->contentView();
    addLabel(content, kShortNameTag, layout.shortNameFrame, ui::Font::boldSystem(layout.largeFontSize), 12, 1)
        ->setTextAlignment(ui::TextAlignment::Left);
    auto longName =
        addLabel(content, kLongNameTag, layout.longNameFrame, ui::Font::system(layout.normalFontSize), 10, 2);
    longName->setTextColor(kDescriptionGrey);
    longName->setAutoresizingMask(ui::FlexibleWidth);
    return cell;
}

void LibraryCells::fillResourceCell(ui::TableViewCell& cell, const MResources& resources, int row,
                                    const Layout& layout) {
    if (row < 0 || row >= int(resources.count())) return;
    const MResource& resource = *resources.resourses()[std::size_t(row)];
    cell.imageView()->setImage(resource.image());
    cell.layoutSubviews();  // the icon's place follows its size
    if (auto shortName = labelIn(cell, kShortNameTag)) shortName->setText(resource.shortName());
    if (auto longName = labelIn(cell, kLongNameTag)) {
        longName->setText(resource.longName());
        longName->setFrame(fittedFrame(resource.longName(), longName->font(), layout.longNameFrame));
    }
    shadeByParity(cell, row);
}

void LibraryCells::shadeByParity(ui::TableViewCell& cell, int row) {
    const ui::Color& shade = row % 2 == 1 ? kOddRowGrey : ui::Color::whiteColor();
    if (auto background = cell.viewWithTag(kBackgroundTag)) background->setBackgroundColor(shade);
    cell.setBackgroundColor(shade);
}

std::shared_ptr<ui::Button> LibraryCells::sectionHeader(int section, const std::string& text, bool expanded,
                                                        const std::shared_ptr<ui::Responder>& target) {
    auto header = ui::make<ui::Button>(ui::Rect{0, 0, 320, 30});
    header->setTag(section);
    header->setBackgroundColor(ui::Color::clear());
    header->setShowsTouchWhenHighlighted(true);
    header->addTarget(target, kHeaderAction, ui::ControlEventTouchUpInside);

    auto background = ui::make<ui::ImageView>(ui::Rect{0, 0, 1024, 41});
    background->setImage(ui::Image::named(kHeaderBackground));
    background->setAlpha(0.9);
    background->setUserInteractionEnabled(false);
    header->addSubview(background);
    auto indicator = ui::make<ui::ImageView>(ui::Rect{10, 11, 18, 18});
    indicator->setImage(ui::Image::named(expanded ? kHeaderOpen : kHeaderClosed));
    indicator->setAlpha(0.9);
    indicator->setUserInteractionEnabled(false);
    header->addSubview(indicator);
    auto label = ui::make<ui::Label>(ui::Rect{35, 11, 300, 20});
    label->setText(text);
    label->setFont(ui::Font::boldSystem(18));
    label->setTextColor(ui::Color::whiteColor());
    label->setShadowColor(ui::Color::grayColor());
    label->setShadowOffset({0, 1});
    label->setNumberOfLines(1);
    label->setBackgroundColor(ui::Color::clear());
    label->setUserInteractionEnabled(false);
    header->addSubview(label);
    return header;
}
