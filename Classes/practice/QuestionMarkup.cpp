#include "Classes/practice/QuestionMarkup.h"

#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetSimpleQuestion.h"
#include "Ostrand_Library/Classes/Regex.h"

namespace {

using ostrand::Regex;

constexpr const char* kQuestionMark = "#question#";
constexpr const char* kTypeMark = "#type:(PS|DS|SC|CR)#";
constexpr const char* kTextPattern = "(?s)(?<=#type:.{2}#).*(?=#options#)";
constexpr const char* kOptionsPattern = "(?s)(?<=#options#).*(?=#OA:[A-E]#)";
constexpr const char* kOptionLetter = "[A-E]\\)\\s";
constexpr const char* kAnswerPattern = "(?s)(?<=#OA:)[A-E](?=#)";
constexpr const char* kExplanationPattern = "(?s)(?<=#explanation#).*\\z";
constexpr std::int32_t kDS = 2, kSC = 3;
constexpr std::size_t kOptionCount = 5;

std::string paragraph(const std::string& text) { return "<p>" + text + "</p>"; }

std::string withoutBreaks(std::string text) {
    std::erase(text, '\n');
    return text;
}

// The five options of the piece, or none when it has another number.
std::vector<std::string> optionsOf(std::string_view piece) {
    auto block = Regex::firstMatch(piece, kOptionsPattern);
    if (!block) return {};
    std::vector<std::string> parts = Regex::split(*block, kOptionLetter);
    if (parts.empty()) return {};
    parts.erase(parts.begin());
    if (parts.size() != kOptionCount) return {};
    return parts;
}

}  // namespace

std::string QuestionMarkup::convertBreaks(std::string_view text) {
    std::string converted = Regex::replaceAll(text, "\\n", "<br>");
    converted = Regex::replaceAll(converted, "\\A\\s*<br>", "");
    return Regex::replaceAll(converted, "<br>\\s*\\z", "");
}

std::string QuestionMarkup::underline(const std::string& text, const std::string& option) {
    // An empty option would stand between every two characters.
    if (option.empty()) return text;
    std::string result;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(option, from)) != std::string::npos; from = at + option.size())
        result += text.substr(from, at - from) + "<u>" + option + "</u>";
    return result + text.substr(from);
}

std::optional<QuestionMarkup::Piece> QuestionMarkup::readPiece(std::string_view piece) {
    auto type = Regex::firstMatchGroups(piece, kTypeMark);
    auto text = Regex::firstMatch(piece, kTextPattern);
    auto answer = Regex::firstMatch(piece, kAnswerPattern);
    if (type.size() < 2 || !text || !answer) return std::nullopt;
    Piece read;
    for (std::int32_t code = 1; code <= 4; ++code)
        if (MQSet::nameMatchesType(type[1], code)) read.questionType = code;
    read.answerOptions = optionsOf(piece);
    if (read.answerOptions.empty() && read.questionType != kDS) return std::nullopt;
    read.rightAnswer = (*answer)[0] - 'A' + 1;
    std::string body = convertBreaks(*text);
    if (read.questionType == kSC) body = underline(body, withoutBreaks(read.answerOptions.front()));
    read.body = paragraph(body);
    read.explanation = paragraph(convertBreaks(Regex::firstMatch(piece, kExplanationPattern).value_or("")));
    return read;
}

std::vector<QuestionMarkup::Piece> QuestionMarkup::read(std::string_view text) {
    std::vector<std::string> pieces = Regex::split(text, kQuestionMark);
    std::vector<Piece> read;
    for (std::size_t i = 1; i < pieces.size(); ++i)
        if (auto piece = readPiece(pieces[i])) read.push_back(std::move(*piece));
    return read;
}

int QuestionMarkup::addQuestions(const std::shared_ptr<MQSet>& set, std::string_view text) {
    if (!set) return 0;
    int added = 0;
    for (Piece& piece : read(text)) {
        auto number = static_cast<std::int32_t>(set->questions().size() + 1);
        auto question = MQSetSimpleQuestion::make(set, number, piece.questionType, piece.rightAnswer, {},
                                                  std::move(piece.body), std::move(piece.answerOptions),
                                                  std::move(piece.explanation), std::nullopt);
        if (set->isQuestionAlreadyExist(*question)) continue;
        set->addQuestion(question);
        ++added;
    }
    return added;
}
