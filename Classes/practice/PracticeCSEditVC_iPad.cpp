#include "Classes/practice/PracticeCSEditVC_iPad.h"

#include "Classes/practice/PracticeCSAddQuestionsVC.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Make.h"

const ui::ConnectionTable& PracticeCSEditVC_iPad::classConnections() {
    static const ui::ConnectionTable table("PracticeCSEditVC_iPad", &PracticeCSEditVC::classConnections());
    return table;
}

void PracticeCSEditVC_iPad::openPracticeCSAddQuestions(const Sender&) {
    if (canOpenSubview()) showAddQuestions(ui::make<PracticeCSAddQuestionsVC_iPad>(customSet()));
}
