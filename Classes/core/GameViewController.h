#pragma once
// A screen of the maths game that lives inside the game's main screen rather than over the home
// screen. The game's main screen makes itself known (setGameScreen) when it is created; every game
// screen made later is laid over that screen's view. Both animations take effect at once unless
// the caller wraps them in an animation block.

#include <memory>

#include "Classes/core/CommonViewController.h"

class GameViewController : public CommonViewController {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    // The game's main screen, for the game screens made from now on; it is kept for the process.
    static void setGameScreen(std::shared_ptr<CommonViewController> screen);
    static std::shared_ptr<CommonViewController> gameScreen();

    // Takes the game's main screen as mVC.
    void initWithNibName(const std::string& nibName) override;
    using CommonViewController::init;

    // The view fills the main screen's view and shows (alpha 0, then 1).
    void animation() override;
    // The view's alpha goes to 0.
    void outAnimation() override;
    // Delayed calls aimed at the screen are cancelled before it leaves.
    void back() override;
    // Game screens are laid out for landscape only.
    bool shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation orientation) override;

    // The game's main screen this screen lives in.
    const std::shared_ptr<CommonViewController>& mVC() const { return mVC_; }
    template <class T>
    std::shared_ptr<T> mVCAs() const {
        return std::dynamic_pointer_cast<T>(mVC_);
    }

  private:
    std::shared_ptr<CommonViewController> mVC_;
};
