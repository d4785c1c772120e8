#include "Classes/timer/CustomEditVC.h"

#include <cmath>

#include "Classes/timer/CustomEditKeyboardVC.h"
#include "Classes/timer/TimerClasses.h"
#include "Classes/timer/TimerText.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Application.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/Window.h"

namespace {

constexpr ui::Point kPhoneOut{480, 250};
constexpr ui::Point kPhoneRest{160, 250};
constexpr int kLimitSegment = 0;
constexpr int kNoLimitSegment = 1;
// What keeps a time that is a whole number of seconds from reading as one less.
constexpr double kDigitSlack = 0.00001;

const char* const kClearKey = "Clear";
const char* const kDoneKey = "Done";

}  // namespace

// The fixed sections' time per question, held at single precision as their keys always gave them.
const double CustomEditVC::kQuantPace = static_cast<double>(static_cast<float>(4500.0 / 37));
const double CustomEditVC::kVerbalPace = static_cast<double>(static_cast<float>(4500.0 / 41));

const ui::ConnectionTable& CustomEditVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("CustomEditVC", &CommonViewController::classConnections())
            .outlet("numberOfQuestionsLbl", &CustomEditVC::numberOfQuestionsLbl_)
            .outlet("startNumberLbl", &CustomEditVC::startNumberLbl_)
            .outlet("timePerQuestionLbl", &CustomEditVC::timePerQuestionLbl_)
            .outlet("totalTimeLbl", &CustomEditVC::totalTimeLbl_)
            .outlet("countDirectionSC", &CustomEditVC::countDirectionSC_)
            .action("showKeyboardForNumberOfQuestions:", &CustomEditVC::showKeyboardForNumberOfQuestions)
            .action("showKeyboardForStartNumber:", &CustomEditVC::showKeyboardForStartNumber)
            .action("showKeyboardForTimePerQuestion:", &CustomEditVC::showKeyboardForTimePerQuestion)
            .action("changeTimeLimit:", &CustomEditVC::changeTimeLimit)
            .action("doneCancelClick:", &CustomEditVC::doneCancelClick);
    return table;
}

void CustomEditVC::init(int numberOfQuestions, double totalTime, int startNumber) {
    initWithNibName(nibIdentifier());
    number_ = std::max(numberOfQuestions, 1);
    start_ = startNumber;
    total_ = totalTime;
    timePerQuestion_ = total_ == kNoLimit ? 0 : total_ / number_;
    animation();
}

void CustomEditVC::viewDidLoad() {
    CommonViewController::viewDidLoad();
    updateViews();
}

void CustomEditVC::updateViews() {
    if (numberOfQuestionsLbl_) numberOfQuestionsLbl_->setText(std::to_string(number_));
    if (startNumberLbl_) startNumberLbl_->setText(std::to_string(start_));
    const bool noLimit = total_ == kNoLimit;
    if (totalTimeLbl_) totalTimeLbl_->setText(noLimit ? "--:--" : TimerText::secondsToString(total_, true));
    if (timePerQuestionLbl_)
        timePerQuestionLbl_->setText(noLimit ? "--:--" : TimerText::secondsToString(timePerQuestion_, true));
    if (countDirectionSC_)
        countDirectionSC_->setSelectedSegmentIndex(noLimit ? kNoLimitSegment : kLimitSegment);
}

// ---- The keypad

void CustomEditVC::openKeyboard(int kind, const std::shared_ptr<ui::Label>& field, Handler handler) {
    if (keyboardVC_) return;
    feditBegan_ = false;
    editedField_ = field;
    if (field) field->setTextColor(ui::Color::yellowColor());
    keyboardVC_ = ui::make<CustomEditKeyboardVC>(kind);
    registerDoneHandler(handler, std::nullopt, keyboardVC_);
}

void CustomEditVC::showKeyboardForNumberOfQuestions(const Sender&) {
    openKeyboard(CustomEditKeyboardVC::kNumbersKind, numberOfQuestionsLbl_,
                 &CustomEditVC::editNumberOfQuestions);
}

void CustomEditVC::showKeyboardForStartNumber(const Sender&) {
    openKeyboard(CustomEditKeyboardVC::kNumbersKind, startNumberLbl_, &CustomEditVC::editStartNumber);
}

void CustomEditVC::showKeyboardForTimePerQuestion(const Sender&) {
    openKeyboard(CustomEditKeyboardVC::kTimesKind, timePerQuestionLbl_, &CustomEditVC::editTimePerQuestion);
}

void CustomEditVC::closeKeyboard(const fnd::Notification* notification) {
    if (!keyboardVC_ || !proceedDoneNotification(notification, keyboardVC_)) return;
    keyboardVC_.reset();
    if (editedField_ && totalTimeLbl_) editedField_->setTextColor(totalTimeLbl_->textColor());
    editedField_.reset();
}

std::string CustomEditVC::pressedKey(const fnd::Notification& notification) const {
    auto keypad = notification.objectAs<CustomEditKeyboardVC>();
    return keypad && keypad == keyboardVC_ ? keypad->lastString() : std::string();
}

int CustomEditVC::digitOf(const std::string& key) {
    return key.size() == 1 && key[0] >= '0' && key[0] <= '9' ? key[0] - '0' : -1;
}

void CustomEditVC::editNumberOfQuestions(const fnd::Notification& notification) {
    const std::string key = pressedKey(notification);
    bool close = key == kDoneKey;
    if (key == kClearKey) {
        number_ = 0;
    } else if (key == "10" || key == "20") {
        number_ = std::stoi(key);
        close = true;
    } else if (int digit = digitOf(key); digit >= 0) {
        if (!feditBegan_) number_ = 0;
        feditBegan_ = true;
        number_ = number_ == 0 ? digit : (number_ % 10) * 10 + digit;
    }
    if (close) {
        closeKeyboard(&notification);
        if (total_ != kNoLimit) total_ = number_ * timePerQuestion_;
    }
    updateViews();
}

void CustomEditVC::editStartNumber(const fnd::Notification& notification) {
    const std::string key = pressedKey(notification);
    bool close = key == kDoneKey;
    if (key == kClearKey) {
        start_ = 0;
    } else if (key == "10" || key == "20") {
        start_ = std::stoi(key);
        close = true;
    } else if (int digit = digitOf(key); digit >= 0) {
        if (!feditBegan_) start_ = 0;
        feditBegan_ = true;
        start_ = start_ == 0 ? digit : (start_ * 10 + digit) % kMostStartNumber;
    }
    if (close) closeKeyboard(&notification);
    updateViews();
}

void CustomEditVC::editTimePerQuestion(const fnd::Notification& notification) {
    const std::string key = pressedKey(notification);
    if (key.empty()) return;
    bool close = key == kDoneKey;
    if (key == kClearKey) {
        timePerQuestion_ = 0;
    } else if (key == "2:01" || key == "1:49") {
        timePerQuestion_ = key == "2:01" ? kQuantPace : kVerbalPace;
        close = true;
    } else if (int digit = digitOf(key); digit >= 0) {
        if (!feditBegan_) timePerQuestion_ = 0;
        feditBegan_ = true;
        // The digits shift through the minutes-and-seconds display: 1, 3, 0 gives 1:30.
        const auto whole = static_cast<long long>(timePerQuestion_ + kDigitSlack);
        const long long units = whole % 10;
        const auto tens = static_cast<long long>(std::fmod(timePerQuestion_, 60) / 10 + kDigitSlack);
        timePerQuestion_ = double(60 * tens + 10 * units + digit);
    }
    // Any key of this keypad sets the total, and so the limit.
    total_ = timePerQuestion_ * number_;
    if (close) closeKeyboard(&notification);
    updateViews();
}

void CustomEditVC::changeTimeLimit(const Sender&) {
    if (!countDirectionSC_) return;
    if (countDirectionSC_->selectedSegmentIndex() == kNoLimitSegment) {
        total_ = kNoLimit;
    } else if (total_ == kNoLimit) {
        timePerQuestion_ = kDefaultTimePerQuestion;
        total_ = number_ * kDefaultTimePerQuestion;
    }
    updateViews();
}

void CustomEditVC::doneCancelClick(const Sender& sender) {
    if (const char* name = TimerClasses::closingNotification(TimerClasses::senderTag(sender)))
        fnd::NotificationCenter::defaultCenter().post(name, sharedAs<fnd::Object>());
}

void CustomEditVC::back() {
    closeKeyboard(nullptr);
    CommonViewController::back();
}

// ---- Placement

void CustomEditVC::placeForEntrance() {
    if (auto window = ui::Application::shared().keyWindow()) window->addSubview(view());
    view()->setCenter(kPhoneOut);
}
ui::Point CustomEditVC::restPoint() const { return kPhoneRest; }
ui::Point CustomEditVC::outPoint() const { return kPhoneOut; }

void CustomEditVC::slideTo(ui::Point centre, bool in) {
    ui::Animation::begin();
    ui::Animation::setDuration(animationDuration());
    ui::Animation::setCurve(in ? ui::AnimationCurve::EaseOut : ui::AnimationCurve::EaseIn);
    view()->setCenter(centre);
    ui::Animation::commit();
}

void CustomEditVC::animation() {
    placeForEntrance();
    slideTo(restPoint(), true);
}

void CustomEditVC::outAnimation() {
    if (isViewLoaded()) slideTo(outPoint(), false);
}
