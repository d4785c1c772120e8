#include "Classes/practice/MManhattanReviewSet.h"

#include "Classes/practice/MBuiltInSetData.h"

void MManhattanReviewSet::fillSet(const std::shared_ptr<MQSet>& set) {
    MBuiltInSetData::fill(set, "MManhattanReviewSet");
}
