#include "Classes/practice/MKnewtonSet.h"

#include "Classes/practice/MBuiltInSetData.h"

void MKnewtonSet::fillSet(const std::shared_ptr<MQSet>& set) { MBuiltInSetData::fill(set, "MKnewtonSet"); }
