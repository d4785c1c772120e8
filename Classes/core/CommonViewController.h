#pragma once
// The base of the program's screens (all but the splash screen). A screen's view is laid over
// another screen's view; the screen animates itself in when it is made and out when it goes
// (`back`), and tells of its end by a notification with itself as object. No screen calls its
// parent.
//
// Children: a parent opens a child only while canOpenSubview() holds, registers a done handler for
// the child's notification (registerMainChildDoneHandler makes the child its mainChild, which
// blocks a second one; registerDoneHandler does not), and its handler begins with
// proceedDoneNotification, which refuses while the child has a child of its own and otherwise
// takes the child away:
//
//     if (!canOpenSubview()) return;
//     auto confirm = ui::make<CommonConfirmVC>("Delete the deck?");
//     registerMainChildDoneHandler(&DecksVC::confirmNotifications, std::nullopt, confirm);
//     ...
//     void DecksVC::confirmNotifications(const fnd::Notification& n) {
//         auto confirm = n.objectAs<CommonConfirmVC>();
//         if (!proceedDoneNotification(&n, confirm)) return;
//         if (n.name == CommonConfirmVC::kConfirmNotification) deleteDeck();
//     }
//
// Making a screen shows it: ui::make<T>() runs init(), which loads the interface file of
// nibIdentifier() and then runs the screen's entrance, animation(). A screen that sets fields
// before its entrance has an initialiser of its own in that order:
//
//     void SetsVC::init() { initWithNibName(nibIdentifier()); setRep(...); animation(); }
//
// Lifetime: from its initialiser to close() a screen holds one reference to itself, the one that
// stands for its being on screen; a parent holds a second one while the screen is its mainChild.
// back() plays the exit and closes the screen animationDuration() later.
//
// Views tagged kContainerTag (-998) have their own subviews animated one by one instead of
// themselves; views tagged kStillTag (-999) are left alone by the subview animations.
//
// The edit menu holds one item of the program's, "Dictionary", offered by every screen: it looks
// the selected word up.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Notification.h"
#include "platform/ui/ViewController.h"

namespace ui {
class Button;
class View;
}  // namespace ui

class CommonViewController : public ui::ViewController {
  public:
    static constexpr int kContainerTag = -998;
    static constexpr int kStillTag = -999;
    static constexpr double kDefaultAnimationDuration = 0.2;
    // Views narrower than this and less than this many times as wide as high shrink to
    // kShrunkScale as they fade; wider or flatter ones (bars, long labels) only fade.
    static constexpr double kScalingWidthLimit = 250;
    static constexpr double kScalingRatioLimit = 4.5;
    static constexpr double kShrunkScale = 0.5;

    static constexpr const char* kDictionaryItemTitle = "Dictionary";
    static constexpr const char* kOpenDictionaryAction = "openDictionary:";

    // The two button styles and their pictures, stretched with caps of kButtonCap points.
    static constexpr const char* kLightButtonStyle = "light";
    static constexpr const char* kDarkButtonStyle = "dark";
    static constexpr const char* kLightButtonImage = "btn_background_white.png";
    static constexpr const char* kLightButtonHighlightedImage = "btn_background_darklime.png";
    static constexpr double kButtonCap = 10;

    using DoneHandler = std::function<void(const fnd::Notification&)>;

    // The action "openDictionary:".
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    // Registers the owner tables of the screen bases and the shared overlays for the
    // interface-file checks.
    static void registerOwners();

    // The screen's interface file, then its entrance.
    void init() override;
    using ui::ViewController::init;
    // Records the interface file, sets animationDuration to 0.2, puts "Dictionary" in the edit
    // menu and takes the screen's reference to itself.
    void initWithNibName(const std::string& nibName) override;

    // ---- Children

    // Whether a child may open now: no mainChild and not closing.
    bool canOpenSubview() const;
    // Observes the notification of that name (any name when none) posted by the child, with the
    // handler; the second also makes the child mainChild.
    void registerDoneHandler(DoneHandler handler, std::optional<std::string> name,
                             const std::shared_ptr<CommonViewController>& child);
    void registerMainChildDoneHandler(DoneHandler handler, std::optional<std::string> name,
                                      const std::shared_ptr<CommonViewController>& child);
    // The same with an operation of the screen's class as handler.
    template <class T>
    void registerDoneHandler(void (T::*handler)(const fnd::Notification&), std::optional<std::string> name,
                             const std::shared_ptr<CommonViewController>& child) {
        registerDoneHandler(bind(handler), std::move(name), child);
    }
    template <class T>
    void registerMainChildDoneHandler(void (T::*handler)(const fnd::Notification&),
                                      std::optional<std::string> name,
                                      const std::shared_ptr<CommonViewController>& child) {
        registerMainChildDoneHandler(bind(handler), std::move(name), child);
    }
    // The first step of every done handler. Refuses (false) while the child has a mainChild of its
    // own, or when the notification (if any) is not the child's. Otherwise clears mainChild when it
    // is the child, stops observing the child, sends it back and answers true.
    bool proceedDoneNotification(const fnd::Notification* notification,
                                 const std::shared_ptr<CommonViewController>& controller);
    // Takes an open child away whatever it has open itself (the screen is leaving): clears the
    // slot, stops observing the child, clears mainChild when it is the child and sends it back.
    void closeChild(std::shared_ptr<CommonViewController>& child);

    // ---- Going away

    // Takes the view out of its superview.
    void hide();
    // hide, stop observing, drop the screen's reference to itself.
    virtual void close();
    // The exit, then hide after animationDuration; the screen stays and can be shown again.
    void moveOut();
    // The way a screen goes: an open dictionary goes back first; isClosing; the exit; observing
    // stops; close after animationDuration.
    virtual void back();

    // The entrance and the exit. Every screen class supplies both; the base's raise
    // fnd::UnrecognizedSelector.
    virtual void animation();
    virtual void outAnimation();

    // ---- Looks

    // "light": the normal background kLightButtonImage, the highlighted one
    // kLightButtonHighlightedImage, both stretchable; "dark": no normal background image. Any
    // other style changes nothing. `isActive` is not used.
    static void buttonStylizing(ui::Button& button, const std::string& type, bool isActive);
    // The subviews to animate: the view's subviews in order, a kContainerTag subview replaced by
    // its own (recursively), kStillTag subviews left out.
    static std::vector<std::shared_ptr<ui::View>> viewsToAnimateFromView(const ui::View& view);
    // The views of viewsToAnimateFromView fade in (and, with transformation, grow from half size
    // unless wide or flat) over animationDuration after a delay of two thirds of it; they fade out
    // (and shrink) over a third of it at once.
    void viewAppear(const ui::View& view, bool transformation);
    void viewDisappear(const ui::View& view, bool transformation);

    // ---- The edit menu's "Dictionary"

    // Looks up the text selected in the screen's view, when a child may open.
    void openDictionary(const Sender& sender);
    // The dictionary screen's done handler.
    void dictionaryNotifications(const fnd::Notification& notification);
    // Only openDictionary:, so the menu offers "Dictionary" and nothing else of the screen's.
    bool canPerformAction(const std::string& action, const Sender& sender) override;
    // The first text selected in the view's subviews, depth-first: a web view's page selection, or
    // the text another view copies. The user's pasteboard is left as it was. A view that yields
    // text has its user interaction switched off and on, which ends the selection and hides the
    // menu. Nothing when no view holds a selection.
    static std::optional<std::string> selectedTextInView(const Sender& sender, ui::View& view);
    // The dictionary screen opened from this one, while it is open.
    const std::shared_ptr<CommonViewController>& dictionaryVC() const { return dictionaryVC_; }

    // ---- Fields

    double animationDuration() const { return animationDuration_; }
    void setAnimationDuration(double seconds) { animationDuration_ = seconds; }
    const std::shared_ptr<CommonViewController>& mainChild() const { return mainChild_; }
    void setMainChild(std::shared_ptr<CommonViewController> child) { mainChild_ = std::move(child); }
    bool isClosing() const { return isClosing_; }
    void setIsClosing(bool closing) { isClosing_ = closing; }
    // Whether the screen still holds its reference to itself (it has not closed).
    bool isShown() const { return self_ != nullptr; }

    // The interface file's name for the device: the tablet's "-iPad" variant on the tablet, for
    // screens that have no tablet class of their own.
    static std::string nibNameForDevice(const std::string& name);

    // The screen tools are laid over (the application delegate's home screen) and its view; null
    // when there is none.
    static std::shared_ptr<ui::ViewController> homeScreen();
    static std::shared_ptr<ui::View> homeView();

    // Runs step(screen) after the delay on the main loop while the screen lives. The call's target is
    // the screen and its action the name given, so that the screen's cancelPerforms finds it.
    template <class T, class F>
    static void later(T& screen, double delay, const char* action, F step) {
        std::weak_ptr<T> weak = screen.template weakAs<T>();
        performLater(delay, &screen, action, [weak, step] {
            if (auto self = weak.lock()) step(*self);
        });
    }

    // The identity notifications go by for a screen.
    static const void* notificationId(const CommonViewController* screen) {
        return static_cast<const fnd::Object*>(screen);
    }

  protected:
    // The dictionary screen for a word, already shown; null when there is none to open.
    virtual std::shared_ptr<CommonViewController> makeDictionaryVC(const std::string& word);

  private:
    static void performLater(double delay, const void* target, const char* action,
                             std::function<void()> call);
    template <class T>
    DoneHandler bind(void (T::*handler)(const fnd::Notification&)) {
        T* self = static_cast<T*>(this);
        return [self, handler](const fnd::Notification& n) { (self->*handler)(n); };
    }
    // Whether a subview animation scales the view (it is neither wide nor flat).
    static bool shrinks(const ui::View& view);

    double animationDuration_ = kDefaultAnimationDuration;
    std::shared_ptr<CommonViewController> mainChild_;
    bool isClosing_ = false;
    std::shared_ptr<CommonViewController> dictionaryVC_;
    std::shared_ptr<CommonViewController> self_;
};
