#pragma once
// The centre map on the tablet: its own interface file, and a wider span for all centres, since the
// tablet's map shows the whole country at that span.

#include "Classes/study_aids/CenterVC.h"

class CenterVC_iPad : public CenterVC {
  public:
    static constexpr double kTabletAllCentersSpan = 33.0;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return tabletName(CenterVC::nibIdentifier()); }

  protected:
    double allCentersSpan() const override { return kTabletAllCentersSpan; }
};
