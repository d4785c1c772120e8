// The dictionary's own service: the dictd index and the dictzip reader (on small dictionaries
// written here, damaged ones, and the installed WordNet), the pages it builds from entries, and
// the requests it answers on the loopback interface.

#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Classes/study_aids/DictdDatabase.h"
#include "Classes/study_aids/DictionaryPage.h"
#include "Classes/study_aids/DictionaryService.h"
#include "Classes/study_aids/DictionaryServicePages.h"
#include "Classes/study_aids/DictzipFile.h"
#include "platform/foundation/URLSession.h"
#include "tests/support/TestEnvironment.h"

namespace {

namespace fs = std::filesystem;

const std::string kDigits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::string dictdNumber(std::uint64_t value) {
    std::string text;
    do {
        text.insert(text.begin(), kDigits[value % 64]);
        value /= 64;
    } while (value);
    return text;
}

void le16(std::string& out, std::size_t value) {
    out += char(value & 0xff);
    out += char((value >> 8) & 0xff);
}

// The text as a dictzip file: chunks of `chunk` bytes, each deflated on its own.
std::string dictzip(const std::string& text, std::size_t chunk) {
    std::vector<std::string> pieces;
    for (std::size_t at = 0; at < text.size(); at += chunk) {
        std::string piece = text.substr(at, chunk);
        z_stream z{};
        deflateInit2(&z, 9, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
        std::string out(deflateBound(&z, uLong(piece.size())) + 16, '\0');
        z.next_in = reinterpret_cast<Bytef*>(piece.data());
        z.avail_in = uInt(piece.size());
        z.next_out = reinterpret_cast<Bytef*>(out.data());
        z.avail_out = uInt(out.size());
        deflate(&z, Z_FINISH);
        out.resize(out.size() - z.avail_out);
        deflateEnd(&z);
        pieces.push_back(out);
    }
    std::string field;
    le16(field, 1);
    le16(field, chunk);
    le16(field, pieces.size());
    for (const std::string& p : pieces) le16(field, p.size());
    std::string extra = "RA";
    le16(extra, field.size());
    extra += field;
    std::string file = {'\x1f', '\x8b', 8, 4 | 8, 0, 0, 0, 0, 2, 3};
    le16(file, extra.size());
    file += extra + "name.dict" + '\0';
    for (const std::string& p : pieces) file += p;
    return file;  // the gzip trailer is not read
}

// A dictionary of (headword, entry) pairs, written as NAME.index and NAME.dict.dz.
void writeDictionary(const fs::path& folder, const std::string& name,
                     const std::vector<std::pair<std::string, std::string>>& entries,
                     std::size_t chunk = 16) {
    std::string text, index;
    for (const auto& [headword, entry] : entries) {
        index += headword + "\t" + dictdNumber(text.size()) + "\t" + dictdNumber(entry.size()) + "\n";
        text += entry;
    }
    std::ofstream(folder / (name + ".index"), std::ios::binary) << index;
    std::ofstream(folder / (name + ".dict.dz"), std::ios::binary) << dictzip(text, chunk);
}

const char* kHouse =
    "house\n"
    "    n 1: a dwelling that serves as living quarters for one or more\n"
    "         families; \"he has a house on Cape Cod\"\n"
    "    2: the members of a business organization [syn: {firm},\n"
    "       {house}, {business firm}]\n"
    "    v 1: contain or cover; \"This box houses the gears\" [ant: {evict}]\n";

class DictionaryServiceTest : public testing_support::TestEnvironment {
  protected:
    void SetUp() override {
        TestEnvironment::SetUp();
        folder = temporary / "dictd";
        fs::create_directories(folder);
        writeDictionary(folder, "wn",
                        {{"house", kHouse}, {"Tea", "tea\n    n 1: a beverage <hot> & sweet\n"}});
        writeDictionary(
            folder, "freedict-eng-fra",
            {{"house", "house /haus/\nmaison\n"},
             {"house", "house <v>\n1. loger\n2. abriter\n      \"house guests\"  - loger des invités\n"}});
    }
    fs::path folder;
};

TEST(DictdNumberTest, DictdBase64NumbersReadMostSignificantFirst) {
    struct Case {
        const char* text;
        std::optional<std::uint64_t> value;
    };
    for (const Case& c : std::vector<Case>{{"A", 0},
                                           {"/", 63},
                                           {"BA", 64},
                                           {"B03CC", 30634114},
                                           {"", std::nullopt},
                                           {"A-B", std::nullopt},
                                           {"AAAAAAAAA", std::nullopt}})
        EXPECT_EQ(DictdDatabase::decodeNumber(c.text), c.value) << c.text;
}

TEST_F(DictionaryServiceTest, EntriesAreReadAcrossChunksByHeadwordInAnyCase) {
    std::string error;
    auto wn = DictdDatabase::open(folder, "wn", error);
    ASSERT_TRUE(wn) << error;
    EXPECT_EQ(wn->entryCount(), 2u);
    EXPECT_EQ(wn->define("HOUSE", error), (std::vector<std::string>{kHouse}));
    EXPECT_EQ(wn->define("tea", error).size(), 1u);
    EXPECT_TRUE(wn->define("home", error).empty());
    auto fra = DictdDatabase::open(folder, "freedict-eng-fra", error);
    ASSERT_TRUE(fra);
    EXPECT_EQ(fra->define("house", error).size(), 2u);
    EXPECT_TRUE(error.empty()) << error;
}

TEST_F(DictionaryServiceTest, DamagedOrMissingFilesAreErrorsAndMalformedIndexLinesAreSkipped) {
    std::string error;
    EXPECT_FALSE(DictdDatabase::open(folder, "none", error));
    EXPECT_NE(error.find("cannot open"), std::string::npos);

    std::string good = dictzip(std::string(100, 'x'), 16);
    struct Case {
        const char* what;
        std::string bytes;
    };
    const std::vector<Case> broken{
        {"plain gzip", std::string("\x1f\x8b\x08\x00\x00\x00\x00\x00\x02\x03", 10)},
        {"cut in the header", good.substr(0, 14)},
        {"cut in the chunks", good.substr(0, good.size() - 5)},
        {"not gzip", "hello, world"},
    };
    for (const Case& c : broken) {
        std::ofstream(folder / "bad.dict.dz", std::ios::binary) << c.bytes;
        error.clear();
        EXPECT_FALSE(DictzipFile::open(folder / "bad.dict.dz", error)) << c.what;
        EXPECT_FALSE(error.empty()) << c.what;
    }

    // A chunk of garbage and an entry beyond the text: the entry is left out with a reason.
    std::string damaged = good;
    for (std::size_t i = damaged.size() - 8; i < damaged.size(); ++i) damaged[i] = '\xff';
    std::ofstream(folder / "bad.dict.dz", std::ios::binary) << damaged;
    std::ofstream(folder / "bad.index")
        << "last\tBg\tE\nbeyond\tB9\tQ\nno tabs here\nneg\t-\tA\nfine\tA\tE\n";
    error.clear();
    auto bad = DictdDatabase::open(folder, "bad", error);
    ASSERT_TRUE(bad) << error;
    EXPECT_EQ(bad->entryCount(), 3u);
    EXPECT_EQ(bad->define("fine", error), (std::vector<std::string>{"xxxx"}));
    EXPECT_TRUE(bad->define("last", error).empty());
    EXPECT_FALSE(error.empty());
    error.clear();
    EXPECT_TRUE(bad->define("beyond", error).empty());
    EXPECT_NE(error.find("beyond the text"), std::string::npos) << error;
}

TEST_F(DictionaryServiceTest, TheInstalledWordNetDefinesAWord) {
    fs::path installed = DictionaryService::kDefaultDataFolder;
    if (!fs::exists(installed / "wn.index")) GTEST_SKIP() << "dict-wn is not installed";
    std::string error;
    auto wn = DictdDatabase::open(installed, "wn", error);
    ASSERT_TRUE(wn) << error;
    EXPECT_GT(wn->entryCount(), 100000u);
    std::vector<std::string> entries = wn->define("serendipity", error);
    ASSERT_EQ(entries.size(), 1u) << error;
    EXPECT_NE(entries[0].find("good luck in making unexpected and fortunate discoveries"), std::string::npos);
}

TEST(DictionaryServicePagesTest, WordNetSensesKeepTheirPartOfSpeechExamplesAndSynonyms) {
    auto senses = DictionaryServicePages::wordNetSenses(kHouse);
    ASSERT_EQ(senses.size(), 3u);
    EXPECT_EQ(senses[0].partOfSpeech, "noun");
    EXPECT_EQ(senses[0].gloss, "a dwelling that serves as living quarters for one or more families");
    EXPECT_EQ(senses[0].examples, (std::vector<std::string>{"he has a house on Cape Cod"}));
    EXPECT_EQ(senses[1].partOfSpeech, "noun");
    EXPECT_EQ(senses[1].synonyms, (std::vector<std::string>{"firm", "house", "business firm"}));
    EXPECT_EQ(senses[2].partOfSpeech, "verb");
    EXPECT_EQ(senses[2].gloss, "contain or cover");
    EXPECT_EQ(senses[2].examples, (std::vector<std::string>{"This box houses the gears"}));
}

TEST(DictionaryServicePagesTest, ASelectionIsLookedUpWithoutItsPunctuationAndAsItsBaseForms) {
    struct Case {
        const char* text;
        std::vector<std::string> forms;
    };
    const std::vector<Case> cases{
        {"  house, ", {"house"}},
        {"\u201Cstudies\u201D", {"studies", "study", "studi", "studie"}},
        {"boxes", {"boxes", "box", "boxe"}},
        {"taking", {"taking", "tak", "take"}},
        {"glass", {"glass"}},
        {"ice  cream", {"ice cream"}},
        {"...", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(DictionaryServicePages::lookupForms(c.text), c.forms) << c.text;
}

TEST_F(DictionaryServiceTest, PagesComeInTheShapesThePanelCutsAndOthersAreNotFound) {
    DictionaryService service(folder);
    std::string definitions = DictionaryPage::cutDefinitions(service.definitions("Houses"));
    EXPECT_NE(definitions.find("<p><em>noun</em></p><ol><li>a dwelling"), std::string::npos) << definitions;
    EXPECT_NE(definitions.find("Synonyms: firm, house, business firm"), std::string::npos);
    EXPECT_EQ(definitions.find("Web definitions"), std::string::npos);
    EXPECT_EQ(definitions.find("evict"), std::string::npos);
    // The dictionary's text is escaped.
    EXPECT_NE(DictionaryPage::cutDefinitions(service.definitions("tea")).find("&lt;hot&gt; &amp; sweet"),
              std::string::npos);

    std::string french = DictionaryPage::cutTranslation(service.translation("house", "fr"));
    EXPECT_EQ(french.rfind("<ol><li>maison</li><li><em>v</em> loger</li><li><em>v</em> abriter<br /><i>", 0),
              0u)
        << french;
    EXPECT_TRUE(french.ends_with("</ol>"));

    struct Missing {
        const char* word;
        const char* language;
    };
    // No entry, a language without FreeDict data, a language whose files are not there.
    for (const Missing& m : std::vector<Missing>{{"home", "fr"}, {"house", "zh"}, {"house", "de"}})
        EXPECT_EQ(DictionaryPage::cutTranslation(service.translation(m.word, m.language)),
                  "<div>Not found</div>")
            << m.word << " " << m.language;
    EXPECT_EQ(DictionaryPage::cutDefinitions(service.definitions("home")), "<p>Not found</p>");
    DictionaryService empty(temporary / "nothing");
    EXPECT_EQ(DictionaryPage::cutDefinitions(empty.definitions("house")), "<p>Not found</p>");
}

TEST_F(DictionaryServiceTest, TheServiceAnswersOnTheLoopbackInterface) {
    DictionaryService service(folder);
    ASSERT_TRUE(service.start());
    ASSERT_TRUE(service.address().starts_with("http://127.0.0.1:"));
    fnd::URLSession session;
    auto get = [&](const std::string& path, const char* method = "GET") {
        fnd::URLRequest request{fnd::URL(service.address() + path)};
        request.setMethod(method);
        return session.loadSynchronously(request);
    };
    auto found = get(DictionaryPage::definitionsAddress("", "house"));
    ASSERT_TRUE(found.succeeded());
    EXPECT_EQ(found.response.statusCode(), 200);
    EXPECT_NE(found.body.find("a dwelling"), std::string::npos);
    auto french = get(DictionaryPage::translatorAddress("", "fr", "house"));
    EXPECT_NE(french.body.find("maison"), std::string::npos);
    EXPECT_EQ(get("/other").response.statusCode(), 404);
    EXPECT_EQ(get("/search?q=house", "POST").response.statusCode(), 405);
    // A page that renames its host to reach the service is turned away.
    fnd::URLRequest renamed{fnd::URL(service.address() + "/search?q=house")};
    renamed.setHeaderValue("Host", "attacker.test");
    EXPECT_EQ(session.loadSynchronously(renamed).response.statusCode(), 403);
}

}  // namespace
