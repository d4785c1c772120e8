#include "tests/platform/foundation/ArchiveTestModels.h"

#include <gtest/gtest.h>

#include <mutex>

#include "platform/foundation/BinaryPropertyListReader.h"
#include "platform/foundation/BinaryPropertyListWriter.h"
#include "platform/foundation/ClassRegistry.h"

namespace archive_test {

void Record::encodeWithCoder(fnd::KeyedArchiver& coder) const {
    coder.encodeInt32("count", count);
    coder.encodeInt64("big", big);
    coder.encodeBool("flag", flag);
    coder.encodeFloat("ratio", ratio);
    coder.encodeDouble("seconds", seconds);
    if (name) coder.encodeObject("name", *name);
    if (when) coder.encodeObject("when", *when);
    if (bytes) coder.encodeObject("bytes", fnd::ArchiveValue::data(*bytes));
    if (link) coder.encodeURL("link", *link);
    if (!extra.isNil()) coder.encodeObject("extra", extra);
}

void Record::initWithCoder(fnd::KeyedUnarchiver& coder) {
    count = coder.decodeInt32("count");
    big = coder.decodeInt64("big");
    hadFlag = coder.containsValueForKey("flag");
    flag = coder.decodeBool("flag");
    ratio = coder.decodeFloat("ratio");
    seconds = coder.decodeDouble("seconds");
    name = coder.decodeString("name");
    when = coder.decodeDate("when");
    bytes = coder.decodeData("bytes");
    link = coder.decodeURL("link");
    extra = coder.decodeObject("extra");
}

void QuestionSet::encodeWithCoder(fnd::KeyedArchiver& coder) const {
    coder.encodeObject("title", title);
    auto list = fnd::ArchiveValue::makeArray();
    for (const auto& q : questions) list->push_back(q);
    coder.encodeObject("questions", list);
}

void QuestionSet::initWithCoder(fnd::KeyedUnarchiver& coder) {
    title = coder.decodeString("title").value_or("");
    if (auto list = coder.decodeArray("questions"))
        for (const auto& item : *list)
            if (auto q = item.object<Question>()) questions.push_back(q);
}

void Question::encodeWithCoder(fnd::KeyedArchiver& coder) const {
    coder.encodeInt32("number", number);
    coder.encodeObject("set", set.lock());
}

void Question::initWithCoder(fnd::KeyedUnarchiver& coder) {
    number = coder.decodeInt32("number");
    set = coder.decodeObjectOfClass<QuestionSet>("set");
}

void Clock::encodeWithCoder(fnd::KeyedArchiver& coder) const {
    coder.encodeInt32("kSeconds", seconds);
    coder.encodeBool("kRunning", running);
}

void Clock::initWithCoder(fnd::KeyedUnarchiver& coder) {
    seconds = coder.decodeInt32("kSeconds");
    running = coder.decodeBool("kRunning");
}

std::vector<std::uint8_t> withUid(const fnd::PropertyList& list, fnd::PropertyList::Ref ref,
                                  std::uint8_t uid) {
    auto bytes = fnd::BinaryPropertyListWriter::write(list);
    // The trailer: the offsets' size at byte 6, the offset table's place in the last 8.
    const std::uint8_t* trailer = bytes.data() + bytes.size() - 32;
    std::uint64_t table = 0, at = 0;
    for (int i = 24; i < 32; ++i) table = table << 8 | trailer[i];
    for (unsigned i = 0; i < trailer[6]; ++i) at = at << 8 | bytes[table + ref * trailer[6] + i];
    EXPECT_EQ(bytes[at], 0x80);  // a UID of one byte
    bytes[at + 1] = uid;
    return bytes;
}

void registerClasses() {
    static std::once_flag once;
    std::call_once(once, [] {
        auto& registry = fnd::ClassRegistry::shared();
        registry.registerClass<Record>("TestRecord");
        registry.registerClass<QuestionSet>("TestQuestionSet");
        registry.registerClass<Question>("TestQuestion", {"TestItem", "NSObject"});
        registry.registerClass<Clock>("TestClock");
        registry.registerAlias("OldClockScreen", "TestClock");
        registry.registerAlias("OldClockScreenLarge", "TestClock");
    });
}

void ArchiveTest::SetUp() {
    TestEnvironment::SetUp();
    registerClasses();
    previousSink_ = fnd::Log::setSink([this](fnd::Log::Level level, std::string_view line) {
        if (level >= fnd::Log::Level::Warning) logged.emplace_back(line);
    });
}

void ArchiveTest::TearDown() {
    fnd::Log::setSink(previousSink_);
    TestEnvironment::TearDown();
}

std::shared_ptr<Record> counting(std::int32_t count) {
    auto r = std::make_shared<Record>();
    r->count = count;
    return r;
}

fnd::PropertyList::Ref classEntry(fnd::PropertyList& pl, std::string_view name) {
    fnd::PropertyList::Ref names[] = {pl.addString(name)};
    fnd::PropertyList::Ref k[] = {pl.addString("$classname"), pl.addString("$classes")};
    fnd::PropertyList::Ref v[] = {names[0], pl.addArray(names)};
    return pl.addDictionary(k, v);
}

int entriesOfClass(const fnd::Bytes& bytes, std::string_view name) {
    fnd::PropertyList pl = *fnd::BinaryPropertyListReader::read(bytes);
    auto objects = pl.items(*pl.find(pl.top(), "$objects"));
    int n = 0;
    for (auto e : objects) {
        auto cls = pl.kind(e) == fnd::PropertyList::Kind::Dictionary ? pl.find(e, "$class") : std::nullopt;
        if (cls && pl.string(*pl.find(objects[pl.uid(*cls)], "$classname")) == name) ++n;
    }
    return n;
}

fnd::Bytes ArchiveTest::archive(const fnd::ArchiveValue& root, std::string_view key) {
    std::string error;
    auto bytes = fnd::KeyedArchiver::archive(key, root, &error);
    EXPECT_TRUE(bytes) << error;
    return bytes.value_or(fnd::Bytes{});
}

fnd::ArchiveValue ArchiveTest::roundTrip(const fnd::ArchiveValue& root) {
    return fnd::KeyedUnarchiver::unarchive(archive(root), "kRepository");
}

bool ArchiveTest::loggedAbout(std::string_view text) const {
    for (const auto& line : logged)
        if (line.find(text) != std::string::npos) return true;
    return false;
}

}  // namespace archive_test
