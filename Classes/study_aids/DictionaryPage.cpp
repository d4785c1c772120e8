#include "Classes/study_aids/DictionaryPage.h"

#include <algorithm>

#include "Classes/forum_news/HTMLCleaner.h"
#include "Ostrand_Library/Classes/Regex.h"
#include "platform/foundation/HTMLEscaping.h"
#include "platform/foundation/PercentEscaping.h"
#include "platform/foundation/Unicode.h"

using ostrand::Regex;

namespace {

// The style rules of the two pages, in their order; the link rule closes both.
const std::vector<std::string> kDefinitionRules{
    "body {font-size:12pt; font-family: arial; margin: 0px; padding: 0px;}",
    "h1 {font-size: 123%; text-align: center;}",
    "p {text-align: justify; margin: 5px;}",
    "ol, ul {margin: 0px; padding: 0px; }",
    "ol {padding-left:35px;}",
    "ul {padding-left:25px;}",
    "div.std {margin: 5px 0px;}",
    "li {margin: 0px; text-align: justify; margin-right: 5px}",
    "em {font-weight:bold; font-style: normal;}",
};
const std::vector<std::string> kTranslationRules{
    "body {font-size:12pt; font-family: arial; margin: 0px; padding: 0px;}",
    "p {text-align: justify; margin: 5px;}",
    "ol, ul {margin: 0px;}",
    "div {margin: 5px}",
    "li {margin: 0px; text-align: justify; margin-right: 5px}",
};
const char* kLinkRule =
    "A:link, A:visited, A:active, A:hover  {font-size: 92%; text-decoration: underline; color: #459926; "
    "border-bottom: none 1px #459926;}";

// A line break, the first rule and a line break, the others, a line break after the last.
std::string styleText(const std::vector<std::string>& rules) {
    std::string text = "\n" + rules.front() + "\n";
    for (std::size_t i = 1; i < rules.size(); ++i) text += rules[i];
    return text + kLinkRule + "\n";
}

}  // namespace

const std::vector<std::string>& DictionaryPage::targetLanguages() {
    static const std::vector<std::string> targets{"ar", "bn", "bg", "zh", "hr", "cs", "fi", "fr", "de",
                                                  "el", "gu", "iw", "hi", "it", "kn", "ko", "ml", "mr",
                                                  "pt", "ru", "sr", "es", "ta", "te", "th"};
    return targets;
}

bool DictionaryPage::isTarget(std::string_view code) {
    const auto& targets = targetLanguages();
    return std::find(targets.begin(), targets.end(), code) != targets.end();
}

std::vector<std::string> DictionaryPage::languageList(const std::string& stored,
                                                      const std::vector<std::string>& preferred) {
    std::vector<std::string> list{stored};
    if (stored != kEnglish) {
        list.push_back(kEnglish);
        return list;
    }
    for (const std::string& entry : preferred) {
        std::string code = entry.size() >= 3 ? entry.substr(0, 2) : entry;
        if (isTarget(code)) {
            list.push_back(code);
            break;
        }
    }
    return list;
}

std::string DictionaryPage::definitionsAddress(const std::string& base, const std::string& word) {
    return base + "/search?hl=en&sa=G&noj=1&q=" + fnd::percentEscapeStrict(word) + "&tbs=dfn:1&tbo=u";
}

std::string DictionaryPage::translatorAddress(const std::string& base, const std::string& language,
                                              const std::string& word) {
    return base + "/translate_t?tl=" + fnd::percentEscapeStrict(language) +
           "&sl=en&hl=en&q=" + fnd::percentEscapeStrict(word);
}

std::string DictionaryPage::cutDefinitions(std::string text) {
    if (Regex::replaceAllInPlace(text, "(?s)^.*<div\\s+id=\"search\">", "<div>") == 0)
        return "<p>Not found</p>";
    Regex::replaceAllInPlace(text, "(?s)(<hr[^>]*>)?<h5[^>]*>Web\\s+definitions</h5>.*$", "");
    Regex::replaceAllInPlace(text, "(?s)^.*<td[^>]*>", "");
    Regex::replaceAllInPlace(text, "font-size:small", "");
    Regex::replaceAllInPlace(text, "(?s)\\s+style=\"padding-left:\\d+px\"", "");
    return text;
}

std::string DictionaryPage::cutTranslation(std::string text) {
    if (Regex::replaceAllInPlace(text, "(?s)^.*<div[^>]*style=\"display:block\">\\s*<h3[^>]*>Dictionary</h3>",
                                 "") == 0)
        return "<div>Not found</div>";
    Regex::replaceAllInPlace(text, "(?s)</ol>.*$", "</ol>");
    return text;
}

std::string DictionaryPage::prepareDictionaryPage(const std::string& reply, const std::string& word) {
    return page(word, HTMLCleaner::clean(cutDefinitions(reply)), true);
}

std::string DictionaryPage::prepareTranslatorPage(const std::string& reply, const std::string& word) {
    return page(word, HTMLCleaner::clean(cutTranslation(reply)), false);
}

std::string DictionaryPage::decodeReply(const std::string& bytes) {
    return fnd::fromUtf16(fnd::toUtf16(bytes));
}

std::string DictionaryPage::page(const std::string& word, const std::string& block, bool definitions) {
    return std::string(
               " <!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\" "
               "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">"
               "<html xmlns=\"http://www.w3.org/1999/xhtml\"><head><title></title>"
               "<meta name=\"viewport\" content=\"width=318; initial-scale=1.0; maximum-scale=1.0; "
               "user-scalable=0;\" /></head><style type=\"text/css\">") +
           styleText(definitions ? kDefinitionRules : kTranslationRules) +
           "</style><body><p style=\"font-size:large\"><b>" + fnd::escapeHTML(word) + "</b></p><p>" + block +
           "</p></body></html>";
}
