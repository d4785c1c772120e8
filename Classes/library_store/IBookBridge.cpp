#include "Classes/library_store/IBookBridge.h"

#include <cstdio>

#include "Classes/errorlog/MBook.h"
#include "Classes/errorlog/MQuestion.h"
#include "Classes/errorlog/MSection.h"
#include "Classes/library_store/MIBHRecord.h"
#include "Classes/library_store/MIBIndex.h"
#include "Classes/library_store/MIBQuestion.h"
#include "Ostrand_Library/Classes/Regex.h"

namespace {

constexpr const char* kOfficialGuideButtonPattern = "(?<=(?i)ogButton(?-i):)\\d+\\z";
constexpr const char* kAnswerPattern = "(?<=(?i)booksQButton(?-i):).+\\z";
constexpr const char* kBridgeLinkPattern = "(?i)(booksQButton|ogButton):";

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

// A text inside a single-quoted script string.
std::string quoted(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\\' || c == '\'') out += '\\';
        if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

// The status a question's recorded answers give it, counted into right or wrong.
struct Tally {
    int right = 0, wrong = 0;
    const char* status(const MQuestion* tracker, const MIBQuestion* own) {
        const char* status = IBookBridge::kNone;
        if (tracker && tracker->isScored())
            if (const MHRecord* last = tracker->lastAttempt())
                status = count(last->answer() == tracker->rightAnswer());
        if (own && own->history() && !own->history()->empty())
            status = count(own->history()->back()->isRight());
        return status;
    }

  private:
    const char* count(bool isRight) {
        ++(isRight ? right : wrong);
        return isRight ? IBookBridge::kRight : IBookBridge::kWrong;
    }
};

}  // namespace

std::string IBookBridge::bookPrefix(const MBook& book) {
    if (book.shortName() == "OG Verbal 1") return "V";
    if (book.shortName() == "OG Verbal 2") return "V2";
    return book.shortName();
}

std::optional<std::string> IBookBridge::officialGuideKey(const MBook& book, const MSection& section,
                                                         const MQuestion& question) {
    std::optional<std::string> type = question.stringWithType();
    if (!type) return std::nullopt;
    return bookPrefix(book) + "_" + section.shortName() + "_" + *type + "_" +
           std::to_string(question.number());
}

IBookBridge::QuestionMap IBookBridge::trackerQuestions(const Books& books, bool answeredOnly) {
    QuestionMap map;
    for (const auto& book : books)
        for (const auto& section : book->sections())
            for (const auto& question : section->questions()) {
                if (answeredOnly && !question->lastAttempt()) continue;
                if (auto key = officialGuideKey(*book, *section, *question))
                    map.emplace(std::move(*key), question);
            }
    return map;
}

std::string IBookBridge::userAnswerScript(std::string_view key, std::string_view status) {
    return "userAnswer('" + quoted(key) + "', '" + std::string(status) + "');";
}

std::string IBookBridge::statsScript(int group, int right, int wrong, int keys) {
    char text[96];
    if (keys <= 0)
        std::snprintf(text, sizeof text, "stats('stat%d', 0, 0);", group);
    else
        std::snprintf(text, sizeof text, "stats('stat%d',%f,%f);", group, double(float(right) / float(keys)),
                      double(float(wrong) / float(keys)));
    return text;
}

std::string IBookBridge::officialGuideScript(std::string_view button) {
    return "getDataForOGButton(" + std::string(button) + ");";
}

void IBookBridge::run(const Evaluate& evaluate, const Books& books, const MIBIndex* index) {
    evaluate("preprocess();");
    const std::string data = evaluate("getData();");
    // A page that names no groups (or did not answer) ends the run.
    if (data.empty()) return;
    const QuestionMap answered = trackerQuestions(books, true);
    int group = 0;
    for (std::string_view text : split(data, '|')) {
        ++group;
        Tally tally;
        int keys = 0;
        for (std::string_view key : split(text, ',')) {
            if (key.empty()) continue;
            ++keys;
            auto tracker = answered.find(key);
            const MIBQuestion* own = nullptr;
            if (index)
                if (auto found = index->questionDict().find(key); found != index->questionDict().end())
                    own = found->second.get();
            const char* status =
                tally.status(tracker == answered.end() ? nullptr : tracker->second.get(), own);
            evaluate(userAnswerScript(key, status));
        }
        evaluate(statsScript(group, tally.right, tally.wrong, keys));
    }
}

bool IBookBridge::isBridgeLink(std::string_view url) {
    return ostrand::Regex::isMatched(url, kBridgeLinkPattern);
}

std::optional<std::string> IBookBridge::officialGuideButton(std::string_view url) {
    return ostrand::Regex::firstMatch(url, kOfficialGuideButtonPattern);
}

std::optional<IBookBridge::Answer> IBookBridge::answerOfLink(std::string_view url) {
    std::optional<std::string> match = ostrand::Regex::firstMatch(url, kAnswerPattern);
    if (!match) return std::nullopt;
    std::vector<std::string_view> parts = split(*match, ':');
    if (parts.size() < 2) return std::nullopt;
    Answer answer{std::string(parts[0]), parts[1] == kRight, std::nullopt};
    if (parts.size() > 2) answer.answer = std::string(parts[2]);
    return answer;
}

bool IBookBridge::record(MIBIndex& index, const Answer& answer) {
    auto found = index.questionDict().find(answer.key);
    if (found == index.questionDict().end()) return false;
    found->second->addIBHRecord(std::make_shared<MIBHRecord>(std::nullopt, 0, answer.isRight, answer.answer));
    return true;
}

std::shared_ptr<MSection> IBookBridge::officialGuideSection(std::string_view keys, const Books& books) {
    auto section = std::make_shared<MSection>(kSectionFullName, kSectionShortName, "", 0, 0, 0);
    const QuestionMap all = trackerQuestions(books, false);
    for (std::string_view key : split(keys, '|'))
        if (auto found = all.find(key); found != all.end()) section->addQuestion(found->second);
    return section;
}
