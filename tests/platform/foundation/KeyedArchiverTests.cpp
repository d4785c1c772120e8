#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/foundation/BinaryPropertyListReader.h"
#include "platform/foundation/BinaryPropertyListWriter.h"
#include "platform/foundation/ClassRegistry.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "platform/foundation/PropertyList.h"
#include "tests/platform/foundation/ArchiveTestModels.h"

using namespace fnd;
using archive_test::classEntry;
using archive_test::counting;
using archive_test::entriesOfClass;
using archive_test::Question;
using archive_test::QuestionSet;
using archive_test::Record;

namespace {

using KeyedArchiverTest = archive_test::ArchiveTest;

std::shared_ptr<Record> fullRecord() {
    auto r = std::make_shared<Record>();
    r->count = -2147483647 - 1;
    r->big = 9007199254740993LL;
    r->flag = true;
    r->ratio = 0.1f;
    r->seconds = -1.0 / 3.0;
    r->name = "Caf\xC3\xA9 \xF0\x9F\x98\x80 and a name longer than fifteen characters";
    r->when = Date(-12345.678);
    r->bytes = Bytes{0, 1, 2, 255};
    r->link = "https://example.org/path?q=%20";
    return r;
}

TEST_F(KeyedArchiverTest, EveryValueKindRoundTripsInsideAnObject) {
    auto r = fullRecord();
    auto list = ArchiveValue::makeArray();
    *list = {ArchiveValue::integer(-1),
             ArchiveValue::unsignedInteger(18446744073709551615ull),
             ArchiveValue::real(2.5),
             ArchiveValue::boolean(false),
             "text",
             Date(5),
             ArchiveValue::url("file:///tmp/x"),
             nullptr,
             ArchiveValue::data({9, 8})};
    r->extra = list;

    auto back = roundTrip(r).object<Record>();
    ASSERT_TRUE(back);
    EXPECT_EQ(back->count, r->count);
    EXPECT_EQ(back->big, r->big);
    EXPECT_TRUE(back->flag);
    EXPECT_EQ(back->ratio, 0.1f);
    EXPECT_EQ(back->seconds, r->seconds);
    EXPECT_EQ(back->name, r->name);
    EXPECT_EQ(back->when, r->when);
    EXPECT_EQ(back->bytes, r->bytes);
    EXPECT_EQ(back->link, r->link);
    auto items = back->extra.array();
    ASSERT_TRUE(items);
    ASSERT_EQ(items->size(), list->size());
    for (std::size_t i = 0; i < list->size(); ++i) EXPECT_EQ((*items)[i], (*list)[i]) << "item " << i;
    EXPECT_TRUE(logged.empty());
}

TEST_F(KeyedArchiverTest, TopLevelKeysOfEveryKind) {
    KeyedArchiver archiver;
    archiver.encodeInt32("i", 42);
    archiver.encodeInt64("l", -5000000000LL);
    archiver.encodeBool("b", true);
    archiver.encodeFloat("f", 1.5f);
    archiver.encodeDouble("d", 1e300);
    archiver.encodeObject("s", "");
    archiver.encodeObject("nil", nullptr);
    archiver.encodeURL("u", "https://example.org/");
    archiver.encodeString("text", "first");
    archiver.encodeString("text", "second");  // a key encoded again replaces its value
    archiver.encodeDate("when", Date(-1.5));
    auto bytes = archiver.finishEncoding();
    ASSERT_TRUE(bytes);
    EXPECT_FALSE(archiver.finishEncoding());  // an archive is finished once

    KeyedUnarchiver in(*bytes);
    ASSERT_TRUE(in.valid());
    EXPECT_EQ(in.decodeInt32("i"), 42);
    EXPECT_EQ(in.decodeInt64("l"), -5000000000LL);
    EXPECT_TRUE(in.decodeBool("b"));
    EXPECT_EQ(in.decodeFloat("f"), 1.5f);
    EXPECT_EQ(in.decodeDouble("d"), 1e300);
    EXPECT_EQ(in.decodeString("s"), "");
    EXPECT_TRUE(in.containsValueForKey("nil"));
    EXPECT_TRUE(in.decodeObject("nil").isNil());
    EXPECT_EQ(in.decodeURL("u"), "https://example.org/");
    EXPECT_EQ(in.decodeString("text"), "second");
    EXPECT_EQ(in.decodeDate("when"), Date(-1.5));
}

TEST_F(KeyedArchiverTest, SharedValuesAreWrittenOnceAndReadAsOne) {
    auto record = fullRecord();
    auto list = ArchiveValue::makeArray();
    list->push_back(record);
    auto dict = ArchiveValue::makeDictionary();
    (*dict)["a"] = list;
    (*dict)["b"] = list;
    (*dict)["c"] = record;
    Bytes bytes = archive(dict);

    EXPECT_EQ(entriesOfClass(bytes, "TestRecord"), 1);
    EXPECT_EQ(entriesOfClass(bytes, "NSArray"), 1);

    auto back = KeyedUnarchiver::unarchive(bytes, "kRepository").dictionary();
    ASSERT_TRUE(back);
    auto a = back->at("a").array();
    EXPECT_EQ(a, back->at("b").array());
    ASSERT_EQ(a->size(), 1u);
    EXPECT_EQ((*a)[0].object<Record>(), back->at("c").object<Record>());
}

TEST_F(KeyedArchiverTest, CyclesRoundTrip) {
    auto set = std::make_shared<QuestionSet>();
    set->title = "Set";
    for (int i = 0; i < 3; ++i) {
        auto q = std::make_shared<Question>();
        q->number = i;
        q->set = set;
        set->questions.push_back(q);
    }
    // Entered from a question (keys are written in order), the graph still closes on the same set.
    auto root = ArchiveValue::makeDictionary();
    (*root)["a.question"] = set->questions[1];
    (*root)["b.set"] = set;
    auto backRoot = roundTrip(root).dictionary();
    ASSERT_TRUE(backRoot);
    auto back = backRoot->at("a.question").object<Question>();
    ASSERT_TRUE(back);
    auto backSet = back->set.lock();
    ASSERT_TRUE(backSet);
    EXPECT_EQ(backSet, backRoot->at("b.set").object<QuestionSet>());
    EXPECT_EQ(backSet->title, "Set");
    ASSERT_EQ(backSet->questions.size(), 3u);
    EXPECT_EQ(backSet->questions[1], back);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(backSet->questions[i]->number, i);
        EXPECT_EQ(backSet->questions[i]->set.lock(), backSet);
    }
    EXPECT_TRUE(logged.empty());

    // Collections that hold one another with no object between could never be freed: the
    // reference that would close such a cycle reads as absent.
    // Also when the inner one is first reached through an object.
    auto outer = ArchiveValue::makeArray();
    auto inner = ArchiveValue::makeDictionary();
    auto holder = std::make_shared<Record>();
    holder->extra = inner;
    *outer = {holder, inner};
    (*inner)["outer"] = outer;
    auto outerBack = roundTrip(outer).array();
    ASSERT_TRUE(outerBack);
    ASSERT_EQ(outerBack->size(), 2u);
    auto innerBack = (*outerBack)[1].dictionary();
    ASSERT_TRUE(innerBack);
    EXPECT_EQ((*outerBack)[0].object<Record>()->extra.dictionary(), innerBack);
    EXPECT_TRUE(innerBack->at("outer").isNil());
    EXPECT_EQ(outerBack.use_count(), 1);
    EXPECT_TRUE(loggedAbout("contains itself"));
    inner->clear();  // break the cycle the test built
}

TEST_F(KeyedArchiverTest, NestedContainers) {
    auto inner = ArchiveValue::makeDictionary();
    (*inner)["deep"] = ArchiveValue::integer(7);
    auto level = ArchiveValue::makeArray();
    level->push_back(inner);
    auto root = ArchiveValue::makeDictionary();
    for (int i = 0; i < 40; ++i) {  // more keys than fit in a marker's count nibble
        auto l = ArchiveValue::makeArray();
        *l = {level, ArchiveValue::integer(i)};
        (*root)["k" + std::to_string(i)] = l;
    }
    auto back = roundTrip(root).dictionary();
    ASSERT_TRUE(back);
    ASSERT_EQ(back->size(), 40u);
    auto k39 = back->at("k39").array();
    EXPECT_EQ((*k39)[1].int64Value(), 39);
    auto deep = (*(*k39)[0].array())[0].dictionary();
    EXPECT_EQ(deep->at("deep").int64Value(), 7);
    EXPECT_EQ((*back->at("k0").array())[0].array(), (*k39)[0].array());
}

TEST_F(KeyedArchiverTest, MissingKeysReadAsZeroFalseAndNil) {
    auto back = roundTrip(std::make_shared<Record>()).object<Record>();
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->hadFlag);
    EXPECT_FALSE(back->name || back->when || back->bytes || back->link);
    EXPECT_TRUE(back->extra.isNil());

    KeyedUnarchiver in(archive(ArchiveValue::integer(1)));
    EXPECT_FALSE(in.containsValueForKey("absent"));
    EXPECT_EQ(in.decodeInt32("absent"), 0);
    EXPECT_EQ(in.decodeInt64("absent"), 0);
    EXPECT_FALSE(in.decodeBool("absent"));
    EXPECT_EQ(in.decodeDouble("absent"), 0.0);
    EXPECT_TRUE(in.decodeObject("absent").isNil());
    EXPECT_FALSE(in.decodeString("absent"));
    EXPECT_FALSE(in.decodeArray("absent"));
    EXPECT_TRUE(logged.empty());
}

TEST_F(KeyedArchiverTest, ValuesOfAnotherKindOrClassReadAsAbsentAndAreLogged) {
    KeyedArchiver archiver;
    archiver.encodeObject("text", "not a number");
    archiver.encodeObject("record", std::make_shared<Record>());
    archiver.encodeInt64("huge", 1LL << 40);
    archiver.encodeDouble("real", 3.9);
    archiver.encodeObject("unsigned", ArchiveValue::unsignedInteger(1ull << 63));
    auto bytes = archiver.finishEncoding();
    ASSERT_TRUE(bytes);

    KeyedUnarchiver in(*bytes);
    EXPECT_EQ(in.decodeInt32("text"), 0);
    EXPECT_FALSE(in.decodeDate("text"));
    EXPECT_FALSE(in.decodeObjectOfClass<QuestionSet>("record"));
    EXPECT_TRUE(in.decodeObjectOfClass<Record>("record"));
    EXPECT_FALSE(in.decodeArray("record"));
    EXPECT_EQ(in.decodeInt32("huge"), 0);  // does not fit 32 bits
    EXPECT_EQ(in.decodeInt64("huge"), 1LL << 40);
    EXPECT_EQ(in.decodeInt32("real"), 3);  // numbers convert as number objects do
    EXPECT_EQ(in.decodeInt64("unsigned"), 0);
    EXPECT_EQ(in.decodeNumber("unsigned").uint64Value(), 1ull << 63);
    EXPECT_TRUE(loggedAbout("\"text\" holds NSString"));
    EXPECT_TRUE(loggedAbout("\"record\" holds an archived object TestRecord"));
    EXPECT_TRUE(loggedAbout("\"huge\""));
}

// A reader of an older archive reads its keys from the coder another reader is reading.
class Combined : public Object, public Coding {
  public:
    std::int32_t own = 0, helperValue = 0;
    void encodeWithCoder(KeyedArchiver& coder) const override {
        coder.encodeInt32("own", 1);
        coder.encodeInt32("helper.value", 2);
    }
    void initWithCoder(KeyedUnarchiver& coder) override {
        own = coder.decodeInt32("own");
        helperValue = readHelper(coder);
    }
    static std::int32_t readHelper(KeyedUnarchiver& coder) { return coder.decodeInt32("helper.value"); }
};

TEST_F(KeyedArchiverTest, SeveralReadersShareOneCoderAndObjectsReadTheirOwnKeys) {
    ClassRegistry::shared().registerClass<Combined>("TestCombined");
    auto outer = std::make_shared<Record>();
    outer->count = 5;
    outer->extra = std::make_shared<Combined>();
    KeyedArchiver archiver;
    archiver.encodeObject("kRepository", outer);
    archiver.encodeInt32("own", 99);  // a top-level key of the same name
    auto bytes = archiver.finishEncoding();
    ASSERT_TRUE(bytes);

    KeyedUnarchiver in(*bytes);
    auto back = in.decodeObjectOfClass<Record>("kRepository");
    ASSERT_TRUE(back);
    EXPECT_EQ(back->count, 5);
    auto combined = back->extra.object<Combined>();
    ASSERT_TRUE(combined);
    EXPECT_EQ(combined->own, 1);
    EXPECT_EQ(combined->helperValue, 2);
    EXPECT_EQ(in.decodeInt32("own"), 99);  // back at the top after decoding
}

TEST_F(KeyedArchiverTest, AnotherRootKey) {
    auto clock = std::make_shared<archive_test::Clock>();
    clock->seconds = 61;
    Bytes bytes = archive(clock, "kTimer");
    EXPECT_TRUE(KeyedUnarchiver::unarchive(bytes, "kRepository").isNil());
    auto back = KeyedUnarchiver::unarchive(bytes, "kTimer").object<archive_test::Clock>();
    ASSERT_TRUE(back);
    EXPECT_EQ(back->seconds, 61);
}

TEST_F(KeyedArchiverTest, AnUnregisteredClassFailsTheArchive) {
    class Stray : public Object, public Coding {
        void encodeWithCoder(KeyedArchiver&) const override {}
        void initWithCoder(KeyedUnarchiver&) override {}
    };
    KeyedArchiver archiver;
    archiver.encodeObject("kRepository", std::make_shared<Stray>());
    EXPECT_FALSE(archiver.finishEncoding());
    EXPECT_NE(archiver.error().find("no archivable class"), std::string::npos);
}

TEST_F(KeyedArchiverTest, DamagedArchivesAreInvalidNotFatal) {
    Bytes notPlist{'h', 'e', 'l', 'l', 'o'};
    KeyedUnarchiver a(notPlist);
    EXPECT_FALSE(a.valid());
    EXPECT_FALSE(a.error().empty());
    EXPECT_FALSE(a.containsValueForKey("kRepository"));
    EXPECT_EQ(a.decodeInt32("kRepository"), 0);

    PropertyList plain;
    plain.setTop(plain.addString("just a string"));
    KeyedUnarchiver b(BinaryPropertyListWriter::write(plain));
    EXPECT_FALSE(b.valid());

    // Every truncation of a real archive is either rejected or read without crashing.
    Bytes bytes = archive(fullRecord());
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        Bytes cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n));
        KeyedUnarchiver c(cut);
        c.decodeObject("kRepository");
    }
}

// An archive built by hand: $objects given as property-list values, the root key on UID 1.
Bytes handMade(PropertyList& pl, std::vector<PropertyList::Ref> objects) {
    objects.insert(objects.begin(), pl.addString("$null"));
    PropertyList::Ref topKey[] = {pl.addString("kRepository")};
    PropertyList::Ref topValue[] = {pl.addUid(1)};
    PropertyList::Ref k[] = {pl.addString("$archiver"), pl.addString("$top"), pl.addString("$objects")};
    PropertyList::Ref v[] = {pl.addString("NSKeyedArchiver"), pl.addDictionary(topKey, topValue),
                             pl.addArray(objects)};
    pl.setTop(pl.addDictionary(k, v));
    return BinaryPropertyListWriter::write(pl);
}

PropertyList::Ref arrayEntry(PropertyList& pl, std::vector<PropertyList::Ref> members,
                             std::uint32_t classUid) {
    PropertyList::Ref k[] = {pl.addString("NS.objects"), pl.addString("$class")};
    PropertyList::Ref v[] = {pl.addArray(members), pl.addUid(classUid)};
    return pl.addDictionary(k, v);
}

TEST_F(KeyedArchiverTest, HostileGraphsStayBounded) {
    {  // arrays nested far deeper than any real archive: cut off, not a stack overflow
        PropertyList pl;
        std::vector<PropertyList::Ref> objects;
        const std::uint32_t depth = 20000;
        for (std::uint32_t i = 1; i <= depth; ++i)
            objects.push_back(arrayEntry(pl, {pl.addUid(i + 1)}, depth + 1));
        objects.push_back(classEntry(pl, "NSArray"));
        auto value = KeyedUnarchiver::unarchive(handMade(pl, objects), "kRepository");
        EXPECT_TRUE(value.array());
        EXPECT_TRUE(loggedAbout("nested too deeply"));
    }
    {  // a table entry that is itself a reference (to itself)
        PropertyList pl;
        EXPECT_TRUE(KeyedUnarchiver::unarchive(handMade(pl, {pl.addUid(1)}), "kRepository").isNil());
        EXPECT_TRUE(loggedAbout("a reference in the object table"));
    }
    {  // URLs whose address and base both refer to the next: each is read once, not 2^300 times
        PropertyList pl;
        std::vector<PropertyList::Ref> objects;
        const std::uint32_t count = 300, classUid = count + 2;
        for (std::uint32_t i = 1; i <= count; ++i) {
            PropertyList::Ref k[] = {pl.addString("NS.relative"), pl.addString("NS.base"),
                                     pl.addString("$class")};
            PropertyList::Ref v[] = {pl.addUid(i == count ? count + 1 : i + 1),
                                     pl.addUid(i == count ? 0 : i + 1), pl.addUid(classUid)};
            objects.push_back(pl.addDictionary(k, v));
        }
        objects.push_back(pl.addString("https://example.org/a/b"));
        objects.push_back(classEntry(pl, "NSURL"));
        auto value = KeyedUnarchiver::unarchive(handMade(pl, objects), "kRepository");
        ASSERT_TRUE(value.url());
        EXPECT_EQ(*value.url(), "https://example.org/a/b");
    }
    {  // one large string referred to 100,000 times may not expand to gigabytes
        PropertyList pl;
        std::vector<PropertyList::Ref> refs(100000, pl.addUid(2));
        PropertyList::Ref list = arrayEntry(pl, refs, 3);
        auto value = KeyedUnarchiver::unarchive(
            handMade(pl, {list, pl.addString(std::string(100000, 'x')), classEntry(pl, "NSArray")}),
            "kRepository");
        ASSERT_TRUE(value.array());
        EXPECT_EQ(value.array()->size(), 100000u);
        EXPECT_TRUE((*value.array())[0].string());
        EXPECT_TRUE(value.array()->back().isNil());
        EXPECT_TRUE(loggedAbout("expands far beyond its size"));
    }
}

}  // namespace

namespace {

TEST_F(KeyedArchiverTest, LetsGoOfWhatItEncodedBeforeItMakesTheBytes) {
    // An object handed over to be archived is held by the archiver alone, which lets go of it once
    // its entries are made, so that a copy taken for a save and its bytes are not held together.
    fnd::KeyedArchiver archiver;
    auto record = std::make_shared<Record>();
    record->count = 7;
    std::weak_ptr<Record> held = record;
    archiver.encodeObject("root", fnd::ArchiveValue(std::exchange(record, nullptr)));
    // Its entry is written as soon as it is encoded, so it is let go of at once.
    EXPECT_TRUE(held.expired());
    auto bytes = archiver.finishEncoding();
    ASSERT_TRUE(bytes);
    EXPECT_TRUE(held.expired());
    auto back = fnd::KeyedUnarchiver::unarchive(*bytes, "root").object<Record>();
    ASSERT_TRUE(back);
    EXPECT_EQ(back->count, 7);
}

TEST_F(KeyedArchiverTest, KeysBuiltAnewInOnePlaceReadTheirOwnValues) {
    // Keys made in a loop lie in the same buffer each time, with a different text.
    fnd::KeyedArchiver archiver;
    for (int i = 0; i < 12; ++i) archiver.encodeInt32("k" + std::to_string(i), i * 10);
    auto bytes = archiver.finishEncoding();
    ASSERT_TRUE(bytes);
    fnd::KeyedUnarchiver in(*bytes);
    for (int round = 0; round < 2; ++round)
        for (int i = 11; i >= 0; --i) {
            std::string key = "k" + std::to_string(i);
            EXPECT_EQ(in.decodeInt32(key), i * 10) << key;
        }
    EXPECT_FALSE(in.containsValueForKey("k12"));
    EXPECT_FALSE(in.containsValueForKey(std::string(40, 'k')));
}

TEST_F(KeyedArchiverTest, ValuesMadeForOneKeyAndGoneAreNotTakenForLaterOnes) {
    // Each array lives only while its key is encoded, so the next one may get its address.
    fnd::KeyedArchiver archiver;
    for (int i = 0; i < 50; ++i) {
        auto list = ArchiveValue::makeArray();
        list->push_back(ArchiveValue::integer(i));
        auto record = std::make_shared<Record>();
        record->count = i;
        archiver.encodeObject("list" + std::to_string(i), list);
        archiver.encodeObject("record" + std::to_string(i), std::move(record));
    }
    auto bytes = archiver.finishEncoding();
    ASSERT_TRUE(bytes);
    fnd::KeyedUnarchiver in(*bytes);
    for (int i = 0; i < 50; ++i) {
        auto list = in.decodeArray("list" + std::to_string(i));
        ASSERT_TRUE(list && list->size() == 1) << i;
        EXPECT_EQ((*list)[0].int64Value(), i);
        auto record = in.decodeObjectOfClass<Record>("record" + std::to_string(i));
        ASSERT_TRUE(record) << i;
        EXPECT_EQ(record->count, i);
    }
}

TEST_F(KeyedArchiverTest, ALargeArchiveHandedOverInPiecesIsTheArchiveMadeInMemory) {
    // A set of questions that refer back to it, shared records with every kind of value, uniqued
    // strings and nested containers: large enough that its bytes leave the archiver in pieces.
    auto set = std::make_shared<QuestionSet>();
    set->title = "Large";
    for (int i = 0; i < 30000; ++i) {
        auto q = std::make_shared<Question>();
        q->number = i;
        q->set = set;
        set->questions.push_back(q);
    }
    auto records = ArchiveValue::makeArray();
    for (int i = 0; i < 300; ++i) {
        auto r = fullRecord();
        r->count = i;
        r->name = "name " + std::to_string(i % 7);
        auto inner = ArchiveValue::makeDictionary();
        (*inner)[i] = ArchiveValue::real(i / 4.0);
        (*inner)["same"] = std::string("text");
        r->extra = inner;
        records->push_back(r);
        records->push_back(r);
    }
    auto root = ArchiveValue::makeDictionary();
    (*root)["set"] = set;
    (*root)["records"] = records;

    Bytes inMemory = archive(root);
    Bytes gathered;
    int pieces = 0;
    std::string error;
    ASSERT_TRUE(KeyedArchiver::archive(
        "kRepository", root,
        [&](std::span<const std::uint8_t> piece) {
            gathered.insert(gathered.end(), piece.begin(), piece.end());
            ++pieces;
            return true;
        },
        &error))
        << error;
    EXPECT_EQ(gathered, inMemory);
    EXPECT_GT(pieces, 2);

    auto back = KeyedUnarchiver::unarchive(gathered, "kRepository").dictionary();
    ASSERT_TRUE(back);
    auto backSet = back->at("set").object<QuestionSet>();
    ASSERT_TRUE(backSet);
    ASSERT_EQ(backSet->questions.size(), 30000u);
    for (int i = 0; i < 30000; i += 1231) {
        EXPECT_EQ(backSet->questions[i]->number, i);
        EXPECT_EQ(backSet->questions[i]->set.lock(), backSet);
    }
    auto backRecords = back->at("records").array();
    ASSERT_TRUE(backRecords);
    ASSERT_EQ(backRecords->size(), 600u);
    auto expected = fullRecord();
    for (int i = 0; i < 300; i += 37) {
        auto r = (*backRecords)[2 * i].object<Record>();
        ASSERT_TRUE(r);
        EXPECT_EQ((*backRecords)[2 * i + 1].object<Record>(), r);
        EXPECT_EQ(r->count, i);
        EXPECT_EQ(r->big, expected->big);
        EXPECT_EQ(r->ratio, expected->ratio);
        EXPECT_EQ(r->seconds, expected->seconds);
        EXPECT_EQ(r->when, expected->when);
        EXPECT_EQ(r->bytes, expected->bytes);
        EXPECT_EQ(r->link, expected->link);
        EXPECT_EQ(r->name, "name " + std::to_string(i % 7));
        auto inner = r->extra.dictionary();
        ASSERT_TRUE(inner);
        EXPECT_EQ(inner->at(i).doubleValue(), i / 4.0);
        EXPECT_EQ(*inner->at("same").string(), "text");
    }
}

TEST_F(KeyedArchiverTest, ASinkThatFailsOrAnUnregisteredClassFailsTheStreamedArchive) {
    std::string error;
    EXPECT_FALSE(KeyedArchiver::archive(
        "kRepository", ArchiveValue(std::string("text")), [](std::span<const std::uint8_t>) { return false; },
        &error));
    EXPECT_NE(error.find("could not be written"), std::string::npos) << error;

    struct Unregistered : fnd::Object {};
    error.clear();
    bool tookAny = false;
    EXPECT_FALSE(KeyedArchiver::archive(
        "kRepository", ArchiveValue(std::make_shared<Unregistered>()),
        [&](std::span<const std::uint8_t>) { return tookAny = true; }, &error));
    EXPECT_NE(error.find("no archivable class"), std::string::npos) << error;
    EXPECT_FALSE(tookAny);
}

}  // namespace
