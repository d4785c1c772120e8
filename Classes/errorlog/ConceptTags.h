#pragma once
// The concept tags of the official-guide books: every text, the kind of question it stands with,
// and how many questions of each book carry it. Texts are exact (case and plurals count: "Ratio"
// and "Ratios" are two tags). Nothing rejects a text missing from this table: a user's key may
// bring tags of its own.

#include <array>
#include <span>
#include <string_view>

class ConceptTags {
  public:
    enum class Kind { Quantitative, ReadingComprehension, CriticalReasoning, SentenceCorrection, Difficulty };
    struct Entry {
        const char* text;
        Kind kind;
        // Questions carrying it per book, in set-up order.
        std::array<int, 6> questionsPerBook;
    };

    static constexpr const char* kEasy = "Easy";
    static constexpr const char* kMedium = "Medium";
    static constexpr const char* kHard = "Hard";

    static std::span<const Entry> entries();
    // Whether the text is one of the three difficulty tags, which close a list when present.
    static bool isDifficulty(std::string_view text);
};
