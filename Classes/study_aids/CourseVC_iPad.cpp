#include "Classes/study_aids/CourseVC_iPad.h"

#include "Classes/study_aids/CentersVC_iPad.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Make.h"

const ui::ConnectionTable& CourseVC_iPad::classConnections() {
    static const ui::ConnectionTable table("CourseVC_iPad", &CourseVC::classConnections());
    return table;
}

std::shared_ptr<CentersVC> CourseVC_iPad::makeCentersVC() const { return ui::make<CentersVC_iPad>(course()); }
