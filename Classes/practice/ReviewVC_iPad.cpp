#include "Classes/practice/ReviewVC_iPad.h"

#include "Classes/practice/ReviewSessionVC_iPad.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Make.h"

const ui::ConnectionTable& ReviewVC_iPad::classConnections() {
    static const ui::ConnectionTable table("ReviewVC_iPad", &ReviewVC::classConnections());
    return table;
}

std::shared_ptr<CommonViewController> ReviewVC_iPad::makeReviewSessionVC(
    const std::shared_ptr<MSession>& session) {
    return ui::make<ReviewSessionVC_iPad>(session);
}
