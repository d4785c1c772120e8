#include "Classes/practice/QuestionMarkup.h"

#include <algorithm>
#include <array>
#include <unordered_set>

#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetSimpleQuestion.h"
#include "Ostrand_Library/Classes/Regex.h"
#include "platform/foundation/HTMLEscaping.h"
#include "platform/foundation/Unicode.h"

namespace {

using ostrand::Regex;

// The parts of a piece are found by plain searches, each of which passes over the piece once, so
// that reading stays linear in the piece's length however its marks are repeated or left open.
constexpr std::string_view kQuestionMark = "#question#";
constexpr std::string_view kTypeLead = "#type:";
constexpr std::string_view kOptionsMark = "#options#";
constexpr std::string_view kAnswerLead = "#OA:";
constexpr std::string_view kExplanationMark = "#explanation#";
constexpr const char* kOptionLetter = "[A-E]\\)\\s";
constexpr std::int32_t kDS = 2, kSC = 3, kLastType = 4;
constexpr std::size_t kOptionCount = 5, kCodeLength = 2;
constexpr auto npos = std::string_view::npos;

std::string paragraph(const std::string& text) { return "<p>" + text + "</p>"; }

std::string withoutBreaks(std::string text) {
    std::erase(text, '\n');
    return text;
}

// The question type of the first type mark whose code is one of the four; 0 when none is.
std::int32_t typeOf(std::string_view piece) {
    for (auto at = piece.find(kTypeLead); at != npos; at = piece.find(kTypeLead, at + 1)) {
        std::string_view rest = piece.substr(at + kTypeLead.size());
        if (rest.size() <= kCodeLength || rest[kCodeLength] != '#') continue;
        std::string code(rest.substr(0, kCodeLength));
        for (std::int32_t type = 1; type <= kLastType; ++type)
            if (MQSet::nameMatchesType(code, type)) return type;
    }
    return 0;
}

// Where the question text begins: just after the first type mark whose code is any two characters.
// A mark with another code, such as RC, still starts the text; the type is looked for apart.
std::size_t textStart(std::string_view piece) {
    for (auto at = piece.find(kTypeLead); at != npos; at = piece.find(kTypeLead, at + 1)) {
        std::size_t end = at + kTypeLead.size();
        for (std::size_t i = 0; i < kCodeLength && end < piece.size(); ++i)
            end += std::max<std::size_t>(1, fnd::wellFormedUtf8Length(piece.substr(end)));
        if (end < piece.size() && piece[end] == '#') return end + 1;
    }
    return npos;
}

bool isAnswerMark(std::string_view piece, std::size_t at) {
    std::size_t letter = at + kAnswerLead.size();
    return letter + 1 < piece.size() && piece[letter] >= 'A' && piece[letter] <= 'E' &&
           piece[letter + 1] == '#';
}

// The right answer's letter of the first answer mark; 0 when there is none.
char answerOf(std::string_view piece) {
    for (auto at = piece.find(kAnswerLead); at != npos; at = piece.find(kAnswerLead, at + 1))
        if (isAnswerMark(piece, at)) return piece[at + kAnswerLead.size()];
    return 0;
}

// From the start to the last occurrence of the end mark at or after it.
std::optional<std::string_view> upToLast(std::string_view piece, std::size_t start,
                                         std::string_view endMark) {
    auto end = piece.rfind(endMark);
    if (start == npos || end == npos || end < start) return std::nullopt;
    return piece.substr(start, end - start);
}

// The question text: from the first type mark to the last "#options#".
std::optional<std::string_view> textOf(std::string_view piece) {
    return upToLast(piece, textStart(piece), kOptionsMark);
}

// From the first "#options#" to the last answer mark.
std::optional<std::string_view> optionsBlockOf(std::string_view piece) {
    auto mark = piece.find(kOptionsMark);
    if (mark == npos) return std::nullopt;
    std::size_t start = mark + kOptionsMark.size();
    for (auto at = piece.rfind(kAnswerLead); at != npos && at >= start;
         at = at ? piece.rfind(kAnswerLead, at - 1) : npos)
        if (isAnswerMark(piece, at)) return piece.substr(start, at - start);
    return std::nullopt;
}

// Everything after the first "#explanation#"; empty without one.
std::string_view explanationOf(std::string_view piece) {
    auto mark = piece.find(kExplanationMark);
    return mark == npos ? std::string_view() : piece.substr(mark + kExplanationMark.size());
}

// The five options of the piece, or none when it has another number.
std::vector<std::string> optionsOf(std::string_view piece) {
    auto block = optionsBlockOf(piece);
    if (!block) return {};
    std::vector<std::string> parts = Regex::split(*block, kOptionLetter);
    if (parts.empty()) return {};
    parts.erase(parts.begin());
    if (parts.size() != kOptionCount) return {};
    return parts;
}

// Where the pattern occurs in the text, left to right and not overlapping, found in one pass
// (Knuth, Morris and Pratt), however much of the pattern each place repeats.
std::vector<std::size_t> occurrences(std::string_view text, std::string_view pattern) {
    std::vector<std::size_t> found;
    if (pattern.empty()) return found;
    std::vector<std::size_t> border(pattern.size(), 0);
    for (std::size_t i = 1, k = 0; i < pattern.size(); ++i) {
        while (k && pattern[i] != pattern[k]) k = border[k - 1];
        if (pattern[i] == pattern[k]) ++k;
        border[i] = k;
    }
    for (std::size_t i = 0, k = 0; i < text.size(); ++i) {
        while (k && text[i] != pattern[k]) k = border[k - 1];
        if (text[i] == pattern[k]) ++k;
        if (k == pattern.size()) {
            found.push_back(i + 1 - k);
            k = 0;
        }
    }
    return found;
}

}  // namespace

std::string QuestionMarkup::convertBreaks(std::string_view text) {
    std::string converted = Regex::replaceAll(text, "\\n", "<br>");
    converted = Regex::replaceAll(converted, "\\A\\s*<br>", "");
    return Regex::replaceAll(converted, "<br>\\s*\\z", "");
}

std::string QuestionMarkup::underline(const std::string& text, const std::string& option) {
    std::string result;
    std::size_t from = 0;
    for (std::size_t at : occurrences(text, option)) {
        result.append(text, from, at - from).append("<u>").append(option).append("</u>");
        from = at + option.size();
    }
    return result.append(text, from);
}

std::string QuestionMarkup::pageHTML(std::string_view stored) {
    constexpr std::string_view open = "<p>", close = "</p>";
    constexpr std::array<std::string_view, 3> kFormatting{"<br>", "<u>", "</u>"};
    bool wrapped =
        stored.size() >= open.size() + close.size() && stored.starts_with(open) && stored.ends_with(close);
    if (wrapped) stored = stored.substr(open.size(), stored.size() - open.size() - close.size());
    std::string shown = wrapped ? std::string(open) : std::string();
    std::size_t from = 0;
    for (auto at = stored.find('<'); at != npos; at = stored.find('<', at + 1)) {
        auto tag = std::find_if(kFormatting.begin(), kFormatting.end(),
                                [&](std::string_view t) { return stored.substr(at).starts_with(t); });
        if (tag == kFormatting.end()) continue;
        shown += fnd::escapeHTML(stored.substr(from, at - from));
        shown += *tag;
        from = at + tag->size();
    }
    shown += fnd::escapeHTML(stored.substr(from));
    if (wrapped) shown += close;
    return shown;
}

std::optional<QuestionMarkup::Piece> QuestionMarkup::readPiece(std::string_view piece) {
    std::int32_t type = typeOf(piece);
    auto text = textOf(piece);
    char answer = answerOf(piece);
    if (!type || !text || !answer) return std::nullopt;
    Piece read;
    read.questionType = type;
    read.answerOptions = optionsOf(piece);
    if (read.answerOptions.empty() && read.questionType != kDS) return std::nullopt;
    read.rightAnswer = answer - 'A' + 1;
    std::string body = convertBreaks(*text);
    if (read.questionType == kSC) body = underline(body, withoutBreaks(read.answerOptions.front()));
    read.body = paragraph(body);
    read.explanation = paragraph(convertBreaks(explanationOf(piece)));
    return read;
}

std::vector<QuestionMarkup::Piece> QuestionMarkup::read(std::string_view text) {
    std::vector<Piece> read;
    auto at = text.find(kQuestionMark);
    while (at != npos) {
        std::size_t start = at + kQuestionMark.size();
        at = text.find(kQuestionMark, start);
        if (auto piece = readPiece(text.substr(start, at == npos ? npos : at - start)))
            read.push_back(std::move(*piece));
    }
    return read;
}

int QuestionMarkup::addQuestions(const std::shared_ptr<MQSet>& set, std::string_view text) {
    if (!set) return 0;
    // The bodies the set holds, looked up by hash: a paste of thousands of questions into a set of
    // thousands stays linear. Questions read from the markup never have a thread address.
    std::unordered_set<std::string_view> bodies;
    for (const auto& question : set->questions()) bodies.insert(question->body());
    int added = 0;
    for (Piece& piece : read(text)) {
        if (bodies.contains(piece.body)) continue;
        auto number = static_cast<std::int32_t>(set->questions().size() + 1);
        auto question = MQSetSimpleQuestion::make(set, number, piece.questionType, piece.rightAnswer, {},
                                                  std::move(piece.body), std::move(piece.answerOptions),
                                                  std::move(piece.explanation), std::nullopt);
        // A new question: it cannot be in the set already, so it is appended without a search.
        set->questions().push_back(question);
        bodies.insert(question->body());
        ++added;
    }
    return added;
}
