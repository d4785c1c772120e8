#include "Classes/practice/MPrincetonReviewSet.h"

#include "Classes/practice/MBuiltInSetData.h"

void MPrincetonReviewSet::fillSet(const std::shared_ptr<MQSet>& set) {
    MBuiltInSetData::fill(set, "MPrincetonReviewSet");
}
