#pragma once
// A slide-in screen that the phone shows in landscape over the whole window, turned a quarter turn
// to follow the device while the rest of the program stays upright; the status bar is hidden while
// it shows (not for a screen shown inside another as a preview). On the tablet it opens like a
// tool (iPadAnimationMode 0) or slides in (any other mode), and relayouts when the home screen
// tells of a rotation (willRotateHandler, didRotateHandler).

#include "Classes/core/SliddenViewController.h"

class RotatedViewController : public SliddenViewController {
  public:
    static constexpr const char* kWillRotateNotification = "WillRotateFromInterfaceOrientation_Notification";
    static constexpr const char* kDidRotateNotification = "DidRotateFromInterfaceOrientation_Notification";
    // How far the phone's exit moves the view to the right.
    static constexpr double kOutShift = 480;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    // On the phone the animations take the status bar's rotation time.
    void initWithNibName(const std::string& nibName) override;
    using SliddenViewController::init;
    // On the phone (not in preview) the status bar fades out and the view turns a quarter turn;
    // on both the device's turns and the home screen's rotations are listened to.
    void viewDidLoad() override;

    // On the phone the view, laid over the window, swings half a turn into the device's landscape.
    // On the tablet the screen slides in or enters as a tool does.
    void animation() override;
    void outAnimation() override;
    // Told around a rotation of the tablet's home screen; nothing in the base.
    virtual void willRotateHandler() {}
    virtual void didRotateHandler() {}
    // On the phone this turns the view to the device's landscape side; the tablet ignores it.
    void orientationChanged();
    // The device's turns are no longer listened to and the status bar comes back.
    void close() override;
    // Every orientation on the tablet; the phone's interface stays upright.
    bool shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation orientation) override;

    bool isInPreviewMode() const { return isInPreviewMode_; }
    void setIsInPreviewMode(bool preview) { isInPreviewMode_ = preview; }
    int iPadAnimationMode() const { return iPadAnimationMode_; }
    void setIPadAnimationMode(int mode) { iPadAnimationMode_ = mode; }

  private:
    // The angle that shows the view upright for the device's present orientation.
    static double landscapeAngle();
    void turnTo(double angle, const char* animationName);

    bool isInPreviewMode_ = false;
    int iPadAnimationMode_ = 0;
    bool listening_ = false;
};
