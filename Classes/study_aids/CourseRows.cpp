#include "Classes/study_aids/CourseRows.h"

#include "Classes/library_store/LibraryCells.h"
#include "Classes/study_aids/MCourse.h"
#include "platform/ui/Color.h"
#include "platform/ui/Font.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/TableViewCell.h"

CourseRows::Layout CourseRows::Layout::phone() {
    return {{125, 30, 220, 20}, {293, 46.5}, {273, 22, 40, 15}, 80};
}

CourseRows::Layout CourseRows::Layout::tablet(double homeWidth) {
    return {{145, 50, 220, 20}, {homeWidth - 103, 66.5}, {homeWidth - 123, 42, 40, 15}, 120};
}

std::shared_ptr<ui::TableViewCell> CourseRows::newCell(double width, const Layout& layout,
                                                       const ui::Color& countColor) {
    auto cell = LibraryCells::newCell(kCellIdentifier, width);
    ui::View& content = *cell->contentView();
    LibraryCells::addLabel(content, kNameTag, layout.companyNameFrame, ui::Font::italicSystem(17), 13, 1);

    auto icon = ui::make<ui::ImageView>(ui::Rect{0, 0, 0, 0});
    icon->setTag(kCentersIconTag);
    icon->setImage(ui::Image::named(kCentersImage));
    icon->sizeToFit();
    icon->setCenter(layout.centersNIVCenter);
    icon->setAutoresizingMask(ui::FlexibleLeftMargin);
    content.addSubview(icon);

    auto count = LibraryCells::addLabel(content, kCentersCountTag, layout.centersNLblFrame,
                                        ui::Font::boldSystem(12), 11, 1);
    count->setTextColor(countColor);
    count->setTextAlignment(ui::TextAlignment::Center);
    count->setAutoresizingMask(ui::FlexibleLeftMargin);
    return cell;
}

std::optional<std::string> CourseRows::countText(const MCourse& course) {
    if (course.centers()) return std::to_string(course.centers()->size());
    if (course.companyName() == kOnlineCompany) return std::string(kOnlineText);
    return std::nullopt;
}

void CourseRows::fill(ui::TableViewCell& cell, const MCourse& course, int row) {
    cell.imageView()->setImage(course.iconIM());
    cell.layoutSubviews();  // the icon's place follows its size
    if (auto name = std::dynamic_pointer_cast<ui::Label>(cell.viewWithTag(kNameTag)))
        name->setText(course.companyName());
    std::optional<std::string> count = countText(course);
    if (auto label = std::dynamic_pointer_cast<ui::Label>(cell.viewWithTag(kCentersCountTag)))
        label->setText(count.value_or(""));
    if (auto icon = cell.viewWithTag(kCentersIconTag)) icon->setHidden(!count);
    LibraryCells::shadeByParity(cell, row);
}
