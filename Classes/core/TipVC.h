#pragma once
// The tip band at the bottom of the home screen: one tip's text and a done key. A tap on the band
// brings the next tip (or closes the band when there is none); the done key posts
// "MNotificationTipTouched", on which the home screen takes the band away.

#include <functional>
#include <memory>
#include <string>

#include "Classes/core/CommonViewController.h"
#include "platform/ui/AnimationCurve.h"

class MTip;
namespace ui {
class Label;
}

class TipVC : public CommonViewController {
  public:
    static constexpr const char* kTipTouchedNotification = "MNotificationTipTouched";

    // The outlet "textLbl" and the action "doneClicked:".
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    using CommonViewController::init;
    // The band for a tip, shown at once over the home screen; the tip counts the showing.
    virtual void init(std::shared_ptr<MTip> tip);

    std::string nibIdentifier() const override { return "TipView"; }
    // It rises from the bottom edge, unfolding; it goes back the same way.
    void animation() override;
    void outAnimation() override;

    // A tap on the band shows the next tip.
    void touchesBegan(const ui::Touches& touches) override;
    void doneClicked(const Sender& sender);

    const std::shared_ptr<MTip>& tip() const { return tip_; }
    const std::shared_ptr<ui::Label>& textLbl() const { return textLbl_; }

  protected:
    // How long the band takes to unfold and to fold, and how thin it is folded.
    static constexpr double kTipAnimationDuration = 0.3;
    static constexpr double kFolded = 0.05;
    // Runs the changes as the band's animation of that name.
    static void animateBand(const char* name, ui::AnimationCurve curve, const std::function<void()>& changes);
    // Loads the band and lays it over the home screen's view, keeping to its bottom.
    void placeOnHomeScreen(unsigned autoresizing);
    void showText();

    std::shared_ptr<MTip> tip_;

  private:
    std::shared_ptr<ui::Label> textLbl_;
};
