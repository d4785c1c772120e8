// Checks every data file of the built-in sets against what each set must hold when complete: its
// numbers and types in build order, its passages, its right-answer counts, and the conventions of
// the content's text, options and tags. Sets that are still being written are reported, not failed.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <thread>

#include "Classes/practice/MBuiltInSetData.h"
#include "Classes/practice/MQSetBlock.h"
#include "Ostrand_Library/Classes/Regex.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/Json.h"
#include "platform/foundation/Paths.h"
#include "tests/Classes/practice/PracticeTestSupport.h"

namespace {

using Counts = std::array<int, 5>;

enum class DSOptions { Standard, StandardVariants, LongWording, EmptyArray, Absent };

struct Inventory {
    const char* builder;
    int setUID;
    int records;
    Counts types;  // PS, DS, SC, CR, RC
    // The (number, type) pairs in build order: runs "TYPE a-b,c" joined by ";". A type with "*"
    // takes every number of the range [first, last] that no other run names.
    const char* pairs;
    int first, last;
    bool runsInOrder;  // the runs follow one another instead of interleaving by number
    std::vector<std::pair<int, int>> passages;
    Counts answers;
    DSOptions dsOptions;
    std::vector<std::string> tags;  // the strings the builder's tags come from
};

const std::vector<Inventory>& inventory() {
    static const std::vector<Inventory> table = {
        {"MKnewtonSet",
         3000,
         103,
         {18, 21, 21, 30, 13},
         "SC 1-10,24-34; RC 11-23; CR 35-64; DS 65-74,81,87,90-92,94,98-99,101-103; "
         "PS 75-80,82-86,88-89,93,95-97,100",
         1,
         103,
         false,
         {{11, 16}, {17, 19}, {20, 23}},
         {14, 18, 22, 19, 30},
         DSOptions::Standard,
         {}},
        {"MManhattanORVASet",
         2000,
         77,
         {53, 24, 0, 0, 0},
         "DS 5-6,8,10,12-13,15,18-20,23,30,33,35,41,44-45,48,57,59,62,66,68,70; PS *",
         1,
         77,
         false,
         {},
         {8, 8, 25, 22, 14},
         DSOptions::LongWording,
         {}},
        {"MPrincetonReviewSet",
         1000,
         202,
         {47, 40, 61, 33, 21},
         "CR 1-8,92-94,100-101,137-156; SC 9-29,107-136,167-176; "
         "PS 30-63,97-99,102-103,105,159-160,162-163,165,179-180; "
         "DS 64-91,95-96,104,106,157-158,161,164,166,177-178,181; RC 182-202",
         1,
         202,
         false,
         {{182, 187}, {188, 193}, {194, 196}, {197, 199}, {200, 202}},
         {30, 46, 45, 43, 38},
         DSOptions::StandardVariants,
         {"Arguments", "Retired Question Cat", "PS Exponents/Roots", "PS PITA", "Weaken", "Assumption",
          "Resolve/Explain", "Evaluate", "Reasoning", "Parallel ", "Strengthen", "Inference"}},
        {"MManhattanReviewSet",
         100,
         236,
         {71, 75, 60, 30, 0},
         "PS 1-71; DS 72-146; SC 1-60; CR 1-30",
         1,
         146,
         true,
         {},
         {32, 53, 48, 50, 53},
         DSOptions::LongWording,
         {"Arithmetic",
          "Fractions",
          "Algebra",
          "Rate",
          "Roots",
          "Geometry",
          "Work",
          "Sets",
          "Statistics",
          "Mixture",
          "Inequalities",
          "Percents",
          "Triangles",
          "Remainder",
          "Ratios",
          "Counting",
          "Equations",
          "Mixtures",
          "Area",
          "Profit/Loss",
          "Logical Predication",
          "Parallelism",
          "Agreement",
          "Pronouns",
          "Comparisons",
          "Usage/Style",
          "Idiom",
          "Verb Errors (Tense)",
          "Verb Errors (Number)",
          "Verb Errors (Tense)/Idiom",
          "Diction/Redundancy",
          "Pronouns/Parallelism",
          "Sentence Construction",
          "Parallelism/Idiom",
          "Diction",
          "Pronoun/Idiom",
          "Strengthen",
          "Weaken",
          "Plan/Proposal",
          "Inference",
          "ID Assumption",
          "Paradox",
          "Explanation",
          "Conclusion"}},
        {"MHardQuantSet",
         1,
         111,
         {52, 59, 0, 0, 0},
         "DS "
         "1-2,5-6,12-13,16-17,19-21,23,25-26,28,30-34,36,39-40,42,45,48,50-52,60-61,64,66-67,70,72,74-75,77,"
         "81-84,86,88-92,94-96,98-101,104,106,111; PS *",
         1,
         111,
         false,
         {},
         {20, 22, 27, 22, 20},
         DSOptions::LongWording,
         {"Algebra", "Statistics", "Probability", "Arithmetic", "Roots", "Geometry", "Powers", "Rate",
          "Combinations", "Min/Max", "Sets", "Modules", "Fractions", "Number Properties", "Sequences",
          "Mixtures", "Word Problems", "Work"}},
        {"MHardQuantSet200",
         1,
         200,
         {103, 97, 0, 0, 0},
         "DS "
         "112,114,116-119,121-124,126,130-131,133-134,139,141,143-145,147-149,151-153,159,162-163,165-167,"
         "169,"
         "171-174,176-177,179,193-194,196,199,208-209,212,219,222,224-226,229,234-235,238,240-243,246-248,"
         "250,"
         "254,257,260-262,265,267,269-274,277-278,280,283-285,288-291,294,299-301,305,307-311; PS *",
         112,
         311,
         false,
         {},
         {39, 42, 40, 39, 40},
         DSOptions::EmptyArray,
         {"Arithmetic",        "Number Properties", "Powers",     "Combinations",        "Word Problems",
          "Work Problems",     "Algebra",           "Statistics", "Word Problems Other", "Mixture Problems",
          "Overlapping Sets",  "Probability",       "Sequences",  "Fractions",           "Rate Problems",
          "Geometry",          "Modules",           "Roots",      "Coordinate Geometry", "Min Max Problems",
          "Special Operations"}},
        {"MKaplanSet",
         4000,
         63,
         {16, 16, 15, 16, 0},
         "CR 1-6,46-55; DS 7-9,24-36; PS 10-14,22-23,37-45; SC 15-21,56-63",
         1,
         63,
         false,
         {},
         {6, 14, 13, 19, 11},
         DSOptions::Absent,
         {"Assumption", "Inference", "Weaken", "Strengthen", "Geometry", "Number Properties", "Algebra",
          "Proportions", "Comparisons", "Modifiers", "Parallelism", "Usage", "Verbs", "Explain", "Pronouns"}},
    };
    return table;
}

const std::vector<std::string> kStandardDS = {
    "Statement (1) ALONE is sufficient, but statement (2) alone is not sufficient.",
    "Statement (2) ALONE is sufficient, but statement (1) alone is not sufficient.",
    "BOTH statements TOGETHER are sufficient, but NEITHER statement ALONE is sufficient.",
    "EACH statement ALONE is sufficient.", "Statements (1) and (2) TOGETHER are NOT sufficient."};

int typeCode(const std::string& name) {
    static const std::map<std::string, int> codes = {{"PS", 1}, {"DS", 2}, {"SC", 3}, {"CR", 4}, {"RC", 5}};
    auto found = codes.find(name);
    return found == codes.end() ? 0 : found->second;
}

// The (number, type) pairs of a set in build order.
std::vector<std::pair<int, int>> expectedOrder(const Inventory& inv) {
    std::vector<std::pair<int, int>> runs;  // in the order written
    int rest = 0;
    std::stringstream all(inv.pairs);
    std::string run;
    while (std::getline(all, run, ';')) {
        std::stringstream words(run);
        std::string type, spans;
        words >> type >> spans;
        if (spans == "*") {
            rest = typeCode(type);
            continue;
        }
        std::stringstream list(spans);
        std::string span;
        while (std::getline(list, span, ',')) {
            auto dash = span.find('-');
            int a = std::stoi(span.substr(0, dash));
            int b = dash == std::string::npos ? a : std::stoi(span.substr(dash + 1));
            for (int n = a; n <= b; ++n) runs.emplace_back(n, typeCode(type));
        }
    }
    if (inv.runsInOrder) return runs;
    std::map<int, int> byNumber(runs.begin(), runs.end());
    std::vector<std::pair<int, int>> order;
    for (int n = inv.first; n <= inv.last; ++n) {
        auto found = byNumber.find(n);
        order.emplace_back(n, found != byNumber.end() ? found->second : rest);
    }
    return order;
}

std::vector<std::string> strings(const fnd::JsonValue& value) {
    std::vector<std::string> list;
    for (const auto& item : value.asArray())
        list.push_back(item.isString() ? item.asString() : "<not a string>");
    return list;
}

// What an HTML fragment of the content may not hold.
void checkFragment(const std::string& where, const std::string& html) {
    using ostrand::Regex;
    using ostrand::RegexOptions;
    EXPECT_FALSE(Regex::isMatched(html, "<\\s*(script|a|form|style|link|iframe|html|body)\\b",
                                  RegexOptions::CaseInsensitive))
        << where << " holds an element that a fragment may not";
    EXPECT_FALSE(Regex::isMatched(html, "\\sid\\s*=", RegexOptions::CaseInsensitive))
        << where << " holds an id";
    EXPECT_FALSE(Regex::isMatched(html, "(https?|file|ftp):", RegexOptions::CaseInsensitive))
        << where << " refers to an address";
    for (const auto& src :
         Regex::allMatchGroups(html, "\\ssrc\\s*=\\s*[\"']?([^\"'\\s>]*)", RegexOptions::CaseInsensitive))
        EXPECT_TRUE(Regex::isMatched(src[1], "\\Adata:image/(png|gif);base64,"))
            << where << " has an image " << src[1].substr(0, 40);
}

struct Report {
    int records = 0;
    bool complete = false;
};

Report validate(const Inventory& inv, const fnd::JsonValue& file) {
    Report report;
    const std::string name = inv.builder;
    EXPECT_EQ(file["builder"].asString(), name);
    EXPECT_TRUE(file["records"].isArray()) << name;
    if (!file["records"].isArray()) return report;
    const auto& records = file["records"].asArray();
    const auto passages = file.contains("passages") ? strings(file["passages"]) : std::vector<std::string>{};
    const auto order = expectedOrder(inv);
    EXPECT_EQ(static_cast<int>(order.size()), inv.records) << name << ": the inventory itself";

    std::map<std::pair<int, int>, std::size_t> position;
    for (std::size_t i = 0; i < order.size(); ++i) position[order[i]] = i;
    auto passageOf = [&](int number) {
        for (std::size_t k = 0; k < inv.passages.size(); ++k)
            if (number >= inv.passages[k].first && number <= inv.passages[k].second)
                return static_cast<int>(k);
        return -1;
    };

    Counts types{}, answers{};
    long previous = -1;
    std::map<int, int> passageFor;  // inventory passage -> file passage
    std::set<int> usedPassages;
    std::vector<std::string> longDS;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const auto& r = records[i];
        const int number = static_cast<int>(r["number"].asInteger(-1));
        const int type = static_cast<int>(r["type"].asInteger(0));
        const std::string where = name + " record " + std::to_string(number) + "/" + std::to_string(type);
        EXPECT_FALSE(r.contains("threadURL")) << where;
        auto found = position.find({number, type});
        if (found == position.end()) {
            ADD_FAILURE() << where << ": no such number and type in this set";
            continue;
        }
        EXPECT_GT(static_cast<long>(found->second), previous) << where << ": out of build order";
        previous = static_cast<long>(found->second);
        ++types[static_cast<std::size_t>(type - 1)];
        const int answer = static_cast<int>(r["answer"].asInteger(0));
        EXPECT_TRUE(answer >= 1 && answer <= 5) << where << ": right answer " << answer;
        if (answer >= 1 && answer <= 5) ++answers[static_cast<std::size_t>(answer - 1)];

        // Passages: type 5 and only type 5, one file passage per inventory passage, in order.
        const int expectedPassage = passageOf(number);
        EXPECT_EQ(type == 5, expectedPassage >= 0) << where;
        EXPECT_EQ(r.contains("passage"), type == 5) << where << ": passage";
        if (type == 5 && r.contains("passage") && expectedPassage >= 0) {
            int given = static_cast<int>(r["passage"].asInteger(-1));
            EXPECT_TRUE(given >= 0 && given < static_cast<int>(passages.size())) << where;
            auto [it, fresh] = passageFor.emplace(expectedPassage, given);
            EXPECT_EQ(it->second, given) << where << ": a passage's questions share one passage";
            if (fresh) {
                EXPECT_TRUE(usedPassages.insert(given).second) << where << ": passage used twice";
            }
        }
        const bool highlighted = name == "MKnewtonSet" && number == 11 && type == 5;
        EXPECT_EQ(r["highlight"].asInteger(0), highlighted ? 1 : 0) << where << ": highlight";
        if (highlighted && r.contains("passage")) {
            EXPECT_NE(
                passages.at(static_cast<std::size_t>(r["passage"].asInteger())).find("class=\"highlight1\""),
                std::string::npos)
                << where;
        }

        // Text.
        EXPECT_TRUE(r["body"].isString() && !r["body"].asString().empty()) << where << ": body";
        EXPECT_TRUE(r["explanation"].isString() && !r["explanation"].asString().empty())
            << where << ": explanation";
        checkFragment(where + " body", r["body"].asString());
        checkFragment(where + " explanation", r["explanation"].asString());
        // The worked solution names the letter it arrives at; a rewrite that changes the question but
        // not its stored key (which histories rely on) must still arrive at that key.
        const auto named =
            ostrand::Regex::allMatchGroups(r["explanation"].asString(), "The answer is ([A-E])\\.");
        EXPECT_FALSE(named.empty()) << where << ": the explanation names no answer";
        for (const auto& letter : named)
            EXPECT_EQ(letter[1], std::string(1, static_cast<char>('A' + answer - 1)))
                << where << ": the explanation arrives at another answer than the key";
        const std::string& body = r["body"].asString();
        if (type == 3) {
            EXPECT_TRUE(body.find("<u>") != std::string::npos ||
                        ostrand::Regex::isMatched(body, "text-decoration:\\s*underline"))
                << where << ": nothing underlined";
        }
        if (type == 2) {
            EXPECT_TRUE(
                ostrand::Regex::isMatched(body, "<ol[^>]*>\\s*<li[^>]*>.*</li>\\s*<li[^>]*>.*</li>\\s*</ol>",
                                          ostrand::RegexOptions::DotAll) ||
                (body.find("(1)") != std::string::npos && body.find("(2)") != std::string::npos))
                << where << ": the two statements";
        }

        // Options.
        if (type != 2) {
            EXPECT_TRUE(r["options"].isArray() && r["options"].asArray().size() == 5u)
                << where << ": five options";
        } else {
            switch (inv.dsOptions) {
                case DSOptions::Standard:
                    EXPECT_EQ(strings(r["options"]), kStandardDS) << where;
                    break;
                case DSOptions::StandardVariants:
                    EXPECT_EQ(r["options"].asArray().size(), 5u) << where;
                    break;
                case DSOptions::LongWording:
                    longDS = longDS.empty() ? strings(r["options"]) : longDS;
                    EXPECT_EQ(strings(r["options"]), longDS) << where << ": one wording in every record";
                    EXPECT_EQ(longDS.size(), 5u) << where;
                    for (const auto& o : longDS)
                        EXPECT_NE(o.find("sufficient to answer the question"), std::string::npos) << where;
                    break;
                case DSOptions::EmptyArray:
                    EXPECT_TRUE(r["options"].isArray() && r["options"].asArray().empty()) << where;
                    break;
                case DSOptions::Absent:
                    EXPECT_FALSE(r.contains("options")) << where;
                    break;
            }
        }
        if (r["options"].isArray())
            for (const auto& o : strings(r["options"])) checkFragment(where + " option", o);

        // Tags.
        const auto tags = r.contains("tags") ? strings(r["tags"]) : std::vector<std::string>{};
        if (inv.tags.empty()) {
            EXPECT_TRUE(r["tags"].isArray() && tags.empty()) << where << ": tags are an empty array";
        } else if (name == "MKaplanSet") {
            static const std::set<std::string> levels = {"Easy", "Medium", "Hard"};
            if (number == 26 && type == 2) {
                EXPECT_EQ(tags, std::vector<std::string>{"Hard"}) << where;
            } else {
                EXPECT_TRUE(tags.size() == 2u &&
                            std::find(inv.tags.begin(), inv.tags.end(), tags[0]) != inv.tags.end() &&
                            levels.count(tags[1]))
                    << where << ": a topic, then a difficulty";
            }
        } else {
            EXPECT_LE(tags.size(), name == "MPrincetonReviewSet" ? 1u : 3u) << where;
            if (name == "MHardQuantSet200" || (name == "MPrincetonReviewSet" && type == 4)) {
                EXPECT_FALSE(tags.empty()) << where << ": untagged";
            }
            for (const auto& tag : tags)
                EXPECT_NE(std::find(inv.tags.begin(), inv.tags.end(), tag), inv.tags.end())
                    << where << ": tag \"" << tag << "\" is not one of the set's";
        }
        ++report.records;
    }
    EXPECT_EQ(usedPassages.size(), passages.size()) << name << ": every passage has questions";
    for (std::size_t k = 0; k < 5; ++k) {
        EXPECT_LE(types[k], inv.types[k]) << name << " type " << k + 1;
        EXPECT_LE(answers[k], inv.answers[k]) << name << " answer " << static_cast<char>('A' + k);
    }
    report.complete = report.records == inv.records;
    if (report.complete) {
        EXPECT_EQ(types, inv.types) << name;
        EXPECT_EQ(answers, inv.answers) << name;
        EXPECT_EQ(passages.size(), inv.passages.size()) << name;
    }
    return report;
}

class BuiltInContent : public testing_support::TestEnvironment {};

}  // namespace

TEST_F(BuiltInContent, EveryDataFileMatchesItsSetAndEverySetIsComplete) {
    std::vector<std::string> incomplete;
    for (const auto& inv : inventory()) {
        auto path = fnd::Paths::resources() / "question_sets" / (std::string(inv.builder) + ".json");
        auto text = fnd::Bundle(path.parent_path()).textResource(inv.builder, "json");
        ASSERT_TRUE(text) << path;
        auto json = fnd::Json::parse(*text);
        ASSERT_TRUE(json && json->isMap()) << path << " is not JSON";
        Report report = validate(inv, *json);
        // The program reads the file the same way.
        auto parsed = MBuiltInSetData::parse(*text, inv.builder);
        ASSERT_TRUE(parsed);
        EXPECT_EQ(static_cast<int>(parsed->records.size()), report.records) << inv.builder;
        if (!report.complete)
            incomplete.push_back(std::string(inv.builder) + " " + std::to_string(report.records) + "/" +
                                 std::to_string(inv.records));
    }
    std::string summary;
    for (const auto& line : incomplete) summary += (summary.empty() ? "" : ", ") + line;
    EXPECT_TRUE(incomplete.empty()) << "Built-in sets incomplete: " << summary;
}

TEST_F(BuiltInContent, PassagesBecomeBlocksAndBadRecordsAreLeftOut) {
    auto folder = temporary / "resources";
    std::filesystem::create_directories(folder / "question_sets");
    const char* data =
        R"({"builder": "TestPassageSet", "passages": ["<p>One <span class=\"highlight1\">x</span></p>", "<p>Two</p>"],
      "records": [
        {"number": 10, "type": 3, "answer": 1, "body": "<u>b</u>", "options": ["a","b","c","d","e"], "explanation": "e"},
        {"number": 11, "type": 5, "answer": 2, "passage": 0, "highlight": 1, "body": "q", "options": [], "explanation": "e"},
        {"number": 12, "type": 5, "answer": 3, "passage": 0, "body": "q", "explanation": "e"},
        {"number": 13, "type": 5, "answer": 3, "passage": 1, "body": "q", "explanation": "e"},
        {"number": 14, "type": 5, "answer": 3, "passage": 7, "body": "q", "explanation": "e"},
        {"number": "15", "type": 1, "answer": 3, "body": "q", "explanation": "e"},
        {"number": 16, "type": 4, "answer": 3, "body": "q", "explanation": "e"}
      ]})";
    std::ofstream(folder / "question_sets" / "TestPassageSet.json") << data;
    fnd::Paths::setResources(folder);
    auto set = MQSet::make(3000, "Test", "", "", true);
    MBuiltInSetData::fill(set, "TestPassageSet");
    ASSERT_EQ(set->questions().size(), 5u);
    ASSERT_EQ(set->blocks().size(), 2u);
    const auto& first = set->blocks()[0]->questions();
    ASSERT_EQ(first.size(), 2u);
    EXPECT_EQ(first[0], set->questions()[1]);
    EXPECT_EQ(first[0]->highlight(), 1);
    EXPECT_EQ(first[1]->block(), set->blocks()[0]);
    EXPECT_EQ(set->blocks()[1]->questions().front()->key(), "3000_13_5");
    EXPECT_EQ(set->questions().back()->key(), "3000_16_4");
    EXPECT_FALSE(set->questions().back()->block());

    // A file that is not there gives an empty set, not a failure.
    auto none = MQSet::make(5, "None", "", "", true);
    MBuiltInSetData::fill(none, "NoSuchBuilder");
    EXPECT_TRUE(none->questions().empty());
}

TEST_F(BuiltInContent, DataReadAheadIsTheDataTheSetsGetAndEachFileIsParsedOnce) {
    auto folder = temporary / "resources";
    std::filesystem::create_directories(folder / MBuiltInSetData::kFolder);
    auto writeSet = [&folder](const std::string& builder, int number) {
        std::ofstream(folder / MBuiltInSetData::kFolder / (builder + ".json"))
            << R"({"records": [{"number": )" << number
            << R"(, "type": 1, "answer": 2, "body": "b", "options": ["1","2","3","4","5"], "explanation": "e"}]})";
    };
    writeSet("ReadAheadFirstSet", 1);
    writeSet("ReadAheadSecondSet", 2);
    std::ofstream(folder / MBuiltInSetData::kFolder / "README.md") << "not a data file";
    fnd::Paths::setResources(folder);

    // Read ahead on several threads while sets ask for their content on others: every caller gets
    // the one parse of each file.
    std::vector<std::shared_ptr<const MBuiltInSetData::Content>> got(8);
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < got.size(); ++i)
        threads.emplace_back([i, &got] {
            if (i % 2) MBuiltInSetData::readAhead();
            got[i] = MBuiltInSetData::content(i % 4 < 2 ? "ReadAheadFirstSet" : "ReadAheadSecondSet");
        });
    for (auto& thread : threads) thread.join();
    for (std::size_t i = 0; i < got.size(); ++i) {
        ASSERT_TRUE(got[i]);
        EXPECT_EQ(got[i], got[i % 4 < 2 ? 0 : 2]) << i;
    }
    ASSERT_EQ(got[0]->records.size(), 1u);
    EXPECT_EQ(got[0]->records[0].number, 1);
    EXPECT_EQ(got[2]->records[0].number, 2);

    // What was read ahead is what the set is built from, even if the file changes afterwards.
    writeSet("ReadAheadSecondSet", 3);
    auto set = MQSet::make(3000, "Test", "", "", true);
    MBuiltInSetData::fill(set, "ReadAheadSecondSet");
    ASSERT_EQ(set->questions().size(), 1u);
    EXPECT_EQ(set->questions().front()->key(), "3000_2_1");
    // A file that only the read-ahead found, with no set asking for it before, is ready too.
    writeSet("ReadAheadThirdSet", 4);
    MBuiltInSetData::readAhead();
    std::filesystem::remove(folder / MBuiltInSetData::kFolder / "ReadAheadThirdSet.json");
    ASSERT_EQ(MBuiltInSetData::content("ReadAheadThirdSet")->records.size(), 1u);
    EXPECT_EQ(MBuiltInSetData::content("ReadAheadThirdSet")->records[0].number, 4);
}
