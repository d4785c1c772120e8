// What the dictionary panel sends and shows, without the panel: its two languages, the request
// addresses, the cut of a reply and the page built around it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Classes/study_aids/DictionaryPage.h"

namespace {

using Strings = std::vector<std::string>;

TEST(DictionaryPageTest, TheSecondLanguageIsEnglishOrTheFirstPreferredTarget) {
    struct Case {
        std::string stored;
        Strings preferred;
        Strings list;
    };
    const std::vector<Case> cases{
        {"en", {"en", "fr", "de"}, {"en", "fr"}},
        {"en", {"en-GB", "zh-Hans"}, {"en", "zh"}},
        {"en", {"pt-PT"}, {"en", "pt"}},
        {"en", {"he", "iw", "ja"}, {"en", "iw"}},
        {"en", {"en-US", "ja-JP"}, {"en"}},
        {"en", {}, {"en"}},
        {"fr", {"de"}, {"fr", "en"}},
        {"zh", {"en"}, {"zh", "en"}},
    };
    for (const Case& c : cases) {
        std::string names;
        for (const std::string& p : c.preferred) names += p + " ";
        EXPECT_EQ(DictionaryPage::languageList(c.stored, c.preferred), c.list) << c.stored << ": " << names;
    }
    EXPECT_EQ(DictionaryPage::targetLanguages().size(), 25u);
}

TEST(DictionaryPageTest, AddressesEscapeTheWordAsAQueryValue) {
    EXPECT_EQ(DictionaryPage::definitionsAddress("http://127.0.0.1:9", "house"),
              "http://127.0.0.1:9/search?hl=en&sa=G&noj=1&q=house&tbs=dfn:1&tbo=u");
    EXPECT_EQ(DictionaryPage::translatorAddress("http://127.0.0.1:9", "fr", "AT&T #4 caf\u00E9 a+b=c?"),
              "http://127.0.0.1:9/translate_t?tl=fr&sl=en&hl=en&q=AT%26T%20%234%20caf%C3%A9%20a%2Bb%3Dc%3F");
}

TEST(DictionaryPageTest, TheDefinitionsCutKeepsTheBlockBetweenTheMarkers) {
    std::string reply =
        "<html><body><div id=\"top\">menu</div><div id=\"search\"><table><tr><td class=\"x\">"
        "<div class=\"std\" style=\"font-size:small\"><ol style=\"padding-left:20px\"><li>a "
        "home</li></ol></div>"
        "<hr class=\"r\"><h5 class=\"w\">Web definitions</h5><p>elsewhere</p></div></body></html>";
    EXPECT_EQ(DictionaryPage::cutDefinitions(reply),
              "<div class=\"std\" style=\"\"><ol><li>a home</li></ol></div>");
    // Without a table the block keeps the opening of its division.
    EXPECT_EQ(DictionaryPage::cutDefinitions("<div id=\"search\"><p>a home</p><h5>Web definitions</h5>"),
              "<div><p>a home</p>");
    EXPECT_EQ(DictionaryPage::cutDefinitions("<html><body>No results</body></html>"), "<p>Not found</p>");
}

TEST(DictionaryPageTest, TheTranslationCutKeepsTheFirstListAfterTheDictionaryHeading) {
    std::string reply =
        "<div id=\"r\"><div class=\"d\" style=\"display:block\">\n <h3 class=\"t\">Dictionary</h3>"
        "<ol><li>maison</li></ol><ol><li>more</li></ol></div>";
    EXPECT_EQ(DictionaryPage::cutTranslation(reply), "<ol><li>maison</li></ol>");
    EXPECT_EQ(DictionaryPage::cutTranslation("<div style=\"display:none\"><h3>Dictionary</h3><ol></ol>"),
              "<div>Not found</div>");
}

TEST(DictionaryPageTest, ThePageEscapesTheWordAndCleansTheBlock) {
    std::string reply =
        "<div id=\"search\"><p onclick=\"steal()\">a <b>home</b><script>steal()</script></p>"
        "<a href=\"javascript:steal()\">x</a>";
    std::string page = DictionaryPage::prepareDictionaryPage(reply, "<i>house</i>");
    EXPECT_EQ(page.rfind(" <!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\"", 0), 0u);
    EXPECT_NE(page.find("<p style=\"font-size:large\"><b>&lt;i&gt;house&lt;/i&gt;</b></p>"),
              std::string::npos);
    EXPECT_NE(page.find("a <b>home</b>"), std::string::npos);
    for (const char* gone : {"onclick", "<script", "javascript:"})
        EXPECT_EQ(page.find(gone), std::string::npos) << gone;
    EXPECT_NE(page.find("em {font-weight:bold; font-style: normal;}"), std::string::npos);
    EXPECT_NE(page.find("A:link, A:visited, A:active, A:hover  {font-size: 92%;"), std::string::npos);
    std::string translation = DictionaryPage::prepareTranslatorPage("nothing", "house");
    EXPECT_NE(translation.find("Not found"), std::string::npos);
    EXPECT_NE(translation.find("div {margin: 5px}"), std::string::npos);
    EXPECT_EQ(translation.find("div.std"), std::string::npos);
}

TEST(DictionaryPageTest, ARepliesBytesThatAreNotUTF8BecomeReplacementCharacters) {
    EXPECT_EQ(DictionaryPage::decodeReply("caf\xE9 ok"), "caf\uFFFD ok");
    EXPECT_EQ(DictionaryPage::decodeReply("caf\u00E9"), "caf\u00E9");
}

}  // namespace
