#include "platform/ui/Application.h"

#include <algorithm>

#include "platform/foundation/Log.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Accelerometer.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Animation.h"
#include "platform/ui/ApplicationDelegate.h"
#include "platform/ui/EditMenu.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/Make.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/TextInput.h"
#include "platform/ui/TouchRouter.h"
#include "platform/ui/ViewController.h"
#include "platform/ui/Window.h"

namespace ui {

namespace {

// A layer over the window that takes no touches itself, only its subviews do (the edit menu).
class PassThroughView : public View {
  public:
    std::shared_ptr<View> hitTest(Point point) override {
        std::shared_ptr<View> hit = View::hitTest(point);
        return hit.get() == this ? nullptr : hit;
    }
    // The display lets pointers through it too, to the web views' frames below.
    void describe(PrimitiveProperties& p) const override {
        View::describe(p);
        p.emplace_back("passesTouches", true);
    }
};

Size screenSize() { return {Device::current().screenWidth(), Device::current().screenHeight()}; }

std::shared_ptr<View> findElement(const std::shared_ptr<View>& view, std::uint64_t id) {
    if (!view) return nullptr;
    if (view->elementId() == id) return view;
    for (const auto& sub : view->subviews())
        if (auto found = findElement(sub, id)) return found;
    return nullptr;
}

}  // namespace

Application& Application::shared() {
    static Application application;
    return application;
}

Application::Application() = default;
Application::~Application() = default;

void Application::launch(std::shared_ptr<ApplicationDelegate> delegate) {
    if (state_ != State::NotRunning) {
        fnd::Log::warning("application: launched already");
        return;
    }
    Size screen = screenSize();
    screen_ = ui::make<View>(Rect{{0, 0}, screen});
    screen_->setBackgroundColor(Color::blackColor());
    window_ = ui::make<Window>(Rect{{0, 0}, screen});
    window_->setHidden(true);
    screen_->addSubview(window_);
    interfaceLayer_ = ui::make<PassThroughView>(Rect{{0, 0}, screen});
    screen_->addSubview(interfaceLayer_);
    statusBar_ = ui::make<StatusBar>(Rect{0, 0, screen.width, StatusBar::kHeight});
    statusBar_->setAutoresizingMask(FlexibleWidth);
    interfaceLayer_->addSubview(statusBar_);
    placeInterfaceLayer();
    router_ = std::make_unique<TouchRouter>(screen_);
    EditMenu::shared().setHost(interfaceLayer_);
    // Alerts appear over the window and turn with the interface, as the edit menu does.
    std::weak_ptr<View> layer = interfaceLayer_;
    AlertView::setHost([layer] { return layer.lock(); });

    state_ = State::Inactive;
    delegate_ = std::move(delegate);
    if (delegate_) {
        delegate_->setWindow(window_);
        delegate_->applicationDidFinishLaunching(*this);
    }
    post(kDidFinishLaunchingNotification);
    becomeActive();
}

void Application::reset() {
    if (router_) router_->cancelAll();
    router_.reset();
    EditMenu::shared().reset();
    AlertView::setHost(nullptr);
    if (auto first = Responder::firstResponder()) first->relinquishFirstResponder();
    Keyboard::shared().reset();
    state_ = State::NotRunning;
    delegate_.reset();
    keyWindow_.reset();
    window_.reset();
    statusBar_.reset();
    interfaceLayer_.reset();
    screen_.reset();
    opener_ = nullptr;
    openableSchemes_ = knownSchemes();
    orientation_ = InterfaceOrientation::Portrait;
    deviceInterfaceOrientation_.reset();
    statusBarHidden_ = false;
    idleTimerDisabled_ = false;
    networkActivity_ = false;
}

std::vector<std::shared_ptr<Window>> Application::windows() const {
    if (!window_) return {};
    return {window_};
}

Rect Application::applicationFrame() const {
    Size size = interfaceSize(orientation_, screenSize());
    double top = statusBarHidden_ ? 0 : StatusBar::kHeight;
    return {0, top, size.width, size.height - top};
}

void Application::post(const char* name) {
    fnd::NotificationCenter::defaultCenter().post(name, static_cast<const void*>(this));
}

// ---- Life

void Application::becomeActive() {
    if (state_ != State::Inactive && state_ != State::Background) return;
    state_ = State::Active;
    if (delegate_) delegate_->applicationDidBecomeActive(*this);
    post(kDidBecomeActiveNotification);
}

void Application::enterBackground() {
    if (state_ != State::Inactive && state_ != State::Active) return;
    cancelAllTouches();
    state_ = State::Background;
    if (delegate_) delegate_->applicationDidEnterBackground(*this);
    post(kDidEnterBackgroundNotification);
}

void Application::terminate() {
    if (state_ == State::NotRunning || state_ == State::Terminated) return;
    enterBackground();  // nothing when the application is in the background already
    cancelAllTouches();
    state_ = State::Terminated;
    if (delegate_) delegate_->applicationWillTerminate(*this);
    post(kWillTerminateNotification);
}

// ---- Touches

void Application::touchBegan(int identifier, Point location) {
    if (!router_) return;
    EditMenu& menu = EditMenu::shared();
    if (std::shared_ptr<View> menuView = menu.menuView()) {
        std::shared_ptr<View> hit = screen_->hitTest(location);
        if (!hit || !hit->isDescendantOf(menuView.get())) menu.setMenuVisible(false);
    }
    router_->began(identifier, location);
}

void Application::touchMoved(int identifier, Point location) {
    if (router_) router_->moved(identifier, location);
}

void Application::touchEnded(int identifier, Point location) {
    if (router_) router_->ended(identifier, location);
}

void Application::touchCancelled(int identifier) {
    if (router_) router_->cancelled(identifier);
}

void Application::cancelAllTouches() {
    if (router_) router_->cancelAll();
}

// ---- Selections and motion

void Application::selectionChanged(std::uint64_t elementId, const std::string& text, const Rect& rect) {
    std::shared_ptr<View> view = viewWithElementId(elementId);
    if (!view) return;
    // An input's own selection decides: a report made before the display had its latest text says
    // nothing about what is selected now.
    if (auto* input = dynamic_cast<TextInput*>(view.get());
        input && !text.empty() && input->selectedText() != text)
        return;
    EditMenu::shared().selectionChanged(view, text, rect);
}

void Application::accelerate(double x, double y, double z) { Accelerometer::shared().deliver(x, y, z); }

void Application::shake() {
    Accelerometer::shared().shake();
    // The first responder hears of it first and passes it up its chain; else the root screen.
    if (auto first = Responder::firstResponder())
        first->motionEnded(Motion::Shake);
    else if (auto root = rootController())
        root->motionEnded(Motion::Shake);
}

std::shared_ptr<View> Application::viewWithElementId(std::uint64_t elementId) const {
    return findElement(screen_, elementId);
}

// ---- Rotation

std::shared_ptr<ViewController> Application::rootController() const {
    return keyWindow_ ? keyWindow_->rootViewController() : nullptr;
}

void Application::deviceDidRotate(DeviceOrientation orientation) {
    Device::current().setOrientation(orientation);
    std::optional<InterfaceOrientation> to = interfaceOrientationFor(orientation);
    if (!to) return;  // face up or down: the interface stays as it is
    deviceInterfaceOrientation_ = to;
    std::shared_ptr<ViewController> root = rootController();
    if (*to == orientation_ || !root || !root->shouldAutorotateToInterfaceOrientation(*to)) return;
    rotate(root, orientation_, *to);
}

void Application::rootViewControllerChanged(Window& window) {
    if (&window != keyWindow_.get() && &window != window_.get()) return;
    std::shared_ptr<ViewController> root = window.rootViewController();
    if (!root) return;
    // A new root's view is laid out upright: turn it to the device's orientation, or keep the
    // interface's, when it accepts that; else the interface goes back upright.
    InterfaceOrientation target = InterfaceOrientation::Portrait;
    if (deviceInterfaceOrientation_ &&
        root->shouldAutorotateToInterfaceOrientation(*deviceInterfaceOrientation_))
        target = *deviceInterfaceOrientation_;
    else if (root->shouldAutorotateToInterfaceOrientation(orientation_))
        target = orientation_;
    if (target != InterfaceOrientation::Portrait) {
        rotate(root, InterfaceOrientation::Portrait, target);
    } else if (orientation_ != InterfaceOrientation::Portrait) {
        orientation_ = InterfaceOrientation::Portrait;
        Animation::begin("InterfaceRotation");
        Animation::setDuration(kRotationDuration);
        placeInterfaceLayer();
        Animation::commit();
    }
}

void Application::rotate(const std::shared_ptr<ViewController>& root, InterfaceOrientation from,
                         InterfaceOrientation to) {
    // A half turn takes twice as long as a quarter turn.
    double duration = isLandscape(from) == isLandscape(to) ? 2 * kRotationDuration : kRotationDuration;
    root->willRotateToInterfaceOrientation(to, duration);
    orientation_ = to;
    Animation::begin("InterfaceRotation");
    Animation::setDuration(duration);
    placeInterfaceLayer();
    if (std::shared_ptr<View> view = root->view()) placeRootView(*view);
    root->willAnimateRotationToInterfaceOrientation(to, duration);
    std::weak_ptr<ViewController> weakRoot = root;
    Animation::setCompletion([weakRoot, from](bool) {
        if (auto r = weakRoot.lock()) r->didRotateFromInterfaceOrientation(from);
    });
    Animation::commit();
}

void Application::placeInterfaceLayer() {
    if (!interfaceLayer_) return;
    Size screen = screenSize();
    InterfacePlacement p =
        placeInInterface(Rect{{0, 0}, interfaceSize(orientation_, screen)}, orientation_, screen);
    interfaceLayer_->setTransform(p.transform);
    interfaceLayer_->setBounds({interfaceLayer_->bounds().origin, p.size});
    interfaceLayer_->setCenter(p.center);
}

void Application::placeRootView(View& view) {
    InterfacePlacement p = placeInInterface(applicationFrame(), orientation_, screenSize());
    view.setTransform(p.transform);
    view.setBounds({view.bounds().origin, p.size});  // subviews follow by their autoresizing
    view.setCenter(p.center);
}

void Application::makeKeyWindow(Window& window) {
    if (&window == window_.get()) keyWindow_ = window_;
}

// ---- Services

const std::vector<std::string>& Application::knownSchemes() {
    static const std::vector<std::string> schemes{"http", "https", "mailto", "tel", "skype"};
    return schemes;
}

void Application::setOpenableSchemes(const std::vector<std::string>& schemes) {
    openableSchemes_.clear();
    for (const std::string& scheme : schemes) {
        const auto& known = knownSchemes();
        if (std::find(known.begin(), known.end(), scheme) == known.end())
            fnd::Log::warning("application: a link scheme \"", scheme, "\" is never opened");
        else if (std::find(openableSchemes_.begin(), openableSchemes_.end(), scheme) ==
                 openableSchemes_.end())
            openableSchemes_.push_back(scheme);
    }
}

bool Application::canOpenURL(const fnd::URL& url) const {
    std::string scheme = url.scheme();
    return std::find(openableSchemes_.begin(), openableSchemes_.end(), scheme) != openableSchemes_.end();
}

bool Application::openURL(const fnd::URL& url) {
    if (!canOpenURL(url)) {
        fnd::Log::warning("application: an address of scheme \"", url.scheme(), "\" is not opened");
        return false;
    }
    if (!opener_) {
        fnd::Log::info("application: no display to open an address");
        return false;
    }
    opener_(url.absoluteString());
    return true;
}

void Application::setOnOpenURL(std::function<void(const std::string&)> opener) {
    opener_ = std::move(opener);
}

void Application::setNetworkActivityIndicatorVisible(bool visible) {
    networkActivity_ = visible;
    if (statusBar_) statusBar_->setActivityIndicatorVisible(visible);
}

// ---- Status bar

void Application::setStatusBarHidden(bool hidden, bool fade) {
    if (hidden == statusBarHidden_) return;
    statusBarHidden_ = hidden;
    if (!statusBar_) return;
    std::shared_ptr<StatusBar> bar = statusBar_;
    if (!fade) {
        bar->setAlpha(1);
        bar->setHidden(hidden);
        return;
    }
    if (!hidden && bar->isHidden()) {
        bar->setAlpha(0);
        bar->setHidden(false);
    }
    Animation::begin("StatusBarFade");
    Animation::setDuration(kStatusBarFadeDuration);
    bar->setAlpha(hidden ? 0 : 1);
    Animation::setCompletion([this, bar](bool) {
        // Only if no later call showed it again.
        if (statusBarHidden_ && bar == statusBar_) bar->setHidden(true);
    });
    Animation::commit();
}

Rect Application::statusBarFrame() const {
    if (statusBarHidden_ || !statusBar_) return {};
    Size turned = interfaceSize(orientation_, screenSize());
    return screenRectOfInterfaceRect(Rect{0, 0, turned.width, StatusBar::kHeight});
}

Rect Application::screenRectOfInterfaceRect(const Rect& rect) const {
    InterfacePlacement p = placeInInterface(rect, orientation_, screenSize());
    return p.transform.apply(Rect{-p.size.width / 2, -p.size.height / 2, p.size.width, p.size.height})
        .offsetBy(p.center.x, p.center.y);
}

}  // namespace ui
