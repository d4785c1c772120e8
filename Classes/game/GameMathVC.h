#pragma once
// The maths game's topic list: one row per topic with its name (a key that opens the topic's level
// grid), its score and what the score gained since the list was last closed. Closing the list
// takes the scores as the new starting point.

#include <memory>
#include <string>

#include "Classes/core/GameViewController.h"
#include "platform/ui/TableView.h"

class GameLevelVC;
class MGameTopic;

class GameMathVC : public GameViewController, public ui::TableViewDataSource, public ui::TableViewDelegate {
  public:
    static constexpr const char* kLevelDoneNotification = "MNotificationLevelDone";
    // The parts of a topic row: the name key, the score and the gain.
    static constexpr int kNameTag = 1;
    static constexpr int kScoreTag = 2;
    static constexpr int kGainTag = 3;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return "GameMathView"; }
    // The interface file of a row, also the rows' reuse identifier.
    virtual std::string cellNibName() const { return "GameTopicCellView"; }
    virtual double rowHeight() const { return 80; }

    void viewDidLoad() override;
    void update();
    // The open child closes with the screen.
    void close() override;

    int numberOfRows(ui::TableView&, int section) override;
    std::shared_ptr<ui::TableViewCell> cellForRow(ui::TableView& table,
                                                  const ui::IndexPath& indexPath) override;

    // The action of a row's name key: opens that topic's level grid.
    void openLevel(const Sender& sender);
    void levelNotifications(const fnd::Notification& notification);
    void doneClick(const Sender& sender);

    const std::shared_ptr<GameLevelVC>& levelVC() const { return levelVC_; }
    const std::shared_ptr<ui::TableView>& topicsTV() const { return topicsTV_; }

  protected:
    virtual std::shared_ptr<GameLevelVC> makeLevelVC(const std::shared_ptr<MGameTopic>& topic);

  private:
    std::shared_ptr<ui::View> foregroundView_;
    std::shared_ptr<ui::TableView> topicsTV_;
    std::shared_ptr<ui::View> theCell_;
    std::shared_ptr<GameLevelVC> levelVC_;
};

class GameMathVC_iPad : public GameMathVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return tabletName(GameMathVC::nibIdentifier()); }
    std::string cellNibName() const override { return tabletName(GameMathVC::cellNibName()); }
    double rowHeight() const override { return 100; }

  protected:
    std::shared_ptr<GameLevelVC> makeLevelVC(const std::shared_ptr<MGameTopic>& topic) override;
};
