#pragma once
// The font-size popup: a larger and a smaller key that fade in at a place of the home screen. The
// key tagged 1 posts "+", any other "-", with the popup as object. The screen that opens it steps
// the repository's baseFontSize (stepBaseFontSize) and renders its page again.

#include <string>

#include "Classes/core/CommonViewController.h"

namespace fnd {
struct Notification;
}

class FontAdjustVC : public CommonViewController {
  public:
    static constexpr const char* kLargerNotification = "+";
    static constexpr const char* kSmallerNotification = "-";
    // The tags of the keys in the interface file: larger; any other key (-1) is smaller.
    static constexpr int kLargerTag = 1;
    static constexpr int kSmallerTag = -1;
    static constexpr int kMinimumFontSize = 7;
    static constexpr int kMaximumFontSize = 20;
    // The popup's distance from the top or bottom edge, and from a side.
    static constexpr double kEdgeDistance = 60;
    static constexpr double kSideDistance = 10;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    // "FontAdjustView", on the tablet "FontAdjustView-iPad".
    std::string nibIdentifier() const override;

    // Loads the popup over the home screen at the position ("Top", "TopRight", "Center", "Bottom",
    // "BottomLeft"; any other leaves it where its interface file has it) and fades it in.
    using CommonViewController::init;
    void init(const std::string& position);
    // The key tagged kLargerTag posts "+"; any other key posts "-".
    void changeFont(const Sender& sender);
    // Fades in over animationDuration (ease-out) / out (ease-in).
    void animation() override;
    void outAnimation() override;

    // The base font size after the popup's notification: one point larger for "+", one smaller
    // for "-", within 7 to 20 points.
    static int steppedFontSize(int size, const fnd::Notification& notification);

  private:
    void place(const std::string& position);
    void fadeTo(double alpha, bool in);
};
