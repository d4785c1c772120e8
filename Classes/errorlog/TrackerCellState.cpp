#include "Classes/errorlog/TrackerCellState.h"

#include <algorithm>
#include <map>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "Classes/errorlog/MQuestion.h"
#include "Classes/errorlog/MSection.h"
#include "Classes/errorlog/MSetTimer.h"
#include "platform/foundation/Date.h"
#include "platform/ui/ActivityIndicator.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"

namespace {

constexpr int kPassageFirstType = 6;
const ui::Color kGreyText = ui::Color::white(0.5);

void setAlpha(const std::shared_ptr<ui::View>& view, double alpha) {
    if (view) view->setAlpha(alpha);
}

void setText(const std::shared_ptr<ui::Label>& label, const std::string& text) {
    if (label) label->setText(text);
}

}  // namespace

TrackerCellState::TrackerCellState(std::shared_ptr<ui::View> cell, int index,
                                   std::shared_ptr<MSetTimer> timer, std::shared_ptr<MQuestion> question)
    : timer_(std::move(timer)), question_(std::move(question)), cell_(std::move(cell)), index_(index) {}

std::shared_ptr<const ui::Image> TrackerCellState::imageNamed(const std::string& name) {
    static std::map<std::string, std::shared_ptr<const ui::Image>> images;
    auto it = images.find(name);
    if (it == images.end()) it = images.emplace(name, ui::Image::named(name)).first;
    return it->second;
}

template <class V>
std::shared_ptr<V> TrackerCellState::part(int tag) const {
    return cell_ ? std::dynamic_pointer_cast<V>(cell_->viewWithTag(tag)) : nullptr;
}

std::shared_ptr<ui::Label> TrackerCellState::numberLbl() const { return part<ui::Label>(kNumberTag); }
std::shared_ptr<ui::Label> TrackerCellState::timeLbl() const { return part<ui::Label>(kTimeTag); }
std::shared_ptr<ui::Label> TrackerCellState::timeRCLbl() const { return part<ui::Label>(kTimeRCTag); }
std::shared_ptr<ui::ImageView> TrackerCellState::RCTextIV() const { return part<ui::ImageView>(kRCTextTag); }
std::shared_ptr<ui::Label> TrackerCellState::conceptNamesLbl() const {
    return part<ui::Label>(kConceptNamesTag);
}
std::shared_ptr<ui::ImageView> TrackerCellState::checkAnswerIV() const {
    return part<ui::ImageView>(kCheckAnswerTag);
}
std::shared_ptr<ui::ImageView> TrackerCellState::historyIV() const {
    return part<ui::ImageView>(kHistoryTag);
}
std::shared_ptr<ui::Button> TrackerCellState::explanationBtn() const {
    return part<ui::Button>(kExplanationTag);
}
std::shared_ptr<ui::Button> TrackerCellState::startFinishBtn() const {
    return part<ui::Button>(kStartFinishTag);
}
std::shared_ptr<ui::Button> TrackerCellState::pauseBtn() const { return part<ui::Button>(kPauseTag); }
std::shared_ptr<ui::Button> TrackerCellState::oaBtn() const { return part<ui::Button>(kOATag); }
std::shared_ptr<ui::ActivityIndicator> TrackerCellState::activityV() const {
    return part<ui::ActivityIndicator>(kActivityTag);
}
std::shared_ptr<ui::Label> TrackerCellState::userAnswerLbl() const { return part<ui::Label>(kUserAnswerTag); }
std::shared_ptr<ui::Label> TrackerCellState::guessLbl() const { return part<ui::Label>(kGuessTag); }
std::shared_ptr<ui::ImageView> TrackerCellState::currentSectionIV() const {
    return part<ui::ImageView>(kCurrentSectionTag);
}
std::shared_ptr<ui::Label> TrackerCellState::pageLbl() const { return part<ui::Label>(kPageTag); }

bool TrackerCellState::fRCARFirst() const { return question_->questionType() == kPassageFirstType; }

bool TrackerCellState::isActive() const { return timer_ && timer_->isActiveState(); }

double TrackerCellState::defaultLabelAlpha() const { return isActive() ? 0.0 : 1.0; }

double TrackerCellState::timeRCLableAlpha() const { return isActive() ? 0.0 : 1.0; }

std::string TrackerCellState::markFor(int answer, const char* right, const char* wrong) const {
    if (!question_->isScored()) return kEmptyImage;
    return answer == question_->rightAnswer() ? right : wrong;
}

void TrackerCellState::handle() { handleCommon(); }

void TrackerCellState::handleCommon() {
    double alpha = defaultLabelAlpha();
    setAlpha(historyIV(), alpha);
    setAlpha(checkAnswerIV(), alpha);
    setAlpha(userAnswerLbl(), alpha);
    setAlpha(guessLbl(), alpha);
    if (auto page = pageLbl()) {
        page->setText("p." + std::to_string(question_->page()));
        page->setHidden(!question_->pageKnown());
    }
    setAlpha(conceptNamesLbl(), conceptNamesLableAlpha());
    bool passageFirst = fRCARFirst();
    if (passageFirst) setAlpha(timeRCLbl(), timeRCLableAlpha());
    setText(numberLbl(), std::to_string(question_->number()) + ".");
    if (auto rc = timeRCLbl()) rc->setHidden(!passageFirst);
    if (auto rc = RCTextIV()) {
        rc->setHidden(!passageFirst);
        if (passageFirst) rc->setImage(imageNamed(kPassageImage));
    }
    if (auto oa = oaBtn()) oa->setTitle("OA");
    setText(guessLbl(), "");

    auto time = timeLbl();
    if (!time) return;
    time->setText(kNoTime);
    time->setTextColor(kGreyText);
    time->setBackgroundColor(ui::Color::clear());
    if (isActive()) {
        float t = timer_->timeForIndex(index_);
        if (t > 1.0f) time->setText(MSetTimer::stringWithTime(t));
    } else if (const MHRecord* last = question_->lastAttempt()) {
        time->setText(last->stringWithTime());
        time->setTextColor(ui::Color::blackColor());
    }
}

void TrackerCellState::handleHRecord() {
    const MHRecord* last = question_->lastAttempt();
    if (!last) return;
    auto rep = AbstractAppDelegate::sharedRep();
    int showTime = rep ? rep->booksShowTime() : 0;
    if (showTime != 0 && (!last->date() || -last->date()->timeIntervalSinceNow() >= showTime)) {
        setText(userAnswerLbl(), "");
        return;
    }
    setText(userAnswerLbl(), last->stringWithAnswer().value_or(""));
    if (last->fguess()) setText(guessLbl(), "g");
}

void TrackerCellState::handleHistoryAndConceptNames() {
    setAlpha(currentSectionIV(), 0);
    const MHRecord* last = question_->lastAttempt();
    if (last && timer_ && timer_->startDate() && last->date() && *last->date() >= *timer_->startDate()) {
        setAlpha(currentSectionIV(), 1);
        setAlpha(userAnswerLbl(), 1);
        setAlpha(guessLbl(), 1);
    }
    std::string names;
    if (const auto& tags = question_->conceptNames())
        for (const auto& tag : *tags) names += tag + "; ";
    setText(conceptNamesLbl(), names);
}

void TrackerCellState::handleRCFirst() {
    auto label = timeRCLbl();
    if (!label || !mainSection_) return;
    // The passage is walked in the section's own list from the question's place in it, also when
    // the row stands in a search result at another position.
    const auto& questions = mainSection_->questions();
    auto start = std::find(questions.begin(), questions.end(), question_);
    double total = 0;
    bool complete = start != questions.end();
    for (auto it = start; complete && it != questions.end(); ++it) {
        if (it != start && (*it)->questionType() == kPassageFirstType) break;
        const MHRecord* last = (*it)->lastAttempt();
        if (!last)
            complete = false;
        else
            total += last->time();
    }
    if (complete && mainSection_->sortType() == MSection::kByNumber) {
        label->setText(MSetTimer::stringWithTime(total));
        label->setTextColor(ui::Color::blackColor());
    } else {
        label->setText(kNoTime);
        label->setTextColor(kGreyText);
    }
}
