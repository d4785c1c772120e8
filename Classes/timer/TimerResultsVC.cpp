#include "Classes/timer/TimerResultsVC.h"

#include "Classes/core/CommonConfirmVC.h"
#include "Classes/core/TextBackup.h"
#include "Classes/timer/MTimerRecord.h"
#include "Classes/timer/TimerText.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"

namespace {

constexpr const char* kHeadCell = "head-cell";
constexpr const char* kAnswerCell = "any-cell";
constexpr const char* kSortMarkImage = "Timer_sort_indicator.png";
constexpr double kLabelY = 20, kLabelHeight = 20;
constexpr double kNumberX = 10, kNumberWidth = 35;
constexpr double kTimeWidth = 80, kAnswerWidth = 20, kGuessWidth = 50, kGradeWidth = 80;
constexpr double kGradeY = 11, kGradeHeight = 40;
constexpr double kSortMarkY = 6.5;
const ui::Rect kNameFrame{10, 12, 0, 30};

const char* gradeImage(int grade) {
    switch (grade) {
        case MTimerRecord::kRight:
            return "Section_right.png";
        case MTimerRecord::kWrong:
            return "Section_wrong.png";
        default:
            return "Timer_gradeit.png";
    }
}

std::shared_ptr<ui::Label> cellLabel(ui::View& content, int tag, const ui::Rect& frame, const ui::Font& font,
                                     ui::TextAlignment alignment) {
    auto label = ui::make<ui::Label>(frame);
    label->setTag(tag);
    label->setFont(font);
    label->setTextAlignment(alignment);
    label->setBackgroundColor(ui::Color::clear());
    content.addSubview(label);
    return label;
}

std::shared_ptr<ui::Label> labelIn(const ui::TableViewCell& cell, int tag) {
    return std::dynamic_pointer_cast<ui::Label>(cell.contentView()->viewWithTag(tag));
}

}  // namespace

const ui::ConnectionTable& TimerResultsVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("TimerResultsVC", &SliddenViewController::classConnections())
            .outlet("rtableView", &TimerResultsVC::rtableView_)
            .outlet("rateLbl", &TimerResultsVC::rateLbl_)
            .action("sortResults:", &TimerResultsVC::sortResults)
            .action("sendEmail:", &TimerResultsVC::sendEmail)
            .action("doneClick:", &TimerResultsVC::doneClick);
    return table;
}

const TimerResultsVC::Columns& TimerResultsVC::columns() const {
    static constexpr Columns kPhone{50, 140, 160, 210, 300, {33.5, 90.5, 182.5, 248.5}};
    return kPhone;
}

void TimerResultsVC::init(const std::shared_ptr<MTimerRecord>& record, const std::string& returnKey) {
    initWithNibName(nibIdentifier());
    record_ = record;
    returnKey_ = returnKey;
    for (int i = 0; i < record_->numberOfAnswers(); ++i) {
        numbers_.push_back(record_->startNumber() + i);
        times_.push_back(record_->questionTimeAtIndex(i));
        userAnswers_.push_back(record_->userAnswers()[i]);
        guesses_.push_back(record_->guesses()[i]);
        grades_.push_back(record_->grades()[i]);
    }
    animation();
}

void TimerResultsVC::viewDidLoad() {
    SliddenViewController::viewDidLoad();
    timerSortType_ = kByNumber;
    fallowGrading_ = false;
    if (rtableView_) {
        rtableView_->setRowHeight(kRowHeight);
        rtableView_->setAllowsSelection(false);
        rtableView_->setDataSource(sharedAs<TimerResultsVC>());
        rtableView_->setDelegate(sharedAs<TimerResultsVC>());
    }
    showRate();
}

// ---- The table

int TimerResultsVC::numberOfRows(ui::TableView&, int) { return int(numbers_.size()) + 1; }

std::shared_ptr<ui::TableViewCell> TimerResultsVC::cellForRow(ui::TableView& table,
                                                              const ui::IndexPath& indexPath) {
    if (indexPath.row == 0) return headCell(table);
    auto cell = answerCell(table);
    const std::size_t i = std::size_t(indexPath.row - 1);
    if (i >= numbers_.size()) return cell;
    labelIn(*cell, kNumberTag)->setText(std::to_string(numbers_[i]) + ".");
    labelIn(*cell, kTimeTag)->setText(TimerText::secondsToString(times_[i], true));
    labelIn(*cell, kAnswerTag)->setText(userAnswers_[i]);
    labelIn(*cell, kGuessTag)->setText(guesses_[i] ? "guess" : "");
    if (auto key = std::dynamic_pointer_cast<ui::Button>(cell->contentView()->viewWithTag(kGradeTag)))
        key->setImage(ui::Image::named(gradeImage(grades_[i])), ui::StateNormal);
    if (auto mark = cell->contentView()->viewWithTag(kSortMarkTag)) {
        mark->setHidden(indexPath.row != 1);
        mark->setCenter({columns().sortMark[std::clamp(timerSortType_, 1, 4) - 1], kSortMarkY});
    }
    return cell;
}

std::shared_ptr<ui::TableViewCell> TimerResultsVC::headCell(ui::TableView& table) {
    auto cell = table.dequeueReusableCell(kHeadCell);
    if (!cell) {
        cell = ui::make<ui::TableViewCell>(ui::TableViewCellStyle::Subtitle, std::string(kHeadCell));
        ui::Rect frame = kNameFrame;
        frame.size.width = columns().nameWidth;
        auto field = ui::make<ui::TextField>(frame);
        field->setTag(kNameTag);
        field->setBorderStyle(ui::TextBorderStyle::None);
        field->setFont(ui::Font::boldSystem(16));
        field->setPlaceholder(kNamePlaceholder);
        field->setClearButtonMode(ui::TextFieldViewMode::WhileEditing);
        field->setAutocorrectionType(ui::TextAutocorrection::No);
        field->setReturnKeyType(ui::ReturnKeyType::Done);
        field->setAdjustsFontSizeToFitWidth(true);
        field->setDelegate(sharedAs<TimerResultsVC>());
        cell->contentView()->addSubview(field);
    }
    cell->textLabel()->setText(" ");
    if (cell->detailTextLabel()) cell->detailTextLabel()->setText(kHeadHint);
    if (auto field = std::dynamic_pointer_cast<ui::TextField>(cell->contentView()->viewWithTag(kNameTag)))
        field->setText(TimerText::displayName(*record_));
    return cell;
}

std::shared_ptr<ui::TableViewCell> TimerResultsVC::answerCell(ui::TableView& table) {
    if (auto cell = table.dequeueReusableCell(kAnswerCell)) return cell;
    auto cell = ui::make<ui::TableViewCell>(ui::TableViewCellStyle::Default, std::string(kAnswerCell));
    cell->setSelectionStyle(ui::TableViewCellSelectionStyle::Gray);
    ui::View& content = *cell->contentView();
    const Columns& at = columns();
    cellLabel(content, kNumberTag, {kNumberX, kLabelY, kNumberWidth, kLabelHeight}, ui::Font::boldSystem(20),
              ui::TextAlignment::Right);
    cellLabel(content, kTimeTag, {at.time, kLabelY, kTimeWidth, kLabelHeight}, ui::Font::italicSystem(20),
              ui::TextAlignment::Center);
    cellLabel(content, kAnswerTag, {at.answer, kLabelY, kAnswerWidth, kLabelHeight}, ui::Font::system(20),
              ui::TextAlignment::Center);
    cellLabel(content, kGuessTag, {at.guess, kLabelY, kGuessWidth, kLabelHeight}, ui::Font::system(12),
              ui::TextAlignment::Center);
    auto key = ui::make<ui::Button>(ui::Rect{at.grade, kGradeY, kGradeWidth, kGradeHeight});
    key->setTag(kGradeTag);
    std::weak_ptr<TimerResultsVC> weak = sharedAs<TimerResultsVC>();
    key->addAction(ui::ControlEventTouchUpInside, [weak](const std::shared_ptr<ui::Control>& sender) {
        if (auto self = weak.lock()) self->grade(sender);
    });
    content.addSubview(key);
    auto markImage = ui::Image::named(kSortMarkImage);
    auto mark = ui::make<ui::ImageView>(markImage);
    mark->setTag(kSortMarkTag);
    content.addSubview(mark);
    return cell;
}

// ---- Sorting

bool TimerResultsVC::outOfOrder(std::size_t i, std::size_t j) const {
    switch (timerSortType_) {
        case kByTime:
            return times_[i] < times_[j];
        case kByGuess:
            return (guesses_[j] && !guesses_[i]) || (guesses_[i] == guesses_[j] && times_[i] < times_[j]);
        case kByGrade:
            return grades_[i] < grades_[j] || (grades_[i] == grades_[j] && times_[i] < times_[j]);
        default:
            return numbers_[i] > numbers_[j];
    }
}

void TimerResultsVC::exchange(std::size_t i, std::size_t j) {
    std::swap(numbers_[i], numbers_[j]);
    std::swap(times_[i], times_[j]);
    std::swap(userAnswers_[i], userAnswers_[j]);
    std::vector<bool>::swap(guesses_[i], guesses_[j]);
    std::swap(grades_[i], grades_[j]);
}

void TimerResultsVC::sortResults(const Sender&) {
    if (numbers_.empty()) return;
    timerSortType_ = timerSortType_ % kByGrade + 1;
    for (std::size_t i = 0; i + 1 < numbers_.size(); ++i)
        for (std::size_t j = i + 1; j < numbers_.size(); ++j)
            if (outOfOrder(i, j)) exchange(i, j);
    if (rtableView_) rtableView_->reloadData();
}

// ---- Grading

int TimerResultsVC::rowOfView(const ui::View& view) const {
    if (!rtableView_) return 0;
    for (const ui::IndexPath& path : rtableView_->indexPathsForVisibleRows()) {
        auto cell = rtableView_->cellForRow(path);
        for (const ui::View* v = &view; v; v = v->superview().get())
            if (v == cell.get()) return path.row;
    }
    return 0;
}

void TimerResultsVC::grade(const Sender& sender) {
    if (!fallowGrading_) {
        if (!confirmVC_) {
            confirmVC_ = ui::make<CommonConfirmVC>(std::string(kGradeQuestion));
            registerDoneHandler(&TimerResultsVC::gradeConfirm, std::nullopt, confirmVC_);
        }
        return;
    }
    auto key = std::dynamic_pointer_cast<ui::View>(sender);
    const int row = key ? rowOfView(*key) : 0;
    if (row < 1 || std::size_t(row) > numbers_.size()) return;
    int& g = grades_[std::size_t(row - 1)];
    g = g % MTimerRecord::kWrong + 1;
    const int index = numbers_[std::size_t(row - 1)] - record_->startNumber();
    if (index >= 0 && index < int(record_->grades().size())) record_->grades()[std::size_t(index)] = g;
    rtableView_->reloadRows({ui::IndexPath{0, row}}, ui::TableViewRowAnimation::None);
    showRate();
}

void TimerResultsVC::gradeConfirm(const fnd::Notification& notification) {
    fallowGrading_ = notification.name == CommonConfirmVC::kConfirmNotification;
    if (proceedDoneNotification(&notification, confirmVC_)) confirmVC_.reset();
}

void TimerResultsVC::showRate() {
    if (!rateLbl_) return;
    int right = 0, wrong = 0;
    for (int g : grades_) {
        right += g == MTimerRecord::kRight;
        wrong += g == MTimerRecord::kWrong;
    }
    rateLbl_->setText(right + wrong == 0 ? "" : std::to_string(right * 100 / (right + wrong)) + "%");
}

// ---- Naming, mail, leaving

bool TimerResultsVC::textFieldShouldReturn(ui::TextField& field) {
    field.resignFirstResponder();
    record_->setCustomName(field.text());
    if (field.text().empty()) field.setText(record_->stringForSetType().value_or(""));
    return true;
}

std::string TimerResultsVC::mailText(const MTimerRecord& record) {
    std::string text = "Set type: " + TimerText::displayName(record) + "\n";
    text += "Total time: " + TimerText::secondsToString(record.leftOrPassedTime(), true) + "\n";
    text += "Average time: " + TimerText::secondsToString(record.averageQuestionTime(), true) + "\n";
    text += "Date: " + TimerText::describe(TimerText::lastStamp(record), 0, 16) + "\n\n";
    for (int i = 0; i < record.numberOfAnswers(); ++i) {
        text += std::to_string(record.startNumber() + i) + ".    " +
                TimerText::secondsToString(record.questionTimeAtIndex(i), true) + "    " +
                record.userAnswers()[std::size_t(i)] + "    " +
                TimerText::gradeWord(record.grades()[std::size_t(i)], "") + "\n";
    }
    return text;
}

std::string TimerResultsVC::mailAddress(const std::string& body) { return TextBackup::mailURL(body); }

void TimerResultsVC::sendEmail(const Sender&) {
    ui::Application::shared().openURL(fnd::URL(mailAddress(mailText(*record_))));
}

void TimerResultsVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post("Done", sharedAs<fnd::Object>());
}

void TimerResultsVC::back() {
    if (confirmVC_ && proceedDoneNotification(nullptr, confirmVC_)) confirmVC_.reset();
    SliddenViewController::back();
}
