#include "Classes/practice/MHardQuantSet200.h"

#include "Classes/practice/MBuiltInSetData.h"

void MHardQuantSet200::fillSet(const std::shared_ptr<MQSet>& set) {
    MBuiltInSetData::fill(set, "MHardQuantSet200");
}
