#include "Classes/forum_news/ForumVC.h"

#include <algorithm>
#include <mutex>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/ChildScreens.h"
#include "Classes/core/MRepository.h"
#include "Classes/core/WebViewCustom.h"
#include "Classes/forum_news/ForumBookmarkVC.h"
#include "Classes/forum_news/ForumBookmarksVC.h"
#include "Classes/forum_news/ForumRequests.h"
#include "Classes/forum_news/ForumStopwatch.h"
#include "Classes/forum_news/MBookmark.h"
#include "Classes/forum_news/MBookmarks.h"
#include "Classes/forum_news/MFeed.h"
#include "Classes/forum_news/MFeeds.h"
#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetQuestion.h"
#include "Ostrand_Library/Classes/Regex.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/ActivityIndicator.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"

namespace {

void setNetworkActivity(bool on) { ui::Application::shared().setNetworkActivityIndicatorVisible(on); }

bool isWebAddress(const fnd::URL& url) { return url.scheme() == "http" || url.scheme() == "https"; }

}  // namespace

const ui::ConnectionTable& ForumVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("ForumVC", &SliddenViewController::classConnections())
            .outlet("webView", &ForumVC::webView_)
            .outlet("mainBtn", &ForumVC::mainBtn_)
            .outlet("safariBtn", &ForumVC::safariBtn_)
            .outlet("tab1bToolB", &ForumVC::tab1bToolB_)
            .outlet("goBackBtn", &ForumVC::goBackBtn_)
            .outlet("goForwardBtn", &ForumVC::goForwardBtn_)
            .outlet("actionSheetBtn", &ForumVC::actionSheetBtn_)
            .outlet("bookmarksBtn", &ForumVC::bookmarksBtn_)
            .outlet("switchToolbar1Btn", &ForumVC::switchToolbar1Btn_)
            .outlet("tab2bToolB", &ForumVC::tab2bToolB_)
            .outlet("previousTopicBtn", &ForumVC::previousTopicBtn_)
            .outlet("timerShowHideBtn", &ForumVC::timerShowHideBtn_)
            .outlet("calculatorBtn", &ForumVC::calculatorBtn_)
            .outlet("scratchpadBtn", &ForumVC::scratchpadBtn_)
            .outlet("switchToolbar2Btn", &ForumVC::switchToolbar2Btn_)
            .outlet("currentToolbarLbl", &ForumVC::currentToolbarLbl_)
            .outlet("timerBackgroundIV", &ForumVC::timerBackgroundIV_)
            .outlet("timerLabel", &ForumVC::timerLabel_)
            .outlet("timerBtn", &ForumVC::timerBtn_)
            .outlet("timerAIV", &ForumVC::timerAIV_)
            .outlet("questionIncludedIV", &ForumVC::questionIncludedIV_)
            .action("goBack", &ForumVC::goBack)
            .action("goForward", &ForumVC::goForward)
            .action("goPreviousTopic", &ForumVC::goPreviousTopic)
            .action("showActionSheet", &ForumVC::showActionSheet)
            .action("showBookmarks", &ForumVC::showBookmarks)
            .action("switchToolbar:", &ForumVC::switchToolbar)
            .action("timerShowHide:", &ForumVC::timerShowHide)
            .action("timerStartStop:", &ForumVC::timerStartStop)
            .action("openCalculator:", &ForumVC::openCalculator)
            .action("openScratchpad:", &ForumVC::openScratchpad)
            .action("openSafari:", &ForumVC::openSafari)
            .action("doneClick:", &ForumVC::doneClick);
    return table;
}

const ui::ConnectionTable& ForumVC_iPad::classConnections() {
    static const ui::ConnectionTable table("ForumVC_iPad", &ForumVC::classConnections());
    return table;
}

void ForumVC::registerOwners() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (const ui::ConnectionTable* table :
             {&ForumVC::classConnections(), &ForumVC_iPad::classConnections(),
              &ForumBookmarksVC::classConnections(), &ForumBookmarkVC::classConnections()})
            ui::ConnectionTable::registerOwner(*table);
    });
}

void ForumVC::init() { init(ForumAddress::configured(), true); }

void ForumVC::init(std::string address, bool fromToolChoose) {
    base_ = ForumAddress::configured();
    if (auto rep = AbstractAppDelegate::sharedRep()) bookmarks_ = rep->forumBookmarks();
    if (!bookmarks_) bookmarks_ = std::make_shared<MBookmarks>();
    didCalledFromToolChoose_ = fromToolChoose;
    initialAddress_ = std::move(address);
    stopwatch_ = std::make_shared<ForumStopwatch>();
    initWithNibName(nibIdentifier());
    animation();
    loadURLString(initialAddress_);
}

void ForumVC::viewDidLoad() {
    if (webView_) webView_->setDelegate(sharedAs<ForumVC>());
    if (mainBtn_ && !didCalledFromToolChoose_) mainBtn_->setTitle(kBackTitle);
    stopwatch_->attach({timerBackgroundIV_, timerLabel_, timerBtn_, timerAIV_, safariBtn_});
    showRow(1);
    if (questionIncludedIV_) questionIncludedIV_->setHidden(true);
    updateToolBtns();
    SliddenViewController::viewDidLoad();
}

void ForumVC::animation() {
    if (didCalledFromToolChoose_)
        toolChooseVCAnimation();
    else
        SliddenViewController::animation();
}

void ForumVC::outAnimation() {
    if (didCalledFromToolChoose_)
        toolChooseVCOutAnimation();
    else
        SliddenViewController::outAnimation();
}

// ---- Loading

std::string ForumVC::notConfiguredPage() {
    return std::string("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>") + kNotConfiguredTitle +
           "</title><style>body{font-family:sans-serif;margin:24px;color:#333}h1{font-size:20px}"
           "p{font-size:15px;line-height:1.4}</style></head><body><h1>" +
           kNotConfiguredTitle +
           "</h1><p>This copy of the program names no forum address, so the forum cannot be shown. "
           "Nothing was requested.</p></body></html>";
}

void ForumVC::loadURLString(const std::string& address) {
    currentUrl_ = address;
    if (!webView_) return;
    if (base_.empty() || address.empty()) {
        webView_->loadHTMLString(notConfiguredPage(), fnd::URL());
        return;
    }
    loadRequest(fnd::URLRequest(fnd::URL(address)), *webView_);
}

void ForumVC::loadRequest(fnd::URLRequest request, ui::WebView& webView) {
    ForumRequests::setHeaderFields(request);
    auto rep = AbstractAppDelegate::sharedRep();
    if (rep) ForumRequests::tryAutoLogin(request, base_, rep->forumLogin(), rep->forumPassword());
    webView.loadRequest(request);
}

bool ForumVC::webViewShouldStartLoad(ui::WebView& webView, const fnd::URLRequest& request,
                                     fnd::URLRequest::NavigationType navigation) {
    if (WebViewCustom::checkNopenExternally(request.url())) return false;
    if (auto login = ForumRequests::capturedLogin(request, base_)) {
        if (auto rep = AbstractAppDelegate::sharedRep()) {
            rep->setForumPassword(login->password);
            rep->setForumLogin(login->login);
        }
    }
    using Nav = fnd::URLRequest::NavigationType;
    if (navigation == Nav::LinkClicked || navigation == Nav::FormSubmitted) webView.setScalesPageToFit(true);
    if (ForumRequests::loadsAsItIs(request, navigation, base_)) return true;
    loadRequest(request, webView);
    return false;
}

void ForumVC::webViewDidStartLoad(ui::WebView&) {
    setNetworkActivity(true);
    updateToolBtns();
}

void ForumVC::webViewDidFinishLoad(ui::WebView&) {
    setNetworkActivity(false);
    updateToolBtns();
}

void ForumVC::webViewDidFailLoad(ui::WebView&, const fnd::URLError&) {
    setNetworkActivity(false);
    updateToolBtns();
}

// ---- The page

ForumAddress::Head ForumVC::pageHead() {
    if (!webView_ || base_.empty()) return {};
    std::string head = webView_->stringByEvaluatingJavaScript(kHeadScript);
    std::replace(head.begin(), head.end(), '\n', ' ');
    return ForumAddress::readHead(head);
}

bool ForumVC::isPreviousTopicPossible() { return pageHead().topic.has_value(); }

bool ForumVC::isRSSPossible() {
    ForumAddress::Head head = pageHead();
    return head.topic || head.subForum;
}

bool ForumVC::isQuestionIncluded() {
    auto topic = pageHead().topic;
    auto rep = AbstractAppDelegate::sharedRep();
    auto set = topic && rep ? rep->webQSet() : nullptr;
    if (!set) return false;
    std::string shortForm = ForumAddress::shortTopic(base_, *topic);
    std::string longForm = ForumAddress::longTopic(base_, *topic);
    return std::any_of(set->questions().begin(), set->questions().end(), [&](const auto& question) {
        const auto& thread = question->threadURL();
        return thread && (*thread == shortForm || *thread == longForm);
    });
}

void ForumVC::updateToolBtns() {
    if (!webView_) return;
    if (goBackBtn_) goBackBtn_->setEnabled(webView_->canGoBack());
    if (goForwardBtn_) goForwardBtn_->setEnabled(webView_->canGoForward());
    if (previousTopicBtn_) previousTopicBtn_->setEnabled(!webView_->isLoading() && isPreviousTopicPossible());
    if (questionIncludedIV_) questionIncludedIV_->setHidden(!isQuestionIncluded());
}

// ---- Keys

void ForumVC::goBack(const Sender&) {
    if (webView_) webView_->goBack();
}

void ForumVC::goForward(const Sender&) {
    if (webView_) webView_->goForward();
}

void ForumVC::goPreviousTopic(const Sender&) {
    auto topic = pageHead().topic;
    if (topic && webView_)
        webView_->loadRequest(fnd::URLRequest(fnd::URL(ForumAddress::previousTopic(base_, *topic))));
}

void ForumVC::showActionSheet(const Sender&) {
    auto sheet = ui::make<ui::ActionSheet>(std::string(), sharedAs<ForumVC>(), kCancelTitle, std::string(),
                                           std::vector<std::string>{kAddBookmarkTitle, kAddRSSTitle});
    sheet->showInView(view());
}

void ForumVC::actionSheetClickedButton(ui::ActionSheet& sheet, int buttonIndex) {
    int first = sheet.firstOtherButtonIndex();
    if (buttonIndex == first) {
        addBookmark();
    } else if (buttonIndex == first + 1) {
        if (webView_ && !webView_->isLoading() && isRSSPossible()) addRSS();
    }
}

void ForumVC::addBookmark() {
    if (!canOpenSubview() || !webView_) return;
    std::string title = ostrand::Regex::replaceAll(webView_->stringByEvaluatingJavaScript(kTitleScript),
                                                   kForumTitlePrefix, "");
    const fnd::URL& shown = webView_->documentURL();
    currentUrl_ = isWebAddress(shown) ? shown.absoluteString() : currentUrl_;
    addBookmarkVC_ = ui::make<ForumBookmarkVC>(bookmarks_, currentUrl_, title);
    registerMainChildDoneHandler(&ForumVC::didObtainForumBookmarkVCBackNotification,
                                 std::string(ForumBookmarkVC::kDoneNotification), addBookmarkVC_);
}

void ForumVC::addRSS() {
    ForumAddress::Head head = pageHead();
    std::string address;
    if (head.topic)
        address = ForumAddress::topicFeed(base_, *head.topic);
    else if (head.subForum)
        address = ForumAddress::subForumFeed(base_, *head.subForum);
    auto rep = AbstractAppDelegate::sharedRep();
    if (address.empty() || !rep || !rep->feedSet()) return;
    auto feed = MFeed::make(address, "rss", kAddedFeedTitle, kAddedFeedIcon, kAddedFeedSource, std::nullopt,
                            std::nullopt, kAddedFeedDepartment, true, false);
    // Appended after an inactive feed, it would stand beyond the rows the news list shows.
    auto& feeds = rep->feedSet()->feeds();
    auto firstInactive =
        std::find_if(feeds.begin(), feeds.end(), [](const auto& f) { return !f->isActive(); });
    feeds.insert(firstInactive, feed);
}

void ForumVC::showBookmarks(const Sender&) {
    if (!canOpenSubview()) return;
    bookmarksListVC_ = ui::make<ForumBookmarksVC>(bookmarks_);
    registerMainChildDoneHandler(&ForumVC::didObtainForumBookmarksVCBackNotification,
                                 std::string(ForumBookmarksVC::kDoneNotification), bookmarksListVC_);
}

void ForumVC::showRow(int row) {
    if (tab1bToolB_) tab1bToolB_->setHidden(row != 1);
    if (tab2bToolB_) tab2bToolB_->setHidden(row != 2);
    if (currentToolbarLbl_) currentToolbarLbl_->setText(std::to_string(row));
}

void ForumVC::switchToolbar(const Sender& sender) { showRow(sender && sender == switchToolbar1Btn_ ? 2 : 1); }

void ForumVC::timerShowHide(const Sender&) { stopwatch_->showHide(); }
void ForumVC::timerStartStop(const Sender&) { stopwatch_->startStop(); }
void ForumVC::updateTimer() { stopwatch_->updateTimer(); }
std::string ForumVC::secondsToString(double seconds) { return ForumStopwatch::secondsToString(seconds); }

void ForumVC::openCalculator(const Sender&) {
    if (!canOpenSubview()) return;
    calculatorVC_ = ChildScreens::make("CalculatorVC");
    if (calculatorVC_)
        registerMainChildDoneHandler(&ForumVC::calculatorNotifications,
                                     ChildScreens::doneNotification("CalculatorVC"), calculatorVC_);
}

void ForumVC::openScratchpad(const Sender&) {
    if (scratchpadVC_) {
        scratchpadVC_->animation();
        return;
    }
    scratchpadVC_ = ChildScreens::make("ScratchpadVC");
    if (scratchpadVC_)
        registerDoneHandler(&ForumVC::scratchpadNotifications, ChildScreens::doneNotification("ScratchpadVC"),
                            scratchpadVC_);
}

void ForumVC::openSafari(const Sender&) {
    fnd::URL shown = webView_ ? webView_->documentURL() : fnd::URL();
    fnd::URL address = isWebAddress(shown) ? shown : fnd::URL(currentUrl_);
    if (!address.isEmpty()) ui::Application::shared().openURL(address);
}

void ForumVC::doneClick(const Sender&) {
    ui::Application::shared().setIdleTimerDisabled(false);
    fnd::NotificationCenter::defaultCenter().post(kToolDoneNotification, sharedAs<ForumVC>());
}

// ---- Children

bool ForumVC::takeBack(const fnd::Notification& notification, std::shared_ptr<CommonViewController> child) {
    return child && notificationId(child.get()) == notification.objectId &&
           proceedDoneNotification(&notification, child);
}

void ForumVC::didObtainForumBookmarksVCBackNotification(const fnd::Notification& notification) {
    auto list = bookmarksListVC_;
    if (!takeBack(notification, list)) return;
    bookmarksListVC_.reset();
    if (list->isFollowingBookmark() && list->bookmarkToFollow())
        loadURLString(list->bookmarkToFollow()->url());
}

void ForumVC::didObtainForumBookmarkVCBackNotification(const fnd::Notification& notification) {
    if (takeBack(notification, addBookmarkVC_)) addBookmarkVC_.reset();
}

void ForumVC::calculatorNotifications(const fnd::Notification& notification) {
    if (takeBack(notification, calculatorVC_)) calculatorVC_.reset();
}

void ForumVC::scratchpadNotifications(const fnd::Notification& notification) {
    // The scratchpad only slides away: its drawing waits for the next time.
    if (scratchpadVC_ && notificationId(scratchpadVC_.get()) == notification.objectId)
        scratchpadVC_->moveOut();
}

void ForumVC::back() {
    if (calculatorVC_ && proceedDoneNotification(nullptr, calculatorVC_)) calculatorVC_.reset();
    if (scratchpadVC_) {
        scratchpadVC_->back();
        scratchpadVC_.reset();
    }
    if (addBookmarkVC_) {
        addBookmarkVC_->close();
        addBookmarkVC_.reset();
    }
    if (webView_) {
        webView_->setDelegate({});
        webView_->stopLoading();
    }
    setNetworkActivity(false);
    stopwatch_->stop();
    SliddenViewController::back();
}
