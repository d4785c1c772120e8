#include "Classes/practice/QuestionVC_iPad.h"

#include "Classes/forum_news/ForumVC.h"
#include "Classes/practice/KWEditVC.h"
#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetQuestion.h"
#include "Classes/study_aids/CourseVC_iPad.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Make.h"

const ui::ConnectionTable& QuestionVC_iPad::classConnections() {
    static const ui::ConnectionTable table("QuestionVC_iPad", &QuestionVC::classConnections());
    return table;
}

void QuestionVC_iPad::init(std::shared_ptr<MQSet> set) {
    setTableWidth(kTableWidth);
    QuestionVC::init(std::move(set));
}

void QuestionVC_iPad::init(std::shared_ptr<MSession> session) {
    setTableWidth(kTableWidth);
    QuestionVC::init(std::move(session));
}

void QuestionVC_iPad::openCalculator(const Sender&) {
    if (calculatorVC_) {
        if (proceedDoneNotification(nullptr, calculatorVC_)) calculatorVC_.reset();
        return;
    }
    calculatorVC_ = openChild("CalculatorVC", false);
}

std::shared_ptr<CommonViewController> QuestionVC_iPad::makeKWEditVC(std::int32_t type) {
    return ui::make<KWEditVC_iPad>(type);
}

std::shared_ptr<CourseVC> QuestionVC_iPad::makeCourseVC(const std::shared_ptr<MCourse>& course) {
    return ui::make<CourseVC_iPad>(course);
}

std::shared_ptr<CommonViewController> QuestionVC_iPad::makeForumVC(const std::string& address) {
    return ui::make<ForumVC_iPad>(address, false);
}
