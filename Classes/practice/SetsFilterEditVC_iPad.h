#pragma once
// The tablet's filter editor: rows as wide as the home screen, numbers and marks kept to the right
// edge, an answer bar in a container that follows the width, and the tablet's child screens.

#include "Classes/practice/SetsFilterEditVC.h"

class SetsFilterEditVC_iPad : public SetsFilterEditVC {
  public:
    static constexpr int kBarContainerTag = 300, kUnansweredTag = 301, kRightTag = 302, kWrongTag = 303;
    // The bar is the home screen's width less this.
    static constexpr double kBarMargin = 198;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return tabletName(SetsFilterEditVC::nibIdentifier()); }
    using SetsFilterEditVC::init;
    void init() override;
    void setupTV() override;
    double heightForRow(ui::TableView& table, const ui::IndexPath& indexPath) override;
    void openPracticeCSAdd(const Sender& sender) override;
    void openPracticeCSEdit(const Sender& sender) override;
    void openPracticeIE(const Sender& sender) override;

    // The home screen's width.
    double homeWidth() const;
    int barWidth() const { return int(homeWidth() - kBarMargin); }

    ui::Rect setsTitleFrame() const override { return {140, 26, 608, 20}; }
    ui::Rect setsNumberFrame() const override { return {homeWidth() - 218, 26, 120, 20}; }
    ui::Rect setsDescriptionFrame() const override { return {140, 37, 608, 40}; }
    ui::Rect setsEditFrame() const override { return {45, 50, 51, 40}; }
    ui::Point setsSetIVcenter() const override { return {70, 60}; }
    ui::Point setsActiveIVcenter() const override { return {homeWidth() - 68, 33}; }
    ui::Rect historyTitleFrame() const override { return {30, 4, 600, 20}; }
    ui::Rect historyNumberFrame() const override { return {homeWidth() - 218, 15, 120, 20}; }
    ui::Rect historyDescriptionFrame() const override { return {30, 23, 600, 30}; }
    ui::Point historyActiveIVcenter() const override { return {homeWidth() - 68, 22}; }
    ui::Rect typesTitleFrame() const override { return {100, 22, 658, 20}; }
    ui::Rect typesNumberFrame() const override { return {homeWidth() - 218, 25, 120, 20}; }
    ui::Rect typesDescriptionFrame() const override { return {100, 45, 658, 20}; }
    ui::Point typesTypeIVcenter() const override { return {50.5, 43.5}; }
    ui::Point typesActiveIVcenter() const override { return {homeWidth() - 68, 32}; }
    ui::Rect tagsTitleFrame() const override { return {20, 13, 210, 20}; }
    ui::Rect tagsNumberFrame() const override { return {homeWidth() - 218, 13, 120, 20}; }
    ui::Point tagsActiveIVcenter() const override { return {homeWidth() - 68, 20}; }

  protected:
    std::shared_ptr<ui::TableViewCell> makeCell(int section, const std::string& identifier) override;
    void fillBar(ui::TableViewCell& cell, const MQSet& set) override;
};
