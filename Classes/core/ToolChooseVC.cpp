#include "Classes/core/ToolChooseVC.h"

#include <mutex>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/HomePager.h"
#include "Classes/core/MRepository.h"
#include "Classes/core/MTips.h"
#include "Classes/core/TipVC.h"
#include "Classes/core/TipVC_iPad.h"
#include "Classes/core/ToolButton.h"
#include "Classes/core/ToolChooseVC_iPad.h"
#include "Classes/core/ToolGrid.h"
#include "Classes/core/ToolScreens.h"
#include "Classes/core/ToolViewController.h"
#include "Classes/statistics/StatSnapshot.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Random.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/WhileAlive.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/ScrollView.h"

namespace {

constexpr const char* kShowTip = "showTip";
constexpr const char* kOpenFeedback = "openFeedback";
constexpr double kExitKeyDuration = 0.2;
constexpr double kExitKeyHiddenScale = 3;

bool isPhoneGrid() { return !AbstractAppDelegate::isiPad(); }

}  // namespace

const ui::ConnectionTable& ToolChooseVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("ToolChooseVC", &CommonViewController::classConnections())
            .outlet("toolsView", &ToolChooseVC::toolsView_)
            .outlet("generalScrollView", &ToolChooseVC::generalScrollView_)
            .outlet("pageControl", &ToolChooseVC::pageControl_)
            .outlet("startBtn", &ToolChooseVC::startBtn_)
            .outlet("booksBtn", &ToolChooseVC::booksBtn_)
            .outlet("timerBtn", &ToolChooseVC::timerBtn_)
            .outlet("flashcardsBtn", &ToolChooseVC::flashcardsBtn_)
            .outlet("setsBtn", &ToolChooseVC::setsBtn_)
            .outlet("statisticsBtn", &ToolChooseVC::statisticsBtn_)
            .outlet("newsBtn", &ToolChooseVC::newsBtn_)
            .outlet("forumBtn", &ToolChooseVC::forumBtn_)
            .outlet("coursesBtn", &ToolChooseVC::coursesBtn_)
            .outlet("shopBtn", &ToolChooseVC::shopBtn_)
            .outlet("settingsBtn", &ToolChooseVC::settingsBtn_)
            .outlet("feedbackBtn", &ToolChooseVC::feedbackBtn_)
            .outlet("gameBtn", &ToolChooseVC::gameBtn_)
            .outlet("infoBtn", &ToolChooseVC::infoBtn_)
            .outlet("editTestDateBtn", &ToolChooseVC::editTestDateBtn_)
            .outlet("lightIM", &ToolChooseVC::lightIM_)
            .outlet("exitRearrangingBtn", &ToolChooseVC::exitRearrangingBtn_)
            .action("showTool:", &ToolChooseVC::showTool)
            .action("exitRearranging:", &ToolChooseVC::exitRearranging);
    return table;
}

void ToolChooseVC::registerOwners() {
    static std::once_flag once;
    std::call_once(once, [] {
        ToolButton::registerViewClass();
        ui::ConnectionTable::registerOwner(ToolChooseVC::classConnections());
        ui::ConnectionTable::registerOwner(ToolChooseVC_iPad::classConnections());
        ui::ConnectionTable::registerOwner(TipVC::classConnections());
        ui::ConnectionTable::registerOwner(TipVC_iPad::classConnections());
    });
}

void ToolChooseVC::initWithNibName(const std::string& nibName) {
    CommonViewController::initWithNibName(nibName);
    setAnimationDuration(kHomeAnimationDuration);
    isTipVisible_ = true;
    shouldOpenTip_ = true;
    feedbackBtnShouldBeShown_ = false;
}

void ToolChooseVC::viewDidLoad() {
    CommonViewController::viewDidLoad();

    generalScrollView_->addSubview(toolsView_);
    generalScrollView_->setContentSize(toolsView_->frame().size);
    pager_ = std::make_shared<HomePager>();
    pager_->attach(generalScrollView_, pageControl_);
    lightIM_->setAlpha(0);

    updateFeedbackBtn();
    showHideFeedbackBtn();

    fnd::RunLoop::main().performAfterDelay(kTipDelay, *this, kShowTip, &ToolChooseVC::showTip);

    setupToolButtons();
    toolButtonsWasArrangedOnce_ = false;
    if (ui::isPortrait(ui::Application::shared().statusBarOrientation())) arrangeFirstTime();

    observeToolButtons();
    placeExitKey(false);
    buttonStylizing(*exitRearrangingBtn_, kLightButtonStyle, true);
}

void ToolChooseVC::observeToolButtons() {
    // Held weakly, like a child's done handler: the registrations go with the screen.
    fnd::NotificationCenter& center = fnd::NotificationCenter::defaultCenter();
    auto observe = [&](const char* name, auto method) {
        center.addObserver(sharedAs<fnd::Object>(), std::string(name), nullptr,
                           fnd::whileAlive(*this, method));
    };
    observe(ToolButton::kEnterRearrangingModeNotification, &ToolChooseVC::enterRearrangingMode);
    observe(ToolButton::kDragNotification, &ToolChooseVC::dragToolButton);
    observe(ToolButton::kDraggingFinishedNotification, &ToolChooseVC::draggingFinished);
}

// ---- Tools

void ToolChooseVC::setupButton(const std::shared_ptr<ToolButton>& button, ToolScreenClass screenClass) {
    if (!button) return;
    button->setVcClass(std::move(screenClass));
    toolButtons_.push_back(button);
}

void ToolChooseVC::assignButton(const std::shared_ptr<ToolButton>& button, ToolScreenClass screenClass) {
    if (button) button->setVcClass(std::move(screenClass));
}

void ToolChooseVC::setupToolButtons() {
    toolButtons_.clear();
    // The grid's buttons in their fixed order; a button the device's interface file lacks (the
    // tablet has no statistics button) is passed over.
    const std::pair<const std::shared_ptr<ToolButton>*, const char*> grid[] = {
        {&startBtn_, "StartVC"},       {&booksBtn_, "BooksVC"},
        {&timerBtn_, "TimerV2VC"},     {&flashcardsBtn_, "FlashcardsVC"},
        {&setsBtn_, "SetsVC"},         {&statisticsBtn_, "StatisticsVC"},
        {&newsBtn_, "NewsVC"},         {&forumBtn_, "ForumVC"},
        {&coursesBtn_, "CoursesVC"},   {&shopBtn_, "ShopVC"},
        {&settingsBtn_, "SettingsVC"}, {&feedbackBtn_, "FeedbackVC"},
        {&gameBtn_, "GameVC"}};
    for (const auto& [button, name] : grid)
        if (*button) setupButton(*button, ToolScreens::named(toolScreenName(name)));
    assignButton(infoBtn_, ToolScreens::named(toolScreenName("InfoVC")));
    if (editTestDateBtn_)
        assignButton(editTestDateBtn_, ToolScreens::named(toolScreenName("EditTestDateVC")));
}

void ToolChooseVC::showTool(const Sender& sender) {
    auto button = std::dynamic_pointer_cast<ToolButton>(sender);
    if (!button || button->isSwitchingMode() || button->isInRearrangingTBtnsMode()) return;
    if (button == infoBtn_) exitRearrangingMode();
    showToolCommon(button);
}

void ToolChooseVC::showToolCommon(const std::shared_ptr<ToolButton>& button) {
    // A button without a screen class would leave the home screen faded with nothing over it.
    if (!button->vcClass()) return;
    openTool(button, button->vcClass().make);
}

void ToolChooseVC::showForumWithUrlString(const std::string& address) {
    if (!forumBtn_) return;
    std::string className = toolScreenName("ForumVC");
    openTool(forumBtn_, [className, address] { return ToolScreens::forumAt(className, address); });
}

void ToolChooseVC::openTool(const std::shared_ptr<ToolButton>& button, const ToolScreenClass::Factory& make) {
    if (!canOpenSubview() || !openAnimationOfButton(button)) return;
    toolBtn_ = button;
    toolVC_ = make();
    if (toolVC_)
        registerMainChildDoneHandler(&ToolChooseVC::didObtainToolDoneNotification,
                                     std::string(ToolViewController::kToolDoneNotification), toolVC_);
}

void ToolChooseVC::didObtainToolDoneNotification(const fnd::Notification& notification) {
    if (!proceedDoneNotification(&notification, toolVC_)) return;
    toolVC_ = nullptr;
    if (toolBtn_) closeAnimationOfButton(toolBtn_);
    exitRearrangingBtn_->setAlpha(0);
}

bool ToolChooseVC::openAnimationOfButton(const std::shared_ptr<ToolButton>& button) {
    if (animationOfButtonIsOpened_) return false;
    animationOfButtonIsOpened_ = true;
    lightIM_->setCenter(button->center());
    button->setTag(kStillTag);
    viewDisappear(*view(), false);
    button->openAnimation();
    shouldOpenTip_ = false;
    isTipVisible_ = false;
    fnd::RunLoop::main().cancelPerforms(this, kShowTip);
    return true;
}

void ToolChooseVC::closeAnimationOfButton(const std::shared_ptr<ToolButton>& button) {
    button->closeAnimation();
    showHideFeedbackBtn();
    viewAppear(*view(), false);
    animationOfButtonIsOpened_ = false;
    button->setTag(0);
    if (tipVC_) closeTip();
    shouldOpenTip_ = true;
}

void ToolChooseVC::update() { updateFeedbackBtn(); }

// The phone has no statistics on its home screen.
void ToolChooseVC::updateStatistcs(bool) {}

void ToolChooseVC::save() {
    exitRearrangingMode();
    if (toolVC_) toolVC_->protectedSave();
}

// ---- The feedback button

void ToolChooseVC::updateFeedbackBtn() {
    feedbackBtnShouldBeShown_ = true;
    auto rep = AbstractAppDelegate::sharedRep();
    if (rep && rep->feedbackOpenCounter() == 0) {
        // Counted, not gathered: the home screen shows after this, at every start.
        if (StatSnapshot::countAttempts(*rep, kFeedbackAnswers + 1) <= kFeedbackAnswers)
            feedbackBtnShouldBeShown_ = false;
    }
}

void ToolChooseVC::showHideFeedbackBtn() {
    if (!feedbackBtn_) return;
    feedbackBtn_->setHidden(!feedbackBtnShouldBeShown_);
    feedbackBtn_->lbl()->setHidden(!feedbackBtnShouldBeShown_);
    if (!feedbackBtnShouldBeShown_) return;
    // Before the first arrangement there is no order to insert the button into.
    if (toolButtons_.empty() || !toolButtonsWasArrangedOnce_) {
        feedbackAppearancePending_ = true;
        return;
    }
    feedbackAppearancePending_ = false;
    // The button goes into the grid once: while it has no position.
    if (numberInOrderForToolButton(*feedbackBtn_) == ToolButtonOrder::kHidden)
        rearrangeToolButtonsUsingDrivingToolButton(feedbackBtn_);
    auto rep = AbstractAppDelegate::sharedRep();
    if (rep && rep->feedbackOpenCounter() == 0) {
        fnd::RunLoop::main().performAfterDelay(animationDuration(), *this, kOpenFeedback,
                                               &ToolChooseVC::openFeedback);
    }
}

// The feedback screen opens by itself the first time its button shows.
void ToolChooseVC::openFeedback() { showTool(feedbackBtn_); }

// ---- Tips

std::shared_ptr<TipVC> ToolChooseVC::makeTipVC(const std::shared_ptr<MTip>& tip) {
    return ui::make<TipVC>(tip);
}

void ToolChooseVC::showTip() {
    auto rep = AbstractAppDelegate::sharedRep();
    if (!rep || rep->doNotShowTips() || !isTipVisible_ || tipVC_ || !rep->tipSet()) return;
    std::shared_ptr<MTip> tip = rep->tipSet()->randomTip();
    if (!tip) return;
    tipVC_ = makeTipVC(tip);
    registerDoneHandler(&ToolChooseVC::tipNotifications, std::nullopt, tipVC_);
    tipBandChanged();
}

void ToolChooseVC::tipNotifications(const fnd::Notification& notification) {
    if (!proceedDoneNotification(&notification, tipVC_)) return;
    tipVC_ = nullptr;
    isTipVisible_ = false;
    tipBandChanged();
}

void ToolChooseVC::closeTip() {
    if (tipVC_) {
        fnd::NotificationCenter::defaultCenter().removeObserverForObject(notificationId(this),
                                                                         notificationId(tipVC_.get()));
        tipVC_->close();
        tipVC_ = nullptr;
        tipBandChanged();
    }
    isTipVisible_ = false;
}

void ToolChooseVC::scheduleTip() {
    if (isTipVisible_ || !shouldOpenTip_) return;
    fnd::RunLoop::main().performAfterDelay(kTipDelay, *this, kShowTip, &ToolChooseVC::showTip);
    isTipVisible_ = true;
}

// ---- Rotation

bool ToolChooseVC::shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation orientation) {
    return orientation == ui::InterfaceOrientation::Portrait;
}

void ToolChooseVC::willRotateToInterfaceOrientation(ui::InterfaceOrientation orientation, double duration) {
    CommonViewController::willRotateToInterfaceOrientation(orientation, duration);
    fnd::NotificationCenter::defaultCenter().post(kWillRotateNotification, sharedAs<ToolChooseVC>());
}

void ToolChooseVC::didRotateFromInterfaceOrientation(ui::InterfaceOrientation from) {
    CommonViewController::didRotateFromInterfaceOrientation(from);
    if (!toolButtonsWasArrangedOnce_ && ui::isLandscape(ui::Application::shared().statusBarOrientation()))
        arrangeFirstTime();
    for (const auto& button : toolButtons_) {
        button->setInitialCenter(button->center());
        if (button->openedVC()) {
            // The open button has moved with its slot, shifted as it opened; the light stayed
            // where the slot was before the turn. Both go by the slot as it is now.
            ui::Point home =
                button->center() - ui::Point{button->openAnimationShiftX(), button->openAnimationShiftY()};
            button->setInitialCenter(home);
            lightIM_->setCenter(home);
        }
    }
    fnd::NotificationCenter::defaultCenter().post(kDidRotateNotification, sharedAs<ToolChooseVC>());
}

// ---- The order and rearranging

std::optional<std::size_t> ToolChooseVC::indexOf(const ToolButton& button) const {
    for (std::size_t i = 0; i < toolButtons_.size(); ++i)
        if (toolButtons_[i].get() == &button) return i;
    return std::nullopt;
}

std::optional<std::size_t> ToolChooseVC::feedbackIndex() const {
    return feedbackBtn_ ? indexOf(*feedbackBtn_) : std::nullopt;
}

int ToolChooseVC::numberInOrderForToolButton(const ToolButton& button) const {
    std::optional<std::size_t> index = indexOf(button);
    return index ? ToolButtonOrder::positionOf(toolButtonsOrder_, *index) : ToolGrid::kNoPosition;
}

std::shared_ptr<ToolButton> ToolChooseVC::toolButtonWithNumberInOrder(int position) const {
    std::optional<std::size_t> index = ToolButtonOrder::indexAt(toolButtonsOrder_, position);
    return index && *index < toolButtons_.size() ? toolButtons_[*index] : nullptr;
}

void ToolChooseVC::storeOrder(const ToolButtonOrder::Order& order) {
    toolButtonsOrder_ = order;
    if (auto rep = AbstractAppDelegate::sharedRep()) rep->setToolButtonsOrder(order);
}

ToolButtonOrder::Order ToolChooseVC::adoptStoredOrder() {
    auto rep = AbstractAppDelegate::sharedRep();
    const bool phone = isPhoneGrid();
    const std::size_t count = toolButtons_.size();
    ToolButtonOrder::Order order;
    if (rep && rep->toolButtonsOrder()) {
        order = ToolButtonOrder::completed(*rep->toolButtonsOrder(), count, feedbackIndex(), phone);
    } else {
        bool hidden = feedbackBtn_ && feedbackBtn_->isHidden();
        order = ToolButtonOrder::defaultOrder(count, hidden ? feedbackIndex() : std::nullopt, phone);
    }
    // The repository is written only when the order it holds had to change.
    if (rep && rep->toolButtonsOrder() == order)
        toolButtonsOrder_ = order;
    else
        storeOrder(order);
    return order;
}

void ToolChooseVC::arrangeToolButtonsExceptDriving(const std::shared_ptr<ToolButton>& driving, bool setup) {
    const ToolButtonOrder::Order order = adoptStoredOrder();
    const std::size_t count = toolButtons_.size();

    if (!setup) {
        ui::Animation::begin("ArrangeToolButtons");
        ui::Animation::setDuration(animationDuration() / 2);
        ui::Animation::setCurve(ui::AnimationCurve::EaseIn);
    }
    for (std::size_t i = 0; i < count; ++i) {
        const auto& button = toolButtons_[i];
        int position = order[i];
        if (button == driving)
            button->linkToPosition(position);
        else if (position != ToolButtonOrder::kHidden)
            button->putToPosition(position);
    }
    if (!setup) ui::Animation::commit();

    for (std::size_t i = 0; i < count; ++i) {
        const auto& button = toolButtons_[i];
        if (setup) {
            button->setupStates();
            button->setTimerDelay(button->timerDelay() * fnd::Random::uniform(1000) * 0.001);
            // Neighbours swing against each other.
            button->setFi(button->fi() * (i % 2 ? -1 : 1));
        } else if (button != driving) {
            button->setInitialCenter(button->center());
        }
    }
    isRearrangingToolButtons_ = false;
}

void ToolChooseVC::arrangeFirstTime() {
    arrangeToolButtonsExceptDriving(nullptr, true);
    toolButtonsWasArrangedOnce_ = true;
    // The feedback button that showed at load comes into the grid now that there is one.
    if (feedbackAppearancePending_) showHideFeedbackBtn();
}

void ToolChooseVC::rearrangeToolButtonsUsingDrivingToolButton(const std::shared_ptr<ToolButton>& driving) {
    if (isRearrangingToolButtons_ || !driving) return;
    std::optional<std::size_t> index = indexOf(*driving);
    if (!index) return;
    const bool phone = isPhoneGrid();
    ToolButtonOrder::Order next;
    std::shared_ptr<ToolButton> mover = driving;
    if (driving == feedbackBtn_ && numberInOrderForToolButton(*driving) == ToolButtonOrder::kHidden) {
        isRearrangingToolButtons_ = true;
        next = ToolButtonOrder::withFeedbackInserted(toolButtonsOrder_, *index, phone);
        if (phone) generalScrollView_->setContentOffset({0, 0}, true);
        mover = nullptr;
    } else {
        std::optional<ToolButtonOrder::Order> moved =
            ToolButtonOrder::dragged(toolButtonsOrder_, *index, driving->closestPosition(),
                                     ToolGrid::isOnFirstPage(driving->initialCenter().x),
                                     ToolGrid::isOnFirstPage(driving->center().x), phone);
        if (!moved) return;
        isRearrangingToolButtons_ = true;
        next = std::move(*moved);
    }
    storeOrder(next);
    arrangeToolButtonsExceptDriving(mover, false);
}

bool ToolChooseVC::isRearranging() const { return exitRearrangingBtn_ && exitRearrangingBtn_->alpha() > 0.5; }

void ToolChooseVC::enterRearrangingMode() {
    if (isTipVisible_) closeTip();
    for (const auto& button : toolButtons_) button->enterRearrangingAnimation();
    makeExitRearrangingBtnVisible(true);
    fnd::NotificationCenter::defaultCenter().post(kRearrangingStartedEvent, sharedAs<ToolChooseVC>());
}

void ToolChooseVC::exitRearrangingMode() {
    if (!isRearranging()) return;
    for (const auto& button : toolButtons_) button->exitRearrangingAnimation();
    makeExitRearrangingBtnVisible(false);
}

void ToolChooseVC::exitRearranging(const Sender&) { exitRearrangingMode(); }

void ToolChooseVC::makeExitRearrangingBtnVisible(bool visible) {
    ui::Animation::begin("ExitRearrangingKey");
    ui::Animation::setDuration(kExitKeyDuration);
    ui::Animation::setCurve(ui::AnimationCurve::EaseOut);
    placeExitKey(visible);
    ui::Animation::commit();
}

void ToolChooseVC::placeExitKey(bool visible) {
    if (visible) {
        exitRearrangingBtn_->setAlpha(1);
        exitRearrangingBtn_->setTransform(ui::AffineTransform::identity());
        exitRearrangingBtn_->setCenter(exitRearrangingBtn_->center() + ui::Point{0, kExitKeyShift});
    } else {
        exitRearrangingBtn_->setCenter(exitRearrangingBtn_->center() - ui::Point{0, kExitKeyShift});
        exitRearrangingBtn_->setTransform(ui::AffineTransform::scale(kExitKeyHiddenScale));
        exitRearrangingBtn_->setAlpha(0);
    }
}

void ToolChooseVC::dragToolButton(const fnd::Notification& notification) {
    if (isRearrangingToolButtons_) return;
    auto button = notification.objectAs<ToolButton>();
    if (!button || !indexOf(*button)) return;
    // On the phone the page may turn; the button stays under the finger.
    if (isPhoneGrid())
        button->setCenter(button->center() +
                          pager_->followDrag(button->center().x, ToolGrid::kPhonePageWidth));
    rearrangeToolButtonsUsingDrivingToolButton(button);
}

void ToolChooseVC::draggingFinished(const fnd::Notification& notification) {
    if (auto button = notification.objectAs<ToolButton>())
        button->returnBackAfterDelay(animationDuration() / 2);
}
