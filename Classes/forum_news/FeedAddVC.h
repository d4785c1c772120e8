#pragma once
// The panel that adds a news feed by its address, dropped in from the top over the news list (on
// the phone over the whole window, on the tablet over the home screen's view, at its right). The
// address is checked by reading it as a feed: a new feed with items can be added under a source
// name of the user's choice, at the place the list chose; a known active feed is only pointed
// out, a known inactive one can be switched on. The panel tells the list by notifications with
// itself as object: "Scroll" (show the known feed), "Activate", "Insert" and "Done".

#include <memory>
#include <string>

#include "Classes/core/CommonViewController.h"
#include "platform/ui/TextField.h"

class MFeed;
class MFeeds;
namespace ui {
class ActivityIndicator;
class Button;
class Label;
}  // namespace ui

class FeedAddVC : public CommonViewController, public ui::TextFieldDelegate {
  public:
    static constexpr const char* kScrollNotification = "Scroll";
    static constexpr const char* kActivateNotification = "Activate";
    static constexpr const char* kInsertNotification = "Insert";
    static constexpr const char* kDoneNotification = "Done";
    static constexpr const char* kCreatedEvent = "TipsEvent_CustomNewsCreated";

    static constexpr const char* kEnterText = "Please, enter URL of feed you want to add";
    static constexpr const char* kCheckingText = "Checking...";
    static constexpr const char* kCheckedText = "Feed is successfully checked.";
    static constexpr const char* kFailedText = "Sorry, please check url or network.";
    static constexpr const char* kExistsText = "This feed already exists!";
    static constexpr const char* kExistsInactiveText = "This feed already exists! Activate it?";
    static constexpr const char* kAddTitle = "Add";
    static constexpr const char* kActivateTitle = "Activate";
    static constexpr const char* kNewFeedIcon = "News_rss.png";
    // The drop: squashed to this part of its height at the top, grown to full height below.
    static constexpr double kSquash = 0.05;
    static constexpr double kStartCentreY = 74;
    static constexpr double kEndCentreY = 294;
    static constexpr double kTabletStartCentreY = 54;
    static constexpr double kTabletEndCentreY = 274;
    static constexpr double kCentreFromRight = 160;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return "FeedAddView"; }

    using CommonViewController::init;
    // A new feed will go at `index` of the list.
    void init(int index);
    void viewDidLoad() override;

    void checkURL(const Sender& sender);
    // The index of the first feed of the list with that address; -1 when there is none.
    static int searchFeed(const MFeeds& feeds, const std::string& address);
    void feedUpdateNotifications(const fnd::Notification& notification);
    void addFeed(const Sender& sender);
    void doneClick(const Sender& sender);
    bool textFieldShouldReturn(ui::TextField& field) override;

    void animation() override;
    void outAnimation() override;

    int insertIndex() const { return insertIndex_; }
    int foundFeedIndex() const { return foundFeedIndex_; }
    const std::shared_ptr<MFeed>& newFeed() const { return newFeed_; }
    const std::shared_ptr<ui::Label>& statusLbl() const { return statusLbl_; }
    const std::shared_ptr<ui::Label>& feedTitleLbl() const { return feedTitleLbl_; }
    const std::shared_ptr<ui::Label>& numberOfItemsLbl() const { return numberOfItemsLbl_; }
    const std::shared_ptr<ui::TextField>& urlField() const { return urlField_; }
    const std::shared_ptr<ui::TextField>& organizationField() const { return organizationField_; }
    const std::shared_ptr<ui::Button>& checkBtn() const { return checkBtn_; }
    const std::shared_ptr<ui::Button>& addBtn() const { return addBtn_; }
    const std::shared_ptr<ui::ActivityIndicator>& checkingIV() const { return checkingIV_; }

  private:
    // Shows the outcome's status; the found feed's title, item count, source field and add key
    // only for a new feed with items.
    void showOutcome(const std::string& status, bool newFeedParts);
    void post(const char* name);
    // The centres of the drop on the device.
    ui::Point startCentre() const;
    ui::Point endCentre() const;

    int insertIndex_ = 0;
    int foundFeedIndex_ = -1;
    std::shared_ptr<MFeed> newFeed_;
    std::shared_ptr<ui::Label> statusLbl_, feedTitleLbl_, numberOfItemsLbl_;
    std::shared_ptr<ui::TextField> urlField_, organizationField_;
    std::shared_ptr<ui::Button> checkBtn_, addBtn_;
    std::shared_ptr<ui::ActivityIndicator> checkingIV_;
};
