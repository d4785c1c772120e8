#pragma once
// The courses tool on the tablet: its own interface file, taller rows whose count follows the home
// screen's width, and the tablet's page and centre list.

#include "Classes/study_aids/CoursesVC.h"

class CoursesVC_iPad : public CoursesVC {
  public:
    // The width the rows are laid out for when no home screen is there: the tablet's, upright.
    static constexpr double kTabletWidth = 768;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return tabletName(CoursesVC::nibIdentifier()); }

    CourseRows::Layout layout() const override;

  protected:
    std::shared_ptr<CourseVC> makeCourseVC(const std::shared_ptr<MCourse>& course) const override;
    std::shared_ptr<CentersVC> makeCentersVC() const override;
};
