#include "Classes/practice/ReviewSessionVC.h"

#include "Classes/practice/MQSetAnswer.h"
#include "Classes/practice/MQSetHRecord.h"
#include "Classes/practice/MQSetQuestion.h"
#include "Classes/practice/MSession.h"
#include "Classes/practice/MSessionRecord.h"
#include "Classes/practice/QuestionVC.h"
#include "Classes/practice/ReviewRow.h"
#include "Classes/practice/ReviewSessionVC_iPad.h"
#include "Classes/practice/ReviewVC.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"

namespace {

void setText(ui::TableViewCell& cell, int tag, const std::string& text) {
    if (auto label = std::dynamic_pointer_cast<ui::Label>(cell.viewWithTag(tag))) label->setText(text);
}

}  // namespace

const ui::ConnectionTable& ReviewSessionVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("ReviewSessionVC", &SliddenViewController::classConnections())
            .outlet("sessionDateLbl", &ReviewSessionVC::sessionDateLbl_)
            .outlet("sessionTV", &ReviewSessionVC::sessionTV_)
            .action("doneClick:", &ReviewSessionVC::doneClick);
    return table;
}

void ReviewSessionVC::registerOwners() {
    ui::ConnectionTable::registerOwner(ReviewSessionVC::classConnections());
    ui::ConnectionTable::registerOwner(ReviewSessionVC_iPad::classConnections());
}

void ReviewSessionVC::init(std::shared_ptr<MSession> session) {
    initWithNibName(nibIdentifier());
    session_ = std::move(session);
    animation();
}

void ReviewSessionVC::viewDidLoad() {
    setupTV();
    SliddenViewController::viewDidLoad();
}

void ReviewSessionVC::setupTV() {
    if (sessionTV_) {
        sessionTV_->setRowHeight(kRowHeight);
        sessionTV_->setDataSource(weakAs<ReviewSessionVC>());
        sessionTV_->setDelegate(weakAs<ReviewSessionVC>());
    }
    if (sessionDateLbl_ && session_) sessionDateLbl_->setText(MSession::sessionDate(session_->startDate()));
}

// ---- Rows

std::string ReviewSessionVC::tagsText(const MSessionRecord& record) {
    std::string text;
    if (record.question())
        for (const auto& tag : record.question()->tags()) text += tag + "; ";
    return text;
}

bool ReviewSessionVC::isRight(const MSessionRecord& record) {
    const auto& answer = record.historyRecord()->answer();
    return answer && record.question() && answer->isTheSameAs(record.question()->rightAnswer().get());
}

int ReviewSessionVC::numberOfRows(ui::TableView&, int) {
    return session_ ? int(session_->records().size()) : 0;
}

std::shared_ptr<ui::TableViewCell> ReviewSessionVC::makeCell() {
    auto cell = ui::make<ui::TableViewCell>(ui::TableViewCellStyle::Default, std::string(kCellIdentifier));
    cell->setSelectionStyle(ui::TableViewCellSelectionStyle::Gray);
    cell->textLabel()->setText("");
    ui::View& content = *cell->contentView();
    using A = ui::TextAlignment;
    ReviewVC::addRowLabel(content, kNumberTag, numberFrame(), ui::Font::boldSystem(17), A::Right)
        ->setAdjustsFontSizeToFitWidth(true);
    ReviewVC::addRowLabel(content, kTimeTag, timeFrame(), ui::Font::italicSystem(17), A::Center);
    ReviewVC::addRowLabel(content, kTagsTag, conceptNamesFrame(), ui::Font::italicSystem(10), A::Left,
                          ui::Color::white(0.6));
    auto check = ui::make<ui::ImageView>(ui::Image::named(kEmptyImage));
    check->setTag(kCheckTag);
    check->setCenter(checkAnswerIVcenter());
    content.addSubview(check);
    ReviewVC::addRowLabel(content, kTypeTag, questionTypeFrame(), ui::Font::system(17), A::Center);
    return cell;
}

std::shared_ptr<ui::TableViewCell> ReviewSessionVC::cellForRow(ui::TableView& table,
                                                               const ui::IndexPath& indexPath) {
    auto cell = table.dequeueReusableCell(kCellIdentifier);
    if (!cell) cell = makeCell();
    const int i = indexPath.row;
    if (!session_ || i < 0 || i >= int(session_->records().size())) return cell;
    const MSessionRecord& record = *session_->records()[std::size_t(i)];
    setText(*cell, kNumberTag, std::to_string(i + 1) + ".");
    setText(*cell, kTimeTag, ReviewRow::secondsToString(record.historyRecord()->time(), false));
    setText(*cell, kTagsTag, tagsText(record));
    setText(*cell, kTypeTag, record.question() ? record.question()->stringWithType().value_or("") : "");
    if (auto check = std::dynamic_pointer_cast<ui::ImageView>(cell->viewWithTag(kCheckTag))) {
        auto image = ui::Image::named(isRight(record) ? kRightImage : kWrongImage);
        check->setImage(image);
        if (image) check->setFrame({{}, image->size()});
        check->setCenter(checkAnswerIVcenter());
    }
    return cell;
}

// ---- The question screen

std::shared_ptr<QuestionVC> ReviewSessionVC::makeQuestionVC(const std::shared_ptr<MSession>& session) {
    return ui::make<QuestionVC>(session);
}

void ReviewSessionVC::didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) {
    table.deselectRow(indexPath, true);
    if (!session_ || !canOpenSubview() || indexPath.row >= int(session_->records().size())) return;
    session_->setCursor(indexPath.row);
    questionVC_ = makeQuestionVC(session_);
    registerMainChildDoneHandler(&ReviewSessionVC::questionNotifications,
                                 std::string(QuestionVC::kDoneNotification), questionVC_);
}

void ReviewSessionVC::questionNotifications(const fnd::Notification& notification) {
    if (!proceedDoneNotification(&notification, questionVC_)) return;
    questionVC_.reset();
    // Questions deleted on the question screen take their answers out of the session.
    if (session_ && !session_->records().empty()) {
        if (sessionTV_) sessionTV_->reloadData();
    } else {
        doneClick(nullptr);
    }
}

void ReviewSessionVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(kDoneNotification, sharedAs<fnd::Object>());
}
