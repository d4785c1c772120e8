#pragma once
// The card on the card viewer: a picture of the side shown, the card's own picture (face only), a
// web view per side with the side's text, and the card's number. It reads the finger itself and
// asks the viewer, by notification, to turn it over (a steep drag) or to throw it aside (a flat
// drag released far enough from where it rests); short of that it springs back. The web views take
// no touches, so every touch on the card comes here.
//
// Gesture states: -1 inactive (the card underneath), 0 idle, 10 one finger down with the direction
// not yet decided, 11 a vertical drag, 12 a horizontal drag (the card follows the finger), 20 an
// animation runs. Lengths are compared as squares, in the viewer's own (turned) coordinates.

#include <memory>

#include "platform/ui/Point.h"
#include "platform/ui/Rect.h"
#include "platform/ui/View.h"

namespace ui {
class ImageView;
class Label;
class WebView;
}  // namespace ui

class CardView : public ui::View {
  public:
    static constexpr const char* kClassName = "CardView";
    static constexpr const char* kFlipRequestNotification = "CardView_FlipAnimation_Request_Notification";
    static constexpr const char* kNextRightRequestNotification =
        "CardView_NextAnimation_Right_Request_Notification";
    static constexpr const char* kNextLeftRequestNotification =
        "CardView_NextAnimation_Left_Request_Notification";

    // The parts' tags in the interface file.
    static constexpr int kBackgroundTag = 11;
    static constexpr int kForegroundTag = 12;
    static constexpr int kWebViewTag = 13;
    static constexpr int kNumberTag = 14;

    static constexpr int kInactive = -1;
    static constexpr int kIdle = 0;
    static constexpr int kTouched = 10;
    static constexpr int kVertical = 11;
    static constexpr int kHorizontal = 12;
    static constexpr int kAnimating = 20;

    static constexpr double kDecideLength2 = 100;  // a move decides its direction beyond 10 points
    static constexpr double kFlipLength2 = 625;    // a vertical drag beyond 25 points flips
    static constexpr double kThrowLength2 = 2500;  // a card released 50 points away is thrown
    static constexpr double kReturnDuration = 0.25;

    static void registerViewClass();

    using View::init;
    // "initWithFrame:": rests at (0, 0, 480, 320) until the viewer sets its place; state -1.
    void init(const ui::Rect& frame) override;
    // A card view like `model`: its frame and resizing, picture views, face web view and number
    // label of the same frames and looks, and a back web view. The texts and pictures are not copied.
    static std::shared_ptr<CardView> copyOf(CardView& model);

    // The back web view over the face web view's frame, with its looks, hidden.
    void addBackWebView();
    // Springs back to the rest frame, then becomes idle.
    void returnBackAnimation();

    void touchesBegan(const ui::Touches& touches) override;
    void touchesMoved(const ui::Touches& touches) override;
    void touchesEnded(const ui::Touches& touches) override;
    void touchesCancelled(const ui::Touches& touches) override;

    const ui::Rect& restFrame() const { return restFrame_; }
    void setRestFrame(const ui::Rect& frame) { restFrame_ = frame; }
    int state() const { return state_; }
    void setState(int state) { state_ = state; }

    // The parts, found by tag in the view's own subviews (after an interface file filled it).
    std::shared_ptr<ui::ImageView> backgroundImageView();
    std::shared_ptr<ui::ImageView> foregroundImageView();
    std::shared_ptr<ui::WebView> webView();
    const std::shared_ptr<ui::WebView>& backWebView() const { return backWebView_; }
    std::shared_ptr<ui::Label> numberLbl();

    // The web view settings of every card page: no touches, transparent, and content that runs no
    // script of its own and loads nothing from outside.
    static void prepareWebView(ui::WebView& web);

  private:
    void touchesFinished();
    void post(const char* name);

    ui::Rect restFrame_{0, 0, 480, 320};
    int state_ = kInactive;
    std::shared_ptr<ui::WebView> backWebView_;
    ui::Point lastMoveVector_{};
    ui::Point fullMoveVector_{};
    ui::Point firstMoveVector_{};
    bool isResolvedFirstMove_ = false;
    int fingers_ = 0;
};
