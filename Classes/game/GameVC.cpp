#include "Classes/game/GameVC.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/GameViewController.h"
#include "Classes/core/MRepository.h"
#include "Classes/game/GameBattleVC.h"
#include "Classes/game/GameLevelVC.h"
#include "Classes/game/GameMathVC.h"
#include "Classes/game/GameResultsVC.h"
#include "Classes/game/GameReviewVC.h"
#include "Classes/game/MGameMetaQuestionCollection.h"
#include "Classes/game/MGameQuestion.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/Button.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Make.h"

const ui::ConnectionTable& GameVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("GameVC", &RotatedViewController::classConnections())
            .outlet("buttonsView", &GameVC::buttonsView_)
            .outlet("backBtn", &GameVC::backBtn_)
            .outlet("reviewBtn", &GameVC::reviewBtn_)
            .action("openLevel:", &GameVC::openLevel)
            .action("openReview:", &GameVC::openReview)
            .action("doneClick:", &GameVC::doneClick);
    return table;
}

const ui::ConnectionTable& GameVC_iPad::classConnections() {
    static const ui::ConnectionTable table("GameVC_iPad", &GameVC::classConnections());
    return table;
}

void GameVC::registerOwners() {
    for (const ui::ConnectionTable* table :
         {&GameVC::classConnections(), &GameVC_iPad::classConnections(), &GameMathVC::classConnections(),
          &GameMathVC_iPad::classConnections(), &GameLevelVC::classConnections(),
          &GameLevelVC_iPad::classConnections(), &GameBattleVC::classConnections(),
          &GameBattleVC_iPad::classConnections(), &GameResultsVC::classConnections(),
          &GameReviewVC::classConnections(), &GameReviewVC_iPad::classConnections()})
        ui::ConnectionTable::registerOwner(*table);
}

void GameVC::initWithNibName(const std::string& nibName) {
    RotatedViewController::initWithNibName(nibName);
    GameViewController::setGameScreen(sharedAs<CommonViewController>());
}

void GameVC::viewDidLoad() {
    RotatedViewController::viewDidLoad();
    // The clock holds the tool weakly: a tool that has gone is not kept alive by its ticks.
    std::weak_ptr<GameVC> weak = sharedAs<GameVC>();
    displayLink_ = fnd::RunLoop::main().addDisplayLink(
        [weak](double) {
            if (auto self = weak.lock()) self->update();
        },
        1);
    metaQuestionCollection_ = std::make_shared<MGameMetaQuestionCollection>();
    if (auto ad = AbstractAppDelegate::shared())
        for (const auto& view : buttonsView_->subviews())
            if (auto button = std::dynamic_pointer_cast<ui::Button>(view)) {
                button->setTitleColor(ad->darkColor());
                button->setTitleColor(ui::Color::white(0.6), ui::StateDisabled);
            }
    auto rep = AbstractAppDelegate::sharedRep();
    reviewBtn_->setEnabled(rep && !rep->gameReviewQuestions().empty());
}

void GameVC::close() {
    // The game screens hold the tool; those still open close with it.
    for (const std::shared_ptr<CommonViewController>& child :
         {std::static_pointer_cast<CommonViewController>(mathVC_),
          std::static_pointer_cast<CommonViewController>(reviewVC_)})
        if (child) child->close();
    mathVC_.reset();
    reviewVC_.reset();
    setMainChild(nullptr);
    if (displayLink_) displayLink_->invalidate();
    displayLink_.reset();
    if (GameViewController::gameScreen().get() == this) GameViewController::setGameScreen(nullptr);
    RotatedViewController::close();
}

void GameVC::update() {
    if (mathVC_) mathVC_->update();
}

std::shared_ptr<GameMathVC> GameVC::makeMathVC() { return ui::make<GameMathVC>(); }
std::shared_ptr<GameMathVC> GameVC_iPad::makeMathVC() { return ui::make<GameMathVC_iPad>(); }
std::shared_ptr<GameReviewVC> GameVC::makeReviewVC() { return ui::make<GameReviewVC>(); }
std::shared_ptr<GameReviewVC> GameVC_iPad::makeReviewVC() { return ui::make<GameReviewVC_iPad>(); }

void GameVC::openLevel(const Sender&) {
    if (!canOpenSubview()) return;
    buttonsView_->setHidden(true);
    mathVC_ = makeMathVC();
    registerMainChildDoneHandler(&GameVC::levelNotifications, std::nullopt, mathVC_);
}

void GameVC::openReview(const Sender&) {
    if (!canOpenSubview()) return;
    if (auto rep = AbstractAppDelegate::sharedRep()) {
        auto& list = rep->gameReviewQuestions();
        // A stored entry that is no whole question (four options, one of them right) is dropped.
        std::erase_if(list, [](const std::shared_ptr<MGameQuestion>& q) {
            return !q || q->answerOptions().size() != 4 || q->rightAnswer() < 0 || q->rightAnswer() > 3;
        });
        if (list.size() > MGameQuestion::kReviewListLimit) list.resize(MGameQuestion::kReviewListLimit);
    }
    buttonsView_->setHidden(true);
    reviewVC_ = makeReviewVC();
    registerMainChildDoneHandler(&GameVC::reviewNotifications, std::nullopt, reviewVC_);
}

void GameVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(kToolDoneNotification, sharedAs<GameVC>());
}

void GameVC::levelNotifications(const fnd::Notification& notification) {
    if (!proceedDoneNotification(&notification, mathVC_)) return;
    mathVC_.reset();
    buttonsView_->setHidden(false);
    auto rep = AbstractAppDelegate::sharedRep();
    if (rep && !rep->gameReviewQuestions().empty()) reviewBtn_->setEnabled(true);
}

void GameVC::reviewNotifications(const fnd::Notification& notification) {
    if (!proceedDoneNotification(&notification, reviewVC_)) return;
    reviewVC_.reset();
    buttonsView_->setHidden(false);
}
