#pragma once
// The question-type items of the practice filter.

#include <memory>
#include <string>
#include <vector>

class MQFilterItem;

class MQuestionType {
  public:
    using Items = std::vector<std::shared_ptr<MQFilterItem>>;

    // Appends RC, PS, DS, SC and CR, in that order, with their long names.
    static void fillTypesArray(Items& items);
    // Appends an inactive item unless one of that name is there.
    static void addQType(const std::string& name, const std::string& description, Items& items);
};
