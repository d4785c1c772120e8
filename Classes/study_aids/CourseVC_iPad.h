#pragma once
// A provider's page on the tablet: its own interface file and the tablet's centre list.

#include "Classes/study_aids/CourseVC.h"

class CourseVC_iPad : public CourseVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return tabletName(CourseVC::nibIdentifier()); }

  protected:
    std::shared_ptr<CentersVC> makeCentersVC() const override;
};
