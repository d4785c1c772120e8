#include "Classes/practice/PracticeCSEditVC.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "Classes/practice/CustomSets.h"
#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetQuestion.h"
#include "Classes/practice/PracticeCSAddQuestionsVC.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/TableViewCell.h"

namespace {

constexpr const char* kReloadAction = "reloadData";
// A row: the number right-aligned in its column, the type's picture, then the body.
const ui::Rect kNumberFrame{0, 0, 44, PracticeCSEditVC::kRowHeight};
const ui::Point kTypeCentre{74, PracticeCSEditVC::kRowHeight / 2};
constexpr double kBodyX = 102, kBodyY = 6, kBodyRightMargin = 10;
constexpr double kBodyFontSize = 12, kBodyMinimumFontSize = 10;

}  // namespace

const ui::ConnectionTable& PracticeCSEditVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("PracticeCSEditVC", &SliddenViewController::classConnections())
            .outlet("customSetTV", &PracticeCSEditVC::customSetTV_)
            .outlet("nameLbl", &PracticeCSEditVC::nameLbl_)
            .action("openPracticeCSAddQuestions:", &PracticeCSEditVC::openPracticeCSAddQuestions)
            .action("deleteCSet:", &PracticeCSEditVC::deleteCSet)
            .action("doneClick:", &PracticeCSEditVC::doneClick);
    return table;
}

void PracticeCSEditVC::init(std::shared_ptr<MQSet> set) {
    customSet_ = std::move(set);
    initWithNibName(nibIdentifier());
    animation();
}

void PracticeCSEditVC::viewDidLoad() {
    if (customSetTV_) {
        customSetTV_->setRowHeight(kRowHeight);
        customSetTV_->setDataSource(weakAs<PracticeCSEditVC>());
        customSetTV_->setDelegate(weakAs<PracticeCSEditVC>());
    }
    updateTitle();
    SliddenViewController::viewDidLoad();
}

void PracticeCSEditVC::updateTitle() {
    if (nameLbl_ && customSet_) nameLbl_->setText(CustomSets::title(*customSet_));
}

// ---- Table

int PracticeCSEditVC::numberOfRows(ui::TableView&, int) {
    return customSet_ ? int(customSet_->questions().size()) : 0;
}

std::shared_ptr<ui::TableViewCell> PracticeCSEditVC::makeCell() const {
    auto cell = ui::make<ui::TableViewCell>(ui::TableViewCellStyle::Default, kCellIdentifier);
    ui::View& content = *cell->contentView();
    auto number = ui::make<ui::Label>(kNumberFrame);
    number->setTag(kNumberTag);
    number->setFont(ui::Font::boldSystem(17));
    number->setTextAlignment(ui::TextAlignment::Right);
    number->setBackgroundColor(ui::Color::clear());
    content.addSubview(number);
    auto type = ui::make<ui::ImageView>(ui::Image::named("Section_PS.png"));
    type->setTag(kTypeTag);
    type->setCenter(kTypeCentre);
    content.addSubview(type);
    double width = customSetTV_ ? customSetTV_->bounds().width() : 320;
    auto body = ui::make<ui::Label>(
        ui::Rect{kBodyX, kBodyY, width - kBodyX - kBodyRightMargin, kRowHeight - 2 * kBodyY});
    body->setTag(kBodyTag);
    body->setFont(ui::Font::italicSystem(kBodyFontSize));
    body->setAdjustsFontSizeToFitWidth(true);
    body->setMinimumFontSize(kBodyMinimumFontSize);
    body->setNumberOfLines(2);
    body->setTextColor(ui::Color::grayColor());
    body->setBackgroundColor(ui::Color::clear());
    body->setAutoresizingMask(ui::FlexibleWidth);
    content.addSubview(body);
    return cell;
}

std::shared_ptr<ui::TableViewCell> PracticeCSEditVC::cellForRow(ui::TableView& table,
                                                                const ui::IndexPath& indexPath) {
    auto cell = table.dequeueReusableCell(kCellIdentifier);
    if (!cell) cell = makeCell();
    if (!customSet_ || indexPath.row < 0 || indexPath.row >= int(customSet_->questions().size())) return cell;
    const MQSetQuestion& question = *customSet_->questions()[std::size_t(indexPath.row)];
    if (auto number = std::dynamic_pointer_cast<ui::Label>(cell->viewWithTag(kNumberTag)))
        number->setText(std::to_string(question.number()) + ".");
    if (auto type = std::dynamic_pointer_cast<ui::ImageView>(cell->viewWithTag(kTypeTag)))
        type->setImage(
            ui::Image::named("Section_" + MQSet::nameForType(question.questionType()).value_or("") + ".png"));
    if (auto body = std::dynamic_pointer_cast<ui::Label>(cell->viewWithTag(kBodyTag)))
        body->setText(CustomSets::plainBody(question.body()));
    return cell;
}

ui::TableViewCellEditingStyle PracticeCSEditVC::editingStyleForRow(ui::TableView&, const ui::IndexPath&) {
    return ui::TableViewCellEditingStyle::Delete;
}

void PracticeCSEditVC::commitEditingStyle(ui::TableView& table, ui::TableViewCellEditingStyle style,
                                          const ui::IndexPath& indexPath) {
    auto rep = AbstractAppDelegate::sharedRep();
    if (style != ui::TableViewCellEditingStyle::Delete || !customSet_ || !rep || !rep->practiceRep()) return;
    if (indexPath.row < 0 || indexPath.row >= int(customSet_->questions().size())) return;
    CustomSets::removeQuestion(*rep->practiceRep(), *customSet_, std::size_t(indexPath.row));
    updateTitle();
    table.deleteRows({indexPath}, ui::TableViewRowAnimation::Fade);
    // The rows below the gone one show their new numbers once it has faded.
    later(*this, kReloadDelay, kReloadAction, [](PracticeCSEditVC& screen) {
        if (screen.customSetTV_) screen.customSetTV_->reloadData();
    });
}

// ---- Keys

void PracticeCSEditVC::openPracticeCSAddQuestions(const Sender&) {
    if (canOpenSubview()) showAddQuestions(ui::make<PracticeCSAddQuestionsVC>(customSet_));
}

void PracticeCSEditVC::showAddQuestions(std::shared_ptr<CommonViewController> screen) {
    addQuestionsVC_ = std::move(screen);
    registerMainChildDoneHandler(&PracticeCSEditVC::practiceCSAddQuestionsNotifications, std::nullopt,
                                 addQuestionsVC_);
}

void PracticeCSEditVC::practiceCSAddQuestionsNotifications(const fnd::Notification& notification) {
    if (!proceedDoneNotification(&notification, addQuestionsVC_)) return;
    addQuestionsVC_.reset();
    updateTitle();
    if (customSetTV_) customSetTV_->reloadData();
}

void PracticeCSEditVC::deleteCSet(const Sender&) {
    auto sheet = ui::make<ui::ActionSheet>(kDeleteTitle, weakAs<PracticeCSEditVC>(), "Cancel", "Delete",
                                           std::vector<std::string>{});
    sheet->setActionSheetStyle(ui::ActionSheetStyle::BlackOpaque);
    sheet->showInView(view());
}

void PracticeCSEditVC::actionSheetClickedButton(ui::ActionSheet& sheet, int buttonIndex) {
    auto rep = AbstractAppDelegate::sharedRep();
    if (buttonIndex != sheet.destructiveButtonIndex() || !rep || !rep->practiceRep()) return;
    CustomSets::removeSet(*rep->practiceRep(), customSet_);
    doneClick();
}

void PracticeCSEditVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post("Done", sharedAs<fnd::Object>());
}

void PracticeCSEditVC::back() {
    if (addQuestionsVC_ && proceedDoneNotification(nullptr, addQuestionsVC_)) addQuestionsVC_.reset();
    fnd::RunLoop::main().cancelPerforms(this, kReloadAction);
    SliddenViewController::back();
}
