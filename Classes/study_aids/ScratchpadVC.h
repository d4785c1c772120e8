#pragma once
// The scratchpad panel: a sheet to work sums out on with a finger (ScratchpadView), with Done,
// Clear and a mode control (pen, eraser, move). It slides in from the right over the whole screen
// on both devices. Done posts "Done" with the panel as object; a host that keeps the panel sends it
// moveOut and later animation, and the drawing is there again; a host that closes it (back) loses
// it. Nothing is stored.
//
// On the tablet the drawing view follows the home screen's turns ("MNotificationOrientationChanged").

#include <memory>
#include <string>

#include "Classes/core/SliddenViewController.h"

class ScratchpadView;

class ScratchpadVC : public SliddenViewController {
  public:
    static constexpr const char* kDoneNotification = "Done";
    static constexpr const char* kOrientationChangedNotification = "MNotificationOrientationChanged";
    // The drawing view's tag in the interface files.
    static constexpr int kPadTag = 100;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    // Registers the panel's owner table and its drawing view's class.
    static void registerClasses();

    // "ScratchpadView", on the tablet "ScratchpadView-iPad".
    std::string nibIdentifier() const override;

    ~ScratchpadVC() override;
    // "initC": loads the panel, fits it to a landscape device, slides it in, and lets the drawing
    // view follow the home screen's turns.
    void init() override;
    // In landscape the view takes the turned application frame and is drawn again.
    void adjustFrame();

    void doneClick(const Sender& sender);
    void clearClick(const Sender& sender);
    // The mode control's segment 0, 1 or 2 becomes the drawing view's mode; others change nothing.
    void setMode(const Sender& sender);
    void didRotateFromInterfaceOrientation(ui::InterfaceOrientation from) override;
    // The panel never turns by itself.
    bool shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation) override { return false; }

    const std::shared_ptr<ScratchpadView>& pad() const { return pad_; }

  private:
    std::shared_ptr<ScratchpadView> pad_;
};
