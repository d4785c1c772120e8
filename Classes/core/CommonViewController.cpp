#include "Classes/core/CommonViewController.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/CommonConfirmVC.h"
#include "Classes/core/FontAdjustVC.h"
#include "Classes/core/GameViewController.h"
#include "Classes/core/InfoVC.h"
#include "Classes/core/LoadingVC.h"
#include "Classes/core/OptionsViewController.h"
#include "Classes/core/RotatedViewController.h"
#include "Classes/core/WebViewCustom.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Button.h"
#include "platform/ui/Device.h"
#include "platform/ui/EditMenu.h"
#include "platform/ui/Image.h"
#include "platform/ui/Pasteboard.h"
#include "platform/ui/View.h"
#include "platform/ui/WebView.h"

namespace {

constexpr const char* kCopyAction = "copy:";

}  // namespace

const ui::ConnectionTable& CommonViewController::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("CommonViewController", &ui::ViewController::classConnections())
            .action(kOpenDictionaryAction, &CommonViewController::openDictionary);
    return table;
}

void CommonViewController::registerOwners() {
    for (const ui::ConnectionTable* table :
         {&CommonViewController::classConnections(), &ToolViewController::classConnections(),
          &SliddenViewController::classConnections(), &OptionsViewController::classConnections(),
          &RotatedViewController::classConnections(), &GameViewController::classConnections(),
          &CommonConfirmVC::classConnections(), &LoadingVC::classConnections(),
          &FontAdjustVC::classConnections(), &InfoVC::classConnections(), &InfoVC_iPad::classConnections()})
        ui::ConnectionTable::registerOwner(*table);
}

void CommonViewController::init() {
    initWithNibName(nibIdentifier());
    animation();
}

void CommonViewController::initWithNibName(const std::string& nibName) {
    ui::ViewController::initWithNibName(nibName);
    animationDuration_ = kDefaultAnimationDuration;
    ui::EditMenu::shared().setMenuItems({{kDictionaryItemTitle, kOpenDictionaryAction}});
    self_ = sharedAs<CommonViewController>();
}

// ---- Children

bool CommonViewController::canOpenSubview() const { return !mainChild_ && !isClosing_; }

void CommonViewController::registerDoneHandler(DoneHandler handler, std::optional<std::string> name,
                                               const std::shared_ptr<CommonViewController>& child) {
    if (!child) return;
    // Held weakly: a screen that has gone is not called.
    fnd::NotificationCenter::defaultCenter().addObserver(sharedAs<fnd::Object>(), std::move(name),
                                                         notificationId(child.get()), std::move(handler));
}

void CommonViewController::registerMainChildDoneHandler(DoneHandler handler, std::optional<std::string> name,
                                                        const std::shared_ptr<CommonViewController>& child) {
    if (!child) return;
    registerDoneHandler(std::move(handler), std::move(name), child);
    mainChild_ = child;
}

void CommonViewController::closeChild(std::shared_ptr<CommonViewController>& child) {
    if (!child) return;
    auto leaving = std::move(child);
    fnd::NotificationCenter::defaultCenter().removeObserverForObject(notificationId(this),
                                                                     notificationId(leaving.get()));
    if (mainChild() == leaving) setMainChild(nullptr);
    leaving->back();
}

bool CommonViewController::proceedDoneNotification(const fnd::Notification* notification,
                                                   const std::shared_ptr<CommonViewController>& controller) {
    if (!controller) return false;
    // The grandchild ends first.
    if (controller->mainChild()) return false;
    if (notification && notification->objectId != notificationId(controller.get())) return false;
    if (mainChild_ == controller) mainChild_.reset();
    fnd::NotificationCenter::defaultCenter().removeObserverForObject(notificationId(this),
                                                                     notificationId(controller.get()));
    controller->back();
    return true;
}

// ---- Going away

void CommonViewController::hide() {
    if (std::shared_ptr<ui::View> view = viewIfLoaded()) view->removeFromSuperview();
}

void CommonViewController::close() {
    hide();
    fnd::NotificationCenter::defaultCenter().removeObserver(notificationId(this));
    // The screen may end with its last reference; it does so when this call returns.
    std::shared_ptr<CommonViewController> keep = std::move(self_);
}

void CommonViewController::moveOut() {
    outAnimation();
    fnd::RunLoop::main().performAfterDelay(animationDuration_, *this, "hide", &CommonViewController::hide);
}

void CommonViewController::back() {
    if (dictionaryVC_) {
        dictionaryVC_->back();
        dictionaryVC_.reset();
    }
    isClosing_ = true;
    outAnimation();
    fnd::NotificationCenter::defaultCenter().removeObserver(notificationId(this));
    // The delayed close keeps the screen until it has run.
    std::shared_ptr<CommonViewController> self = sharedAs<CommonViewController>();
    fnd::RunLoop::main().performAfterDelay(animationDuration_, this, "close", [self] { self->close(); });
}

void CommonViewController::animation() {
    throw fnd::UnrecognizedSelector(connections().className() + " animation");
}

void CommonViewController::outAnimation() {
    throw fnd::UnrecognizedSelector(connections().className() + " outAnimation");
}

// ---- Looks

void CommonViewController::buttonStylizing(ui::Button& button, const std::string& type, bool /*isActive*/) {
    if (type == kLightButtonStyle) {
        auto stretched = [](const char* name) -> std::shared_ptr<const ui::Image> {
            std::shared_ptr<const ui::Image> image = ui::Image::named(name);
            return image ? image->stretchable(kButtonCap, kButtonCap) : nullptr;
        };
        button.setBackgroundImage(stretched(kLightButtonImage), ui::StateNormal);
        button.setBackgroundImage(stretched(kLightButtonHighlightedImage), ui::StateHighlighted);
    } else if (type == kDarkButtonStyle) {
        button.setBackgroundImage(nullptr, ui::StateNormal);
    }
}

std::vector<std::shared_ptr<ui::View>> CommonViewController::viewsToAnimateFromView(const ui::View& view) {
    std::vector<std::shared_ptr<ui::View>> views;
    for (const std::shared_ptr<ui::View>& subview : view.subviews()) {
        if (subview->tag() == kStillTag) continue;
        if (subview->tag() == kContainerTag) {
            std::vector<std::shared_ptr<ui::View>> inner = viewsToAnimateFromView(*subview);
            views.insert(views.end(), inner.begin(), inner.end());
        } else {
            views.push_back(subview);
        }
    }
    return views;
}

bool CommonViewController::shrinks(const ui::View& view) {
    ui::Size size = view.bounds().size;
    // A view without height counts as flat.
    return size.width < kScalingWidthLimit && size.height > 0 &&
           size.width / size.height < kScalingRatioLimit;
}

void CommonViewController::viewAppear(const ui::View& view, bool transformation) {
    std::vector<std::shared_ptr<ui::View>> views = viewsToAnimateFromView(view);
    for (const auto& v : views) {
        if (transformation && shrinks(*v)) v->setTransform(ui::AffineTransform::scale(kShrunkScale));
        v->setAlpha(0);
    }
    ui::Animation::begin();
    ui::Animation::setDuration(animationDuration_);
    ui::Animation::setCurve(ui::AnimationCurve::EaseInOut);
    ui::Animation::setDelay(animationDuration_ * 2 / 3);
    for (const auto& v : views) {
        if (transformation) v->setTransform(ui::AffineTransform::identity());
        v->setAlpha(1);
    }
    ui::Animation::commit();
}

void CommonViewController::viewDisappear(const ui::View& view, bool transformation) {
    std::vector<std::shared_ptr<ui::View>> views = viewsToAnimateFromView(view);
    ui::Animation::begin();
    ui::Animation::setDuration(animationDuration_ / 3);
    ui::Animation::setCurve(ui::AnimationCurve::EaseInOut);
    for (const auto& v : views) {
        if (transformation && shrinks(*v)) v->setTransform(ui::AffineTransform::scale(kShrunkScale));
        v->setAlpha(0);
    }
    ui::Animation::commit();
}

// ---- The edit menu's "Dictionary"

void CommonViewController::openDictionary(const Sender& sender) {
    if (!canOpenSubview()) return;
    std::shared_ptr<ui::View> root = viewIfLoaded();
    if (!root) return;
    std::optional<std::string> word = selectedTextInView(sender, *root);
    if (!word) return;
    // On the tablet the panel is no main child, so one may be open already: it goes first, so
    // that no panel is left without its handler.
    if (dictionaryVC_) {
        std::shared_ptr<CommonViewController> earlier = std::move(dictionaryVC_);
        fnd::NotificationCenter::defaultCenter().removeObserverForObject(notificationId(this),
                                                                         notificationId(earlier.get()));
        earlier->back();
    }
    std::shared_ptr<CommonViewController> dictionary = makeDictionaryVC(*word);
    if (!dictionary) return;
    dictionaryVC_ = dictionary;
    if (ui::Device::current().isTablet())
        registerDoneHandler(&CommonViewController::dictionaryNotifications, std::nullopt, dictionary);
    else
        registerMainChildDoneHandler(&CommonViewController::dictionaryNotifications, std::nullopt,
                                     dictionary);
}

std::shared_ptr<CommonViewController> CommonViewController::makeDictionaryVC(const std::string&) {
    return nullptr;
}

void CommonViewController::dictionaryNotifications(const fnd::Notification& notification) {
    // The panel is the notification's own, whichever panel is open now.
    std::shared_ptr<CommonViewController> panel = notification.objectAs<CommonViewController>();
    if (!proceedDoneNotification(&notification, panel)) return;
    if (panel == dictionaryVC_) dictionaryVC_.reset();
}

bool CommonViewController::canPerformAction(const std::string& action, const Sender&) {
    return action == kOpenDictionaryAction;
}

std::optional<std::string> CommonViewController::selectedTextInView(const Sender& sender, ui::View& view) {
    for (const std::shared_ptr<ui::View>& subview : view.subviews()) {
        std::string text;
        if (auto* webView = dynamic_cast<ui::WebView*>(subview.get())) {
            text = WebViewCustom::selectedText(*webView);
        } else if (subview->respondsToAction(kCopyAction) && subview->canPerformAction(kCopyAction, sender)) {
            // The copy goes through the pasteboard; what the user kept there is put back.
            ui::Pasteboard& pasteboard = ui::Pasteboard::general();
            std::optional<std::string> kept = pasteboard.string();
            long before = pasteboard.changeCount();
            subview->performAction(kCopyAction, sender);
            if (pasteboard.changeCount() != before) {
                text = pasteboard.string().value_or("");
                pasteboard.setString(std::move(kept));
            }
        }
        if (!text.empty()) {
            // Ends the selection and puts the menu away.
            subview->setUserInteractionEnabled(false);
            subview->setUserInteractionEnabled(true);
            return text;
        }
        if (std::optional<std::string> inner = selectedTextInView(sender, *subview)) return inner;
    }
    return std::nullopt;
}

// ---- Fields

std::string CommonViewController::nibNameForDevice(const std::string& name) {
    return ui::Device::current().isTablet() ? tabletName(name) : name;
}

std::shared_ptr<ui::ViewController> CommonViewController::homeScreen() {
    std::shared_ptr<AbstractAppDelegate> delegate = AbstractAppDelegate::shared();
    return delegate ? delegate->homeScreen() : nullptr;
}

std::shared_ptr<ui::View> CommonViewController::homeView() {
    std::shared_ptr<ui::ViewController> home = homeScreen();
    return home ? home->view() : nullptr;
}

void CommonViewController::performLater(double delay, const void* target, const char* action,
                                        std::function<void()> call) {
    fnd::RunLoop::main().performAfterDelay(delay, target, action, std::move(call));
}
