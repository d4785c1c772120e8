#include "Classes/game/GameMathVC.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "Classes/game/GameLevelVC.h"
#include "Classes/game/GameVC.h"
#include "Classes/game/MGameTopic.h"
#include "Classes/game/MGameTopics.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Button.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/Nib.h"
#include "platform/ui/TableViewCell.h"

namespace {

std::vector<std::shared_ptr<MGameTopic>> topics() {
    auto rep = AbstractAppDelegate::sharedRep();
    if (!rep || !rep->gameTopicsSet()) return {};
    return rep->gameTopicsSet()->topics();
}

}  // namespace

const ui::ConnectionTable& GameMathVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("GameMathVC", &GameViewController::classConnections())
            .outlet("foregroundView", &GameMathVC::foregroundView_)
            .outlet("topicsTV", &GameMathVC::topicsTV_)
            .outlet("theCell", &GameMathVC::theCell_)
            .action("openLevel:", &GameMathVC::openLevel)
            .action("doneClick:", &GameMathVC::doneClick);
    return table;
}

const ui::ConnectionTable& GameMathVC_iPad::classConnections() {
    static const ui::ConnectionTable table("GameMathVC_iPad", &GameMathVC::classConnections());
    return table;
}

void GameMathVC::viewDidLoad() {
    GameViewController::viewDidLoad();
    topicsTV_->setDataSource(sharedAs<GameMathVC>());
    topicsTV_->setDelegate(sharedAs<GameMathVC>());
    topicsTV_->setRowHeight(rowHeight());
    topicsTV_->setSeparatorColor(ui::Color::clear());
    topicsTV_->setBackgroundColor(ui::Color::clear());
}

void GameMathVC::update() {
    if (levelVC_) levelVC_->update();
}

int GameMathVC::numberOfRows(ui::TableView&, int) { return static_cast<int>(topics().size()); }

std::shared_ptr<ui::TableViewCell> GameMathVC::cellForRow(ui::TableView& table,
                                                          const ui::IndexPath& indexPath) {
    auto cell = table.dequeueReusableCell(cellNibName());
    if (!cell) {
        ui::Nib::load(cellNibName(), *this);
        cell = std::dynamic_pointer_cast<ui::TableViewCell>(theCell_);
        theCell_.reset();
        if (!cell) cell = ui::make<ui::TableViewCell>(ui::TableViewCellStyle::Default, cellNibName());
        auto ad = AbstractAppDelegate::shared();
        if (auto name = std::dynamic_pointer_cast<ui::Button>(cell->viewWithTag(kNameTag)); name && ad)
            name->setTitleColor(ad->darkColor());
    }
    auto all = topics();
    if (indexPath.row < 0 || indexPath.row >= static_cast<int>(all.size())) return cell;
    const MGameTopic& topic = *all[static_cast<std::size_t>(indexPath.row)];
    if (auto name = std::dynamic_pointer_cast<ui::Button>(cell->viewWithTag(kNameTag)))
        name->setTitle(topic.name());
    if (auto score = std::dynamic_pointer_cast<ui::Label>(cell->viewWithTag(kScoreTag)))
        score->setText(std::to_string(topic.score()));
    int gain = topic.score() - topic.startScore();
    if (auto label = std::dynamic_pointer_cast<ui::Label>(cell->viewWithTag(kGainTag)))
        label->setText(gain >= 1 ? "+" + std::to_string(gain) : "");
    return cell;
}

std::shared_ptr<GameLevelVC> GameMathVC::makeLevelVC(const std::shared_ptr<MGameTopic>& topic) {
    return ui::make<GameLevelVC>(topic);
}

std::shared_ptr<GameLevelVC> GameMathVC_iPad::makeLevelVC(const std::shared_ptr<MGameTopic>& topic) {
    return ui::make<GameLevelVC_iPad>(topic);
}

void GameMathVC::openLevel(const Sender& sender) {
    if (!canOpenSubview()) return;
    // The key sits in the cell's content view: the cell is its superview's superview.
    auto key = std::dynamic_pointer_cast<ui::View>(sender);
    auto content = key ? key->superview() : nullptr;
    auto cell = content ? content->superview() : nullptr;
    auto all = topics();
    for (int row = 0; cell && row < static_cast<int>(all.size()); ++row) {
        if (topicsTV_->cellForRow({0, row}) != cell) continue;
        auto topic = all[static_cast<std::size_t>(row)];
        if (auto tool = mVCAs<GameVC>()) tool->setCurrentTopic(topic);
        foregroundView_->setHidden(true);
        levelVC_ = makeLevelVC(topic);
        registerMainChildDoneHandler(&GameMathVC::levelNotifications, std::nullopt, levelVC_);
        return;
    }
}

void GameMathVC::levelNotifications(const fnd::Notification& notification) {
    if (!proceedDoneNotification(&notification, levelVC_)) return;
    levelVC_.reset();
    foregroundView_->setHidden(false);
    topicsTV_->reloadData();
}

void GameMathVC::doneClick(const Sender&) {
    for (const auto& topic : topics()) topic->setStartScore();
    fnd::NotificationCenter::defaultCenter().post(GameVC::kMathDoneNotification, sharedAs<GameMathVC>());
}

void GameMathVC::close() {
    if (levelVC_) levelVC_->close();
    levelVC_.reset();
    setMainChild(nullptr);
    GameViewController::close();
}
