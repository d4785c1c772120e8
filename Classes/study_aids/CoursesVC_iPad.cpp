#include "Classes/study_aids/CoursesVC_iPad.h"

#include "Classes/study_aids/CentersVC_iPad.h"
#include "Classes/study_aids/CourseVC_iPad.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Make.h"

const ui::ConnectionTable& CoursesVC_iPad::classConnections() {
    static const ui::ConnectionTable table("CoursesVC_iPad", &CoursesVC::classConnections());
    return table;
}

CourseRows::Layout CoursesVC_iPad::layout() const {
    auto home = homeView();
    return CourseRows::Layout::tablet(home ? home->bounds().size.width : kTabletWidth);
}

std::shared_ptr<CourseVC> CoursesVC_iPad::makeCourseVC(const std::shared_ptr<MCourse>& course) const {
    return ui::make<CourseVC_iPad>(course);
}

std::shared_ptr<CentersVC> CoursesVC_iPad::makeCentersVC() const {
    return ui::make<CentersVC_iPad>(std::shared_ptr<MCourse>());
}
