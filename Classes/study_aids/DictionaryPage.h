#pragma once
// What the dictionary panel sends and shows, apart from the panel: the request addresses, its
// language list, and the page it builds from a reply. A reply is cut down to its definitions or
// dictionary block by a fixed series of regular-expression replacements; the block goes through
// the HTML cleaner (the reply comes from outside) and into a fixed XHTML page under the word,
// which is escaped (it is any text the user selected).

#include <string>
#include <string_view>
#include <vector>

class DictionaryPage {
  public:
    // English definitions; any other code is a translation from English into that language.
    static constexpr const char* kEnglish = "en";
    // The translation targets, ISO 639-1 codes with "iw" for Hebrew.
    static const std::vector<std::string>& targetLanguages();
    static bool isTarget(std::string_view code);

    // The panel's two languages: the stored one first; then "en" when the stored one is another,
    // else the first of the preferred languages (their first two letters when longer) that is a
    // target. One entry when none is.
    static std::vector<std::string> languageList(const std::string& stored,
                                                 const std::vector<std::string>& preferred);

    // "BASE/search?hl=en&sa=G&noj=1&q=WORD&tbs=dfn:1&tbo=u" and
    // "BASE/translate_t?tl=LANG&sl=en&hl=en&q=WORD", with each value escaped as a query value.
    static std::string definitionsAddress(const std::string& base, const std::string& word);
    static std::string translatorAddress(const std::string& base, const std::string& language,
                                         const std::string& word);

    // The cut blocks: the text between the markers of a reply, or "<p>Not found</p>" and a "Not
    // found" div when the reply has no such block.
    static std::string cutDefinitions(std::string reply);
    static std::string cutTranslation(std::string reply);
    // The finished pages for the word.
    static std::string prepareDictionaryPage(const std::string& reply, const std::string& word);
    static std::string prepareTranslatorPage(const std::string& reply, const std::string& word);
    // Reply bytes as text: UTF-8, with bytes that are not replaced by U+FFFD.
    static std::string decodeReply(const std::string& bytes);

    // The fixed page around a cut block.
    static std::string page(const std::string& word, const std::string& block, bool definitions);
};
