#pragma once
// The centre list on the tablet: its own interface file, larger fonts, rows that reach to the home
// screen's width, and the tablet's centre map.

#include "Classes/study_aids/CentersVC.h"

class CentersVC_iPad : public CentersVC {
  public:
    // The width the rows are laid out for when no home screen is there: the tablet's, upright.
    static constexpr double kTabletWidth = 768;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return tabletName(CentersVC::nibIdentifier()); }

  protected:
    CenterRows::Layout rowLayout() const override;
    std::shared_ptr<CenterVC> makeCenterVC(const std::shared_ptr<MCenter>& center) const override;
    std::shared_ptr<CenterVC> makeCentersMapVC() const override;
};
