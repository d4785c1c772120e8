#pragma once
// The progress bar of a book's or a section's row: segments of right, wrong, unscored and
// unanswered questions side by side, each as wide as its share of the bar (whole points, the
// unanswered segment taking the rest), each naming itself when wide enough. Unscored questions
// were answered in a book without a key: they are neither right nor wrong, and not unanswered.
//
// On the phone the segments lie in the row's content view at the bar's place (tags 301 right, 302
// wrong, 303 unscored, 300 unanswered); on the tablet a container tagged 300 at the bar's place
// holds them from x 0 (tags 302, 303, 304, 301).

#include "platform/ui/Rect.h"

namespace ui {
class View;
}

class MBook;
class MSection;

class AnswerBar {
  public:
    // The segments' tags on the phone, and the tablet's container's.
    enum Tag { kUnansweredTag = 300, kRightTag = 301, kWrongTag = 302, kUnscoredTag = 303 };
    static constexpr int kContainerTag = 300;

    struct Counts {
        int questions = 0, right = 0, wrong = 0, unscored = 0;
        static Counts of(const MBook& book);
        static Counts of(const MSection& section);
    };
    struct Widths {
        int right = 0, wrong = 0, unscored = 0, unanswered = 0;
    };
    // The whole-point widths of the segments in a bar of that width.
    static Widths widthsFor(const Counts& counts, int width);

    // The bar's place in the row, and from which width a segment names itself: right and wrong
    // from `nameWidth`, unscored and unanswered from `longNameWidth`.
    AnswerBar(ui::Rect frame, bool inContainer, int nameWidth, int longNameWidth)
        : frame_(frame), inContainer_(inContainer), nameWidth_(nameWidth), longNameWidth_(longNameWidth) {}

    // Adds the segments to a new row's content view.
    void addTo(ui::View& content) const;
    // Lays the segments out for the counts.
    void show(ui::View& content, const Counts& counts) const;

  private:
    ui::Rect frame_;
    bool inContainer_;
    int nameWidth_, longNameWidth_;
};
