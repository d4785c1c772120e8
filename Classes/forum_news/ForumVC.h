#pragma once
// The forum tool: the maker's forum in a web view with a two-row toolbar. It opens on the forum's
// folder from the home screen's forum button (init), or on a topic from a practice question or a
// library link (initWithUrlString:fromToolChoose:). With a stored login, a request for the forum's
// folder becomes the sign-in; signing in on the forum's own form with "log me on automatically"
// stores the login. Every page the person opens is sent by the browser itself with the header
// fields that name the device and the program (ForumRequests).
//
// Row 1: back, forward, the sheet "Add Bookmark" / "Add RSS-channel", the bookmark list, the row
// switch. Row 2: the previous topic, the stopwatch (ForumStopwatch), the calculator, the
// scratchpad, the row switch. A mark shows when the topic's question is in the practice
// repository's forum set. Bookmarks and the feeds added here live in the central repository.
//
// Without a configured forum address the tool shows a local page saying so and requests nothing.

#include <memory>
#include <optional>
#include <string>

#include "Classes/core/SliddenViewController.h"
#include "Classes/forum_news/ForumAddress.h"
#include "platform/ui/ActionSheet.h"
#include "platform/ui/WebView.h"

class ForumBookmarkVC;
class ForumBookmarksVC;
class ForumStopwatch;
class MBookmarks;
namespace ui {
class ActivityIndicator;
class Button;
class ImageView;
class Label;
}  // namespace ui

class ForumVC : public SliddenViewController, public ui::WebViewDelegate, public ui::ActionSheetDelegate {
  public:
    static constexpr const char* kMainTitle = "Main";
    static constexpr const char* kBackTitle = "Back";
    static constexpr const char* kAddBookmarkTitle = "Add Bookmark";
    static constexpr const char* kAddRSSTitle = "Add RSS-channel";
    static constexpr const char* kCancelTitle = "Cancel";
    static constexpr const char* kHeadScript = "document.getElementsByTagName('head')[0].innerHTML;";
    static constexpr const char* kTitleScript = "document.title";
    // The forum's name before a page's title, left out of a bookmark's name.
    static constexpr const char* kForumTitlePrefix = R"(\AVessark\sForum\s(?=.+))";
    static constexpr const char* kAddedFeedTitle = "Added From Vessark Forum";
    static constexpr const char* kAddedFeedIcon = "News_rss.png";
    static constexpr const char* kAddedFeedSource = "Vessark";
    static constexpr const char* kAddedFeedDepartment = "Forum";
    static constexpr const char* kNotConfiguredTitle = "No forum is set up";

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    // Registers the owner tables of the forum's screens.
    static void registerOwners();

    std::string nibIdentifier() const override { return "ForumView"; }

    // The forum's folder, opened from the home screen.
    void init() override;
    using SliddenViewController::init;
    // The address, opened as a tool from the home screen (true) or over another screen (false).
    virtual void init(std::string address, bool fromToolChoose);
    void viewDidLoad() override;

    // ---- Loading

    void loadURLString(const std::string& address);
    // The header fields, the sign-in for the forum's folder, then the load.
    void loadRequest(fnd::URLRequest request, ui::WebView& webView);

    bool webViewShouldStartLoad(ui::WebView& webView, const fnd::URLRequest& request,
                                fnd::URLRequest::NavigationType navigation) override;
    void webViewDidStartLoad(ui::WebView& webView) override;
    void webViewDidFinishLoad(ui::WebView& webView) override;
    void webViewDidFailLoad(ui::WebView& webView, const fnd::URLError& error) override;

    // ---- The page

    void updateToolBtns();
    // What the page's head says (topic or sub-forum); nothing while no page is shown.
    ForumAddress::Head pageHead();
    bool isPreviousTopicPossible();
    bool isRSSPossible();
    bool isQuestionIncluded();

    // ---- Keys

    void goBack(const Sender& sender);
    void goForward(const Sender& sender);
    void goPreviousTopic(const Sender& sender);
    void showActionSheet(const Sender& sender);
    void actionSheetClickedButton(ui::ActionSheet& sheet, int buttonIndex) override;
    void showBookmarks(const Sender& sender);
    void switchToolbar(const Sender& sender);
    void timerShowHide(const Sender& sender);
    void timerStartStop(const Sender& sender);
    void openCalculator(const Sender& sender);
    void openScratchpad(const Sender& sender);
    // Opens the page shown in the system's browser (the address last asked for when no web page
    // is shown).
    void openSafari(const Sender& sender);
    void doneClick(const Sender& sender);

    void addBookmark();
    // Adds the feed of the topic or sub-forum shown to the news, active, before the inactive
    // feeds so that the news list shows it.
    void addRSS();
    void updateTimer();
    static std::string secondsToString(double seconds);

    // ---- Children

    void didObtainForumBookmarksVCBackNotification(const fnd::Notification& notification);
    void didObtainForumBookmarkVCBackNotification(const fnd::Notification& notification);
    void calculatorNotifications(const fnd::Notification& notification);
    void scratchpadNotifications(const fnd::Notification& notification);

    void animation() override;
    void outAnimation() override;
    // Closes the children, lets the page go, stops the stopwatch, then leaves.
    void back() override;

    // ---- Fields

    bool didCalledFromToolChoose() const { return didCalledFromToolChoose_; }
    const std::string& currentUrl() const { return currentUrl_; }
    const std::string& baseAddress() const { return base_; }
    const std::shared_ptr<MBookmarks>& bookmarks() const { return bookmarks_; }
    const std::shared_ptr<ForumStopwatch>& stopwatch() const { return stopwatch_; }
    const std::shared_ptr<ForumBookmarksVC>& bookmarksListVC() const { return bookmarksListVC_; }
    const std::shared_ptr<ForumBookmarkVC>& addBookmarkVC() const { return addBookmarkVC_; }
    const std::shared_ptr<CommonViewController>& calculatorVC() const { return calculatorVC_; }
    const std::shared_ptr<CommonViewController>& scratchpadVC() const { return scratchpadVC_; }

    const std::shared_ptr<ui::WebView>& webView() const { return webView_; }
    const std::shared_ptr<ui::Button>& mainBtn() const { return mainBtn_; }
    const std::shared_ptr<ui::Button>& safariBtn() const { return safariBtn_; }
    const std::shared_ptr<ui::View>& tab1bToolB() const { return tab1bToolB_; }
    const std::shared_ptr<ui::View>& tab2bToolB() const { return tab2bToolB_; }
    const std::shared_ptr<ui::Button>& goBackBtn() const { return goBackBtn_; }
    const std::shared_ptr<ui::Button>& goForwardBtn() const { return goForwardBtn_; }
    const std::shared_ptr<ui::Button>& actionSheetBtn() const { return actionSheetBtn_; }
    const std::shared_ptr<ui::Button>& bookmarksBtn() const { return bookmarksBtn_; }
    const std::shared_ptr<ui::Button>& switchToolbar1Btn() const { return switchToolbar1Btn_; }
    const std::shared_ptr<ui::Button>& previousTopicBtn() const { return previousTopicBtn_; }
    const std::shared_ptr<ui::Button>& timerShowHideBtn() const { return timerShowHideBtn_; }
    const std::shared_ptr<ui::Button>& calculatorBtn() const { return calculatorBtn_; }
    const std::shared_ptr<ui::Button>& scratchpadBtn() const { return scratchpadBtn_; }
    const std::shared_ptr<ui::Button>& switchToolbar2Btn() const { return switchToolbar2Btn_; }
    const std::shared_ptr<ui::Label>& currentToolbarLbl() const { return currentToolbarLbl_; }
    const std::shared_ptr<ui::ImageView>& timerBackgroundIV() const { return timerBackgroundIV_; }
    const std::shared_ptr<ui::Label>& timerLabel() const { return timerLabel_; }
    const std::shared_ptr<ui::Button>& timerBtn() const { return timerBtn_; }
    const std::shared_ptr<ui::ActivityIndicator>& timerAIV() const { return timerAIV_; }
    const std::shared_ptr<ui::ImageView>& questionIncludedIV() const { return questionIncludedIV_; }

    // The page shown when no forum is configured.
    static std::string notConfiguredPage();

  private:
    // The child that reported, if it is that one: taken back through the child protocol.
    bool takeBack(const fnd::Notification& notification, std::shared_ptr<CommonViewController> child);
    void showRow(int row);

    std::string base_;
    std::shared_ptr<MBookmarks> bookmarks_;
    bool didCalledFromToolChoose_ = false;
    std::string currentUrl_;
    std::string initialAddress_;
    std::shared_ptr<ForumStopwatch> stopwatch_;
    std::shared_ptr<ForumBookmarksVC> bookmarksListVC_;
    std::shared_ptr<ForumBookmarkVC> addBookmarkVC_;
    std::shared_ptr<CommonViewController> calculatorVC_;
    std::shared_ptr<CommonViewController> scratchpadVC_;

    std::shared_ptr<ui::WebView> webView_;
    std::shared_ptr<ui::Button> mainBtn_, safariBtn_;
    std::shared_ptr<ui::View> tab1bToolB_, tab2bToolB_;
    std::shared_ptr<ui::Button> goBackBtn_, goForwardBtn_, actionSheetBtn_, bookmarksBtn_, switchToolbar1Btn_;
    std::shared_ptr<ui::Button> previousTopicBtn_, timerShowHideBtn_, calculatorBtn_, scratchpadBtn_,
        switchToolbar2Btn_;
    std::shared_ptr<ui::Label> currentToolbarLbl_;
    std::shared_ptr<ui::ImageView> timerBackgroundIV_;
    std::shared_ptr<ui::Label> timerLabel_;
    std::shared_ptr<ui::Button> timerBtn_;
    std::shared_ptr<ui::ActivityIndicator> timerAIV_;
    std::shared_ptr<ui::ImageView> questionIncludedIV_;
};

class ForumVC_iPad : public ForumVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return tabletName(ForumVC::nibIdentifier()); }
};
