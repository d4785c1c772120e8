#include "Classes/forum_news/ForumPageReader.h"

#include "Classes/forum_news/HTMLCleaner.h"
#include "Classes/practice/MQSetQuestion.h"
#include "Ostrand_Library/Classes/Regex.h"
#include "platform/foundation/Unicode.h"

using ostrand::Regex;

namespace {

// The topic's own feed link in the page's head: the one place the topic number is sure to be.
constexpr const char* kTopicLink = R"(content=topic_posts&amp;t=\d{1,7}("|&))";
constexpr const char* kNoOlderTopics = R"(There\sare\sno\solder\stopics\sin\sthis\sforum)";
constexpr const char* kPostStart = R"(<div\sclass="content">)";
constexpr const char* kOfficialAnswer =
    R"((OA\sis\s"?\(?[A-E]|OA\s?:\s?[A-E]|OA\sis\s\([A-E]|OA\shere\sis\s[A-E]|OA\sanswer\sis\s"?\(?[A-E]|class="spoiler-hidden">[A-E]))";
constexpr const char* kStatementSplitter = R"(\([12]\)\s|[12]\.\s|[12]\)\s)";
constexpr const char* kPostEnd = R"((<br\s/>([A-Z]|=|-|<div)|</div>)(.|\n)*)";

void remove(std::string& text, std::string_view pattern) { Regex::replaceAllInPlace(text, pattern, ""); }

std::string topicNumber(const std::string& text) {
    auto link = Regex::firstMatch(text, kTopicLink);
    if (!link) return {};
    return Regex::firstMatch(*link, R"(\d{1,7})").value_or("");
}

// Text whose UTF-8 was once read as Windows-1252: the apostrophe and closing quote come back.
void repairQuotes(std::string& text) {
    Regex::replaceAllInPlace(text, "\u00E2\u20AC\u2122", "'");
    Regex::replaceAllInPlace(text, "\u00E2\u20AC\u201D", "'");
}

void removeAllTagsAndSpaces(std::string& piece) {
    Regex::replaceAllInPlace(piece, R"(<br\s/>)", " ");
    Regex::replaceAllInPlace(piece, R"(\s+)", " ");
    remove(piece, R"(\A\s)");
    remove(piece, R"(\s\z)");
    remove(piece, R"(<[^<]*>)");
}

void removeOpeningLine(std::string& stem, std::string_view rest) {
    remove(stem, ForumPageReader::kLineOrLastMatchStart + std::string(rest));
}

// Greetings, thanks, sources and the like on the lines before the question.
void removeOpeningLines(std::string& stem, std::int32_t type) {
    removeOpeningLine(
        stem,
        R"(.*(Hi[\s,]|Hey\s|Could\s|Can\s|Please|Plz|Pls|please|Hello\s|Hello,|Guys|\sme\s)[^<]*<br />)");
    removeOpeningLine(
        stem,
        R"(.*(I|i)\s('d like|am|came|can|dont|don't|did|found|got|know|like|see|think|was)[^<]*<br />)");
    std::string words = type == ForumPageReader::kPS ? "OA|Thanks|" : "OA|!|Thanks|";
    words += R"(thanks|Thank\syou|Here\sis|---|Need\s|Interesting\sproblem|MORVA|)";
    if (type == ForumPageReader::kDS) words += "OG|Knewton|";
    words += "Source:";
    removeOpeningLine(stem, ".*(" + words + ")[^<]*<br />");
}

void cleanStem(std::string& stem, std::int32_t type) {
    using R = ForumPageReader;
    if (type == R::kSC) {
        remove(stem, R"(.*(\?)[^<]*<br />)");
        remove(stem, R"(\A\d{1,4}\.|.*wrote:)");
        Regex::replaceAllInPlace(stem, R"(color:\s?#.{6})", "color:#000000");
        remove(stem, R"(Q(\d{0,3}:|\)))");
        return;
    }
    remove(stem, R"(\A\d{1,4}\.)");
    Regex::replaceAllInPlace(stem, R"(color:\s?#.{6})", "color:#000000");
    remove(stem, type == R::kCR ? "Q:" : R"(Q(\d*):)");
    remove(stem, R"(<div\s[^<]*>)");
    remove(stem, R"(\A<br\s/>)");
    remove(stem, R"(\A\s)");
    Regex::replaceAllInPlace(stem, R"(\s<br\s/>)", "<br />");
    remove(stem, R"(\s\Z)");
    Regex::replaceAllInPlace(stem, R"(<br\s/><br\s/>)", "<br />");
    Regex::replaceAllInPlace(stem, R"(<br\s/><br\s/>)", "<br />");

    // A line that goes on in lower case continues the sentence of the line before.
    std::vector<std::string> lines = Regex::split(stem, R"(<br\s/>)");
    if (lines.empty()) return;
    stem = lines[0];
    for (std::size_t i = 1; i < lines.size(); ++i)
        stem += (Regex::isMatched(lines[i], R"(\A[a-z])") ? " " : "<br />") + lines[i];

    if (type == R::kDS) return;
    // The question sentence stands apart from the passage by an empty line.
    lines = Regex::split(stem, R"(<br\s/>)");
    if (lines.empty()) return;
    stem = lines[0];
    for (std::size_t i = 1; i < lines.size(); ++i) {
        stem += "<br />";
        if (Regex::isMatched(lines[i], R"(\?\Z)") ||
            (i + 1 == lines.size() && Regex::isMatched(lines[i], R"((that|whether|EXCEPT:|\sby)\Z)")))
            stem += "<br />";
        stem += lines[i];
    }
}

void cleanSentenceCorrectionChoice(std::string& piece, bool last) {
    remove(piece, R"(<br\s/><br\s/>(?:.|\n)*)");
    remove(piece, R"(\.)");
    if (!last) return;
    remove(piece, kPostEnd);
    Regex::replaceAllInPlace(piece, R"(\s*\n+\s*)", " ");
}

void cleanChoice(std::string& piece, bool last, std::int32_t type) {
    if (last) remove(piece, kPostEnd);
    remove(piece, R"(<br\s/><br\s/>.*)");
    if (type == ForumPageReader::kCR) remove(piece, R"(\.)");
    removeAllTagsAndSpaces(piece);
}

// The official answer as 1 to 5; nothing when none is given or two statements disagree.
std::optional<std::int32_t> officialAnswer(const std::string& page) {
    std::vector<std::string> matches = Regex::allMatches(page, kOfficialAnswer);
    if (matches.empty()) return std::nullopt;
    char letter = matches.front().back();
    for (const auto& match : matches)
        if (match.back() != letter) return std::nullopt;
    return letter - 'A' + 1;
}

// The tags are read as if every run of line ends and tabs in the page were one space. Only the
// span's opening and its text need that, so the page itself is not copied: a run there stands
// where one white-space character would.
std::vector<std::string> tagsOfPage(const std::string& page) {
    Regex::Groups groups = Regex::firstMatchGroups(page, R"(<span(?:[\n\t]+|\s)id="tags">([^<]*)</span>)");
    if (groups.size() < 2) return {};
    std::string tags = Regex::replaceAll(groups[1], R"((\n|\t)+)", " ");
    return MQSetQuestion::filterTags(Regex::split(tags, R"(,\s)"));
}

}  // namespace

const char* ForumPageReader::splitter() { return R"(<br\s*/?>\s*(?:\([A-Ea-e]\)\s|[A-E]\.\s|[A-Ea-e]\)\s))"; }

bool ForumPageReader::didFindImageInHTMLStringsArray(const std::vector<std::string>& texts) {
    for (const auto& text : texts)
        if (Regex::isMatched(text, "<img[^>]*>")) return true;
    return false;
}

void ForumPageReader::convertMaths(std::string& text) {
    for (int pass = 0; pass < kMathsPasses; ++pass) {
        int replaced = Regex::replaceAllInPlace(text, R"(\^\{([^{}]+)\})", "<sup>$1</sup>");
        replaced += Regex::replaceAllInPlace(text, R"(\^(\d+)([^0-9]))", "<sup>$1</sup>$2");
        replaced +=
            Regex::replaceAllInPlace(text, R"(\\sqrt\{([^{}]+)\})", "√<span class=\"upperline\">$1</span>");
        replaced += Regex::replaceAllInPlace(text, R"(\\frac\{([^{}]+)\}\{([^{}]+)\})", "($1)/($2)");
        if (replaced == 0) break;
    }
}

std::optional<ForumPageReader::Question> ForumPageReader::questionFromPage(const std::string& text,
                                                                           std::int32_t type,
                                                                           const std::string& baseAddress) {
    if (type < kPS || type > kCR) return std::nullopt;
    std::vector<std::string> posts = Regex::split(text, kPostStart);
    if (posts.size() < 2) return std::nullopt;
    const std::string& post = posts[1];
    std::optional<std::int32_t> answer = officialAnswer(text);
    if (!answer) return std::nullopt;

    std::vector<std::string> pieces;
    if (type == kDS) {
        pieces = Regex::split(post, kStatementSplitter);
        if (pieces.size() != 3) return std::nullopt;
    } else {
        pieces = Regex::split(post, splitter());
        if (pieces.size() != 6) return std::nullopt;
        if (type == kPS && Regex::isMatched(pieces[1], "Statement")) return std::nullopt;
    }
    if ((type == kPS || type == kDS) && fnd::utf16Length(pieces[0]) >= kMaximumStemLength)
        return std::nullopt;
    // Questions that need a figure are not taken; looked for before the tags are gone.
    if (didFindImageInHTMLStringsArray(pieces)) return std::nullopt;

    const std::size_t last = pieces.size() - 1;
    for (std::size_t k = 0; k <= last; ++k) {
        std::string& piece = pieces[k];
        if (type != kSC) Regex::replaceAllInPlace(piece, R"(\n)", " ");
        if (k == 0) {
            removeOpeningLines(piece, type);
            cleanStem(piece, type);
        } else if (type == kSC) {
            cleanSentenceCorrectionChoice(piece, k == last);
        } else {
            cleanChoice(piece, k == last, type);
        }
        if (type == kSC) {
            Regex::replaceAllInPlace(piece, R"(\b\s?--\s?\b)", " - ");
            remove(piece, "\u00EF\u00BC\u0096");
            repairQuotes(piece);
            removeAllTagsAndSpaces(piece);
        } else {
            if (type != kCR) {
                Regex::replaceAllInPlace(piece, "\u2013", "-");
                Regex::replaceAllInPlace(piece, ">=", "\u2265");
                convertMaths(piece);
            }
            repairQuotes(piece);
        }
        // Whatever the forum let through, nothing active reaches a question page.
        piece = HTMLCleaner::clean(piece);
    }

    std::string stem = pieces[0];
    if (type == kSC) {
        // The first choice repeats the underlined part of the sentence.
        const std::string& first = pieces[1];
        if (first.empty() || stem.find(first) == std::string::npos) return std::nullopt;
        std::string marked;
        std::size_t at = 0;
        for (std::size_t found; (found = stem.find(first, at)) != std::string::npos;
             at = found + first.size())
            marked += stem.substr(at, found - at) + "<u>" + first + "</u>";
        stem = marked + stem.substr(at);
        if (fnd::utf16Length(stem) < 11) return std::nullopt;
    }

    Question question;
    question.rightAnswer = *answer;
    question.tags = tagsOfPage(text);
    if (type == kDS) {
        question.body = "<p>" + stem + "</p><p>(1) " + pieces[1] + "</p><p>(2) " + pieces[2] + "</p>";
    } else {
        question.body = "<p>" + stem + "</p>";
        question.answerOptions.assign(pieces.begin() + 1, pieces.end());
    }
    std::string topic = topicNumber(text);
    if (!topic.empty()) question.threadURL = baseAddress + "viewtopic.php?t=" + topic;
    return question;
}

ForumPageReader::Page ForumPageReader::readPage(std::string_view bytes, std::int32_t type,
                                                const std::string& baseAddress) {
    Page page;
    if (bytes.empty()) {
        page.kind = Page::Kind::Empty;
        return page;
    }
    if (!fnd::isWellFormedUtf8(bytes)) return page;
    std::string text(bytes);
    if (Regex::isMatched(text, kNoOlderTopics)) return page;
    std::string topic = topicNumber(text);
    if (topic.empty()) return page;
    page.kind = Page::Kind::Topic;
    page.topicAddress = baseAddress + "viewtopic.php?t=" + topic;
    page.otherAddress = baseAddress + "t" + topic + ".html";
    page.question = questionFromPage(text, type, baseAddress);
    return page;
}
