#include "Classes/timer/TimerResultsVC_iPad.h"

const ui::ConnectionTable& TimerResultsVC_iPad::classConnections() {
    static const ui::ConnectionTable table("TimerResultsVC_iPad", &TimerResultsVC::classConnections());
    return table;
}

const TimerResultsVC::Columns& TimerResultsVC_iPad::columns() const {
    static constexpr Columns kTablet{70, 190, 260, 330, 600, {33.5, 110.5, 282.5, 368.5}};
    return kTablet;
}
