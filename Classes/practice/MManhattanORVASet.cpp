#include "Classes/practice/MManhattanORVASet.h"

#include "Classes/practice/MBuiltInSetData.h"

void MManhattanORVASet::fillSet(const std::shared_ptr<MQSet>& set) {
    MBuiltInSetData::fill(set, "MManhattanORVASet");
}
