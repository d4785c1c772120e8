#pragma once
// The home screen: one button per tool on a grid (on the phone two pages side by side, on the
// tablet five columns), the info button, the tip band and, on the tablet, the test-date button.
// Every tool screen and overlay of the program lies over its view.
//
// Tool protocol: a tap on a button makes a fresh screen of the button's class (which shows itself),
// makes it the main child and waits for its "ToolDoneNotification"; then the tool is taken back
// and the button comes back to its place. One tool is open at a time.
//
// The grid buttons can be rearranged: a button held for 1.5 s starts rearranging mode, in which the
// buttons wobble and can be dragged; the others make room while the finger moves, and the order is
// kept in the repository (`toolButtonsOrder`, see ToolButtonOrder).

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Classes/core/CommonViewController.h"
#include "Classes/core/ToolButtonOrder.h"
#include "Classes/core/ToolHost.h"
#include "Classes/core/ToolScreenClass.h"

class HomePager;
class MTip;
class TipVC;
class ToolButton;
class ToolViewController;
namespace ui {
class Button;
class ImageView;
class PageControl;
class ScrollView;
}  // namespace ui

class ToolChooseVC : public CommonViewController, public ToolHost {
  public:
    static constexpr const char* kWillRotateNotification = "WillRotateFromInterfaceOrientation_Notification";
    static constexpr const char* kDidRotateNotification = "DidRotateFromInterfaceOrientation_Notification";
    static constexpr const char* kRearrangingStartedEvent = "TipsEvent_RearrangingStarted";
    static constexpr double kHomeAnimationDuration = 0.3;
    // A tip comes this long after the screen loads or the application becomes active.
    static constexpr double kTipDelay = 1.0;
    // The feedback button shows once the user has more answers than this.
    static constexpr std::size_t kFeedbackAnswers = 400;
    // How far the exit key of rearranging mode moves as it shows and hides.
    static constexpr double kExitKeyShift = 50;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    // Registers the owner tables of the home screens, the tip bands and the pending tool screen,
    // and the ToolButton view class.
    static void registerOwners();

    void initWithNibName(const std::string& nibName) override;
    std::string nibIdentifier() const override { return "ToolChooseView"; }
    void viewDidLoad() override;
    // The home screen is put in the window by the application delegate: no entrance of its own.
    void animation() override {}
    void outAnimation() override {}

    // ---- Tools

    // The grid buttons in their fixed order, each with its screen class; the info button's class
    // and, on the tablet, the test-date button's.
    void setupToolButtons();
    // The name of a tool's screen class on this device: the tablet's twins end in "_iPad".
    virtual std::string toolScreenName(const std::string& name) const { return name; }
    void setupButton(const std::shared_ptr<ToolButton>& button, ToolScreenClass screenClass);
    static void assignButton(const std::shared_ptr<ToolButton>& button, ToolScreenClass screenClass);
    // The action of every tool button.
    void showTool(const Sender& sender);
    void showToolCommon(const std::shared_ptr<ToolButton>& button);
    // Opens the forum tool on that address, as its button would open it on the forum's first page
    // (the library hands its forum links here). Nothing while a tool is open.
    void showForumWithUrlString(const std::string& address);
    void didObtainToolDoneNotification(const fnd::Notification& notification);
    virtual bool openAnimationOfButton(const std::shared_ptr<ToolButton>& button);
    virtual void closeAnimationOfButton(const std::shared_ptr<ToolButton>& button);
    // ToolHost.
    void update() override;
    void updateStatistcs(bool canUpdate) override;
    // Going to the background or ending: rearranging ends and the open tool saves.
    void save();

    // ---- The feedback button

    void updateFeedbackBtn();
    void showHideFeedbackBtn();
    void openFeedback();

    // ---- Tips

    virtual void showTip();
    void closeTip();
    void tipNotifications(const fnd::Notification& notification);
    // The application became active: a tip after a second, unless one is up or a tool is open.
    void scheduleTip();

    // ---- Rotation

    bool shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation orientation) override;
    void willRotateToInterfaceOrientation(ui::InterfaceOrientation orientation, double duration) override;
    void didRotateFromInterfaceOrientation(ui::InterfaceOrientation from) override;

    // ---- The order and rearranging

    int numberInOrderForToolButton(const ToolButton& button) const;
    std::shared_ptr<ToolButton> toolButtonWithNumberInOrder(int position) const;
    void arrangeToolButtonsExceptDriving(const std::shared_ptr<ToolButton>& driving, bool setup);
    void rearrangeToolButtonsUsingDrivingToolButton(const std::shared_ptr<ToolButton>& driving);
    void enterRearrangingMode();
    void exitRearrangingMode();
    void exitRearranging(const Sender& sender);
    void makeExitRearrangingBtnVisible(bool visible);
    void dragToolButton(const fnd::Notification& notification);
    void draggingFinished(const fnd::Notification& notification);

    // ---- Fields

    const std::vector<std::shared_ptr<ToolButton>>& toolButtons() const { return toolButtons_; }
    const ToolButtonOrder::Order& toolButtonsOrder() const { return toolButtonsOrder_; }
    const std::shared_ptr<ToolButton>& toolBtn() const { return toolBtn_; }
    const std::shared_ptr<ToolViewController>& toolVC() const { return toolVC_; }
    const std::shared_ptr<TipVC>& tipVC() const { return tipVC_; }
    bool isTipVisible() const { return isTipVisible_; }
    void setIsTipVisible(bool visible) { isTipVisible_ = visible; }
    bool shouldOpenTip() const { return shouldOpenTip_; }
    bool feedbackBtnShouldBeShown() const { return feedbackBtnShouldBeShown_; }
    bool isRearranging() const;

    const std::shared_ptr<ui::View>& toolsView() const { return toolsView_; }
    const std::shared_ptr<ui::ScrollView>& generalScrollView() const { return generalScrollView_; }
    const std::shared_ptr<ui::PageControl>& pageControl() const { return pageControl_; }
    const std::shared_ptr<ui::ImageView>& lightIM() const { return lightIM_; }
    const std::shared_ptr<ui::Button>& exitRearrangingBtn() const { return exitRearrangingBtn_; }
    const std::shared_ptr<ToolButton>& infoBtn() const { return infoBtn_; }
    const std::shared_ptr<ToolButton>& feedbackBtn() const { return feedbackBtn_; }
    // The tablet's test-date button; none on the phone.
    const std::shared_ptr<ToolButton>& editTestDateBtn() const { return editTestDateBtn_; }

  protected:
    // The tip band of the device.
    virtual std::shared_ptr<TipVC> makeTipVC(const std::shared_ptr<MTip>& tip);
    // The tip band has come or gone (tipVC() tells which).
    virtual void tipBandChanged() {}
    // The grid button's index, if it is one.
    std::optional<std::size_t> indexOf(const ToolButton& button) const;
    std::optional<std::size_t> feedbackIndex() const;
    // The first arrangement, at load or at the first rotation to a landscape orientation.
    void arrangeFirstTime();
    // Gives the order to the repository and makes it the present one.
    void storeOrder(const ToolButtonOrder::Order& order);
    // The repository's order made whole for the present buttons (the default one when it has
    // none), made the present one.
    ToolButtonOrder::Order adoptStoredOrder();
    // The exit key of rearranging mode shown in place, or hidden: moved up, enlarged, transparent.
    void placeExitKey(bool visible);
    // The grid buttons' hold, drag and drop drive the rearranging.
    void observeToolButtons();

  private:
    // The opening step shared by every tool: the button's animation, then the screen `make` gives
    // becomes the open tool.
    void openTool(const std::shared_ptr<ToolButton>& button, const ToolScreenClass::Factory& make);

    std::shared_ptr<ui::View> toolsView_;
    std::shared_ptr<ui::ScrollView> generalScrollView_;
    std::shared_ptr<ui::PageControl> pageControl_;
    std::shared_ptr<ToolButton> startBtn_, booksBtn_, timerBtn_, flashcardsBtn_, setsBtn_, statisticsBtn_,
        newsBtn_, forumBtn_, coursesBtn_, shopBtn_, settingsBtn_, feedbackBtn_, gameBtn_, infoBtn_,
        editTestDateBtn_;
    std::shared_ptr<ui::ImageView> lightIM_;
    std::shared_ptr<ui::Button> exitRearrangingBtn_;
    std::shared_ptr<ToolButton> toolBtn_;
    std::shared_ptr<ToolViewController> toolVC_;
    std::shared_ptr<TipVC> tipVC_;
    bool isTipVisible_ = true;
    bool shouldOpenTip_ = true;
    bool animationOfButtonIsOpened_ = false;
    bool feedbackBtnShouldBeShown_ = false;
    // The feedback button's first appearance waits for the first arrangement.
    bool feedbackAppearancePending_ = false;
    bool toolButtonsWasArrangedOnce_ = false;
    bool isRearrangingToolButtons_ = false;
    std::vector<std::shared_ptr<ToolButton>> toolButtons_;
    ToolButtonOrder::Order toolButtonsOrder_;
    std::shared_ptr<HomePager> pager_;
};
