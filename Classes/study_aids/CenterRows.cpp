#include "Classes/study_aids/CenterRows.h"

#include "Classes/library_store/LibraryCells.h"
#include "Classes/study_aids/MCenter.h"
#include "Classes/study_aids/MCourse.h"
#include "platform/ui/Color.h"
#include "platform/ui/Font.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/TableViewCell.h"

namespace {

void setText(ui::TableViewCell& cell, int tag, const std::string& text) {
    if (auto label = std::dynamic_pointer_cast<ui::Label>(cell.viewWithTag(tag))) label->setText(text);
}

}  // namespace

CenterRows::Layout CenterRows::Layout::phone() {
    return {{125, 20, 190, 16}, {125, 38, 190, 16}, {125, 55, 190, 16}, {250, 4, 65, 16}, 13, 13, 11, 12};
}

CenterRows::Layout CenterRows::Layout::tablet(double homeWidth) {
    double w = homeWidth - 140;
    return {
        {125, 20, w, 16}, {125, 38, w, 16}, {125, 55, w, 16}, {homeWidth - 95, 4, 80, 16}, 15, 15, 13, 14};
}

std::shared_ptr<ui::TableViewCell> CenterRows::newCell(double width, const Layout& layout,
                                                       const ui::Color& distanceColor) {
    auto cell = ui::make<ui::TableViewCell>(ui::TableViewCellStyle::Subtitle, std::string(kCellIdentifier));
    cell->textLabel()->setText("");
    if (cell->detailTextLabel()) cell->detailTextLabel()->setText("");
    cell->setSelectionStyle(ui::TableViewCellSelectionStyle::Gray);
    cell->contentView()->setFrame({0, 0, width, kRowHeight});
    ui::View& content = *cell->contentView();

    auto address = LibraryCells::addLabel(content, kAddressTag, layout.addressFrame,
                                          ui::Font::italicSystem(layout.addressFontSize), 13, 1);
    auto city = LibraryCells::addLabel(content, kCityZipCountryTag, layout.cityZipCountryFrame,
                                       ui::Font::boldSystem(layout.cityZipCountryFontSize), 13, 1);
    auto tel = LibraryCells::addLabel(content, kTelSkypeTag, layout.telSkypeFrame,
                                      ui::Font::italicSystem(layout.telSkypeFontSize), 12, 1);
    tel->setTextColor(ui::Color::rgb(0, 0, 0, kTelSkypeAlpha));
    for (const auto& label : {address, city, tel}) label->setAutoresizingMask(ui::FlexibleWidth);

    auto distance =
        LibraryCells::addLabel(content, kDistanceTag, layout.distanceFrame,
                               ui::Font::system(layout.distanceFontSize), layout.distanceFontSize, 1);
    distance->setAdjustsFontSizeToFitWidth(false);
    distance->setTextColor(distanceColor);
    distance->setTextAlignment(ui::TextAlignment::Right);
    distance->setAutoresizingMask(ui::FlexibleLeftMargin);
    return cell;
}

void CenterRows::fill(ui::TableViewCell& cell, const MCenter& center, const MCourse* course,
                      const std::string& distance) {
    setText(cell, kCityZipCountryTag, cityLine(center));
    setText(cell, kAddressTag, center.address());
    setText(cell, kDistanceTag, distance);
    setText(cell, kTelSkypeTag, telSkypeLine(center, course));
    cell.imageView()->setImage(course ? course->iconIM() : nullptr);
    cell.layoutSubviews();  // the icon's place follows its size
}

std::string CenterRows::cityLine(const MCenter& center) {
    return center.city() + ", " + center.zipOrPostalCode() + ", " + center.country();
}

std::string CenterRows::telSkypeLine(const MCenter& center, const MCourse* course) {
    if (course && course->skype()) return center.tel() + " skype: " + *course->skype();
    return center.tel();
}

std::string CenterRows::headerText(const std::string& country, int count) {
    return country + " [" + std::to_string(count) + "]";
}
