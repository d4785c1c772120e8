#pragma once
// Reads one topic page of the forum's question sub-forums: whether the walk goes on, the topic's
// address, and the question of its first post, cut into stem and choices (or statements) and
// cleaned into simple HTML. Pure text work, safe on any thread; what the scanner does with the
// result (duplicates, the next page) is its own business.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class ForumPageReader {
  public:
    // Question types of a scan: the practice codes.
    static constexpr std::int32_t kPS = 1, kDS = 2, kSC = 3, kCR = 4;
    // Posts whose stem is this long or longer are no practice questions.
    static constexpr std::size_t kMaximumStemLength = 1500;
    static constexpr const char* kExplanation = "<p>For explanation, please, see forum discussion</p>";

    // A question found in a first post, ready to become a practice question.
    struct Question {
        std::int32_t rightAnswer = 0;  // 1 for "A" to 5 for "E"
        std::vector<std::string> tags;
        std::string body;
        std::vector<std::string> answerOptions;  // empty for data sufficiency
        std::optional<std::string> threadURL;
    };

    struct Page {
        enum class Kind {
            Empty,  // no bytes at all: worth asking again
            End,    // no topic on it (no older topics, no topic link, not UTF-8): the walk is over
            Topic,
        };
        Kind kind = Kind::End;
        // "<base>viewtopic.php?t=N" and its other form "<base>tN.html".
        std::string topicAddress;
        std::string otherAddress;
        std::optional<Question> question;
    };

    // `baseAddress` ends in "/forum/" (or whatever folder the forum's pages are in).
    static Page readPage(std::string_view bytes, std::int32_t type, const std::string& baseAddress);
    // The question of a topic page's first post, when the post has the shape of one of the type.
    static std::optional<Question> questionFromPage(const std::string& text, std::int32_t type,
                                                    const std::string& baseAddress);

    // Put before a pattern that begins with ".*", it lets the search try only where a line starts
    // or the last match ended. A match of ".*" found anywhere else would also be found one
    // character earlier, since "." takes every character but a line's end, so what is found stays
    // the same; without it the engine runs ".*" to the line's end from every position.
    static constexpr const char* kLineOrLastMatchStart =
        R"((?:\G|(?<=[\n\x{0B}\f\r\x{85}\x{2028}\x{2029}])))";

    // The line-break-and-choice-mark pattern that cuts a first post into stem and five choices.
    static const char* splitter();
    // Whether any of the texts holds a picture.
    static bool didFindImageInHTMLStringsArray(const std::vector<std::string>& texts);
    // Superscripts, square roots and fractions of the forum's maths markup turned into HTML, inner
    // forms first; at most kMathsPasses passes.
    static constexpr int kMathsPasses = 5;
    static void convertMaths(std::string& text);
};
