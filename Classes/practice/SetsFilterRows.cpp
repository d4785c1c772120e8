#include "Classes/practice/SetsFilterRows.h"

#include <algorithm>

#include "Classes/practice/MQFilter.h"
#include "Classes/practice/MQFilterItem.h"
#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetQuestion.h"

int SetsFilterRows::count(Section section, int row, const MQFilterItem& item, const Sets& sets) {
    if (section == kHistory && row >= MQFilter::kHistoryCriteria) return 0;
    int n = 0;
    for (const auto& set : sets) {
        if (!set || !set->isActive()) continue;
        for (const auto& q : set->questions()) {
            switch (section) {
                case kHistory:
                    n += MQFilter::historyHolds(row, *q);
                    break;
                case kTypes:
                    n += MQSet::nameForType(q->questionType()) == item.itemName();
                    break;
                case kTags: {
                    const auto& tags = q->tags();
                    n += std::find(tags.begin(), tags.end(), item.itemName()) != tags.end();
                    break;
                }
                default:
                    break;
            }
        }
    }
    return n;
}

std::string SetsFilterRows::countText(int count) {
    return count >= 1 ? std::to_string(count) : std::string();
}

SetsFilterRows::Bar SetsFilterRows::bar(const MQSet& set, int width, const Thresholds& thresholds) {
    Bar bar;
    int n = int(set.questions().size());
    if (n > 0) {
        bar.right = int(static_cast<long long>(set.numberOfRightAnswers()) * width / n);
        bar.wrong = int(static_cast<long long>(set.numberOfWrongAnswers()) * width / n);
    }
    bar.unanswered = width - bar.right - bar.wrong;
    if (bar.right >= thresholds.right) bar.rightText = "right";
    if (bar.wrong >= thresholds.wrong) bar.wrongText = "wrong";
    if (bar.unanswered >= thresholds.unanswered) bar.unansweredText = "unanswered";
    return bar;
}
