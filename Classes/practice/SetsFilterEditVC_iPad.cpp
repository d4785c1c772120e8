#include "Classes/practice/SetsFilterEditVC_iPad.h"

#include "Classes/practice/PracticeCSAddVC.h"
#include "Classes/practice/PracticeCSEditVC_iPad.h"
#include "Classes/practice/PracticeIEVC.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/TableViewCell.h"

namespace {

constexpr double kTabletHeights[] = {115, 60, 90, 50};
constexpr double kBarX = 140, kBarY = 73, kBarHeight = 10;

}  // namespace

const ui::ConnectionTable& SetsFilterEditVC_iPad::classConnections() {
    static const ui::ConnectionTable table("SetsFilterEditVC_iPad", &SetsFilterEditVC::classConnections());
    return table;
}

void SetsFilterEditVC_iPad::init() {
    setsFontSizes_[0] = 17;
    setsFontSizes_[1] = 17;
    setsFontSizes_[2] = 14;
    SetsFilterEditVC::init();
}

void SetsFilterEditVC_iPad::openPracticeCSAdd(const Sender&) {
    if (canOpenSubview()) showChild(ui::make<PracticeCSAddVC_iPad>());
}

void SetsFilterEditVC_iPad::openPracticeIE(const Sender&) {
    if (canOpenSubview()) showChild(ui::make<PracticeIEVC_iPad>());
}

void SetsFilterEditVC_iPad::openPracticeCSEdit(const Sender& sender) {
    if (auto set = customSetOf(sender); set && canOpenSubview())
        showChild(ui::make<PracticeCSEditVC_iPad>(set));
}

double SetsFilterEditVC_iPad::homeWidth() const {
    auto home = homeView();
    return home ? home->bounds().width() : 768;
}

void SetsFilterEditVC_iPad::setupTV() {
    SetsFilterEditVC::setupTV();
    if (setsFilterEditTV()) setsFilterEditTV()->setSectionHeaderHeight(40);
}

double SetsFilterEditVC_iPad::heightForRow(ui::TableView&, const ui::IndexPath& indexPath) {
    int s = indexPath.section;
    return s >= 0 && s < SetsFilterRows::kSections ? kTabletHeights[s] : 60;
}

std::shared_ptr<ui::TableViewCell> SetsFilterEditVC_iPad::makeCell(int section,
                                                                   const std::string& identifier) {
    auto cell = SetsFilterEditVC::makeCell(section, identifier);
    auto& content = *cell->contentView();
    double width = setsFilterEditTV() ? setsFilterEditTV()->bounds().width() : homeWidth();
    content.setFrame({0, 0, width, content.frame().size.height});
    for (int tag : {int(kNumberTag), int(kActiveTag)})
        if (auto part = content.viewWithTag(tag)) part->setAutoresizingMask(ui::FlexibleLeftMargin);
    return cell;
}

void SetsFilterEditVC_iPad::fillBar(ui::TableViewCell& cell, const MQSet& set) {
    auto& content = *cell.contentView();
    auto bar = content.viewWithTag(kBarContainerTag);
    int width = barWidth();
    if (!bar) {
        bar = ui::make<ui::View>(ui::Rect{kBarX, kBarY, double(width), kBarHeight});
        bar->setTag(kBarContainerTag);
        bar->setAutoresizingMask(ui::FlexibleWidth);
        content.addSubview(bar);
        addBarPart(*bar, kRightTag, {}, rightLblTextColor(), rightLblBackgroundColor());
        addBarPart(*bar, kWrongTag, {}, ui::Color::whiteColor(), ui::Color::hsb(0, 1.0, 0.88));
        addBarPart(*bar, kUnansweredTag, {}, ui::Color::white(0.95), ui::Color::white(0.8));
        for (int tag : {kRightTag, kWrongTag, kUnansweredTag})
            bar->viewWithTag(tag)->setAutoresizingMask(ui::FlexibleLeftMargin | ui::FlexibleWidth |
                                                       ui::FlexibleRightMargin);
    }
    bar->setFrame({kBarX, kBarY, double(width), kBarHeight});
    SetsFilterRows::Bar parts = SetsFilterRows::bar(set, width, SetsFilterRows::kTabletThresholds);
    auto place = [&](int tag, double left, int w, const std::string& text) {
        auto label = std::dynamic_pointer_cast<ui::Label>(bar->viewWithTag(tag));
        label->setFrame({left, 0, double(w), kBarHeight});
        label->setText(text);
    };
    place(kRightTag, 0, parts.right, parts.rightText);
    place(kWrongTag, parts.right, parts.wrong, parts.wrongText);
    place(kUnansweredTag, parts.right + parts.wrong, parts.unanswered, parts.unansweredText);
}
