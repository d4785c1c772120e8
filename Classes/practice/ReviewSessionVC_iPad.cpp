#include "Classes/practice/ReviewSessionVC_iPad.h"

#include "Classes/practice/QuestionVC_iPad.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Make.h"

const ui::ConnectionTable& ReviewSessionVC_iPad::classConnections() {
    static const ui::ConnectionTable table("ReviewSessionVC_iPad", &ReviewSessionVC::classConnections());
    return table;
}

std::shared_ptr<QuestionVC> ReviewSessionVC_iPad::makeQuestionVC(const std::shared_ptr<MSession>& session) {
    return ui::make<QuestionVC_iPad>(session);
}
