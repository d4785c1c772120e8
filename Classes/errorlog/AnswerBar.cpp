#include "Classes/errorlog/AnswerBar.h"

#include <array>

#include "Classes/errorlog/MBook.h"
#include "Classes/errorlog/MSection.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"

namespace {

enum Segment { kRight, kWrong, kUnscored, kUnanswered };

struct Look {
    const char* text;
    ui::Color textColor, shadowColor, background;
};

const std::array<Look, 4>& looks() {
    static const std::array<Look, 4> all{{
        {"right", ui::Color::hsb(0.3, 0.4, 0.9), ui::Color::hsb(0.28, 0.7, 0.4),
         ui::Color::hsb(0.28, 0.7, 0.6)},
        {"wrong", ui::Color::whiteColor(), ui::Color::clear(), ui::Color::hsb(0, 1, 0.88)},
        {"unscored", ui::Color::whiteColor(), ui::Color::hsb(0.58, 0.5, 0.6),
         ui::Color::hsb(0.58, 0.3, 0.95)},
        {"unanswered", ui::Color::white(0.95), ui::Color::white(0.6), ui::Color::white(0.8)},
    }};
    return all;
}

// The tags by segment: in the content view on the phone, in the container on the tablet.
constexpr std::array<int, 4> kPhoneTags{AnswerBar::kRightTag, AnswerBar::kWrongTag, AnswerBar::kUnscoredTag,
                                        AnswerBar::kUnansweredTag};
constexpr std::array<int, 4> kContainerTags{302, 303, 304, 301};

int count(const MSection& section, bool (*counts)(const MQuestion&)) {
    int n = 0;
    for (const auto& question : section.questions()) n += counts(*question) ? 1 : 0;
    return n;
}

bool isUnscoredAnswer(const MQuestion& question) { return !question.isScored() && question.lastAttempt(); }

}  // namespace

AnswerBar::Counts AnswerBar::Counts::of(const MSection& section) {
    return {int(section.questions().size()), section.numberOfRightAnswers(), section.numberOfWrongAnswers(),
            count(section, isUnscoredAnswer)};
}

AnswerBar::Counts AnswerBar::Counts::of(const MBook& book) {
    Counts total;
    for (const auto& section : book.sections()) {
        Counts c = of(*section);
        total.questions += c.questions;
        total.right += c.right;
        total.wrong += c.wrong;
        total.unscored += c.unscored;
    }
    return total;
}

AnswerBar::Widths AnswerBar::widthsFor(const Counts& counts, int width) {
    Widths w;
    if (counts.questions > 0) {
        w.right = counts.right * width / counts.questions;
        w.wrong = counts.wrong * width / counts.questions;
        w.unscored = counts.unscored * width / counts.questions;
    }
    w.unanswered = width - w.right - w.wrong - w.unscored;
    return w;
}

void AnswerBar::addTo(ui::View& content) const {
    ui::View* parent = &content;
    if (inContainer_) {
        auto container = ui::make<ui::View>(frame_);
        container->setTag(AnswerBar::kContainerTag);
        container->setBackgroundColor(ui::Color::clear());
        content.addSubview(container);
        parent = container.get();
    }
    for (int s = kRight; s <= kUnanswered; ++s) {
        const Look& look = looks()[std::size_t(s)];
        auto label = ui::make<ui::Label>();
        label->setTag(inContainer_ ? kContainerTags[std::size_t(s)] : kPhoneTags[std::size_t(s)]);
        label->setFont(ui::Font::boldSystem(10));
        label->setTextAlignment(ui::TextAlignment::Center);
        label->setTextColor(look.textColor);
        label->setShadowColor(look.shadowColor);
        label->setBackgroundColor(look.background);
        parent->addSubview(label);
    }
}

void AnswerBar::show(ui::View& content, const Counts& counts) const {
    ui::View* parent = &content;
    double x = frame_.origin.x;
    if (inContainer_) {
        auto container = content.viewWithTag(AnswerBar::kContainerTag);
        if (!container) return;
        container->setFrame(frame_);
        parent = container.get();
        x = 0;
    }
    Widths w = widthsFor(counts, int(frame_.size.width));
    const std::array<int, 4> widths{w.right, w.wrong, w.unscored, w.unanswered};
    const std::array<int, 4> least{nameWidth_, nameWidth_, longNameWidth_, longNameWidth_};
    double y = inContainer_ ? 0 : frame_.origin.y;
    for (std::size_t s = 0; s < 4; ++s) {
        auto label = std::dynamic_pointer_cast<ui::Label>(
            parent->viewWithTag(inContainer_ ? kContainerTags[s] : kPhoneTags[s]));
        if (!label) continue;
        label->setFrame({x, y, double(widths[s]), frame_.size.height});
        label->setText(widths[s] >= least[s] ? looks()[s].text : "");
        x += widths[s];
    }
}
