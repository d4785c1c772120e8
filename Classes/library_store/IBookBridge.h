#pragma once
// The conversation between the interactive book's reader and the book's pages. The page names its
// question groups (getData: "key,key|key,key"); the reader tells it each question's state
// (userAnswer('key', 'right' | 'wrong' | 'none')) and each group's shares of right and wrong
// answers (stats('statN', right, wrong)). A question's state comes from the error log, for keys of
// the official-guide books, and from the book's own answers. A page reports an answer by a link
// "booksQButton:<key>:<right|wrong>[:<answer>]" and asks for the official-guide questions of a
// group by a link "ogButton:<number>". Neither link ever leaves the reader.
//
// An official-guide key is "<book prefix>_<section>_<type>_<number>" ("V_SC_SC_12"); the prefix
// is "V" for "OG Verbal 1", "V2" for "OG Verbal 2" and the short name for every other book. A
// question of a book whose answer key is not installed has no right answer: it reads "none".
//
//     IBookBridge::run(evaluate, rep->books(), book->ibIndex().get());

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class MBook;
class MIBIndex;
class MQuestion;
class MSection;

class IBookBridge {
  public:
    using Evaluate = std::function<std::string(const std::string& script)>;
    using Books = std::vector<std::shared_ptr<MBook>>;
    using QuestionMap = std::map<std::string, std::shared_ptr<MQuestion>, std::less<>>;

    static constexpr const char* kAnswerScheme = "booksQButton";
    static constexpr const char* kOfficialGuideScheme = "ogButton";
    static constexpr const char* kRight = "right";
    static constexpr const char* kWrong = "wrong";
    static constexpr const char* kNone = "none";
    // The free-standing section an "ogButton:" link opens.
    static constexpr const char* kSectionFullName = "Manhattan ORVA set";
    static constexpr const char* kSectionShortName = "MORVA set";

    // The prefix of a book's question keys.
    static std::string bookPrefix(const MBook& book);
    // An error-log question's key; nothing for a question of no known type.
    static std::optional<std::string> officialGuideKey(const MBook& book, const MSection& section,
                                                       const MQuestion& question);
    // The error log's questions by key: all of them, or those with an attempt.
    static QuestionMap trackerQuestions(const Books& books, bool answeredOnly);

    // One bridge run over the page (see above). A page without groups ends it after getData.
    static void run(const Evaluate& evaluate, const Books& books, const MIBIndex* index);

    // Whether the address is one of the two bridge links (schemes in any case).
    static bool isBridgeLink(std::string_view url);
    // The button number of an "ogButton:" link; nothing for another address.
    static std::optional<std::string> officialGuideButton(std::string_view url);

    struct Answer {
        std::string key;
        bool isRight = false;
        std::optional<std::string> answer;
    };
    // The answer of a "booksQButton:" link; nothing for another address or fewer than two parts.
    static std::optional<Answer> answerOfLink(std::string_view url);
    // Appends the answer to its question's history; false (nothing recorded) for a key the index
    // lacks.
    static bool record(MIBIndex& index, const Answer& answer);

    // The section of an "ogButton:" link: the error-log questions of the page's answer to
    // getDataForOGButton ("key|key"), in that order; keys that name no question are left out.
    static std::shared_ptr<MSection> officialGuideSection(std::string_view keys, const Books& books);

    // The scripts of the conversation.
    static std::string userAnswerScript(std::string_view key, std::string_view status);
    static std::string statsScript(int group, int right, int wrong, int keys);
    static std::string officialGuideScript(std::string_view button);
};
