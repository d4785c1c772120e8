#pragma once
// What one row of the review list shows for a practice session, worked out from the session and
// the screen's width alone, so that the list only puts it into the row's views:
//
//   - five type indicators, the most frequent type first, each faded by its count against the
//     largest (all transparent when the session holds no answer of types 1 to 5); types of equal
//     count keep the order PS, DS, SC, CR, RC;
//   - the average time "01:15  per question" (empty without answers), the number of answers and
//     the start date;
//   - the shading of the row's picture by the session's age: 0.3 just begun, near 1 after a day;
//   - the right/wrong bar, the screen's width less 95 points, split by whole points (5 answers with
//     1 right on a 320-point phone: 45 and 180 points); a part of at least 51 points is labelled.

#include <array>
#include <string>

class MSession;

struct ReviewRow {
    static constexpr int kTypes = 5;
    static constexpr int kBarMargin = 95;
    static constexpr int kLabelledWidth = 51;

    struct Indicator {
        std::string name;
        double alpha = 0;
    };

    std::array<Indicator, kTypes> indicators;
    std::string average;
    std::string count;
    std::string date;
    double backgroundAlpha = 1;
    bool barShown = false;
    int barWidth = 0;
    int rightWidth = 0;
    int wrongWidth = 0;
    std::string rightText;
    std::string wrongText;

    // The row of the session as of now.
    static ReviewRow make(const MSession& session, double screenWidth);
    // The shading of a session's picture by its age in seconds.
    static double ageAlpha(double ageSeconds);
    // Minutes and seconds ("01:15"), a started second counting unless rounding down.
    static std::string secondsToString(double seconds, bool roundDown);
};
