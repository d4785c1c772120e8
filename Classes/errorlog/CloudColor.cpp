#include "Classes/errorlog/CloudColor.h"

#include <cmath>

#include "Classes/errorlog/MQuestion.h"

namespace {

ui::Color shade(double hue, double saturation) { return ui::Color::hsb(hue, saturation, 1.0, 1.0); }

}  // namespace

bool CloudColor::counts(const MQuestion& question, fnd::Date periodStart) {
    const MHRecord* last = question.lastAttempt();
    return last && last->date() && last->date()->timeIntervalSince(periodStart) > 0;
}

bool CloudColor::isRight(const MQuestion& question) {
    const MHRecord* last = question.lastAttempt();
    return question.isScored() && last && last->answer() == question.rightAnswer();
}

ui::Color CloudColor::colorFor(const Questions& questions, int measure, fnd::Date periodStart,
                               double mainHue) {
    switch (measure) {
        case kAnswer:
            return answerColor(questions, periodStart, mainHue);
        case kTime:
            return timeColor(questions, periodStart);
        case kSolved:
            return solvedColor(questions, periodStart, mainHue);
        default:
            return ui::Color::whiteColor();
    }
}

ui::Color CloudColor::answerColor(const Questions& questions, fnd::Date periodStart, double mainHue) {
    int n = 0, w = 0;
    for (const auto& question : questions) {
        if (!question->isScored() || !counts(*question, periodStart)) continue;
        ++n;
        if (!isRight(*question)) ++w;
    }
    return answerShade(n, w, mainHue);
}

ui::Color CloudColor::answerShade(int answered, int wrong, double mainHue) {
    if (answered <= 0) return ui::Color::whiteColor();
    int d = 3 * wrong - answered;
    if (d > 0) return shade(0, double(d) / (2 * answered));
    return shade(mainHue, double(-d) / answered);
}

ui::Color CloudColor::timeColor(const Questions& questions, fnd::Date periodStart) {
    int n = 0, m = 0, s = 0;
    for (const auto& question : questions) {
        if (!counts(*question, periodStart)) continue;
        ++n;
        double time = question->lastAttempt()->time();
        if (time >= 120)
            ++s;
        else if (time >= 90)
            ++m;
    }
    if (n == 0 || m + s == 0) return ui::Color::whiteColor();
    return shade(0.15 * m / (m + s), std::sqrt(double(m + s) / n));
}

ui::Color CloudColor::solvedColor(const Questions& questions, fnd::Date periodStart, double mainHue) {
    if (questions.empty()) return ui::Color::whiteColor();
    int right = 0;
    for (const auto& question : questions)
        if (counts(*question, periodStart) && isRight(*question)) ++right;
    return shade(mainHue, double(right) / questions.size());
}
