#include "Classes/practice/MHardQuantSet.h"

#include "Classes/practice/MBuiltInSetData.h"

void MHardQuantSet::fillSet(const std::shared_ptr<MQSet>& set) {
    MBuiltInSetData::fill(set, "MHardQuantSet");
}
