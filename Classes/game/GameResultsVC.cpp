#include "Classes/game/GameResultsVC.h"

#include <cmath>

#include "Classes/game/GameVC.h"
#include "Classes/game/MGameLevel.h"
#include "Classes/game/MGameTopic.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Button.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Device.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"

namespace {

constexpr double kFadeIn = 0.2;
// Where the two remaining keys stand when there is no next level.
constexpr ui::Point kLevelsCentre{240, 319.5};
constexpr ui::Point kRestartCentre{340, 319.5};
// A failed run's panel holds only its title and keys: the room above the title, between the title
// and the keys and below the keys.
constexpr double kPanelPadding = 12;
constexpr double kTitleGap = 14;

}  // namespace

const ui::ConnectionTable& GameResultsVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("GameResultsVC", &GameViewController::classConnections())
            .outlet("scoreLbl", &GameResultsVC::scoreLbl_)
            .outlet("star1IV", &GameResultsVC::star1IV_)
            .outlet("star2IV", &GameResultsVC::star2IV_)
            .outlet("star3IV", &GameResultsVC::star3IV_)
            .outlet("highscoreIV", &GameResultsVC::highscoreIV_)
            .outlet("levelsBtn", &GameResultsVC::levelsBtn_)
            .outlet("restartBtn", &GameResultsVC::restartBtn_)
            .outlet("nextBtn", &GameResultsVC::nextBtn_)
            .outlet("completeFailedLbl", &GameResultsVC::completeFailedLbl_)
            .outlet("bestScoreLbl", &GameResultsVC::bestScoreLbl_)
            .outlet("baseView", &GameResultsVC::baseView_)
            .outlet("panelView", &GameResultsVC::panelView_)
            .action("doneClick:", &GameResultsVC::doneClick);
    return table;
}

int GameResultsVC::countUpSeconds(int score) { return std::max(2, score / 500); }

void GameResultsVC::init(std::shared_ptr<MGameLevel> level, int score) {
    level_ = std::move(level);
    score_ = score;
    initWithNibName(nibIdentifier());
    animation();
}

void GameResultsVC::animation() {
    auto view = this->view();
    if (auto host = mVC() ? mVC()->view() : nullptr) {
        host->addSubview(view);
        view->setFrame(host->bounds());
    }
    view->setAlpha(0);
    ui::Animation::begin("ResultsIn");
    ui::Animation::setDuration(kFadeIn);
    ui::Animation::setCurve(ui::AnimationCurve::EaseOut);
    view->setAlpha(1);
    ui::Animation::commit();
}

void GameResultsVC::viewDidLoad() {
    GameViewController::viewDidLoad();
    previousBest_ = level_->highScore();
    // A new best is kept at once: leaving the application here must not lose it.
    if (score_ > previousBest_) level_->setHighScore(score_);
    if (isFailed()) {
        completeFailedLbl_->setText("Level failed!");
        scoreLbl_->setHidden(true);
        for (const auto& star : {star1IV_, star2IV_, star3IV_}) star->setHidden(true);
    }
    auto tool = mVCAs<GameVC>();
    const auto* levels = tool && tool->currentTopic() ? &tool->currentTopic()->levels() : nullptr;
    bool last = !levels || levels->empty() || levels->back() == level_;
    if (last || isFailed()) {
        nextBtn_->setHidden(true);
        levelsBtn_->setCenter(kLevelsCentre);
        restartBtn_->setCenter(kRestartCentre);
    }
    if (isFailed()) fitPanelToTitleAndKeys();
    placePanel(1);
    bestScoreLbl_->setHidden(true);
    highscoreIV_->setHidden(true);
    if (score_ <= previousBest_) bestScoreLbl_->setText("Best: " + std::to_string(previousBest_));
    startDate_ = fnd::RunLoop::main().now();
}

void GameResultsVC::showBigStar(const std::shared_ptr<ui::ImageView>& star, const char* kind) {
    star->setImage(ui::Image::named(std::string("game_bigstar_") + kind + ".png"));
    star->setHidden(false);
}

void GameResultsVC::update() {
    if (isFailed() || !isViewLoaded()) return;
    int d = countUpSeconds(score_);
    double t = fnd::RunLoop::main().now() - startDate_;
    double u = t - d;
    const std::shared_ptr<ui::ImageView> stars[] = {star1IV_, star2IV_, star3IV_};
    if (u <= 0) {
        // Counting: only whole stars, each once the counted score reaches it.
        auto shown = static_cast<int>(score_ * t / d);
        int s = MGameLevel::semistarsForLevel(*level_, shown);
        for (int k = 1; k <= 3; ++k) {
            if (s >= 2 * k)
                showBigStar(stars[k - 1], "full");
            else
                stars[k - 1]->setHidden(true);
        }
        scoreLbl_->setText(std::to_string(shown));
        bestScoreLbl_->setHidden(true);
        highscoreIV_->setHidden(true);
        return;
    }
    int s = MGameLevel::semistarsForLevel(*level_, score_);
    for (int k = 1; k <= 3; ++k)
        showBigStar(stars[k - 1], s >= 2 * k ? "full" : s == 2 * k - 1 ? "semi" : "empty");
    scoreLbl_->setText(std::to_string(score_));
    if (score_ > previousBest_) {
        highscoreIV_->setHidden(false);
        highscoreIV_->setTransform(ui::AffineTransform::scale(u < 0.25 ? 2 - 4 * u : 1));
        // A wobble that starts at 3 % and dies away fast.
        double wobble = u > 0.25 && u < 5.25 ? 1 - 0.03 * std::sin(40 * (u - 0.25)) / std::pow(4 * u, 5) : 1;
        placePanel(wobble);
    } else {
        bestScoreLbl_->setHidden(false);
    }
}

void GameResultsVC::fitPanelToTitleAndKeys() {
    if (!panelView_) return;
    const ui::Rect keys = levelsBtn_->frame().united(restartBtn_->frame());
    ui::Rect title = completeFailedLbl_->frame();
    title.origin.y = keys.minY() - kTitleGap - title.height();
    completeFailedLbl_->setFrame(title);
    ui::Rect panel = panelView_->frame();
    panel.origin.y = title.minY() - kPanelPadding;
    panel.size.height = keys.maxY() + kPanelPadding - panel.origin.y;
    panelView_->setFrame(panel);
}

void GameResultsVC::placePanel(double wobble) {
    if (!baseView_) return;
    // The base turns and scales about its middle; the panel's middle is brought there.
    const double scale = panelScale() * wobble;
    const ui::Point middle = baseView_->bounds().mid();
    const ui::Point panel = panelView_ ? panelView_->center() : middle;
    baseView_->setTransform(ui::AffineTransform::scale(scale).concat(
        ui::AffineTransform::translation(scale * (middle.x - panel.x), scale * (middle.y - panel.y))));
}

double GameResultsVC::panelScale() { return ui::Device::current().isTablet() ? kTabletScale : 1; }

void GameResultsVC::doneClick(const Sender& sender) {
    auto button = std::dynamic_pointer_cast<ui::View>(sender);
    if (!button) return;
    const char* name = button->tag() == kLevelsTag    ? kLevelsNotification
                       : button->tag() == kRestartTag ? kRestartNotification
                       : button->tag() == kNextTag    ? kNextNotification
                                                      : nullptr;
    if (name) fnd::NotificationCenter::defaultCenter().post(name, sharedAs<GameResultsVC>());
}
