#include "Classes/practice/ReviewRow.h"

#include <algorithm>

#include "Classes/practice/MQSet.h"
#include "Classes/practice/MSession.h"
#include "Classes/timer/TimerText.h"
#include "platform/foundation/Date.h"

namespace {

// The shading: 1 - 0.7 / (1 + 0.0003 * age).
constexpr double kFreshShade = 0.7;
constexpr double kShadePerSecond = 0.0003;

}  // namespace

double ReviewRow::ageAlpha(double ageSeconds) {
    return 1 - kFreshShade / (1 + kShadePerSecond * std::max(ageSeconds, 0.0));
}

std::string ReviewRow::secondsToString(double seconds, bool roundDown) {
    return TimerText::secondsToString(seconds, roundDown);
}

ReviewRow ReviewRow::make(const MSession& session, double screenWidth) {
    ReviewRow row;
    std::array<int, kTypes> counts{};
    std::array<int, kTypes> order{};
    for (int i = 0; i < kTypes; ++i) {
        counts[std::size_t(i)] = session.numberOfQuestionType(i + 1);
        order[std::size_t(i)] = i;
    }
    // Most frequent first; equal counts keep the types' order.
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return counts[std::size_t(a)] > counts[std::size_t(b)]; });
    const int largest = counts[std::size_t(order[0])];
    for (int i = 0; i < kTypes; ++i) {
        const int type = order[std::size_t(i)];
        auto& indicator = row.indicators[std::size_t(i)];
        indicator.name = MQSet::nameForType(type + 1).value_or("");
        // A session without answers of these types has nothing to weigh them by.
        indicator.alpha = largest > 0 ? double(counts[std::size_t(type)]) / largest : 0;
    }

    const auto n = unsigned(session.records().size());
    row.average = n > 0 ? secondsToString(session.avgQuestionTime(), false) + "  per question" : "";
    row.count = std::to_string(n);
    row.date = MSession::sessionDate(session.startDate());
    row.backgroundAlpha = ageAlpha(fnd::Date::now().timeIntervalSince(session.startDate()));

    row.barShown = n > 0;
    if (!row.barShown) return row;
    row.barWidth = int(screenWidth) - kBarMargin;
    const auto width = unsigned(std::max(row.barWidth, 0));
    const auto right = unsigned(session.numberOfRightAnswers());
    row.rightWidth = int(right * width / n);
    row.wrongWidth = int((n - right) * width / n);
    row.rightText = row.rightWidth >= kLabelledWidth ? "right" : "";
    row.wrongText = row.wrongWidth >= kLabelledWidth ? "wrong" : "";
    return row;
}
