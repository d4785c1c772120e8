#include "Classes/forum_news/MForumScan.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/DeviceHardware.h"
#include "Classes/core/MRepository.h"
#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetSimpleQuestion.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/Thread.h"
#include "platform/foundation/URLConnection.h"
#include "platform/ui/Application.h"
#include "platform/ui/Device.h"

namespace {

void setNetworkActivity(bool on) { ui::Application::shared().setNetworkActivityIndicatorVisible(on); }

}  // namespace

std::shared_ptr<MForumScan> MForumScan::make(std::string baseAddress,
                                             std::shared_ptr<fnd::URLSession> session) {
    return std::make_shared<MForumScan>(std::move(baseAddress), std::move(session));
}

MForumScan::MForumScan(std::string baseAddress, std::shared_ptr<fnd::URLSession> session)
    : baseAddress_(std::move(baseAddress)),
      session_(std::move(session)),
      autoScanQSet_(MQSet::make(0, "AutoScan", "AutoScan", "Sets_hard_quant.png", true)),
      startDate_(fnd::Date::now()) {}

MForumScan::~MForumScan() {
    if (auto loop = fnd::RunLoop::installedMain()) loop->cancelPerforms(this);
}

int MForumScan::subForumNumber(std::int32_t type) {
    switch (type) {
        case ForumPageReader::kPS:
            return 140;
        case ForumPageReader::kDS:
            return 141;
        case ForumPageReader::kSC:
            return 138;
        case ForumPageReader::kCR:
            return 139;
        default:
            return 0;
    }
}

std::string MForumScan::firstTopicAddress(std::int32_t type) const {
    return baseAddress_ + "viewtopic.php?f=" + std::to_string(subForumNumber(type)) + "&view=first_normal";
}

std::string MForumScan::userAgent() {
    return "iPhone/iPod " + DeviceHardware::platform() + " (autoscan) Tovrida/" +
           AbstractAppDelegate::version();
}

std::string MForumScan::myAgent() {
    return DeviceHardware::modelName() + " Tovrida/" + AbstractAppDelegate::version() + " (autoscan)";
}

void MForumScan::startScan(std::int32_t type) {
    setNetworkActivity(true);
    questionScanType_ = type;
    autoScanQSet_->questions().clear();
    totalNumberOfScannedThreads_ = 0;
    questionsHarvested_ = 0;
    pagesRequested_ = 0;
    fScanBegining_ = true;
    startDate_ = fnd::Date::now();
    ++generation_;
    emptyPages_ = 0;
    loadURL(firstTopicAddress(type));
}

void MForumScan::loadURL(const std::string& url) {
    setNetworkActivity(true);
    url_ = url;
    shouldContinue_ = true;
    ++totalNumberOfScannedThreads_;
    ++pagesRequested_;
    fnd::URLRequest request{fnd::URL(url)};
    request.setTimeout(kTimeout);
    request.setHeaderValue("User-Agent", userAgent());
    request.setHeaderValue("My-Agent", myAgent());
    forumConnection_ = fnd::URLConnection::start(std::move(request), sharedAs<MForumScan>(), session_);
}

void MForumScan::didReceiveResponse(fnd::URLConnection&, const fnd::URLResponse&) {
    forumData_.clear();
    forumData_.reserve(100000);
}

void MForumScan::didReceiveData(fnd::URLConnection&, const std::string& data) { forumData_ += data; }

bool MForumScan::reachedStopCondition() const {
    double elapsed = fnd::Date::now().timeIntervalSince(startDate_);
    auto rep = AbstractAppDelegate::sharedRep();
    const ui::Device& device = ui::Device::current();
    float level = device.batteryLevel();
    bool stopOnLowBattery = rep ? rep->fSetsAutoscanStopOnLowBattery() : true;
    if (level > 0 && level < kLowBatteryLevel && device.batteryState() == ui::BatteryState::Unplugged &&
        stopOnLowBattery)
        return elapsed >= kLowBatteryScanTime;
    int stopTime = rep ? rep->setsAutoscanStopTime() : 0;
    return stopTime != 0 && elapsed >= stopTime;
}

void MForumScan::didFinishLoading(fnd::URLConnection&) {
    forumConnection_ = nullptr;
    std::string data = std::move(forumData_);
    forumData_.clear();
    if (reachedStopCondition()) {
        stopConnection();
        return;
    }
    parsePostsDataInNewThread(std::move(data));
}

void MForumScan::didFail(fnd::URLConnection&, const fnd::URLError& error) {
    fnd::Log::info("forum scan ended: ", error.description(), " ", error.detail());
    forumConnection_ = nullptr;
    stopConnection();
}

void MForumScan::parsePostsDataInNewThread(std::string data) {
    fnd::Thread::detachThenMain(
        "forum page",
        [data = std::move(data), type = questionScanType_, base = baseAddress_] {
            return ForumPageReader::readPage(data, type, base);
        },
        [self = sharedAs<MForumScan>(), generation = generation_](ForumPageReader::Page page) {
            self->takePage(generation, std::move(page));
        });
}

void MForumScan::takePage(std::uint64_t generation, ForumPageReader::Page page) {
    if (generation != generation_ || !shouldContinue_) return;
    using Kind = ForumPageReader::Page::Kind;
    if (page.kind == Kind::Empty) {
        if (emptyPages_ >= kEmptyPageRetries) {
            stopConnection();
            return;
        }
        ++emptyPages_;
        fnd::RunLoop::main().performAfterDelay(
            kEmptyPageRetryDelay, this, "retry", [self = sharedAs<MForumScan>(), generation] {
                if (generation == self->generation_ && self->shouldContinue_) self->loadURL(self->url_);
            });
        return;
    }
    emptyPages_ = 0;
    if (page.kind == Kind::End) {
        stopConnection();
        return;
    }
    if (page.question) addQuestion(*page.question);

    std::shared_ptr<MQSet> forumSet = webQSet();
    if (fScanBegining_ && forumSet &&
        (forumSet->isQuestionWithURLAlreadyExist(page.topicAddress) ||
         forumSet->isQuestionWithURLAlreadyExist(page.otherAddress))) {
        // Newer topics are all in; go on from the oldest topic harvested before.
        fScanBegining_ = false;
        if (auto resume = forumSet->urlStringOfLastQuestionByType(questionScanType_)) loadURL(*resume);
        return;
    }
    loadURL(page.topicAddress + "&view=previous_normal");
}

void MForumScan::addQuestion(const ForumPageReader::Question& found) {
    auto question = MQSetSimpleQuestion::make(nullptr, fScanBegining_ ? 1 : 9999, questionScanType_,
                                              found.rightAnswer, found.tags, found.body, found.answerOptions,
                                              ForumPageReader::kExplanation, found.threadURL);
    std::shared_ptr<MQSet> forumSet = webQSet();
    if (forumSet && forumSet->isQuestionAlreadyExist(*question)) return;
    fnd::NotificationCenter::defaultCenter().post(kTipEvent, sharedAs<MForumScan>());
    autoScanQSet_->questions().push_back(std::move(question));
    ++questionsHarvested_;
}

void MForumScan::stopConnection() {
    if (shouldContinue_) {
        if (forumConnection_) forumConnection_->cancel();
        forumConnection_ = nullptr;
        fnd::RunLoop::main().cancelPerforms(this);
        shouldContinue_ = false;
        if (std::shared_ptr<MQSet> forumSet = webQSet()) {
            // From here on the questions are the forum set's: their pages offer that set's keys.
            for (auto& question : autoScanQSet_->questions()) {
                question->setSet(forumSet);
                forumSet->questions().push_back(question);
            }
            autoScanQSet_->questions().clear();
        } else {
            fnd::Log::warning("forum scan: no forum set to keep ", autoScanQSet_->questions().size(),
                              " questions");
        }
    }
    totalNumberOfScannedThreads_ = 0;
    setNetworkActivity(false);
}

std::shared_ptr<MQSet> MForumScan::webQSet() const {
    auto rep = AbstractAppDelegate::sharedRep();
    return rep ? rep->webQSet() : nullptr;
}
