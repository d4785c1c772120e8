#pragma once
// The store on the tablet: its own interface file, lower rows, and row texts and keys placed by
// the home screen's width.

#include "Classes/library_store/ShopVC.h"

class ShopVC_iPad : public ShopVC {
  public:
    static constexpr double kRowHeight = 145;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return tabletName(ShopVC::nibIdentifier()); }
    void setupTV() override;

    ui::Rect titleFrame() const override { return {105, 8, width() - 225, 18}; }
    ui::Rect subTitleFrame() const override { return {105, 26, width() - 225, 18}; }
    ui::Rect authorFrame() const override { return {105, 47, width() - 225, 18}; }
    ui::Rect aboutFrame() const override { return {width() - 60, 42, 25, 25}; }
    ui::Rect descriptionFrame() const override { return {105, 63, width() - 145, 50}; }
    int descriptionNumOfLines() const override { return 4; }
    ui::Rect priceFrame() const override { return {width() - 180, 6, 140, 20}; }
    ui::Rect processingFrame() const override { return {width() - 50, 6, 20, 20}; }
    ui::Point iconIVcenter() const override { return {55, 65.5}; }
    ui::Point updateIVcenter() const override { return {53.5, 120}; }
    ui::Point newIVcenter() const override { return {27.5, 21.5}; }
    ui::Point activeIVcenter() const override { return {width() - 50, 23}; }

  private:
    // The home screen's width: the rows are as wide.
    static double width();
};
