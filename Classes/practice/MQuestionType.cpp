#include "Classes/practice/MQuestionType.h"

#include "Classes/practice/MQFilter.h"
#include "Classes/practice/MQSet.h"

void MQuestionType::fillTypesArray(Items& items) {
    addQType(*MQSet::nameForType(5), "Reading Comprehension", items);
    addQType(*MQSet::nameForType(1), "Problem Solving", items);
    addQType(*MQSet::nameForType(2), "Data Sufficiency", items);
    addQType(*MQSet::nameForType(3), "Sentence Correction", items);
    addQType(*MQSet::nameForType(4), "Critical Reasoning", items);
}

void MQuestionType::addQType(const std::string& name, const std::string& description, Items& items) {
    MQFilter::addItem(items, name, description);
}
