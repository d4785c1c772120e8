#include "Classes/practice/QuestionVC.h"

#include <cmath>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/ChildScreens.h"
#include "Classes/core/FontAdjustVC.h"
#include "Classes/core/MRepository.h"
#include "Classes/forum_news/ForumVC.h"
#include "Classes/practice/KWEditVC.h"
#include "Classes/practice/MPracticeRepository.h"
#include "Classes/practice/MQFilter.h"
#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetAnswer.h"
#include "Classes/practice/MQSetBlock.h"
#include "Classes/practice/MQSetHRecord.h"
#include "Classes/practice/MQSetQuestion.h"
#include "Classes/practice/MQSetSimpleAnswer.h"
#include "Classes/practice/MSession.h"
#include "Classes/practice/MSessionRecord.h"
#include "Classes/practice/MSessions.h"
#include "Classes/practice/QuestionBridge.h"
#include "Classes/study_aids/CourseVC.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/Clock.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/PercentEscaping.h"
#include "platform/foundation/Random.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/URL.h"
#include "platform/ui/Application.h"
#include "platform/ui/BarButtonItem.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Device.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/TextField.h"
#include "platform/ui/Toolbar.h"

namespace {

constexpr const char* kClockAction = "updateTime";
constexpr const char* kForumAction = "showForumWithUrlString:";
constexpr double kToolbarSpace = 18;
constexpr double kWideToolbarSpace = 40;
constexpr double kSecondSetKeyWidth = 30;

const std::vector<std::string> kReportKeys{"Report wrong OA", "Report wrong formatting", "Other"};
const std::vector<std::string> kReportLeads{"There is a wrong OA for the question: \n",
                                            "There is a formatting problem for the question: \n",
                                            "There is the following problem for the question: \n"};

int tagOf(const ui::ConnectionTable::Sender& sender) {
    if (auto item = std::dynamic_pointer_cast<ui::BarButtonItem>(sender)) return item->tag();
    if (auto view = std::dynamic_pointer_cast<ui::View>(sender)) return view->tag();
    return -100;
}

int choiceOf(const std::shared_ptr<MQSetAnswer>& answer) {
    auto simple = std::dynamic_pointer_cast<MQSetSimpleAnswer>(answer);
    return simple ? simple->choice() : 0;
}

}  // namespace

const ui::ConnectionTable& QuestionVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("QuestionVC", &SliddenViewController::classConnections())
            .outlet("webView", &QuestionVC::webView_)
            .outlet("currentQuestionLbl", &QuestionVC::currentQuestionLbl_)
            .outlet("numberQuestionLbl", &QuestionVC::numberQuestionLbl_)
            .outlet("typeLbl", &QuestionVC::typeLbl_)
            .outlet("timerLbl", &QuestionVC::timerLbl_)
            .outlet("rateLbl", &QuestionVC::rateLbl_)
            .outlet("backgroundLbl", &QuestionVC::backgroundLbl_)
            .outlet("shakeToolBarLbl", &QuestionVC::shakeToolBarLbl_)
            .outlet("currentToolBarLbl", &QuestionVC::currentToolBarLbl_)
            .outlet("bottomTB", &QuestionVC::bottomTB_)
            .outlet("bookmarkedIV", &QuestionVC::bookmarkedIV_)
            .outlet("kWIV", &QuestionVC::kWIV_)
            .outlet("ir1IV", &QuestionVC::ir1IV_)
            .outlet("ir2IV", &QuestionVC::ir2IV_)
            .outlet("ir3IV", &QuestionVC::ir3IV_)
            .action("changeQuestion:", &QuestionVC::changeQuestion)
            .action("doneClick:", &QuestionVC::doneClick)
            .action("addRemoveBookmark:", &QuestionVC::addRemoveBookmark)
            .action("showFullShortCommonText:", &QuestionVC::showFullShortCommonText)
            .action("openCalculator:", &QuestionVC::openCalculator)
            .action("openScratchpad:", &QuestionVC::openScratchpad)
            .action("changeFontSize:", &QuestionVC::changeFontSize)
            .action("showHideKW:", &QuestionVC::showHideKW)
            .action("openKWEdit:", &QuestionVC::openKWEdit)
            .action("switchToolBar", &QuestionVC::switchToolBar);
    return table;
}

void QuestionVC::registerOwners() { ui::ConnectionTable::registerOwner(classConnections()); }

std::shared_ptr<MRepository> QuestionVC::rep() const { return AbstractAppDelegate::sharedRep(); }

// ---- Opening

void QuestionVC::init(std::shared_ptr<MQSet> set) {
    initWithNibName(nibIdentifier());
    qSet_ = std::move(set);
    for (const auto& q : qSet_->questions())
        if (!q->hasHistory()) unansweredQuestions_.push_back(q);
    questionMode_ = kUnanswered;
    commonSetup();
    animation();
    fnd::NotificationCenter::defaultCenter().post(kOpenedTip, sharedAs<fnd::Object>());
}

void QuestionVC::init(std::shared_ptr<MSession> session) {
    initWithNibName(nibIdentifier());
    qSession_ = std::move(session);
    totalNumberOfAnsweredQ_ = int(qSession_->records().size());
    totalNumberOfAnsweredRightQ_ = qSession_->numberOfRightAnswers();
    questionMode_ = kAnswered;
    commonSetup();
    animation();
}

void QuestionVC::commonSetup() {
    // The marker is an outlet of the interface file, which loads with the view.
    view();
    auto r = rep();
    if (shakeToolBarLbl_ && r && !r->fSetsShake()) shakeToolBarLbl_->setHidden(true);
}

void QuestionVC::viewDidLoad() {
    ui::Accelerometer::shared().setUpdateInterval(kAccelerometerInterval);
    ui::Accelerometer::shared().setDelegate(weakAs<QuestionVC>());
    currentToolBar_ = 1;
    showToolBar();
    if (bottomTB_)
        for (const auto& item : bottomTB_->items())
            if (item->actionName() == "showFullShortCommonText:") showFullShortCommonTextBtn_ = item;
    // The random key is on whichever bar of the interface file holds the change keys.
    for (const auto& subview : view()->subviews())
        if (auto bar = std::dynamic_pointer_cast<ui::Toolbar>(subview))
            for (const auto& item : bar->items())
                if (item->actionName() == "changeQuestion:" && item->tag() == kRandom) randomQBtn_ = item;
    if (webView_) {
        webView_->setDataDetectorTypes(0);
        webView_->setDelegate(weakAs<QuestionVC>());
    }
    beginDate_ = fnd::Date::now();
    updateTime();
    showCurrentQuestion();
    auto& center = fnd::NotificationCenter::defaultCenter();
    std::weak_ptr<QuestionVC> weak = weakAs<QuestionVC>();
    center.addObserver(sharedAs<fnd::Object>(),
                       std::string(AbstractAppDelegate::kDidEnterBackgroundNotification), nullptr,
                       [weak](const fnd::Notification& n) {
                           if (auto self = weak.lock()) self->appDidEnterBackground(n);
                       });
    center.addObserver(sharedAs<fnd::Object>(), std::string(ui::Application::kDidBecomeActiveNotification),
                       nullptr, [weak](const fnd::Notification& n) {
                           if (auto self = weak.lock()) self->appDidBecomeActive(n);
                       });
    SliddenViewController::viewDidLoad();
}

// ---- State

int QuestionVC::cursor() const { return qSet_ ? qSet_->cursor() : qSession_ ? qSession_->cursor() : 0; }

int QuestionVC::shakeMode() const {
    auto r = rep();
    if (!r) return kRandom;
    return qSet_ ? r->setsShakeMode() : r->sessionsShakeMode();
}

std::shared_ptr<MQSetQuestion> QuestionVC::currentQuestion() const {
    if (qSet_) {
        int c = qSet_->cursor();
        if (c < 0 || c >= int(qSet_->questions().size())) return nullptr;
        return qSet_->questions()[std::size_t(c)];
    }
    if (qSession_) {
        int c = qSession_->cursor();
        if (c == MSession::kNoCursor || c < 0 || c >= int(qSession_->records().size())) return nullptr;
        return qSession_->records()[std::size_t(c)]->question();
    }
    return nullptr;
}

std::string QuestionVC::stringWithTime(double seconds) { return MQSetHRecord::timeText(seconds); }

std::shared_ptr<ui::ImageView> QuestionVC::irIV(int k) const {
    return k == 1 ? ir1IV_ : k == 2 ? ir2IV_ : k == 3 ? ir3IV_ : nullptr;
}

// ---- Toolbars

void QuestionVC::showToolBar() {
    if (currentToolBarLbl_) currentToolBarLbl_->setText(std::to_string(currentToolBar_));
    if (!bottomTB_) return;
    // The keys send their actions up the responder chain from the bar, to this screen.
    auto key = [](const char* image, const char* action, double width = 0) {
        auto item = ui::BarButtonItem::withImage(ui::Image::named(image), ui::BarButtonItemStyle::Plain);
        item->setActionName(action);
        if (width > 0) item->setWidth(width);
        return item;
    };
    auto space = [](double width = kToolbarSpace) { return ui::BarButtonItem::fixedSpace(width); };
    auto switchKey = key("tb_switchtb.png", "switchToolBar");
    std::vector<std::shared_ptr<ui::BarButtonItem>> items;
    if (currentToolBar_ == 1) {
        showFullShortCommonTextBtn_ = key("tb_showFSText.png", "showFullShortCommonText:");
        items = {space(), key("tb_bookmarkpm.png", "addRemoveBookmark:"),
                 space(), showFullShortCommonTextBtn_,
                 space(), key("tb_calc.png", "openCalculator:"),
                 space(), key("tb_scratch.png", "openScratchpad:"),
                 space(), switchKey,
                 space()};
        auto q = currentQuestion();
        showFullShortCommonTextBtn_->setEnabled(q && !QuestionPage::isPassageShort(*q, pageDevice()));
    } else {
        items = {space(), key("tb_Aa.png", "changeFontSize:", kSecondSetKeyWidth),
                 space(), key("tb_hl.png", "showHideKW:", kSecondSetKeyWidth),
                 space(), key("tb_hlsettings.png", "openKWEdit:", kSecondSetKeyWidth),
                 space(), space(kWideToolbarSpace),
                 space(), switchKey,
                 space()};
    }
    bottomTB_->setItems(std::move(items), true);
}

void QuestionVC::switchToolBar() {
    currentToolBar_ = currentToolBar_ == 1 ? 2 : 1;
    closeChild(fontAdjustVC_);
    showToolBar();
}

// ---- Showing a question

void QuestionVC::showCurrentQuestion() {
    showToolBar();
    auto q = currentQuestion();
    if (!q) return;
    auto r = rep();
    fBlockCommonTextFullShow_ = QuestionPage::opensWithFullPassage(*q);
    QuestionPage::Inputs in;
    in.question = q.get();
    in.device = pageDevice();
    in.device.tableWidth = tableWidth_;
    in.unanswered = questionMode_ == kUnanswered;
    in.fullPassage = fBlockCommonTextFullShow_;
    in.imageSuffix = ui::Device::current().screenScale() == 2.0 ? "@2x" : "";
    in.fontSize = r ? r->baseFontSize() : 13;
    auto practice = r ? r->practiceRep() : nullptr;
    in.keyWords = practice ? practice->keyWordsSet().get() : nullptr;
    in.keyWordsActive = r && r->isKWActive();
    if (webView_)
        webView_->loadHTMLString(QuestionPage::page(in),
                                 fnd::URL::fileURL(fnd::Bundle::main().resourcePath()));
    if (showFullShortCommonTextBtn_)
        showFullShortCommonTextBtn_->setEnabled(!QuestionPage::isPassageShort(*q, in.device));

    int count = qSet_ ? int(qSet_->questions().size()) : int(qSession_->records().size());
    if (currentQuestionLbl_) currentQuestionLbl_->setText(std::to_string(cursor() + 1));
    if (numberQuestionLbl_) numberQuestionLbl_->setText(std::to_string(count));
    recordRateLabel();
    int mode = shakeMode();
    if (shakeToolBarLbl_ && mode >= -1 && mode <= 2) {
        ui::Rect frame = shakeToolBarLbl_->frame();
        shakeToolBarLbl_->setFrame(
            {kShakeMarkerX[mode + 1], frame.origin.y, frame.size.width, frame.size.height});
    }
    auto bookmarks = r ? r->bookmarkQSet() : nullptr;
    if (bookmarkedIV_)
        bookmarkedIV_->setHidden(!bookmarks || bookmarks->indexOfQuestion(q.get()) == MQSet::kNotFound);
    if (kWIV_) kWIV_->setHidden(!(r && r->isKWActive()));
    if (typeLbl_) typeLbl_->setText(q->stringWithType().value_or(""));
    showIR(*q);
}

void QuestionVC::recordRateLabel() {
    if (!rateLbl_) return;
    rateLbl_->setText(totalNumberOfAnsweredQ_ > 0
                          ? std::to_string(100 * totalNumberOfAnsweredRightQ_ / totalNumberOfAnsweredQ_) +
                                " %"
                          : "");
}

void QuestionVC::showIR(const MQSetQuestion& question) {
    const auto& history = question.history();
    for (int k = 1; k <= 3; ++k) {
        auto icon = irIV(k);
        if (!icon) continue;
        icon->setHidden(true);
        if (int(history.size()) < k) continue;
        const auto& record = history[history.size() - std::size_t(k)];
        bool right = record->answer() && record->answer()->isTheSameAs(question.rightAnswer().get());
        icon->setImage(ui::Image::named(std::string("Practice_RI_") + (right ? "right_" : "wrong_") +
                                        std::to_string(k) + ".png"));
        icon->setHidden(false);
    }
}

void QuestionVC::showHistoryRecord(const MQSetHRecord* record) {
    auto q = currentQuestion();
    if (!q) return;
    runScripts(QuestionPage::revealScripts(*q, record));
}

void QuestionVC::runScript(const std::string& script) {
    if (webView_ && !script.empty()) webView_->stringByEvaluatingJavaScript(script);
}

void QuestionVC::runScripts(const std::vector<std::string>& scripts) {
    // One evaluation for the lot: each is a round trip to the page, and they run in order anyway.
    std::string joined;
    for (const auto& script : scripts) joined += script;
    runScript(joined);
}

// ---- Changing the question

void QuestionVC::changeQuestion(const Sender& sender) { changeQuestionAction(tagOf(sender)); }

void QuestionVC::changeQuestionAction(int mode) {
    beginDate_ = fnd::Date::now();
    auto r = rep();
    if (qSet_) {
        if (r) r->setSetsShakeMode(mode);
        questionMode_ = kUnanswered;
        restartClock();
    } else if (r) {
        r->setSessionsShakeMode(mode);
    }
    int step = 0;
    if (mode == kPrevious) step = -1;
    if (mode == kNext) step = 1;
    if (mode == kRandom && qSet_ && !qSet_->questions().empty()) {
        std::uint32_t random = fnd::Random::next32();
        int target;
        if (!unansweredQuestions_.empty()) {
            const auto& pick = unansweredQuestions_[random % unansweredQuestions_.size()];
            target = qSet_->indexOfQuestion(pick.get());
        } else {
            target = int(random % qSet_->questions().size());
        }
        if (target != MQSet::kNotFound) {
            const auto& block = qSet_->questions()[std::size_t(target)]->block();
            auto first = block ? block->questions() : std::vector<std::shared_ptr<MQSetQuestion>>{};
            if (!first.empty()) {
                int index = qSet_->indexOfQuestion(first.front().get());
                if (index != MQSet::kNotFound) target = index;
            }
        }
        // A deleted question still waiting among the unanswered finds no place: the cursor wraps.
        step = (target == MQSet::kNotFound ? int(qSet_->questions().size()) : target) - cursor();
        fnd::NotificationCenter::defaultCenter().post(kDiceTip, sharedAs<fnd::Object>());
    }
    if (mode == kGoTo) {
        goToAlert_ = ui::make<ui::AlertView>(kGoToTitle, " ", weakAs<QuestionVC>(), "Cancel",
                                             std::vector<std::string>{"OK"});
        numberField_ = ui::make<ui::TextField>(ui::Rect{20, 45, 245, 25});
        numberField_->setBackgroundColor(ui::Color::whiteColor());
        numberField_->setKeyboardType(ui::KeyboardType::NumberPad);
        numberField_->setReturnKeyType(ui::ReturnKeyType::Done);
        numberField_->setClearButtonMode(ui::TextFieldViewMode::WhileEditing);
        numberField_->setPlaceholder("");
        goToAlert_->addSubview(numberField_);
        goToAlert_->show();
        ui::Rect frame = goToAlert_->frame();
        goToAlert_->setFrame({frame.origin.x, frame.origin.y + 55, frame.size.width, frame.size.height});
        numberField_->becomeFirstResponder();
    }
    if (qSet_)
        moveSetCursor(cursor() + step);
    else
        moveSessionCursor(cursor() + step);
    showCurrentQuestion();
}

void QuestionVC::moveSetCursor(int position) {
    int count = int(qSet_->questions().size());
    if (position >= count) position = 0;
    if (position < 0) position = count - 1;
    qSet_->setCursor(position);
}

void QuestionVC::moveSessionCursor(int position) {
    int count = int(qSession_->records().size());
    if (position >= count) position = 0;
    if (position < 0) position = count - 1;
    qSession_->setCursor(position);
}

void QuestionVC::alertViewClickedButton(ui::AlertView& alert, int buttonIndex) {
    if (&alert != goToAlert_.get()) return;
    if (buttonIndex == 1 && numberField_) {
        // A text that is no number counts as 0, which leads to the last question.
        int number = 0;
        try {
            number = std::stoi(numberField_->text());
        } catch (...) {
            number = 0;
        }
        if (qSet_)
            moveSetCursor(number - 1);
        else
            moveSessionCursor(number - 1);
        numberField_->resignFirstResponder();
        showCurrentQuestion();
    }
    numberField_.reset();
    goToAlert_.reset();
}

// ---- Clock

void QuestionVC::restartClock() {
    fnd::RunLoop::main().cancelPerforms(this, kClockAction);
    updateTime();
}

void QuestionVC::updateTime() {
    fnd::RunLoop::main().cancelPerforms(this, kClockAction);
    auto& app = ui::Application::shared();
    if (questionMode_ != kUnanswered) {
        app.setIdleTimerDisabled(false);
        return;
    }
    double e = fnd::Date::now().timeIntervalSince(beginDate_);
    if (timerLbl_) {
        timerLbl_->setText(stringWithTime(e));
        timerLbl_->setTextColor(e < kYellowTime ? ui::Color::whiteColor()
                                : e < kRedTime  ? ui::Color::yellowColor()
                                                : ui::Color::redColor());
    }
    app.setIdleTimerDisabled(e < kAwakeTime);
    later(*this, kClockInterval, kClockAction, [](QuestionVC& self) { self.updateTime(); });
}

void QuestionVC::appDidEnterBackground(const fnd::Notification&) {
    enteringBackgroundDate_ = fnd::Date::now();
}

void QuestionVC::appDidBecomeActive(const fnd::Notification&) {
    if (!enteringBackgroundDate_) return;
    timeInBackground_ = fnd::Date::now().timeIntervalSince(*enteringBackgroundDate_);
    beginDate_ = fnd::Date(beginDate_.timeIntervalSinceReferenceDate() + timeInBackground_);
    enteringBackgroundDate_.reset();
    restartClock();
}

// ---- Answers

void QuestionVC::recordAnswer(int choice) {
    if (questionMode_ != kUnanswered || !qSet_) return;
    auto q = currentQuestion();
    if (!q) return;
    questionMode_ = kAnswered;
    auto answer = std::make_shared<MQSetSimpleAnswer>(choice);
    ++totalNumberOfAnsweredQ_;
    std::erase(unansweredQuestions_, q);
    double e = fnd::Date::now().timeIntervalSince(beginDate_);
    auto record = std::make_shared<MQSetHRecord>(beginDate_, e, answer);
    q->addHistoryRecord(record);
    fnd::NotificationCenter::defaultCenter().post(kSolvedTip, sharedAs<fnd::Object>());
    showIR(*q);
    showHistoryRecord(record.get());
    auto r = rep();
    if (answer->isTheSameAs(q->rightAnswer().get())) {
        ++totalNumberOfAnsweredRightQ_;
    } else if (r && r->fSetsVibrateOnWrongAnswer()) {
        auto delegate = AbstractAppDelegate::shared();
        if (delegate && delegate->fvibrationAllowed()) ui::Device::current().vibrate();
    }
    recordRateLabel();
}

void QuestionVC::addRemoveBookmark(const Sender&) {
    auto q = currentQuestion();
    auto r = rep();
    auto bookmarks = r ? r->bookmarkQSet() : nullptr;
    if (!q || !bookmarks) return;
    if (bookmarks->indexOfQuestion(q.get()) == MQSet::kNotFound) {
        bookmarks->addQuestion(q);
        if (bookmarkedIV_) bookmarkedIV_->setHidden(false);
        return;
    }
    bookmarks->removeQuestion(q.get());
    if (bookmarkedIV_) bookmarkedIV_->setHidden(true);
    if (qSet_ == bookmarks) showAfterRemoval(int(bookmarks->questions().size()));
}

void QuestionVC::showAfterRemoval(int count) {
    if (count == 0) {
        doneClick(nullptr);
        return;
    }
    if (qSet_) {
        qSet_->setCursor(std::min(qSet_->cursor(), count - 1));
        questionMode_ = kUnanswered;
    } else {
        qSession_->setCursor(std::min(qSession_->cursor(), count - 1));
    }
    showCurrentQuestion();
}

void QuestionVC::deleteQuestion() {
    auto q = currentQuestion();
    auto r = rep();
    if (!q || !r) return;
    auto sessions = r->sessions();
    auto forum = r->webQSet();
    if (qSet_) {
        if (sessions) sessions->removeQuestion(*q);
        if (forum) forum->removeQuestion(q.get());
        qSet_->removeQuestion(q.get());
        if (auto filter = r->filter(); filter && r->workQSet()) filter->fillQSet(*r->workQSet(), r->qSets());
        showAfterRemoval(int(qSet_->questions().size()));
    } else {
        if (forum) forum->removeQuestion(q.get());
        if (sessions) sessions->removeQuestion(*q);
        showAfterRemoval(int(qSession_->records().size()));
    }
}

void QuestionVC::sendFeedback() {
    reportSheet_ = ui::make<ui::ActionSheet>("", weakAs<QuestionVC>(), "Cancel", "", kReportKeys);
    reportSheet_->setActionSheetStyle(ui::ActionSheetStyle::BlackOpaque);
    reportSheet_->showInView(view());
}

std::string QuestionVC::reportMail(const std::string& supportAddress, int key,
                                   const MQSetQuestion& question) {
    if (supportAddress.empty() || key < 0 || key >= int(kReportLeads.size())) return {};
    std::string body = "Hi,\n\n " + kReportLeads[std::size_t(key)] + "-------------------------\n" +
                       question.describeItself() + "-------------------------\n\n";
    // The body is escaped as a value, so that "&", "#" or "=" in a question cannot end it early.
    return "mailto://" + supportAddress + "?subject=Tovrida%20(v" + AbstractAppDelegate::version() +
           ")&body=" + fnd::percentEscapeStrict(body);
}

void QuestionVC::actionSheetClickedButton(ui::ActionSheet& sheet, int buttonIndex) {
    if (&sheet != reportSheet_.get()) return;
    // The sheet numbers its keys from its first other button, with Cancel after them.
    int key = buttonIndex - sheet.firstOtherButtonIndex();
    bool cancelled = buttonIndex == sheet.cancelButtonIndex();
    reportSheet_.reset();
    auto q = currentQuestion();
    if (!q || cancelled || key < 0 || key >= int(kReportLeads.size())) return;
    std::string link = reportMail(fnd::Bundle::main().infoValue("SupportMailAddress"), key, *q);
    // The support address comes with the bundle; without one there is nobody to write to.
    if (link.empty()) return;
    ui::Application::shared().openURL(fnd::URL(link));
}

// ---- Page

bool QuestionVC::webViewShouldStartLoad(ui::WebView&, const fnd::URLRequest& request,
                                        fnd::URLRequest::NavigationType) {
    QuestionBridge::Decision decision = QuestionBridge::decide(request);
    using Action = QuestionBridge::Action;
    switch (decision.action) {
        case Action::Answer:
            if (questionMode_ == kUnanswered) recordAnswer(decision.choice);
            break;
        case Action::Delete:
            deleteQuestion();
            break;
        case Action::Report:
            sendFeedback();
            break;
        case Action::TogglePassage:
            showFullShortCommonText(nullptr);
            break;
        case Action::OpenCourse:
            openCourse();
            break;
        case Action::OpenForum:
            later(*this, kForumDelay, kForumAction,
                  [address = decision.address](QuestionVC& self) { self.showForumWithUrlString(address); });
            break;
        case Action::None:
            break;
    }
    return decision.allow;
}

void QuestionVC::webViewDidFinishLoad(ui::WebView&) {
    if (qSession_) {
        int c = qSession_->cursor();
        if (c == MSession::kNoCursor || c < 0 || c >= int(qSession_->records().size())) return;
        const auto& record = qSession_->records()[std::size_t(c)]->historyRecord();
        if (randomQBtn_) randomQBtn_->setEnabled(false);
        if (timerLbl_) timerLbl_->setText(stringWithTime(record->time()));
        runScript(QuestionPage::checkChoiceScript(choiceOf(record->answer())));
        showHistoryRecord(record.get());
        return;
    }
    auto q = currentQuestion();
    if (questionMode_ == kAnswered && q && q->hasHistory()) showHistoryRecord(q->history().back().get());
}

void QuestionVC::showFullShortCommonText(const Sender&) {
    runScripts(QuestionPage::passageToggleScripts(fBlockCommonTextFullShow_));
    fBlockCommonTextFullShow_ = !fBlockCommonTextFullShow_;
}

void QuestionVC::changeFontSize(const Sender&) {
    if (fontAdjustVC_) {
        closeChild(fontAdjustVC_);
        return;
    }
    fontAdjustVC_ = ui::make<FontAdjustVC>(std::string("BottomLeft"));
    registerDoneHandler(&QuestionVC::fontAdjustNotifications, std::nullopt, fontAdjustVC_);
}

void QuestionVC::fontAdjustNotifications(const fnd::Notification& notification) {
    auto r = rep();
    if (!r) return;
    r->setBaseFontSize(FontAdjustVC::steppedFontSize(r->baseFontSize(), notification));
    runScript(QuestionPage::fontSizeScript(r->baseFontSize()));
}

void QuestionVC::showHideKW(const Sender&) {
    runScript(QuestionPage::kKeyWordsScript);
    auto r = rep();
    if (!r) return;
    r->setIsKWActive(!r->isKWActive());
    if (kWIV_) kWIV_->setHidden(!r->isKWActive());
}

// ---- Children

std::shared_ptr<CommonViewController> QuestionVC::openChild(const std::string& className, bool asMainChild) {
    auto child = ChildScreens::make(className);
    if (!child) return nullptr;
    std::string name = ChildScreens::doneNotification(className);
    if (asMainChild)
        registerMainChildDoneHandler(&QuestionVC::childNotifications, name, child);
    else
        registerDoneHandler(&QuestionVC::childNotifications, name, child);
    return child;
}

void QuestionVC::childNotifications(const fnd::Notification& notification) {
    for (auto* child : {&calculatorVC_, &kWEditVC_, &courseVC_, &forumVC_}) {
        if (!*child || notificationId(child->get()) != notification.objectId) continue;
        if (child == &kWEditVC_) showCurrentQuestion();
        if (proceedDoneNotification(&notification, *child)) child->reset();
        return;
    }
}

void QuestionVC::openCalculator(const Sender&) {
    if (!canOpenSubview()) return;
    calculatorVC_ = openChild("CalculatorVC", true);
}

void QuestionVC::openScratchpad(const Sender&) {
    if (scratchpadVC_) {
        scratchpadVC_->animation();
        return;
    }
    scratchpadVC_ = ChildScreens::make("ScratchpadVC");
    if (scratchpadVC_)
        registerDoneHandler(&QuestionVC::scratchpadNotifications,
                            ChildScreens::doneNotification("ScratchpadVC"), scratchpadVC_);
}

void QuestionVC::scratchpadNotifications(const fnd::Notification& notification) {
    if (!scratchpadVC_ || notificationId(scratchpadVC_.get()) != notification.objectId) return;
    if (proceedDoneNotification(&notification, scratchpadVC_)) scratchpadVC_.reset();
}

void QuestionVC::kWEditNotifications(const fnd::Notification& notification) {
    childNotifications(notification);
}

std::shared_ptr<CommonViewController> QuestionVC::makeKWEditVC(std::int32_t type) {
    return ui::make<KWEditVC>(type);
}

void QuestionVC::openKWEdit(const Sender&) {
    auto q = currentQuestion();
    if (!canOpenSubview() || !q) return;
    kWEditVC_ = makeKWEditVC(q->questionType());
    // Every notification of the editor shows the question again, so its marks follow the lists.
    registerMainChildDoneHandler(&QuestionVC::kWEditNotifications, std::nullopt, kWEditVC_);
}

void QuestionVC::openCourse() {
    auto q = currentQuestion();
    auto set = q ? q->set() : nullptr;
    if (!set || !set->course() || !canOpenSubview()) return;
    auto page = makeCourseVC(set->course());
    if (page->doneBtn()) page->doneBtn()->setTitle(kCourseBackTitle);
    courseVC_ = page;
    registerMainChildDoneHandler(&QuestionVC::childNotifications, std::string(CourseVC::kDoneNotification),
                                 courseVC_);
}

std::shared_ptr<CourseVC> QuestionVC::makeCourseVC(const std::shared_ptr<MCourse>& course) {
    return ui::make<CourseVC>(course);
}

void QuestionVC::showForumWithUrlString(const std::string& address) {
    if (!canOpenSubview() || forumVC_) return;
    forumVC_ = makeForumVC(address);
    registerMainChildDoneHandler(&QuestionVC::childNotifications,
                                 std::string(ToolViewController::kToolDoneNotification), forumVC_);
}

std::shared_ptr<CommonViewController> QuestionVC::makeForumVC(const std::string& address) {
    return ui::make<ForumVC>(address, false);
}

void QuestionVC::accelerometerDidAccelerate(double x, double y, double z) {
    double sample[3] = {x, y, z};
    double sum = 0;
    for (int i = 0; i < 3; ++i) {
        accelerometer_[i] = 0.9 * accelerometer_[i] + 0.1 * sample[i];
        double d = sample[i] - accelerometer_[i];
        sum += d * d;
    }
    double now = fnd::Date::now().timeIntervalSinceReferenceDate();
    auto r = rep();
    if (std::sqrt(sum) < kShakeDeviation || now - lastTime_ <= kShakeInterval || !r || !r->fSetsShake())
        return;
    if (r->fSetsVibrateOnShake()) {
        auto delegate = AbstractAppDelegate::shared();
        if (delegate && delegate->fvibrationAllowed()) ui::Device::current().vibrate();
    }
    changeQuestionAction(shakeMode());
    lastTime_ = now;
}

// ---- Leaving

void QuestionVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(kDoneNotification, sharedAs<fnd::Object>());
}

void QuestionVC::back() {
    for (auto* child : {&calculatorVC_, &scratchpadVC_, &fontAdjustVC_, &kWEditVC_, &courseVC_, &forumVC_})
        closeChild(*child);
    if (ui::Accelerometer::shared().delegate().get() == static_cast<ui::AccelerometerDelegate*>(this))
        ui::Accelerometer::shared().setDelegate({});
    fnd::RunLoop::main().cancelPerforms(this);
    ui::Application::shared().setIdleTimerDisabled(false);
    SliddenViewController::back();
}
