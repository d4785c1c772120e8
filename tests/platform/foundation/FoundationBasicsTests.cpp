#include <gtest/gtest.h>

#include <fstream>

#include "platform/foundation/Bundle.h"
#include "platform/foundation/Date.h"
#include "platform/foundation/Locale.h"
#include "platform/foundation/Paths.h"
#include "platform/foundation/Random.h"
#include "platform/foundation/Unicode.h"
#include "tests/support/TestEnvironment.h"

namespace {

using FoundationBasics = testing_support::TestEnvironment;

TEST_F(FoundationBasics, DatesComeFromTheClockInSecondsSince2001) {
    fnd::Date start = fnd::Date::now();
    EXPECT_DOUBLE_EQ(start.timeIntervalSinceReferenceDate(), fnd::ManualClock::kDefaultWallStart);
    clock->advance(90);
    EXPECT_DOUBLE_EQ(fnd::Date::now().timeIntervalSince(start), 90);
    // 2001-01-01 00:00 UTC is 978307200 in Unix time.
    EXPECT_DOUBLE_EQ(fnd::Date::fromUnix(978307200).timeIntervalSinceReferenceDate(), 0);
    EXPECT_LT(fnd::Date::distantPast(), start);
}

TEST_F(FoundationBasics, DocumentsFolderFollowsTheEnvironment) {
    EXPECT_EQ(fnd::Paths::defaultDocuments("/x/data", "/home/u"), "/x/data/orvakit");
    EXPECT_EQ(fnd::Paths::defaultDocuments("", "/home/u"), "/home/u/.local/share/orvakit");
    EXPECT_EQ(fnd::Paths::defaultDocuments(nullptr, "/home/u"), "/home/u/.local/share/orvakit");
    EXPECT_EQ(fnd::Paths::documents(), documents);
}

// A folder given as "data/p1" (as a person types it after --data-dir) is the one under the working
// folder of that moment, for good: later paths built on it are absolute and compare as such.
TEST_F(FoundationBasics, FoldersSetRelativeAreKeptAbsoluteFromTheWorkingFolderThen) {
    const std::filesystem::path root = documents.parent_path();
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(root);
    struct Case {
        std::filesystem::path given, expected;
    };
    for (const Case& c : {Case{"data/p1", root / "data/p1"}, Case{"./data/../p2", root / "p2"},
                          Case{root / "p3", root / "p3"}}) {
        fnd::Paths::setDocuments(c.given);
        fnd::Paths::setTemporary(c.given);
        fnd::Paths::setResources(c.given);
        EXPECT_EQ(fnd::Paths::documents(), c.expected) << c.given;
        EXPECT_EQ(fnd::Paths::temporary(), c.expected) << c.given;
        EXPECT_EQ(fnd::Paths::resources(), c.expected) << c.given;
    }
    fnd::Paths::setDocuments("data/p1");
    std::filesystem::current_path(before);
    EXPECT_EQ(fnd::Paths::documents(), root / "data/p1");
    EXPECT_TRUE(std::filesystem::is_directory(root / "data/p1"));
}

TEST_F(FoundationBasics, BundleReadsItsInformationAndRefusesPathsOutOfItsFolder) {
    auto bundle = fnd::Bundle::main();
    EXPECT_FALSE(bundle.version().empty());
    EXPECT_FALSE(bundle.identifier().empty());
    EXPECT_TRUE(bundle.pathForResource("Info", "json"));
    EXPECT_FALSE(bundle.pathForResource("../CMakeLists", "txt"));
    EXPECT_FALSE(bundle.pathForResource("NoSuchFile", "png"));

    std::ofstream(temporary / "Info.json") << "{ not json";
    EXPECT_EQ(fnd::Bundle(temporary).version(), "");
    EXPECT_TRUE(fnd::Bundle(temporary).infoTextList("List").empty());

    // A list of texts: entries that are no texts read as empty ones; no list gives none.
    std::ofstream(temporary / "Info.json", std::ios::trunc)
        << R"({"List": ["a", 3, null, ""], "Text": "b", "Map": {"a": "b"}})";
    fnd::Bundle other(temporary);
    EXPECT_EQ(other.infoTextList("List"), (std::vector<std::string>{"a", "", "", ""}));
    EXPECT_TRUE(other.infoTextList("Text").empty());
    EXPECT_TRUE(other.infoTextList("Map").empty());
    EXPECT_TRUE(other.infoTextList("Missing").empty());
    EXPECT_EQ(other.infoValue("List"), "");
}

TEST_F(FoundationBasics, BundleStringsComeFromItsTableElseTheKeyShows) {
    fnd::Bundle bundle(temporary);
    EXPECT_EQ(bundle.localizedString("Error Title"), "Error Title");  // no table
    std::ofstream(temporary / "Localizable.json") << R"({"Error Title": "Error", "Count": 3})";
    EXPECT_EQ(bundle.localizedString("Error Title"), "Error");
    EXPECT_EQ(bundle.localizedString("Count"), "Count");  // not a text
    EXPECT_EQ(bundle.localizedString("No Connection Error"), "No Connection Error");
}

TEST_F(FoundationBasics, PreferredLanguagesAreTheOptionsElseTheTabsElseEnglish) {
    EXPECT_EQ(fnd::Locale::preferredLanguages(), std::vector<std::string>{"en-US"});
    fnd::Locale::setTabLanguages({"pt-PT", "not a tag", "", "zh-Hans", "-x"});
    EXPECT_EQ(fnd::Locale::preferredLanguages(), (std::vector<std::string>{"pt-PT", "zh-Hans"}));
    fnd::Locale::setPreferredLanguages({"fr-FR", "en"});
    EXPECT_EQ(fnd::Locale::preferredLanguages(), (std::vector<std::string>{"fr-FR", "en"}));
    fnd::Locale::setPreferredLanguages({});
    EXPECT_EQ(fnd::Locale::preferredLanguages(), (std::vector<std::string>{"pt-PT", "zh-Hans"}));
    fnd::Locale::resetCurrent();
    EXPECT_EQ(fnd::Locale::preferredLanguages(), std::vector<std::string>{"en-US"});
}

TEST_F(FoundationBasics, Utf16LengthsCountSurrogatePairsAndSurviveBadBytes) {
    EXPECT_EQ(fnd::utf16Length("abc"), 3u);
    EXPECT_EQ(fnd::utf16Length("caf\xC3\xA9"), 4u);           // é: one unit
    EXPECT_EQ(fnd::utf16Length("\xF0\x9F\x98\x80!"), 3u);     // an emoji is a surrogate pair
    EXPECT_EQ(fnd::utf16Length("a\xFF\xC3"), 3u);             // invalid and truncated bytes: one unit each
    EXPECT_EQ(fnd::utf16Prefix("\xF0\x9F\x98\x80!", 1), "");  // never half a character
    EXPECT_EQ(fnd::utf16Prefix("caf\xC3\xA9s", 4), "caf\xC3\xA9");
}

TEST_F(FoundationBasics, Utf16UnitsRoundTripAndBadBytesBecomeReplacementCharacters) {
    std::string text = "a\xC3\xA9\xF0\x9F\x98\x80z";
    std::u16string units = fnd::toUtf16(text);
    EXPECT_EQ(units, (std::u16string{u'a', 0xE9, 0xD83D, 0xDE00, u'z'}));
    EXPECT_EQ(fnd::fromUtf16(units), text);
    // One unit per bad byte, as the lengths count them; a lone surrogate comes back as U+FFFD.
    EXPECT_EQ(fnd::toUtf16("a\xFF\xC3"), (std::u16string{u'a', 0xFFFD, 0xFFFD}));
    EXPECT_EQ(fnd::toUtf16("a\xFF\xC3").size(), fnd::utf16Length("a\xFF\xC3"));
    EXPECT_EQ(fnd::fromUtf16(std::u16string{0xD83D, u'x'}), "\xEF\xBF\xBDx");
}

// The rule by its definition: the code point a sequence of its lead's length spells, refused when a
// shorter form could spell it, when it is a surrogate or lies beyond U+10FFFF.
std::size_t wellFormedByDefinition(std::string_view text) {
    if (text.empty()) return 0;
    auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = lead < 0x80             ? 1
                         : (lead & 0xE0) == 0xC0 ? 2
                         : (lead & 0xF0) == 0xE0 ? 3
                         : (lead & 0xF8) == 0xF0 ? 4
                                                 : 0;
    if (length == 0 || text.size() < length) return 0;
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        auto next = static_cast<unsigned char>(text[k]);
        if ((next & 0xC0) != 0x80) return 0;
        code = (code << 6) | (next & 0x3F);
    }
    const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < least[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

TEST_F(FoundationBasics, WellFormedUtf8ReadsAsItsDefinitionSaysForEveryShortSequence) {
    // Every sequence of one to three bytes, and every four-byte one whose last byte is a
    // continuation's edge or an ASCII byte: overlong forms, surrogates, values past U+10FFFF and
    // cut sequences among them.
    std::string bytes(4, '\0');
    for (std::uint32_t n = 0; n < (1u << 24); ++n) {
        bytes[0] = static_cast<char>(n >> 16), bytes[1] = static_cast<char>(n >> 8),
        bytes[2] = static_cast<char>(n);
        for (std::size_t size = 1; size <= 3; ++size) {
            if (size < 3 && (n & ((1u << (8 * (3 - size))) - 1)) != 0) continue;
            std::string_view text(bytes.data(), size);
            ASSERT_EQ(fnd::wellFormedUtf8Length(text), wellFormedByDefinition(text)) << n << " " << size;
        }
        if (static_cast<unsigned char>(bytes[0]) < 0xF0) continue;
        for (unsigned char last : {0x41, 0x80, 0xBF}) {
            bytes[3] = static_cast<char>(last);
            ASSERT_EQ(fnd::wellFormedUtf8Length(bytes), wellFormedByDefinition(bytes)) << n;
        }
    }
    EXPECT_EQ(fnd::wellFormedUtf8Length(""), 0u);
    // A whole text: each character as the encoder writes it, and one bad byte anywhere spoils it.
    std::string all;
    for (char32_t c = 0; c <= 0x10FFFF; c += (c < 0x800 ? 1 : 0x3F))
        if (c < 0xD800 || c > 0xDFFF) fnd::appendUtf8(all, c);
    EXPECT_TRUE(fnd::isWellFormedUtf8(all));
    EXPECT_TRUE(fnd::isWellFormedUtf8(""));
    EXPECT_FALSE(fnd::isWellFormedUtf8(all + "\xC3"));
    EXPECT_FALSE(fnd::isWellFormedUtf8("caf\xC3\xA9 \xED\xA0\x80 ok"));
}

TEST_F(FoundationBasics, SeededRandomnessRepeats) {
    fnd::Random::seed(11);
    auto a = fnd::Random::next32(), b = fnd::Random::uniform(1000);
    fnd::Random::seed(11);
    EXPECT_EQ(fnd::Random::next32(), a);
    EXPECT_EQ(fnd::Random::uniform(1000), b);
    EXPECT_EQ(fnd::Random::uniform(0), 0u);
}

}  // namespace
