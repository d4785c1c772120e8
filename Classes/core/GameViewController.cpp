#include "Classes/core/GameViewController.h"

#include <mutex>

#include "platform/foundation/RunLoop.h"
#include "platform/ui/View.h"

namespace {

std::mutex gameScreenMutex;
std::shared_ptr<CommonViewController> currentGameScreen;

}  // namespace

const ui::ConnectionTable& GameViewController::classConnections() {
    static const ui::ConnectionTable table("GameViewController", &CommonViewController::classConnections());
    return table;
}

void GameViewController::setGameScreen(std::shared_ptr<CommonViewController> screen) {
    std::lock_guard lock(gameScreenMutex);
    currentGameScreen = std::move(screen);
}

std::shared_ptr<CommonViewController> GameViewController::gameScreen() {
    std::lock_guard lock(gameScreenMutex);
    return currentGameScreen;
}

void GameViewController::initWithNibName(const std::string& nibName) {
    CommonViewController::initWithNibName(nibName);
    mVC_ = gameScreen();
}

void GameViewController::animation() {
    std::shared_ptr<ui::View> view = this->view();
    if (mVC_) {
        std::shared_ptr<ui::View> host = mVC_->view();
        host->addSubview(view);
        view->setFrame(host->bounds());
    }
    view->setAlpha(0);
    view->setAlpha(1);
}

void GameViewController::outAnimation() {
    if (std::shared_ptr<ui::View> view = viewIfLoaded()) view->setAlpha(0);
}

void GameViewController::back() {
    fnd::RunLoop::main().cancelPerforms(notificationId(this));
    CommonViewController::back();
}

bool GameViewController::shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation orientation) {
    return orientation == ui::InterfaceOrientation::LandscapeLeft;
}
