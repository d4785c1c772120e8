#pragma once
// The application: its life (launched, active, in the background, ended), the screen the display
// shows, and the services the program asks of the device (outside links, the status bar, the idle
// timer and network-activity flags). Main thread only.
//
// What the display shows is screenView(): the window, and over it the interface layer with the
// edit menu and the status bar. Its coordinates are the device's portrait points (320 x 480 or
// 768 x 1024); it never turns. When the interface turns (the tablet in landscape), the window's
// root view and the interface layer are turned inside it, so a display that turns its picture of
// the device with the device shows them upright.
//
// The display drives the application through the entry points below: touches in screen-view
// points, the device's turns, the page's visibility, text selections, accelerometer samples.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/URL.h"
#include "platform/ui/Device.h"
#include "platform/ui/InterfaceOrientation.h"
#include "platform/ui/Point.h"
#include "platform/ui/Rect.h"

namespace ui {

class ApplicationDelegate;
class StatusBar;
class TouchRouter;
class View;
class ViewController;
class Window;

class Application {
  public:
    // Posted after the delegate was told, with the application as object.
    static constexpr const char* kDidFinishLaunchingNotification =
        "ApplicationDidFinishLaunchingNotification";
    static constexpr const char* kDidBecomeActiveNotification = "ApplicationDidBecomeActiveNotification";
    static constexpr const char* kDidEnterBackgroundNotification =
        "ApplicationDidEnterBackgroundNotification";
    static constexpr const char* kWillTerminateNotification = "ApplicationWillTerminateNotification";

    // A quarter turn of the interface, and the status bar's fade.
    static constexpr double kRotationDuration = 0.3;
    static constexpr double kStatusBarFadeDuration = 0.3;

    enum class State { NotRunning, Inactive, Active, Background, Terminated };

    static Application& shared();

    // Builds the screen for the device's idiom (the window hidden until made key and visible),
    // gives the delegate the window and tells it that the application launched, then that it
    // became active. Once per run; a second call is ignored.
    void launch(std::shared_ptr<ApplicationDelegate> delegate);
    // Back to not running: screen, delegate, flags and hooks dropped (program start and tests).
    void reset();

    State state() const { return state_; }
    std::shared_ptr<ApplicationDelegate> delegate() const { return delegate_; }
    // The root of what the display shows; null before launch.
    std::shared_ptr<View> screenView() const { return screen_; }
    std::shared_ptr<Window> keyWindow() const { return keyWindow_; }
    std::vector<std::shared_ptr<Window>> windows() const;
    // The part of the interface below the status bar (all of it while the bar is hidden), in
    // the interface's coordinates.
    Rect applicationFrame() const;

    // ---- Entry points for the display

    // The page became visible again / was hidden or closed / the program is told to end. Each is
    // passed on once: going to the background twice tells the delegate once. Ending an application
    // that is not in the background first sends it there, as the device does before it ends one,
    // so that whatever pauses on going to the background is paused when the ending save is made.
    // Ending does not stop the run loop; the caller does that after it.
    void becomeActive();
    void enterBackground();
    void terminate();

    // Fingers on the screen view, in its points. A touch that begins off the edit menu hides it.
    void touchBegan(int identifier, Point location);
    void touchMoved(int identifier, Point location);
    void touchEnded(int identifier, Point location);
    void touchCancelled(int identifier);
    void cancelAllTouches();

    // The device turned: the device's orientation changes (and its notification is posted while
    // generated); the interface turns when the root controller accepts the new orientation.
    void deviceDidRotate(DeviceOrientation orientation);

    // Text selected in an input or web view (by its element id), with the selection's rectangle in
    // the element's own coordinates; empty text ends the selection. The edit menu shows above it.
    // For an input, after its displayDidChangeSelection: text it does not have selected is a
    // report of an older value, and shows no menu.
    void selectionChanged(std::uint64_t elementId, const std::string& text, const Rect& rect);

    // Accelerometer samples; a shake sends a burst of samples and then the shake motion to the
    // first responder (which passes it up its chain), or to the root controller when there is none.
    void accelerate(double x, double y, double z);
    void shake();

    // The view of an element id in the screen view's tree; null when none.
    std::shared_ptr<View> viewWithElementId(std::uint64_t elementId) const;

    // ---- Services

    // Hands an address to the display to open outside the program: only addresses of the openable
    // schemes (others are logged and dropped). Answers whether it was handed on.
    bool openURL(const fnd::URL& url);
    bool canOpenURL(const fnd::URL& url) const;
    // The schemes the device opens: by default http, https, mailto, tel and skype. A device may
    // lack some (no Skype); a scheme outside these five is never opened and is dropped with a
    // warning. reset() brings back the five.
    static const std::vector<std::string>& knownSchemes();
    const std::vector<std::string>& openableSchemes() const { return openableSchemes_; }
    void setOpenableSchemes(const std::vector<std::string>& schemes);
    // The display's hook that opens an address.
    void setOnOpenURL(std::function<void(const std::string& address)> opener);

    bool isIdleTimerDisabled() const { return idleTimerDisabled_; }
    void setIdleTimerDisabled(bool disabled) { idleTimerDisabled_ = disabled; }
    bool isNetworkActivityIndicatorVisible() const { return networkActivity_; }
    void setNetworkActivityIndicatorVisible(bool visible);

    // The status bar: hidden or shown at once or with a fade; turned with the interface.
    bool isStatusBarHidden() const { return statusBarHidden_; }
    void setStatusBarHidden(bool hidden, bool fade = false);
    InterfaceOrientation statusBarOrientation() const { return orientation_; }
    double statusBarOrientationAnimationDuration() const { return kRotationDuration; }
    // In screen-view coordinates; empty while hidden.
    Rect statusBarFrame() const;
    // A rectangle of the interface as it is turned now (its own coordinates, the status bar's
    // place included) in screen-view coordinates.
    Rect screenRectOfInterfaceRect(const Rect& rect) const;
    std::shared_ptr<StatusBar> statusBar() const { return statusBar_; }

    // ---- Windows tell the application
    void makeKeyWindow(Window& window);
    void rootViewControllerChanged(Window& window);

  private:
    Application();
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    void post(const char* name);
    std::shared_ptr<ViewController> rootController() const;
    // Turns the interface to `to`: the root controller (whose view shows `from`) is told around it.
    void rotate(const std::shared_ptr<ViewController>& root, InterfaceOrientation from,
                InterfaceOrientation to);
    void placeInterfaceLayer();
    void placeRootView(View& view);

    State state_ = State::NotRunning;
    std::shared_ptr<ApplicationDelegate> delegate_;
    std::shared_ptr<View> screen_;
    std::shared_ptr<Window> window_;
    std::shared_ptr<Window> keyWindow_;
    std::shared_ptr<View> interfaceLayer_;
    std::shared_ptr<StatusBar> statusBar_;
    std::unique_ptr<TouchRouter> router_;
    std::function<void(const std::string&)> opener_;
    std::vector<std::string> openableSchemes_ = knownSchemes();
    InterfaceOrientation orientation_ = InterfaceOrientation::Portrait;
    std::optional<InterfaceOrientation> deviceInterfaceOrientation_;
    bool statusBarHidden_ = false;
    bool idleTimerDisabled_ = false;
    bool networkActivity_ = false;
};

}  // namespace ui
