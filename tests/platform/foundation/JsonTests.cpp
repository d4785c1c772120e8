#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>

#include "platform/foundation/DateFormatter.h"
#include "platform/foundation/Json.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/Paths.h"
#include "tests/support/TestEnvironment.h"

namespace {

using fnd::Json;
using fnd::JsonValue;

class JsonTest : public testing_support::TestEnvironment {};

TEST_F(JsonTest, ParsesRepliesIntoValues) {
    auto answer = Json::parse("[3]");
    ASSERT_TRUE(answer);
    ASSERT_EQ(answer->asArray().size(), 1u);
    EXPECT_EQ((*answer)[0].kind(), JsonValue::Kind::Integer);
    EXPECT_EQ((*answer)[0].asInteger(), 3);

    auto reply = Json::parse(R"( {"ok": true, "sync_info": {"OG12PS": {"createTime": "20240102100130.250"}},
        "count": 12, "ratio": 0.25, "big": 18446744073709551615, "none": null,
        "text": "caf\u00e9 \ud83d\ude00 \"quoted\"", "list": [1, "two", [false]]} )");
    ASSERT_TRUE(reply);
    const JsonValue& r = *reply;
    EXPECT_TRUE(r["ok"].asBool());
    EXPECT_EQ(r["sync_info"]["OG12PS"]["createTime"].asString(), "20240102100130.250");
    EXPECT_EQ(r["count"].asInteger(), 12);
    EXPECT_DOUBLE_EQ(r["count"].asReal(), 12.0);
    EXPECT_DOUBLE_EQ(r["ratio"].asReal(), 0.25);
    EXPECT_DOUBLE_EQ(r["big"].asReal(), 18446744073709551615.0);
    EXPECT_TRUE(r["none"].isNull());
    EXPECT_TRUE(r.contains("none"));
    EXPECT_FALSE(r.contains("absent"));
    EXPECT_EQ(r["text"].asString(), "café 😀 \"quoted\"");
    EXPECT_EQ(r["list"][1].asString(), "two");
    EXPECT_FALSE(r["list"][2][0].asBool(true));
    // Reading a value as another kind gives the fallback, never a failure.
    EXPECT_EQ(r["text"].asInteger(-1), -1);
    EXPECT_TRUE(r["ok"].asArray().empty());
    EXPECT_TRUE(r["list"][99].isNull());
    EXPECT_TRUE(r["absent"]["deeper"].isNull());
}

TEST_F(JsonTest, MalformedTextYieldsNothing) {
    for (const char* bad :
         {"", " ", "[3", "[3]x", "[3] [4]", "{'a': 1}", "[1,]", "{\"a\" 1}", "NaN", "[01]", "\"unterminated",
          "{\"a\":}", "[\"\\ud800\"]", "[\"bad \\q escape\"]", "<html>"}) {
        EXPECT_EQ(Json::parse(bad), std::nullopt) << bad;
    }
    EXPECT_EQ(Json::parse(std::string("[\"\xff\"]")), std::nullopt);
    EXPECT_EQ(Json::parse(std::string("[1]\0", 4)), std::nullopt);
}

// The reader must read every text as the JSON library that writes our files reads it. That library
// is the reference here: it answers whether a text is JSON and what it holds.
std::optional<JsonValue> referenceValue(const nlohmann::json& json) {
    using Type = nlohmann::json::value_t;
    switch (json.type()) {
        case Type::null:
            return JsonValue();
        case Type::boolean:
            return JsonValue(json.get<bool>());
        case Type::number_integer:
            return JsonValue(json.get<std::int64_t>());
        case Type::number_unsigned:
            return JsonValue(json.get<std::uint64_t>());
        case Type::number_float:
            return JsonValue(json.get<double>());
        case Type::string:
            return JsonValue(json.get<std::string>());
        case Type::array: {
            JsonValue::Array items;
            for (const auto& item : json) items.push_back(*referenceValue(item));
            return JsonValue(std::move(items));
        }
        case Type::object: {
            JsonValue::Map members;
            for (const auto& [key, member] : json.items()) members.emplace(key, *referenceValue(member));
            return JsonValue(std::move(members));
        }
        default:
            return std::nullopt;
    }
}

std::optional<JsonValue> reference(const std::string& text) {
    if (text.find('\0') != std::string::npos) return std::nullopt;
    nlohmann::json parsed = nlohmann::json::parse(text, nullptr, false);
    if (parsed.is_discarded()) return std::nullopt;
    return referenceValue(parsed);
}

void expectReadAsTheReference(const std::string& text) {
    std::optional<JsonValue> expected = reference(text);
    std::optional<JsonValue> read = Json::parse(text);
    ASSERT_EQ(read.has_value(), expected.has_value()) << testing::PrintToString(text);
    if (!expected) return;
    // Equal reals compare equal; a negative zero must stay one too.
    ASSERT_EQ(*read, *expected) << testing::PrintToString(text);
    if (expected->kind() == JsonValue::Kind::Real) {
        EXPECT_EQ(std::signbit(read->asReal()), std::signbit(expected->asReal())) << text;
    }
}

TEST_F(JsonTest, EveryTextReadsAsTheWritersLibraryReadsIt) {
    const std::vector<std::string> cases = {
        // Numbers at the edges of the integers and of the reals.
        "0", "-0", "-0.0", "0.0e0", "1E+2", "1e-2", "12.5e1", "9223372036854775807", "9223372036854775808",
        "-9223372036854775808", "-9223372036854775809", "18446744073709551615", "18446744073709551616",
        "123456789012345678901234567890", "1e308", "1e309", "-1e309", "1e-400", "-1e-400", "5e-324",
        "2.2250738585072011e-308", "0.1", "3.141592653589793238462643383279", "01", "-", "1.", ".5", "1e",
        "1e+", "+1", "- 1", "0x10", "1.5e3.2", "Infinity", "-NaN",
        // Literals, space and the end of the text.
        "true", "false", "null", "tru", "nul", "truex", "True", " \t\r\n[ ]\n", "\f[]", "\v[]", "[] x",
        "\xEF\xBB\xBF[1]", "\xEF\xBB[1]", " \xEF\xBB\xBF[1]", "\xEF\xBB\xBF",
        // Strings: escapes, surrogates, control bytes and UTF-8 of every length.
        R"("\"\\\/\b\f\n\r\t")", R"("\u0041\u00e9\u20AC\uD83D\uDE00")", R"("\u0000")", R"("\ud83d")",
        R"("\ude00")", R"("\ud83d\u0041")", R"("\ud83dx")", R"("\u12")", R"("\u12G4")", R"("\x41")",
        "\"tab\there\"", "\"\x7f\"", "\"\x1f\"", "\"caf\xC3\xA9\"", "\"\xC0\x80\"", "\"\xC1\xBF\"",
        "\"\xE0\x9F\xBF\"", "\"\xE0\xA0\x80\"", "\"\xED\x9F\xBF\"", "\"\xED\xA0\x80\"", "\"\xEF\xBF\xBF\"",
        "\"\xF0\x8F\xBF\xBF\"", "\"\xF0\x90\x80\x80\"", "\"\xF4\x8F\xBF\xBF\"", "\"\xF4\x90\x80\x80\"",
        "\"\xF5\x80\x80\x80\"", "\"\xC3\"", "\"\xE2\x82\"", "\"\x80\"", "\"\xFF\"",
        // Containers: empty, nested, repeated keys (the later one wins), separators out of place.
        "[]", "{}", "[[], {}]", R"({"a": 1, "a": [2]})", R"({"b": {"x": 1}, "a": 2, "b": 3})", R"({"": ""})",
        "[1,]", "[,1]", "[1 2]", R"({"a":1,})", R"({"a" 1})", R"({a: 1})", R"({"a":})", R"({1: 2})", "[", "{",
        "]", R"({"a":1}})", R"([{"a":[{"b":null}]}])"};
    for (const std::string& text : cases) expectReadAsTheReference(text);

    // Damaged copies of a document that holds every kind of value: bytes replaced, dropped, added.
    const std::string document =
        "\xEF\xBB\xBF{\"records\": [{\"id\": 12, \"answer\": \"C\", \"score\": -0.5e-3, \"ok\": true},"
        " {\"text\": \"caf\xC3\xA9 \\u00e9 \\ud83d\\ude00 \\\"q\\\"\\n\", \"none\": null, \"big\": "
        "18446744073709551616,"
        " \"list\": [1, 2.5, [false, {}], []]}], \"passages\": [\"\xE2\x82\xAC\", \"\\/\"], \"n\": -17}";
    const std::string alphabet =
        std::string("{}[]:,\"\\ .-+eE0159tfnul\x01\x7f\xC3\xA9\xED\xF4\xFF\n") + '\0';
    std::mt19937 random(58);
    for (int round = 0; round < 20000; ++round) {
        std::string text = document;
        for (int change = 1 + static_cast<int>(random() % 3); change > 0 && !text.empty(); --change) {
            std::size_t at = random() % text.size();
            char byte = alphabet[random() % alphabet.size()];
            switch (random() % 3) {
                case 0:
                    text[at] = byte;
                    break;
                case 1:
                    text.erase(at, 1 + random() % 3);
                    break;
                default:
                    text.insert(at, 1, byte);
            }
        }
        expectReadAsTheReference(text);
        if (HasFatalFailure()) return;
    }
}

// Integers too large for 64 bits read as reals wherever they stand, and text that only looks like
// one (in a string, or a number of another form) reads as it is.
TEST_F(JsonTest, WideIntegersReadAsRealsWhereverTheyStand) {
    for (const std::string& text : std::vector<std::string>{
             "123456789012345678901234", "-99999999999999999999", "1" + std::string(400, '0'),
             R"(["123456789012345678901234", 123456789012345678901234, "\"18446744073709551616"])",
             R"({"m": 18446744073709551616, "m": -9223372036854775809, "n": [[-18446744073709551616]]})",
             "[18446744073709551616x]", "[018446744073709551616]", "[18446744073709551616.]",
             "[-18446744073709551616e]", "[1e99999999999999999999]", "[18446744073709551616 1]",
             "[18446744073709551616.5e-3, 1844674407370955161600000e-5]"}) {
        expectReadAsTheReference(text);
    }

    // Damaged copies, with runs of digits added anywhere (in strings and keys too).
    const std::string document =
        R"({"a": [18446744073709551616, "x123456789012345678901", -1], "b\"2": 77777777777777777777777,)"
        R"( "c": {"d": [true, -0, 1.5e3]}, "e": "\\"})";
    std::mt19937 random(66);
    for (int round = 0; round < 5000; ++round) {
        std::string text = document;
        for (int change = 1 + static_cast<int>(random() % 3); change > 0; --change) {
            std::size_t at = random() % text.size();
            if (random() % 2)
                text.insert(at, std::string(1 + random() % 25, static_cast<char>('0' + random() % 10)));
            else
                text.erase(at, 1);
        }
        expectReadAsTheReference(text);
        if (HasFatalFailure()) return;
    }
}

TEST_F(JsonTest, TheBuiltInSetFilesReadAsTheWritersLibraryReadsThem) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(fnd::Paths::resources() / "question_sets")) {
        if (entry.path().extension() != ".json") continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        expectReadAsTheReference(text.str());
        ++files;
    }
    EXPECT_GT(files, 0);
}

TEST_F(JsonTest, NestingIsBounded) {
    auto nested = [](int depth) { return std::string(depth, '[') + std::string(depth, ']'); };
    EXPECT_TRUE(Json::parse(nested(Json::kMaxDepth)));
    EXPECT_EQ(Json::parse(nested(Json::kMaxDepth + 1)), std::nullopt);
    // Far deeper than any stack would take by recursion.
    EXPECT_EQ(Json::parse(std::string(1'000'000, '[')), std::nullopt);
    EXPECT_EQ(Json::parse(nested(200'000)), std::nullopt);
}

// A model object of the kind the sync client writes.
struct SectionInfo : fnd::Object {
    std::string section;
    fnd::Date created;
};

TEST_F(JsonTest, WritesCompactlyWithAProxyForDatesAndObjects) {
    fnd::DateFormatter wire("yyyyMMddHHmmss.SSS", fnd::Locale("en_US"), fnd::TimeZone::gmt());
    auto info = std::make_shared<SectionInfo>();
    info->section = "PS";
    info->created = fnd::Date::fromUnix(1704189690.25);
    Json::Proxy proxy = [&](const JsonValue& foreign) -> std::optional<JsonValue> {
        if (auto date = foreign.asDate()) return JsonValue(wire.stringFromDate(*date));
        if (auto s = std::dynamic_pointer_cast<SectionInfo>(foreign.asObject()))
            return JsonValue(JsonValue::Map{{"section", s->section}, {"created", s->created}});
        return std::nullopt;
    };
    JsonValue request(JsonValue::Map{
        {"login", "me@example.com"},
        {"answer", JsonValue::Array{2}},
        {"info", JsonValue(std::static_pointer_cast<fnd::Object>(info))},
        {"when", fnd::Date::fromUnix(0)},
        {"n", 7},
        {"x", 0.5},
        {"ok", false},
        {"nothing", nullptr},
        {"text", "line\nbreak \"and\" tab\t"},
    });
    EXPECT_EQ(
        Json::write(request, proxy),
        R"({"answer":[2],"info":{"created":"20240102100130.250","section":"PS"},"login":"me@example.com",)"
        R"("n":7,"nothing":null,"ok":false,"text":"line\nbreak \"and\" tab\t","when":"19700101000000.000",)"
        R"("x":0.5})");
    EXPECT_EQ(Json::write(JsonValue::Array{3}), "[3]");

    // Without an answer for a foreign value, or with a number JSON cannot hold, nothing is written.
    EXPECT_EQ(Json::write(request), std::nullopt);
    EXPECT_EQ(Json::write(JsonValue::Array{fnd::Date(0)}, [](const JsonValue&) { return std::nullopt; }),
              std::nullopt);
    EXPECT_EQ(Json::write(JsonValue(std::nan(""))), std::nullopt);
    // A proxy that answers with another foreign value ends at the depth bound, not in a loop.
    EXPECT_EQ(Json::write(fnd::Date(0), [](const JsonValue& v) { return std::optional<JsonValue>(v); }),
              std::nullopt);
    // Text that is not UTF-8 is written with replacement characters.
    EXPECT_EQ(Json::write(JsonValue(std::string("a\xff"))), "\"a\xEF\xBF\xBD\"");
}

TEST_F(JsonTest, WrittenTextReadsBackEqual) {
    JsonValue value(JsonValue::Map{
        {"a", JsonValue::Array{1, -2, 3.5, "x", true, nullptr, JsonValue::Map{}}},
        {"b", JsonValue::Map{{"nested", JsonValue::Array{}}}},
        {"long", std::int64_t{9007199254740993}},
        {"tiny", 1e-300},
    });
    auto text = Json::write(value);
    ASSERT_TRUE(text);
    EXPECT_EQ(Json::parse(*text), value);
}

}  // namespace
