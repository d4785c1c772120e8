#include "Classes/game/GameLevelVC.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/game/GameBattleVC.h"
#include "Classes/game/MGameLevel.h"
#include "Classes/game/MGameLevelView.h"
#include "Classes/game/MGameTopic.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Button.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"

const ui::ConnectionTable& GameLevelVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("GameLevelVC", &GameViewController::classConnections())
            .outlet("topicName", &GameLevelVC::topicName_)
            .action("openBattle:", &GameLevelVC::openBattle)
            .action("doneClick:", &GameLevelVC::doneClick);
    return table;
}

const ui::ConnectionTable& GameLevelVC_iPad::classConnections() {
    static const ui::ConnectionTable table("GameLevelVC_iPad", &GameLevelVC::classConnections());
    return table;
}

void GameLevelVC::init(std::shared_ptr<MGameTopic> topic) {
    topic_ = std::move(topic);
    initWithNibName(nibIdentifier());
    animation();
}

void GameLevelVC::viewDidLoad() {
    GameViewController::viewDidLoad();
    if (topicName_) topicName_->setText(topic_ ? topic_->name() : "");
    showLevels();
}

ui::Rect GameLevelVC::firstLevelFrame() const {
    ui::Rect bounds = viewIfLoaded() ? viewIfLoaded()->bounds() : ui::Rect{};
    double cw = bounds.width() / 6;
    double ch = bounds.height() * 0.25;
    return {cw / 2, ch / 2, cw, ch};
}

void GameLevelVC::showLevels() {
    for (const auto& levelView : levelViews_) levelView->removeFromSuperview();
    levelViews_.clear();
    if (!topic_) return;
    ui::Rect first = firstLevelFrame();
    for (std::size_t i = 0; i < topic_->levels().size(); ++i) {
        double column = static_cast<double>(i % kColumns);
        double row = static_cast<double>(i / kColumns);
        ui::Rect frame{first.origin.x + column * first.width(), first.origin.y + row * first.height(),
                       first.width(), first.height()};
        auto levelView = ui::make<MGameLevelView>(frame, scale());
        view()->addSubview(levelView);
        levelViews_.push_back(levelView);
        applyLook(i);
    }
}

void GameLevelVC::applyLook(std::size_t i) {
    const MGameLevel& level = *topic_->levels()[i];
    const MGameLevelView& levelView = *levelViews_[i];
    ui::Button& button = *levelView.button();
    bool locked = level.isLocked();
    button.removeTarget(this, "openBattle:", ui::ControlEventTouchUpInside);
    if (locked) {
        button.setBackgroundImage(ui::Image::named("game_level_bg_locked.png"));
        button.setBackgroundImage(nullptr, ui::StateHighlighted);
        button.setTitle("");
        button.setTag(MGameLevelView::kButtonTag);
    } else {
        button.setBackgroundImage(ui::Image::named("game_level_bg.png"));
        button.setBackgroundImage(ui::Image::named("game_level_bg_h.png"), ui::StateHighlighted);
        if (auto ad = AbstractAppDelegate::shared()) button.setTitleColor(ad->darkColor());
        button.setTitle(std::to_string(i + 1));
        button.setTag(static_cast<int>(i) + 1);
        button.addTarget(sharedAs<GameLevelVC>(), "openBattle:", ui::ControlEventTouchUpInside);
    }
    for (int k = 1; k <= 3; ++k) levelView.star(k)->setHidden(locked);
    levelViews_[i]->showStars(level.semistars());
}

void GameLevelVC::update() {
    if (battleVC_) battleVC_->update();
}

std::shared_ptr<GameBattleVC> GameLevelVC::makeBattleVC(const std::shared_ptr<MGameLevel>& level) {
    return ui::make<GameBattleVC>(level);
}

std::shared_ptr<GameBattleVC> GameLevelVC_iPad::makeBattleVC(const std::shared_ptr<MGameLevel>& level) {
    return ui::make<GameBattleVC_iPad>(level);
}

void GameLevelVC::openBattle(const Sender& sender) {
    auto button = std::dynamic_pointer_cast<ui::View>(sender);
    if (!button || !canOpenSubview() || !topic_) return;
    int index = button->tag() - 1;
    if (index < 0 || index >= static_cast<int>(topic_->levels().size())) return;
    const auto& level = topic_->levels()[static_cast<std::size_t>(index)];
    if (level->isLocked()) return;
    view()->setHidden(true);
    battleVC_ = makeBattleVC(level);
    registerMainChildDoneHandler(&GameLevelVC::battleNotifications, std::nullopt, battleVC_);
}

void GameLevelVC::battleNotifications(const fnd::Notification& notification) {
    if (!proceedDoneNotification(&notification, battleVC_)) return;
    battleVC_.reset();
    view()->setHidden(false);
    for (std::size_t i = 0; i < levelViews_.size(); ++i) applyLook(i);
}

void GameLevelVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(kLevelDoneNotification, sharedAs<GameLevelVC>());
}

void GameLevelVC::close() {
    if (battleVC_) battleVC_->close();
    battleVC_.reset();
    setMainChild(nullptr);
    GameViewController::close();
}
