#pragma once
// What the filter editor's rows show, apart from any view: how many questions of the active sets
// meet a criterion row, and how a set's answer bar divides its width between right, wrong and
// unanswered questions, with the words that fit.

#include <memory>
#include <string>
#include <vector>

class MQFilterItem;
class MQSet;

class SetsFilterRows {
  public:
    enum Section { kSets = 0, kHistory = 1, kTypes = 2, kTags = 3, kSections = 4 };

    using Sets = std::vector<std::shared_ptr<MQSet>>;

    // The questions of the active sets (every question of each, whatever the other criteria) that
    // meet the row: the history criterion at that position, the type of that name, or the tag.
    static int count(Section section, int row, const MQFilterItem& item, const Sets& sets);
    // "%d" of the count, or nothing for 0.
    static std::string countText(int count);

    // The least widths at which a part of the bar shows its word.
    struct Thresholds {
        int right, wrong, unanswered;
    };
    static constexpr Thresholds kPhoneThresholds{51, 51, 71};
    static constexpr Thresholds kTabletThresholds{61, 61, 81};

    struct Bar {
        int right = 0, wrong = 0, unanswered = 0;
        std::string rightText, wrongText, unansweredText;
    };
    // The set's bar of that width: right and wrong parts by the sets' last answers (integer
    // division), the rest unanswered.
    static Bar bar(const MQSet& set, int width, const Thresholds& thresholds);
};
