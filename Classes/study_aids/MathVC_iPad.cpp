#include "Classes/study_aids/MathVC_iPad.h"

#include "Classes/study_aids/ConceptVC.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Make.h"

const ui::ConnectionTable& MathVC_iPad::classConnections() {
    static const ui::ConnectionTable table("MathVC_iPad", &MathVC::classConnections());
    return table;
}

void MathVC_iPad::setupTV() {
    MathVC::setupTV();
    if (mathTV()) mathTV()->setRowHeight(kTabletRowHeight);
}

std::shared_ptr<ConceptVC> MathVC_iPad::makeConceptVC(const std::shared_ptr<MConcept>& topic) const {
    return ui::make<ConceptVC_iPad>(topic);
}
