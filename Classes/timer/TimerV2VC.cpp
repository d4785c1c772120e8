#include "Classes/timer/TimerV2VC.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/CommonConfirmVC.h"
#include "Classes/core/MRepository.h"
#include "Classes/study_aids/ScratchpadVC.h"
#include "Classes/timer/CustomEditVC.h"
#include "Classes/timer/MTimer.h"
#include "Classes/timer/MTimerRecord.h"
#include "Classes/timer/MTimerRecordSet.h"
#include "Classes/timer/TimerAllResultsVC.h"
#include "Classes/timer/TimerConfirmVC.h"
#include "Classes/timer/TimerResultsVC.h"
#include "Classes/timer/TimerSettingsVC.h"
#include "Classes/timer/TimerText.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"

namespace {

constexpr const char* kRefreshAction = "updateTimerViews";

// The phone's places of the labels that make room for the extended information.
constexpr ui::Point kTypeCentreBesideEditKey{135.8, 0};
constexpr ui::Point kTypeCentre{160.8, 0};
constexpr ui::Point kNumbersExtended{162, 150.5};
constexpr ui::Point kNumbersPlain{162.8, 160.5};
constexpr ui::Point kTimeExtended{163.5, 219.5};
constexpr ui::Point kTimePlain{163.5, 249.5};

// The keys' titles and pictures by status: ready, running, paused, finished.
struct KeyFace {
    const char* title;
    const char* image;
};
constexpr KeyFace kStartFinishFaces[] = {{" Start ", "toolBtn_start"},
                                         {"Finish", "toolBtn_finish"},
                                         {"Finish", "toolBtn_finish"},
                                         {"Reset", "toolBtn_reset"}};
constexpr KeyFace kPauseGoFaces[] = {{"Results", "toolBtn_results"},
                                     {"Pause", "toolBtn_pause"},
                                     {"  Go   ", "toolBtn_continue"},
                                     {"Results", "toolBtn_currentresults"}};

void setFace(ui::Button* key, const KeyFace& face) {
    if (!key) return;
    key->setTitle(face.title, ui::StateNormal);
    const std::string name = face.image;
    key->setImage(ui::Image::named(name + ".png"), ui::StateNormal);
    key->setImage(ui::Image::named(name + "_h.png"), ui::StateHighlighted);
}

// Grows a view into sight or shrinks it away over the show duration.
void growOrShrink(ui::View& view, bool show) {
    if (show) {
        view.setTransform(ui::AffineTransform::scale(TimerV2VC::kHiddenScale));
        view.setAlpha(0);
    }
    ui::Animation::begin();
    ui::Animation::setDuration(TimerV2VC::kShowDuration);
    view.setTransform(ui::AffineTransform::scale(show ? 1.0 : TimerV2VC::kHiddenScale));
    view.setAlpha(show ? 1 : 0);
    ui::Animation::commit();
}

}  // namespace

const ui::ConnectionTable& TimerV2VC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("TimerV2VC", &ToolViewController::classConnections())
            .outlet("changeModeBtn", &TimerV2VC::changeModeBtn_)
            .outlet("customEditBtn", &TimerV2VC::customEditBtn_)
            .outlet("startFinishBtn", &TimerV2VC::startFinishBtn_)
            .outlet("pauseGoResultsBtn", &TimerV2VC::pauseGoResultsBtn_)
            .outlet("ABtn", &TimerV2VC::ABtn_)
            .outlet("BBtn", &TimerV2VC::BBtn_)
            .outlet("CBtn", &TimerV2VC::CBtn_)
            .outlet("DBtn", &TimerV2VC::DBtn_)
            .outlet("EBtn", &TimerV2VC::EBtn_)
            .outlet("setTypeLbl", &TimerV2VC::setTypeLbl_)
            .outlet("currentAndTotalNumbersLbl", &TimerV2VC::currentAndTotalNumbersLbl_)
            .outlet("timeLbl", &TimerV2VC::timeLbl_)
            .outlet("currentTimeLbl", &TimerV2VC::currentTimeLbl_)
            .outlet("averageTimeLbl", &TimerV2VC::averageTimeLbl_)
            .outlet("reserveLbl", &TimerV2VC::reserveLbl_)
            .outlet("expectedQuestionLbl", &TimerV2VC::expectedQuestionLbl_)
            .outlet("currentTimeHintLbl", &TimerV2VC::currentTimeHintLbl_)
            .outlet("averageTimeHintLbl", &TimerV2VC::averageTimeHintLbl_)
            .outlet("reserveHintLbl", &TimerV2VC::reserveHintLbl_)
            .outlet("expectedQuestionHintLbl", &TimerV2VC::expectedQuestionHintLbl_)
            .action("changeSetType:", &TimerV2VC::changeSetType)
            .action("changeFXInfo:", &TimerV2VC::changeFXInfo)
            .action("startFinishTimer:", &TimerV2VC::startFinishTimer)
            .action("pauseGoResultsTimer:", &TimerV2VC::pauseGoResultsTimer)
            .action("confirmAnswer:", &TimerV2VC::confirmAnswer)
            .action("showCustomEdit:", &TimerV2VC::showCustomEdit)
            .action("showTimerSettings:", &TimerV2VC::showTimerSettings)
            .action("openScratchpad:", &TimerV2VC::openScratchpad)
            .action("doneClick:", &TimerV2VC::doneClick);
    return table;
}

void TimerV2VC::init() {
    initWithNibName(nibIdentifier());
    if (auto rep = AbstractAppDelegate::sharedRep()) timer_ = rep->timer();
    if (!timer_) timer_ = std::make_shared<MTimer>();
    animation();
}

const std::shared_ptr<MTimerRecord>& TimerV2VC::record() const { return timer_->currentRecord(); }

void TimerV2VC::viewDidLoad() {
    ToolViewController::viewDidLoad();
    ui::Application::shared().setIdleTimerDisabled(true);
    std::weak_ptr<TimerV2VC> weak = sharedAs<TimerV2VC>();
    auto& center = fnd::NotificationCenter::defaultCenter();
    center.addObserver(notificationId(this),
                       std::string(AbstractAppDelegate::kDidEnterBackgroundNotification), nullptr,
                       [weak](const fnd::Notification&) {
                           if (auto self = weak.lock()) self->appDidEnterBackground();
                       });
    center.addObserver(notificationId(this), std::string(ui::Application::kDidBecomeActiveNotification),
                       nullptr, [weak](const fnd::Notification&) {
                           if (auto self = weak.lock()) self->appDidBecomeActive();
                       });
}

void TimerV2VC::animation() {
    view();  // loaded, so that the outlets are there
    if (startFinishBtn_) buttonStylizing(*startFinishBtn_, kLightButtonStyle, true);
    if (pauseGoResultsBtn_) buttonStylizing(*pauseGoResultsBtn_, kLightButtonStyle, true);
    const MTimerRecord& r = *record();
    if (customEditBtn_ && !(r.setType() == MTimerRecord::kCustom && r.status() == MTimerRecord::kReady)) {
        customEditBtn_->setTag(kStillTag);
        customEditBtn_->setAlpha(0);
    }
    for (const auto& label : extendedLabels()) label->setAlpha(0);
    if (movesMainLabels()) placeMainLabels(timer_->fXInfo());
    ToolViewController::animation();
    updateTimerViews();
}

// ---- The refresh

void TimerV2VC::updateTimerViews() {
    // A refresh asked for by the user replaces the one pending, so that only one chain runs.
    cancelRefresh();
    if (!isViewLoaded()) return;
    std::shared_ptr<MTimerRecord> r = record();
    if (setTypeLbl_) setTypeLbl_->setText(r->stringForSetType().value_or(""));
    showCustomEditKey(*r);
    if (currentAndTotalNumbersLbl_) currentAndTotalNumbersLbl_->setText(numbersText(*r));
    if (timeLbl_) timeLbl_->setText(TimerText::secondsToString(r->leftOrPassedTime(), r->isOpenEnded()));
    showExtendedInfo(*r);
    showKeys(*r);
    if (r->status() == MTimerRecord::kRunning) {
        r->checkEndOfTest();
        if (r->status() != MTimerRecord::kRunning) {
            updateTimerViews();
            return;
        }
        scheduleRefresh();
    }
    const double currentTime = r->currentQuestionTime();
    alert(currentTime);
    colourCurrentTime(currentTime);
}

void TimerV2VC::showCustomEditKey(const MTimerRecord& r) {
    if (!customEditBtn_) return;
    const bool editable = r.setType() == MTimerRecord::kCustom && r.status() == MTimerRecord::kReady;
    const bool shown = customEditBtn_->alpha() > 0;
    if (editable != shown) {
        growOrShrink(*customEditBtn_, editable);
        customEditBtn_->setTag(editable ? 0 : kStillTag);
    }
    const double x = editable ? kTypeCentreBesideEditKey.x : kTypeCentre.x;
    if (movesMainLabels() && setTypeLbl_ && setTypeLbl_->center().x != x) {
        ui::Animation::begin();
        ui::Animation::setDuration(kShowDuration);
        setTypeLbl_->setCenter({x, setTypeLbl_->center().y});
        ui::Animation::commit();
    }
}

std::string TimerV2VC::numbersText(const MTimerRecord& r) const {
    const int answers = r.numberOfAnswers();
    const int start = r.startNumber();
    const bool finished = r.status() == MTimerRecord::kFinished;
    std::string text;
    if (r.setType() == MTimerRecord::kCustom) {
        if (!finished)
            text = "#" + std::to_string(start + answers) + " ";
        else if (answers > 0)
            text = TimerText::progress(r) + " ";
    }
    text += std::to_string(finished ? answers : answers + 1);
    if (!r.isOpenEnded()) text += "/" + std::to_string(r.totalNumber());
    return text;
}

void TimerV2VC::showExtendedInfo(const MTimerRecord& r) {
    const bool on = timer_->fXInfo();
    if (on) {
        const double current = r.currentQuestionTime();
        if (currentTimeLbl_)
            currentTimeLbl_->setText(current < 0 ? "--:--" : TimerText::secondsToString(current, true));
        if (averageTimeLbl_)
            averageTimeLbl_->setText(TimerText::secondsToString(r.averageQuestionTime(), true));
        if (reserveLbl_) {
            const double reserve = r.reserveTime();
            const double magnitude = std::trunc(std::abs(reserve));
            reserveLbl_->setText((reserve >= 0 ? "+" : "-") + TimerText::secondsToString(magnitude, true));
        }
        if (expectedQuestionLbl_) {
            const int expected = r.expecedQuestion();
            expectedQuestionLbl_->setText(
                expected == 0 ? "--" : "#" + std::to_string(expected + r.startNumber() - 1));
        }
    }
    if (!currentTimeLbl_) return;
    const bool comes = on && currentTimeLbl_->alpha() == 0;
    const bool goes = !on && currentTimeLbl_->alpha() == 1;
    if (!comes && !goes) return;
    for (const auto& label : extendedLabels()) growOrShrink(*label, comes);
    if (movesMainLabels()) {
        ui::Animation::begin();
        ui::Animation::setDuration(kShowDuration);
        placeMainLabels(comes);
        ui::Animation::commit();
    }
}

void TimerV2VC::placeMainLabels(bool extended) {
    if (currentAndTotalNumbersLbl_)
        currentAndTotalNumbersLbl_->setCenter(extended ? kNumbersExtended : kNumbersPlain);
    if (timeLbl_) timeLbl_->setCenter(extended ? kTimeExtended : kTimePlain);
}

void TimerV2VC::showKeys(const MTimerRecord& r) {
    const int status = std::clamp(r.status(), 0, 3);
    setFace(startFinishBtn_.get(), kStartFinishFaces[status]);
    setFace(pauseGoResultsBtn_.get(), kPauseGoFaces[status]);
    if (changeModeBtn_) changeModeBtn_->setEnabled(status == MTimerRecord::kReady);
    setAnswerButtonsEnabled(status == MTimerRecord::kRunning);
}

void TimerV2VC::alert(double t) {
    const bool first = t >= kFirstAlert && t <= kFirstAlert + kAlertWindow && timer_->vibrate130();
    const bool second = t >= kSecondAlert && t <= kSecondAlert + kAlertWindow && timer_->vibrate200();
    if (first || second) timer_->doVibrate();
}

void TimerV2VC::colourCurrentTime(double t) {
    if (!currentTimeLbl_ || !averageTimeLbl_) return;
    ui::Color colour = averageTimeLbl_->textColor();
    if (timer_->color() && t >= kSecondAlert)
        colour = ui::Color::orangeColor();
    else if (timer_->color() && t >= kFirstAlert)
        colour = ui::Color::yellowColor();
    currentTimeLbl_->setTextColor(colour);
}

void TimerV2VC::scheduleRefresh() {
    if (refreshPending_) return;
    refreshPending_ = true;
    std::weak_ptr<TimerV2VC> weak = sharedAs<TimerV2VC>();
    fnd::RunLoop::main().performAfterDelay(kRefreshPeriod, notificationId(this), kRefreshAction, [weak] {
        if (auto self = weak.lock()) self->updateTimerViews();
    });
}

void TimerV2VC::cancelRefresh() {
    fnd::RunLoop::main().cancelPerforms(notificationId(this), kRefreshAction);
    refreshPending_ = false;
}

std::vector<std::shared_ptr<ui::Label>> TimerV2VC::extendedLabels() const {
    std::vector<std::shared_ptr<ui::Label>> labels;
    for (const auto* label :
         {&currentTimeLbl_, &averageTimeLbl_, &reserveLbl_, &expectedQuestionLbl_, &currentTimeHintLbl_,
          &averageTimeHintLbl_, &reserveHintLbl_, &expectedQuestionHintLbl_})
        if (*label) labels.push_back(*label);
    return labels;
}

std::vector<std::shared_ptr<ui::Button>> TimerV2VC::answerButtons() const {
    std::vector<std::shared_ptr<ui::Button>> keys;
    for (const auto* key : {&ABtn_, &BBtn_, &CBtn_, &DBtn_, &EBtn_})
        if (*key) keys.push_back(*key);
    return keys;
}

void TimerV2VC::setAnswerButtonsEnabled(bool enabled) {
    // The refresh asks ten times a second: only a change moves the keys.
    if (enabled == answerButtonsEnabled_) return;
    answerButtonsEnabled_ = enabled;
    const auto keys = answerButtons();
    if (!enabled)
        for (const auto& key : keys) key->setEnabled(false);
    ui::Animation::begin();
    ui::Animation::setDuration(kShowDuration);
    ui::Animation::setCurve(ui::AnimationCurve::EaseInOut);
    if (enabled) {
        std::weak_ptr<TimerV2VC> weak = sharedAs<TimerV2VC>();
        ui::Animation::setCompletion([weak](bool) {
            auto self = weak.lock();
            if (!self || !self->answerButtonsEnabled_) return;
            for (const auto& key : self->answerButtons()) key->setEnabled(true);
        });
    }
    for (const auto& key : keys)
        key->setTransform(ui::AffineTransform::scale(enabled ? 1.0 : kDisabledAnswerScale));
    ui::Animation::commit();
}

// ---- Section controls

void TimerV2VC::changeSetType(const Sender&) {
    if (record()->status() == MTimerRecord::kReady) timer_->reallocCurrentRecord();
    updateTimerViews();
}

void TimerV2VC::changeFXInfo(const Sender&) {
    timer_->setFXInfo(!timer_->fXInfo());
    updateTimerViews();
    fnd::NotificationCenter::defaultCenter().post(kXInfoTip, sharedAs<fnd::Object>());
}

void TimerV2VC::startFinishTimer(const Sender&) {
    std::shared_ptr<MTimerRecord> r = record();
    switch (r->status()) {
        case MTimerRecord::kReady:
            r->changeStatus(MTimerRecord::kRunning);
            fnd::NotificationCenter::defaultCenter().post(kTimerStartedTip, sharedAs<fnd::Object>());
            break;
        case MTimerRecord::kRunning:
        case MTimerRecord::kPaused:
            if (canOpenSubview()) {
                commonConfirmVC_ = ui::make<CommonConfirmVC>(std::string(kFinishQuestion));
                registerMainChildDoneHandler(&TimerV2VC::finishConfirm, std::nullopt, commonConfirmVC_);
            }
            break;
        case MTimerRecord::kFinished:
            if (r->numberOfAnswers() > 0) {
                timer_->timerRecordSet()->addTimerRecord(r);
                if (r->setType() == MTimerRecord::kCustom)
                    timer_->setCustomStartNumber(timer_->customStartNumber() + r->numberOfAnswers());
            }
            timer_->renewCurrentRecord();
            break;
        default:
            break;
    }
    updateTimerViews();
}

void TimerV2VC::finishConfirm(const fnd::Notification& notification) {
    if (notification.name == CommonConfirmVC::kConfirmNotification) {
        const int status = record()->status();
        if (status == MTimerRecord::kRunning || status == MTimerRecord::kPaused)
            record()->changeStatus(MTimerRecord::kFinished);
    }
    if (!proceedDoneNotification(&notification, commonConfirmVC_)) return;
    commonConfirmVC_.reset();
    updateTimerViews();
}

void TimerV2VC::pauseGoResultsTimer(const Sender&) {
    std::shared_ptr<MTimerRecord> r = record();
    switch (r->status()) {
        case MTimerRecord::kReady:
            showTimerAllResults();
            break;
        case MTimerRecord::kRunning:
            r->changeStatus(MTimerRecord::kPaused);
            break;
        case MTimerRecord::kPaused:
            r->changeStatus(MTimerRecord::kRunning);
            break;
        case MTimerRecord::kFinished:
            showTimerResults();
            break;
        default:
            break;
    }
    updateTimerViews();
}

void TimerV2VC::confirmAnswer(const Sender& sender) {
    auto key = std::dynamic_pointer_cast<ui::Button>(sender);
    if (!key) return;
    // A newer letter replaces a confirmation still open, which would otherwise stay underneath.
    if (timerConfirmVC_ && proceedDoneNotification(nullptr, timerConfirmVC_)) timerConfirmVC_.reset();
    timer_->setUnconfirmedUserAnswer(key->titleForState(ui::StateNormal));
    timerConfirmVC_ =
        ui::make<TimerConfirmVC>(std::string(kConfirmQuestion), timer_->unconfirmedUserAnswer());
    registerDoneHandler(&TimerV2VC::addAnswer, std::nullopt, timerConfirmVC_);
}

void TimerV2VC::addAnswer(const fnd::Notification& notification) {
    const bool guess = notification.name == TimerConfirmVC::kGuessNotification;
    if ((guess || notification.name == CommonConfirmVC::kConfirmNotification) &&
        record()->status() == MTimerRecord::kRunning) {
        record()->addAnswer(timer_->unconfirmedUserAnswer(), guess);
        if (timer_->vibrateAnswer()) timer_->doVibrate();
    }
    if (!proceedDoneNotification(&notification, timerConfirmVC_)) return;
    timerConfirmVC_.reset();
    updateTimerViews();
}

// ---- Child screens

template <class Child, class Handler>
void TimerV2VC::openChild(const std::shared_ptr<Child>& child, Handler handler) {
    if (child) registerMainChildDoneHandler(handler, std::nullopt, child);
}

bool TimerV2VC::releaseChild(const fnd::Notification& notification) {
    if (!proceedDoneNotification(&notification, notification.objectAs<CommonViewController>())) return false;
    updateTimerViews();
    return true;
}

std::shared_ptr<TimerSettingsVC> TimerV2VC::makeTimerSettingsVC() {
    return ui::make<TimerSettingsVC>(timer_->vibrate130(), timer_->vibrate200(), timer_->vibrateAnswer(),
                                     timer_->color());
}
std::shared_ptr<CustomEditVC> TimerV2VC::makeCustomEditVC() {
    return ui::make<CustomEditVC>(timer_->customNumberOfQuestion(), timer_->customTotalTime(),
                                  timer_->customStartNumber());
}
std::shared_ptr<TimerResultsVC> TimerV2VC::makeTimerResultsVC(const std::shared_ptr<MTimerRecord>& r) {
    return ui::make<TimerResultsVC>(r, std::string(kResultsReturnKey));
}
std::shared_ptr<TimerAllResultsVC> TimerV2VC::makeTimerAllResultsVC(
    const std::shared_ptr<MTimerRecordSet>& set) {
    return ui::make<TimerAllResultsVC>(set);
}
void TimerV2VC::showCustomEdit(const Sender&) {
    if (canOpenSubview()) openChild(makeCustomEditVC(), &TimerV2VC::customEditDone);
}

void TimerV2VC::customEditDone(const fnd::Notification& notification) {
    auto editor = notification.objectAs<CustomEditVC>();
    if (editor && notification.name == CustomEditVC::kDoneNotification) {
        timer_->setCustomNumberOfQuestion(editor->customNumberOfQuestionTemp());
        timer_->setCustomTotalTime(editor->customTotalTimeTemp());
        timer_->setCustomStartNumber(editor->customStartNumberTemp());
    }
    if (!proceedDoneNotification(&notification, editor)) return;
    timer_->updateCurrentRecord();
    updateTimerViews();
}

void TimerV2VC::showTimerSettings(const Sender&) {
    if (canOpenSubview()) openChild(makeTimerSettingsVC(), &TimerV2VC::timerSettings);
}

void TimerV2VC::timerSettings(const fnd::Notification& notification) {
    auto settings = notification.objectAs<TimerSettingsVC>();
    if (settings && notification.name == TimerSettingsVC::kDoneNotification) {
        if (ui::Device::current().idiom() == ui::Idiom::Phone) {
            timer_->setVibrate130(settings->vibrate130());
            timer_->setVibrate200(settings->vibrate200());
            timer_->setVibrateAnswer(settings->vibrateAnswer());
        }
        timer_->setColor(settings->color());
    }
    releaseChild(notification);
}

void TimerV2VC::showTimerResults() {
    if (canOpenSubview()) openChild(makeTimerResultsVC(record()), &TimerV2VC::timerResults);
}

void TimerV2VC::timerResults(const fnd::Notification& notification) { releaseChild(notification); }

void TimerV2VC::showTimerAllResults() {
    if (canOpenSubview())
        openChild(makeTimerAllResultsVC(timer_->timerRecordSet()), &TimerV2VC::timerAllResults);
}

void TimerV2VC::timerAllResults(const fnd::Notification& notification) { releaseChild(notification); }

void TimerV2VC::openScratchpad(const Sender&) {
    if (scratchpadVC_) {
        scratchpadVC_->animation();
        return;
    }
    scratchpadVC_ = ui::make<ScratchpadVC>();
    std::weak_ptr<TimerV2VC> weak = sharedAs<TimerV2VC>();
    fnd::NotificationCenter::defaultCenter().addObserver(notificationId(this), std::nullopt,
                                                         notificationId(scratchpadVC_.get()),
                                                         [weak](const fnd::Notification& n) {
                                                             if (auto self = weak.lock())
                                                                 self->scratchpadNotifications(n);
                                                         });
}

void TimerV2VC::scratchpadNotifications(const fnd::Notification&) {
    if (scratchpadVC_) scratchpadVC_->moveOut();
}

void TimerV2VC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(kToolDoneNotification, sharedAs<fnd::Object>());
}

// ---- Leaving, background, ending

void TimerV2VC::save() {
    if (record()->status() == MTimerRecord::kRunning) record()->changeStatus(MTimerRecord::kPaused);
}

void TimerV2VC::back() {
    if (timerConfirmVC_ && proceedDoneNotification(nullptr, timerConfirmVC_)) timerConfirmVC_.reset();
    if (scratchpadVC_) {
        scratchpadVC_->back();
        scratchpadVC_.reset();
    }
    if (customEditBtn_ && record()->setType() == MTimerRecord::kCustom) customEditBtn_->setTag(0);
    ui::Application::shared().setIdleTimerDisabled(false);
    cancelRefresh();
    ToolViewController::back();
}

void TimerV2VC::close() {
    cancelRefresh();
    ToolViewController::close();
}

void TimerV2VC::appDidEnterBackground() {
    save();
    updateTimerViews();
}

void TimerV2VC::appDidBecomeActive() { updateTimerViews(); }
