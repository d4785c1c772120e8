#pragma once
// The colour of one concept tag in the cloud: how the user did on the tag's questions within a
// period, by one of three measures. A question counts when its last attempt is dated strictly after
// the period's start. Only questions with a key are scored, so the answer measure counts only
// those, and the solved measure's right ones are scored ones.
//
// - answer: white at a third of wrong answers, towards the scheme's hue when fewer were wrong and
//   towards red when more were;
// - time: white when no counting answer took 90 s, else yellow to red as more took 120 s and more,
//   the stronger the more answers were slow;
// - solved: the scheme's hue, as strong as the share of the tag's questions answered right.

#include <memory>
#include <vector>

#include "platform/foundation/Date.h"
#include "platform/ui/Color.h"

class MQuestion;

class CloudColor {
  public:
    enum Measure { kAnswer = 1, kTime = 2, kSolved = 3 };
    using Questions = std::vector<std::shared_ptr<MQuestion>>;

    // White when no rule applies (an unknown measure, nothing counted).
    static ui::Color colorFor(const Questions& questions, int measure, fnd::Date periodStart, double mainHue);

    // The answer measure's colour of `answered` answers of which `wrong` were wrong (white for none).
    static ui::Color answerShade(int answered, int wrong, double mainHue);

    static bool counts(const MQuestion& question, fnd::Date periodStart);
    static bool isRight(const MQuestion& question);

  private:
    static ui::Color answerColor(const Questions& questions, fnd::Date periodStart, double mainHue);
    static ui::Color timeColor(const Questions& questions, fnd::Date periodStart);
    static ui::Color solvedColor(const Questions& questions, fnd::Date periodStart, double mainHue);
};
