#include "Classes/practice/SetsVC.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "Classes/core/MSubRepository.h"
#include "Classes/forum_news/ForumAddress.h"
#include "Classes/forum_news/MForumScan.h"
#include "Classes/practice/KWEditVC.h"
#include "Classes/practice/MPracticeRepository.h"
#include "Classes/practice/MQFilter.h"
#include "Classes/practice/MQSet.h"
#include "Classes/practice/MSessions.h"
#include "Classes/practice/QuestionVC_iPad.h"
#include "Classes/practice/ReviewVC_iPad.h"
#include "Classes/practice/SetsFilterEditVC_iPad.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/Thread.h"
#include "platform/ui/ActivityIndicator.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Device.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"

namespace {

constexpr const char* kPollAction = "updateScanInfo";

void setText(const std::shared_ptr<ui::Label>& label, int number) {
    if (label) label->setText(std::to_string(number));
}

void setIdleTimerDisabled(bool disabled) { ui::Application::shared().setIdleTimerDisabled(disabled); }

}  // namespace

const ui::ConnectionTable& SetsVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("SetsVC", &ToolViewController::classConnections())
            .outlet("workQSetNumberLbl", &SetsVC::workQSetNumberLbl_)
            .outlet("bookmarkQSetNumberLbl", &SetsVC::bookmarkQSetNumberLbl_)
            .outlet("totalNumberOfScannedThreadsLbl", &SetsVC::totalNumberOfScannedThreadsLbl_)
            .outlet("reviewQSetNumberLbl", &SetsVC::reviewQSetNumberLbl_)
            .outlet("totalNumberOfAllQuestionsLbl", &SetsVC::totalNumberOfAllQuestionsLbl_)
            .outlet("workQSetBtn", &SetsVC::workQSetBtn_)
            .outlet("filterBtn", &SetsVC::filterBtn_)
            .outlet("bookmarkQSetBtn", &SetsVC::bookmarkQSetBtn_)
            .outlet("quickTourBtn", &SetsVC::quickTourBtn_)
            .outlet("startStopScanBtn", &SetsVC::startStopScanBtn_)
            .outlet("reviewQSetBtn", &SetsVC::reviewQSetBtn_)
            .outlet("scanIV", &SetsVC::scanIV_)
            .action("openQuestion:", &SetsVC::openQuestion)
            .action("openBookmark:", &SetsVC::openBookmark)
            .action("openSetsFilterEdit:", &SetsVC::openSetsFilterEdit)
            .action("openReview:", &SetsVC::openReview)
            .action("startStopScan:", &SetsVC::startStopScan)
            .action("doneClick:", &SetsVC::doneClick);
    return table;
}

const ui::ConnectionTable& SetsVC_iPad::classConnections() {
    static const ui::ConnectionTable table("SetsVC_iPad", &SetsVC::classConnections());
    return table;
}

void SetsVC::registerOwners() {
    ui::ConnectionTable::registerOwner(SetsVC::classConnections());
    ui::ConnectionTable::registerOwner(SetsVC_iPad::classConnections());
    QuestionVC::registerOwners();
    ui::ConnectionTable::registerOwner(QuestionVC_iPad::classConnections());
    SetsFilterEditVC::registerOwners();
    ReviewVC::registerOwners();
    KWEditVC::registerOwners();
}

// ---- Opening

void SetsVC::init() {
    initWithNibName(nibIdentifier());
    preSetup();
    animation();
    setup();
}

void SetsVC::preSetup() {
    auto rep = AbstractAppDelegate::sharedRep();
    if (rep) setRep(rep->practiceRep());
    setCanUpdateStatistics(true);
}

void SetsVC::setup() {
    for (const auto& button :
         {workQSetBtn_, filterBtn_, bookmarkQSetBtn_, quickTourBtn_, startStopScanBtn_, reviewQSetBtn_})
        if (button) buttonStylizing(*button, kLightButtonStyle, true);
    forumSCScan_ = makeScanner();
    forumCRScan_ = makeScanner();
    forumPSScan_ = makeScanner();
    forumDSScan_ = makeScanner();
}

std::shared_ptr<MForumScan> SetsVC::makeScanner() const {
    // The forum folder as configured, with the final "/" the page addresses are built on.
    return MForumScan::make(ForumAddress::configured());
}

void SetsVC::viewDidLoad() {
    ui::Device::current().setBatteryMonitoringEnabled(true);
    refillWorkSet();
    update();
    ToolViewController::viewDidLoad();
}

void SetsVC::refillWorkSet() {
    auto rep = AbstractAppDelegate::sharedRep();
    auto work = rep ? rep->workQSet() : nullptr;
    auto filter = rep ? rep->filter() : nullptr;
    if (!work || !filter) return;
    auto current = work->cursorQuestion();
    filter->fillQSet(*work, rep->qSets(), current.get());
}

std::vector<std::shared_ptr<MForumScan>> SetsVC::scanners() const {
    if (!forumPSScan_) return {};
    return {forumPSScan_, forumDSScan_, forumCRScan_, forumSCScan_};
}

bool SetsVC::isScanning() const {
    for (const auto& scanner : scanners())
        if (scanner->shouldContinue()) return true;
    return false;
}

void SetsVC::update() {
    auto rep = AbstractAppDelegate::sharedRep();
    if (!rep || !rep->practiceRep()) return;
    int all = 0;
    for (const auto& set : rep->qSets()) all += int(set->questions().size());
    setText(totalNumberOfAllQuestionsLbl_, all);
    setText(workQSetNumberLbl_, rep->workQSet() ? int(rep->workQSet()->questions().size()) : 0);
    int bookmarks = rep->bookmarkQSet() ? int(rep->bookmarkQSet()->questions().size()) : 0;
    setText(bookmarkQSetNumberLbl_, bookmarks);
    if (bookmarkQSetBtn_) bookmarkQSetBtn_->setEnabled(bookmarks != 0);
    int reviewed = rep->sessions() ? rep->sessions()->countDistinct() : 0;
    setText(reviewQSetNumberLbl_, reviewed);
    if (reviewQSetBtn_) reviewQSetBtn_->setEnabled(reviewed != 0);
    if (!isScanning()) setIdleTimerDisabled(false);
}

// ---- Children

std::shared_ptr<QuestionVC> SetsVC::makeQuestionVC(const std::shared_ptr<MQSet>& set) {
    return ui::make<QuestionVC>(set);
}

std::shared_ptr<QuestionVC> SetsVC_iPad::makeQuestionVC(const std::shared_ptr<MQSet>& set) {
    return ui::make<QuestionVC_iPad>(set);
}

std::shared_ptr<CommonViewController> SetsVC::makeSetsFilterEditVC() { return ui::make<SetsFilterEditVC>(); }

std::shared_ptr<CommonViewController> SetsVC_iPad::makeSetsFilterEditVC() {
    return ui::make<SetsFilterEditVC_iPad>();
}

void SetsVC::openQuestionOn(const std::shared_ptr<MQSet>& set) {
    auto rep = AbstractAppDelegate::sharedRep();
    if (!rep->sessions()) return;
    rep->sessions()->startSession();
    questionVC_ = makeQuestionVC(set);
    registerMainChildDoneHandler(&SetsVC::questionNotifications, std::string(QuestionVC::kDoneNotification),
                                 questionVC_);
}

void SetsVC::openQuestion(const Sender&) {
    auto rep = AbstractAppDelegate::sharedRep();
    if (!canOpenSubview() || !rep || !rep->workQSet() || rep->workQSet()->questions().empty()) return;
    openQuestionOn(rep->workQSet());
}

void SetsVC::openBookmark(const Sender&) {
    auto rep = AbstractAppDelegate::sharedRep();
    if (!canOpenSubview() || !rep || !rep->bookmarkQSet() || rep->bookmarkQSet()->questions().empty()) return;
    rep->bookmarkQSet()->setCursor(0);
    openQuestionOn(rep->bookmarkQSet());
}

void SetsVC::openSetsFilterEdit(const Sender&) {
    if (!canOpenSubview()) return;
    setsFilterEditVC_ = makeSetsFilterEditVC();
    registerMainChildDoneHandler(&SetsVC::setsFilterEditNotifications, std::nullopt, setsFilterEditVC_);
}

std::shared_ptr<CommonViewController> SetsVC::makeReviewVC(const std::shared_ptr<MSessions>& sessions) {
    return ui::make<ReviewVC>(sessions);
}

std::shared_ptr<CommonViewController> SetsVC_iPad::makeReviewVC(const std::shared_ptr<MSessions>& sessions) {
    return ui::make<ReviewVC_iPad>(sessions);
}

void SetsVC::openReview(const Sender&) {
    auto rep = AbstractAppDelegate::sharedRep();
    if (!canOpenSubview() || !rep || !rep->sessions()) return;
    reviewVC_ = makeReviewVC(rep->sessions());
    registerMainChildDoneHandler(&SetsVC::reviewNotifications, std::string(ReviewVC::kDoneNotification),
                                 reviewVC_);
}

void SetsVC::questionNotifications(const fnd::Notification& notification) {
    auto rep = AbstractAppDelegate::sharedRep();
    if (rep && rep->sessions()) rep->sessions()->stopSession();
    if (proceedDoneNotification(&notification, questionVC_)) {
        questionVC_.reset();
        update();
    }
}

void SetsVC::setsFilterEditNotifications(const fnd::Notification& notification) {
    if (proceedDoneNotification(&notification, setsFilterEditVC_)) {
        setsFilterEditVC_.reset();
        update();
    }
}

void SetsVC::reviewNotifications(const fnd::Notification& notification) {
    if (proceedDoneNotification(&notification, reviewVC_)) {
        reviewVC_.reset();
        update();
    }
}

// ---- The forum scan

void SetsVC::startStopScan(const Sender&) {
    if (scanners().empty()) return;
    if (isScanning()) {
        for (const auto& scanner : scanners()) scanner->stopConnection();
        if (startStopScanBtn_) startStopScanBtn_->setTitle("Start");
        showScanCounts();
        refillWorkSet();
        if (scanIV_) scanIV_->stopAnimating();
        update();
        return;
    }
    setIdleTimerDisabled(true);
    auto rep = AbstractAppDelegate::sharedRep();
    auto forum = rep ? rep->webQSet() : nullptr;
    startedScanners_.clear();
    for (const auto& scanner : scanners()) {
        std::int32_t type = scanner == forumPSScan_   ? ForumPageReader::kPS
                            : scanner == forumDSScan_ ? ForumPageReader::kDS
                            : scanner == forumCRScan_ ? ForumPageReader::kCR
                                                      : ForumPageReader::kSC;
        if (forum && forum->numberOfUnansweredQuestionsOfType(type) > kScanStartLimit) continue;
        if (type == ForumPageReader::kPS) scanner->startPSScan();
        if (type == ForumPageReader::kDS) scanner->startDSScan();
        if (type == ForumPageReader::kCR) scanner->startCRScan();
        if (type == ForumPageReader::kSC) scanner->startSCScan();
        startedScanners_.push_back(scanner);
    }
    if (startedScanners_.empty()) {
        limitAlert_ = ui::make<ui::AlertView>(kLimitTitle, kLimitMessage, weakAs<SetsVC>(), "Ok",
                                              std::vector<std::string>{});
        limitAlert_->show();
        return;
    }
    std::weak_ptr<SetsVC> weak = weakAs<SetsVC>();
    fnd::RunLoop::main().performAfterDelay(kFirstPollDelay, this, kPollAction, [weak] {
        if (auto self = weak.lock()) self->updateScanInfo();
    });
    if (startStopScanBtn_) startStopScanBtn_->setTitle("Stop");
    if (scanIV_) scanIV_->startAnimating();
    showScanCounts();
}

void SetsVC::showScanCounts() {
    int harvested = 0, requested = 0;
    for (const auto& scanner : startedScanners_) {
        harvested += scanner->questionsHarvested();
        requested += scanner->pagesRequested();
    }
    if (totalNumberOfScannedThreadsLbl_)
        totalNumberOfScannedThreadsLbl_->setText(std::to_string(harvested) + "/" + std::to_string(requested));
}

void SetsVC::updateScanInfo() {
    setIdleTimerDisabled(true);
    // The scan's counts stay on show when it ends: a scanner that stopped has moved its harvest
    // into the forum set and emptied its own counters, so they come from the whole scan.
    showScanCounts();
    if (!isScanning()) {
        endScan();
        return;
    }
    auto rep = AbstractAppDelegate::sharedRep();
    auto forum = rep ? rep->webQSet() : nullptr;
    for (const auto& scanner : scanners()) {
        if (!scanner->shouldContinue()) continue;
        int unanswered = forum ? forum->numberOfUnansweredQuestionsOfType(scanner->questionScanType()) : 0;
        if (unanswered + int(scanner->autoScanQSet()->questions().size()) >= kScanStop)
            scanner->stopConnection();
    }
    std::weak_ptr<SetsVC> weak = weakAs<SetsVC>();
    fnd::RunLoop::main().performAfterDelay(kPollInterval, this, kPollAction, [weak] {
        if (auto self = weak.lock()) self->updateScanInfo();
    });
}

void SetsVC::endScan() {
    if (startStopScanBtn_) startStopScanBtn_->setTitle("Start");
    refillWorkSet();
    if (scanIV_) scanIV_->stopAnimating();
    update();
    backupData();
}

void SetsVC::backupData() {
    if (isScanning() || !rep()) return;
    // The overlay goes when the practice file has been written.
    std::weak_ptr<SetsVC> weak = weakAs<SetsVC>();
    fnd::NotificationCenter::defaultCenter().addObserver(
        sharedAs<fnd::Object>(), std::string(MSubRepository::kSaveDoneNotification),
        static_cast<const fnd::Object*>(rep().get()), [weak](const fnd::Notification& n) {
            if (auto self = weak.lock()) self->savingNotifications(n);
        });
    blockUI();
    MSubRepository::Snapshot archive = rep()->snapshotForSave();
    auto host = ToolViewController::host();
    std::shared_ptr<SetsVC> self = sharedAs<SetsVC>();
    fnd::Thread::detach("practice backup", [self, host, archive = std::move(archive)]() mutable {
        self->saveInThread(host, std::move(archive));
    });
}

// ---- Leaving

void SetsVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(kToolDoneNotification, sharedAs<fnd::Object>());
}

void SetsVC::back() {
    if (questionVC_) {
        questionVC_->back();
        questionVC_.reset();
        update();
    }
    // A poll still pending would land on a closed tool and save a second time beside its own save.
    fnd::RunLoop::main().cancelPerforms(this, kPollAction);
    setIdleTimerDisabled(false);
    ui::Device::current().setBatteryMonitoringEnabled(false);
    ToolViewController::back();
}

void SetsVC::save() {
    for (const auto& scanner : {forumSCScan_, forumCRScan_, forumPSScan_, forumDSScan_})
        if (scanner) scanner->stopConnection();
}
