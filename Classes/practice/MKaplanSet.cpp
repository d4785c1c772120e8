#include "Classes/practice/MKaplanSet.h"

#include "Classes/practice/MBuiltInSetData.h"

void MKaplanSet::fillSet(const std::shared_ptr<MQSet>& set) { MBuiltInSetData::fill(set, "MKaplanSet"); }
