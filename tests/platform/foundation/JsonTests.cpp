#include <gtest/gtest.h>

#include <cmath>

#include "platform/foundation/DateFormatter.h"
#include "platform/foundation/Json.h"
#include "platform/foundation/Object.h"
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
