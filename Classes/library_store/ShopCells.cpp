#include "Classes/library_store/ShopCells.h"

#include "Classes/library_store/MProductInfo.h"
#include "platform/ui/ActivityIndicator.h"
#include "platform/ui/Button.h"
#include "platform/ui/Control.h"
#include "platform/ui/Font.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/TableViewCell.h"

namespace {

// The description's grey, and the red it turns when it tells of a failed download.
const ui::Color kDescriptionColour = ui::Color::white(0.5);
const ui::Color kFailedColour = ui::Color::rgb(0.75, 0.1, 0.1);

template <class V>
std::shared_ptr<V> viewIn(ui::TableViewCell& cell, int tag) {
    return std::dynamic_pointer_cast<V>(cell.viewWithTag(tag));
}

void addLabel(ui::View& content, int tag, const ui::Rect& frame, const ui::Font& font, unsigned mask = 0,
              int lines = 1) {
    auto label = ui::make<ui::Label>(frame);
    label->setTag(tag);
    label->setFont(font);
    label->setNumberOfLines(lines);
    label->setAdjustsFontSizeToFitWidth(false);
    label->setBackgroundColor(ui::Color::clear());
    label->setAutoresizingMask(mask);
    content.addSubview(label);
}

void addImage(ui::View& content, int tag, const char* image, ui::Point centre, unsigned mask = 0) {
    auto view = ui::make<ui::ImageView>(ui::Rect{0, 0, 0, 0});
    view->setTag(tag);
    view->setImage(ui::Image::named(image));
    view->sizeToFit();
    view->setCenter(centre);
    view->setAutoresizingMask(mask);
    content.addSubview(view);
}

}  // namespace

std::shared_ptr<ui::TableViewCell> ShopCells::newCell(double width, const Layout& layout,
                                                      const std::shared_ptr<ui::Responder>& target) {
    auto cell = ui::make<ui::TableViewCell>(ui::TableViewCellStyle::Default, std::string(kCellIdentifier));
    cell->textLabel()->setText("");
    cell->setSelectionStyle(ui::TableViewCellSelectionStyle::Gray);
    ui::Rect frame = cell->contentView()->frame();
    frame.size.width = width;
    cell->contentView()->setFrame(frame);
    ui::View& content = *cell->contentView();
    const unsigned keepsRight = ui::FlexibleLeftMargin;

    addImage(content, kIconTag, kCreationIcon, layout.icon);
    addImage(content, kUpdateTag, kUpdateImage, layout.update);
    addImage(content, kNewTag, kNewImage, layout.newMark);
    addLabel(content, kTitleTag, layout.title, ui::Font::boldSystem(layout.schoolFontSize));
    addLabel(content, kSubTitleTag, layout.subTitle, ui::Font::system(layout.titleFontSize));
    addLabel(content, kAuthorTag, layout.author, ui::Font::system(layout.authorFontSize));
    viewIn<ui::Label>(*cell, kAuthorTag)->setTextColor(ui::Color::rgb(0.516, 0.26, 0.29));

    auto info = ui::make<ui::Button>(layout.about);
    info->setTag(kInfoTag);
    info->setImage(ui::Image::named(kInfoImage));
    info->addTarget(target, kInfoAction, ui::ControlEventTouchUpInside);
    info->setAutoresizingMask(keepsRight);
    content.addSubview(info);

    addLabel(content, kDescriptionTag, layout.description, ui::Font::italicSystem(layout.descriptionFontSize),
             ui::FlexibleWidth, layout.descriptionLines);
    addLabel(content, kPriceTag, layout.price, ui::Font::italicSystem(layout.priceFontSize), keepsRight);
    viewIn<ui::Label>(*cell, kPriceTag)->setTextAlignment(ui::TextAlignment::Right);
    addImage(content, kInstalledTag, kInstalledImage, layout.installed, keepsRight);

    auto busy = ui::make<ui::ActivityIndicator>(ui::ActivityIndicatorStyle::Gray);
    busy->setTag(kBusyTag);
    busy->setFrame(layout.processing);
    busy->setAutoresizingMask(keepsRight);
    content.addSubview(busy);
    return cell;
}

void ShopCells::fill(ui::TableViewCell& cell, const MProductInfo& product, const ShopRows::Row& row,
                     bool annotated) {
    auto text = [&](int tag, const std::string& value) {
        if (auto label = viewIn<ui::Label>(cell, tag)) label->setText(value);
    };
    auto shown = [&](int tag, bool on) {
        if (auto view = cell.viewWithTag(tag)) view->setHidden(!on);
    };
    text(kTitleTag, product.title());
    text(kSubTitleTag, product.subTitle());
    text(kAuthorTag, product.author());
    text(kDescriptionTag, row.description);
    if (auto description = viewIn<ui::Label>(cell, kDescriptionTag))
        description->setTextColor(row.failed ? kFailedColour : kDescriptionColour);
    text(kPriceTag, row.showsPrice ? product.priceString().value_or("") : "");
    if (auto info = viewIn<ui::Button>(cell, kInfoTag)) info->setEnabled(annotated);
    shown(kInfoTag, annotated);
    shown(kUpdateTag, row.updateMark);
    shown(kNewTag, row.newMark);
    shown(kPriceTag, row.showsPrice);
    shown(kInstalledTag, row.installedMark);
    if (auto busy = viewIn<ui::ActivityIndicator>(cell, kBusyTag)) {
        busy->setHidden(!row.busy);
        if (row.busy)
            busy->startAnimating();
        else
            busy->stopAnimating();
    }
    if (auto icon = viewIn<ui::ImageView>(cell, kIconTag)) {
        auto name = product.buildIconNameForType(row.iconType, std::nullopt);
        icon->setImage(name ? ui::Image::named(*name) : nullptr);
    }
}
