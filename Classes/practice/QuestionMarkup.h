#pragma once
// The small markup in which the user writes questions of a custom set, and its reader. One text
// holds any number of questions, each introduced by "#question#":
//
//     #question# #type:PS#
//     What is 20 % of 50?
//     #options#
//     A) 5
//     B) 10
//     C) 15
//     D) 20
//     E) 25
//     #OA:B#
//     #explanation# 0.2 x 50 = 10.
//
// The type is PS, DS, SC or CR; the options are five, each after its letter, ")" and a blank or a
// line break (a DS question may leave them out, but keeps "#options#"); "#OA:X#" is the right
// answer and the explanation is optional. Text before the first "#question#" is ignored. A piece
// that lacks a part, or has another number of options, is skipped without a word, and so is a
// question whose body the set already holds: pasting a text twice adds nothing the second time.
// The text is taken as text: HTML in it is shown on the question page as written (pageHTML).

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class MQSet;

class QuestionMarkup {
  public:
    // The longest text read at once, in bytes: a megabyte holds thousands of questions, more than
    // any set needs.
    static constexpr std::size_t kMaxTextLength = 1024 * 1024;

    // One piece as read, before it becomes a question of a set.
    struct Piece {
        std::int32_t questionType = 0;  // 1 PS, 2 DS, 3 SC, 4 CR
        std::int32_t rightAnswer = 0;   // 1 to 5 for A to E
        std::string body;               // converted and wrapped in a paragraph
        std::vector<std::string> answerOptions;
        std::string explanation;  // converted and wrapped in a paragraph
        bool operator==(const Piece&) const = default;
    };

    // The question pieces of the text that read whole, in order.
    static std::vector<Piece> read(std::string_view text);
    // One piece (the text after a "#question#"); nothing when a part is missing.
    static std::optional<Piece> readPiece(std::string_view piece);
    // Appends the text's questions to the set, numbered on from its count, leaving out those whose
    // body the set already holds; answers how many were added.
    static int addQuestions(const std::shared_ptr<MQSet>& set, std::string_view text);

    // Line breaks become "<br>"; one leading and one trailing break go, with the blanks beside
    // them.
    static std::string convertBreaks(std::string_view text);
    // Every occurrence of the option (its line breaks removed) in the text, underlined.
    static std::string underline(const std::string& text, const std::string& option);

    // A stored text of a question read from the markup (its body, an option or its explanation) as
    // the question page shows it: the formatting the reader gave it (the paragraph around it, line
    // breaks, underlines) stays, and every other character that HTML gives a meaning to is escaped.
    // What the person wrote is shown as written, and nothing in it can run on the page.
    static std::string pageHTML(std::string_view stored);
};
