// How the unarchiver reads what it finds wherever a writer may have put it: numbers and dates in
// place or as entries, dictionaries entry by entry, objects read in place, and which made objects
// it keeps for later references.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/foundation/BinaryPropertyListWriter.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "platform/foundation/PropertyList.h"
#include "tests/platform/foundation/ArchiveTestModels.h"

using namespace fnd;
using archive_test::classEntry;
using archive_test::counting;
using archive_test::entriesOfClass;
using archive_test::QuestionSet;
using archive_test::Record;

namespace {
using KeyedArchiverTest = archive_test::ArchiveTest;
}  // namespace

namespace {

// An archive whose top keys hold values stored as any writer may store them: in place, or as
// entries of the object table, dates as date objects with their time in place or not.
class HandMadeArchive {
  public:
    using Ref = PropertyList::Ref;

    HandMadeArchive() { objects_.push_back(list_.addString("$null")); }

    PropertyList& list() { return list_; }
    // A reference to a new entry of the object table.
    Ref entry(Ref value) {
        objects_.push_back(value);
        return list_.addUid(static_cast<std::uint32_t>(objects_.size() - 1));
    }
    // A date object; without a time when none is given.
    Ref date(std::optional<Ref> time) {
        if (!dateClass_) {
            Ref names[] = {list_.addString("NSDate"), list_.addString("NSObject")};
            Ref keys[] = {list_.addString("$classname"), list_.addString("$classes")};
            Ref values[] = {names[0], list_.addArray(names)};
            dateClass_ = entry(list_.addDictionary(keys, values));
        }
        std::vector<Ref> keys{list_.addString("$class")}, values{*dateClass_};
        if (time) {
            keys.push_back(list_.addString("NS.time"));
            values.push_back(*time);
        }
        return entry(list_.addDictionary(keys, values));
    }
    void put(std::string_view key, Ref value) {
        topKeys_.push_back(list_.addString(key));
        topValues_.push_back(value);
    }
    Bytes bytes() {
        Ref keys[] = {list_.addString("$archiver"), list_.addString("$version"), list_.addString("$top"),
                      list_.addString("$objects")};
        Ref values[] = {list_.addString("NSKeyedArchiver"), list_.addInteger(100000),
                        list_.addDictionary(topKeys_, topValues_), list_.addArray(objects_)};
        list_.setTop(list_.addDictionary(keys, values));
        return BinaryPropertyListWriter::write(list_);
    }

  private:
    PropertyList list_;
    std::vector<Ref> objects_, topKeys_, topValues_;
    std::optional<Ref> dateClass_;
};

TEST_F(KeyedArchiverTest, NumbersAndDatesReadAsTheirValueWhereverTheyAreStored) {
    HandMadeArchive a;
    PropertyList& l = a.list();
    a.put("bool", l.addBoolean(true));
    a.put("int", l.addInteger(-5));
    a.put("wide", l.addInteger(std::int64_t{1} << 40));
    a.put("real", l.addReal(-2.75));
    a.put("float", l.addFloat(0.1f));
    a.put("huge", l.addUnsignedInteger(18446744073709551615ull));
    a.put("boxed", a.entry(l.addInteger(42)));
    a.put("text", a.entry(l.addString("7")));
    a.put("date", a.date(l.addReal(1234.5)));
    a.put("dateOfInteger", a.date(l.addInteger(99)));
    a.put("dateWithoutTime", a.date(std::nullopt));
    a.put("dateOfBoxedTime", a.date(a.entry(l.addReal(5.5))));
    a.put("dateOfText", a.date(a.entry(l.addString("x"))));
    HandMadeArchive::Ref shared = a.date(l.addReal(3.0));
    a.put("dateTwice", shared);
    a.put("dateAgain", shared);
    a.put("bareDate", a.entry(l.addDate(77.0)));
    KeyedUnarchiver in(a.bytes());
    ASSERT_TRUE(in.valid()) << in.error();

    const double huge = 18446744073709551615.0;
    struct Case {
        const char* key;
        std::int32_t int32;
        std::int64_t int64;
        double real;
        bool flag;
        std::optional<Date> date;
    };
    const Case cases[] = {
        {"bool", 1, 1, 1.0, true, std::nullopt},
        {"int", -5, -5, -5.0, true, std::nullopt},
        {"wide", 0, std::int64_t{1} << 40, 1099511627776.0, true, std::nullopt},  // beyond 32 bits
        {"real", -2, -2, -2.75, true, std::nullopt},                              // truncated
        {"float", 0, 0, static_cast<double>(0.1f), true, std::nullopt},
        {"huge", 0, 0, huge, true, std::nullopt},  // beyond the signed range
        {"boxed", 42, 42, 42.0, true, std::nullopt},
        {"text", 0, 0, 0.0, false, std::nullopt},
        {"date", 0, 0, 0.0, false, Date(1234.5)},
        {"dateOfInteger", 0, 0, 0.0, false, Date(99.0)},
        {"dateWithoutTime", 0, 0, 0.0, false, Date(0.0)},
        {"dateOfBoxedTime", 0, 0, 0.0, false, Date(5.5)},
        {"dateOfText", 0, 0, 0.0, false, Date(0.0)},
        {"dateTwice", 0, 0, 0.0, false, Date(3.0)},
        {"dateAgain", 0, 0, 0.0, false, Date(3.0)},
        {"bareDate", 0, 0, 0.0, false, Date(77.0)},
        {"missing", 0, 0, 0.0, false, std::nullopt},
    };
    // Twice, so that values read once already are read again as they were.
    for (int round = 0; round < 2; ++round)
        for (const Case& c : cases) {
            SCOPED_TRACE(c.key);
            EXPECT_EQ(in.decodeInt32(c.key), c.int32);
            EXPECT_EQ(in.decodeInt64(c.key), c.int64);
            EXPECT_EQ(in.decodeDouble(c.key), c.real);
            EXPECT_EQ(in.decodeFloat(c.key), static_cast<float>(c.real));
            EXPECT_EQ(in.decodeBool(c.key), c.flag);
            EXPECT_EQ(in.decodeDate(c.key), c.date);
            // The general reading agrees.
            ArchiveValue value = in.decodeObject(c.key);
            if (c.date) {
                EXPECT_EQ(value.date(), c.date);
            } else if (value.isNumber()) {
                EXPECT_EQ(value.doubleValue(), c.real);
            }
        }
    EXPECT_TRUE(loggedAbout("\"wide\" holds NSNumber where a 32-bit integer was expected"));
    EXPECT_TRUE(loggedAbout("\"date\" holds NSDate where a number was expected"));
    EXPECT_TRUE(loggedAbout("\"int\" holds NSNumber where NSDate was expected"));
}

}  // namespace

TEST_F(KeyedArchiverTest, EntriesReadOneByOneAreTheDictionaryReadWhole) {
    auto first = counting(1), second = counting(2), third = counting(3);
    auto shared = ArchiveValue::makeArray();
    *shared = {first, second};
    auto mixed = ArchiveValue::makeArray();
    *mixed = {third, "text", ArchiveValue::integer(5), first};
    auto history = ArchiveValue::makeDictionary();
    (*history)["one"] = shared;
    (*history)["two"] = shared;  // one list under two keys
    (*history)[7] = mixed;       // a number key; items that are no object are left out
    (*history)["text"] = "not a list";
    (*history)["object"] = third;
    (*history)["empty"] = ArchiveValue::makeArray();
    KeyedArchiver archiver;
    archiver.encodeObject("history", history);
    archiver.encodeObject("list", shared);
    Bytes bytes = archiver.finishEncoding().value();

    auto counts = [](const std::vector<std::shared_ptr<Object>>& objects) {
        std::vector<std::int32_t> result;
        for (const auto& o : objects) result.push_back(std::dynamic_pointer_cast<Record>(o)->count);
        return result;
    };
    // In place, and by the general path when the dictionary was made before.
    for (bool madeBefore : {false, true}) {
        SCOPED_TRACE(madeBefore ? "made before" : "read in place");
        KeyedUnarchiver whole(bytes), byEntry(bytes);
        auto expected = whole.decodeDictionary("history");
        ASSERT_TRUE(expected);
        if (madeBefore) byEntry.decodeDictionary("history");
        std::map<ArchiveKey, std::vector<std::shared_ptr<Object>>> objects;
        std::map<ArchiveKey, ArchiveValue> values;
        ASSERT_TRUE(
            byEntry.decodeEntries("history", [&](const ArchiveKey& key, KeyedUnarchiver::Entry& entry) {
                EXPECT_FALSE(objects.count(key));
                objects[key] = entry.objects();
                if (!key.string() || *key.string() != "one") values[key] = entry.value();
            }));
        ASSERT_EQ(objects.size(), expected->size());
        for (const auto& [key, value] : *expected) {
            SCOPED_TRACE(key.text());
            std::vector<std::shared_ptr<Object>> items;
            if (auto array = value.array())
                for (const auto& item : *array)
                    if (auto object = item.object()) items.push_back(object);
            EXPECT_EQ(counts(objects[key]), counts(items));
            if (values.count(key) && !value.array()) {
                EXPECT_EQ(values[key].kind(), value.kind());
                EXPECT_EQ(values[key].string() != nullptr, value.string() != nullptr);
            }
        }
        EXPECT_EQ(counts(objects["one"]), (std::vector<std::int32_t>{1, 2}));
        EXPECT_EQ(counts(objects[7]), (std::vector<std::int32_t>{3, 1}));
        EXPECT_EQ(*values["text"].string(), "not a list");
        // Objects are made once: the same under both keys, in the value read whole, and for a later
        // reference to the list.
        EXPECT_EQ(objects["one"], objects["two"]);
        EXPECT_EQ(objects[7][0], values["object"].object());
        EXPECT_EQ(objects[7][1], objects["one"][0]);
        auto list = byEntry.decodeArray("list");
        ASSERT_TRUE(list);
        EXPECT_EQ((*list)[1].object(), objects["one"][1]);
    }

    // A key that holds no dictionary, or nothing.
    KeyedUnarchiver in(bytes);
    auto never = [](const ArchiveKey&, KeyedUnarchiver::Entry&) { ADD_FAILURE() << "an entry"; };
    EXPECT_FALSE(in.decodeEntries("list", never));
    EXPECT_TRUE(loggedAbout("\"list\" holds NSArray where NSDictionary was expected"));
    EXPECT_FALSE(in.decodeEntries("missing", never));
}

TEST_F(KeyedArchiverTest, AnObjectInAListReadInPlaceThatRefersToItsDictionaryReadsItAsAbsent) {
    auto inside = std::make_shared<Record>();
    auto list = ArchiveValue::makeArray();
    list->push_back(inside);
    auto history = ArchiveValue::makeDictionary();
    (*history)["list"] = list;
    inside->extra = history;
    KeyedArchiver archiver;
    archiver.encodeObject("history", history);
    Bytes bytes = archiver.finishEncoding().value();
    inside->extra = {};  // no cycle left behind

    KeyedUnarchiver in(bytes);
    std::vector<std::shared_ptr<Object>> objects;
    ASSERT_TRUE(in.decodeEntries(
        "history", [&](const ArchiveKey&, KeyedUnarchiver::Entry& entry) { objects = entry.objects(); }));
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_TRUE(std::dynamic_pointer_cast<Record>(objects[0])->extra.isNil());
    EXPECT_TRUE(loggedAbout("refers to itself"));
}

TEST_F(KeyedArchiverTest, AnObjectReadAsAClassAnswersAsDynamicCastWhateverCameBefore) {
    std::shared_ptr<Object> record = std::make_shared<Record>(), other = std::make_shared<Record>(),
                            clock = std::make_shared<archive_test::Clock>(),
                            set = std::make_shared<QuestionSet>();
    // Classes alternate and repeat, so that each answer follows every other one.
    const std::shared_ptr<Object> order[] = {record, record, clock, other, set, clock, clock, record, set};
    for (const auto& object : order) {
        ArchiveValue value(object);
        EXPECT_EQ(value.object<Record>().get(), dynamic_cast<Record*>(object.get()));
        EXPECT_EQ(value.object<archive_test::Clock>().get(),
                  dynamic_cast<archive_test::Clock*>(object.get()));
        EXPECT_EQ(value.object<Coding>().get(), dynamic_cast<Coding*>(object.get()));
        EXPECT_EQ(value.object<Object>(), object);
        // The object is kept alive by what it answers.
        if (auto coding = value.object<Coding>()) {
            EXPECT_EQ(coding.use_count(), object.use_count());
        }
    }
}

namespace {

TEST_F(KeyedArchiverTest, OnlyWhatIsReferredToFromSeveralPlacesIsKeptForLaterReferences) {
    auto alone = counting(1), shared = counting(2), twiceInAList = counting(3);
    auto list = ArchiveValue::makeArray();
    *list = {twiceInAList, twiceInAList, shared};
    KeyedArchiver archiver;
    archiver.encodeObject("alone", alone);
    archiver.encodeObject("shared", shared);
    archiver.encodeObject("again", shared);
    archiver.encodeObject("list", list);
    Bytes bytes = archiver.finishEncoding().value();

    KeyedUnarchiver in(bytes);
    auto first = in.decodeObjectOfClass<Record>("alone");
    auto sharedBack = in.decodeObjectOfClass<Record>("shared");
    auto listBack = in.decodeArray("list");
    ASSERT_TRUE(first && sharedBack && listBack);
    ASSERT_EQ(listBack->size(), 3u);
    // A value met twice is one value, whichever reference reaches it first.
    EXPECT_EQ(in.decodeObjectOfClass<Record>("again"), sharedBack);
    EXPECT_EQ((*listBack)[2].object<Record>(), sharedBack);
    EXPECT_EQ((*listBack)[0].object<Record>(), (*listBack)[1].object<Record>());
    EXPECT_EQ((*listBack)[0].object<Record>()->count, 3);
    // What one place alone refers to is not kept: read again, it is made again, equal.
    auto second = in.decodeObjectOfClass<Record>("alone");
    ASSERT_TRUE(second);
    EXPECT_NE(second, first);
    EXPECT_EQ(second->count, 1);
    EXPECT_EQ(first.use_count(), 1);
    EXPECT_TRUE(logged.empty());
}

TEST_F(KeyedArchiverTest, ACollectionReferredToOnceThatHoldsOneBeingMadeStillReadsItAsAbsent) {
    // The outer list is referred to twice (from the top and from the dictionary), the dictionary
    // once: it is not kept, but the reference back to the list still closes no cycle.
    auto outer = ArchiveValue::makeArray();
    auto inner = ArchiveValue::makeDictionary();
    (*inner)["outer"] = outer;
    (*inner)["n"] = ArchiveValue::integer(4);
    *outer = {inner};
    auto outerBack = roundTrip(outer).array();
    inner->clear();  // break the cycle the test built
    ASSERT_TRUE(outerBack);
    ASSERT_EQ(outerBack->size(), 1u);
    auto innerBack = (*outerBack)[0].dictionary();
    ASSERT_TRUE(innerBack);
    EXPECT_TRUE(innerBack->at("outer").isNil());
    EXPECT_EQ(innerBack->at("n").int64Value(), 4);
    EXPECT_EQ(outerBack.use_count(), 1);
    EXPECT_TRUE(loggedAbout("contains itself"));
}

TEST_F(KeyedArchiverTest, TwoUidObjectsOfOneNumberReadAsOneObject) {
    // Another writer may store a UID once per place it is used: "a" and "b" refer to the same
    // record through two UID objects (the second is made to hold the first one's number).
    PropertyList pl;
    PropertyList::Ref a = pl.addUid(1), b = pl.addUid(2);
    PropertyList::Ref recordKeys[] = {pl.addString("count"), pl.addString("$class")};
    PropertyList::Ref recordValues[] = {pl.addInteger(7), pl.addUid(3)};
    PropertyList::Ref topKeys[] = {pl.addString("a"), pl.addString("b")};
    PropertyList::Ref topValues[] = {a, b};
    PropertyList::Ref objects[] = {pl.addString("$null"), pl.addDictionary(recordKeys, recordValues),
                                   pl.addString("spare"), classEntry(pl, "TestRecord")};
    PropertyList::Ref k[] = {pl.addString("$archiver"), pl.addString("$top"), pl.addString("$objects")};
    PropertyList::Ref v[] = {pl.addString("NSKeyedArchiver"), pl.addDictionary(topKeys, topValues),
                             pl.addArray(objects)};
    pl.setTop(pl.addDictionary(k, v));
    KeyedUnarchiver in(archive_test::withUid(pl, b, 1));
    ASSERT_TRUE(in.valid());
    auto first = in.decodeObjectOfClass<Record>("a");
    ASSERT_TRUE(first);
    EXPECT_EQ(first->count, 7);
    EXPECT_EQ(in.decodeObjectOfClass<Record>("b"), first);
}

}  // namespace

namespace {

TEST_F(KeyedArchiverTest, AnObjectWrittenAsACopyIsAnEntryOfItsOwnEachTime) {
    auto common = std::make_shared<Record>();
    common->count = 9;
    // Written as copies under two keys, then once as itself under two more: the copies are two
    // entries that nothing else shares, and do not stand for the object written as itself.
    KeyedArchiver archiver;
    archiver.encodeObjectCopy("copy1", common);
    archiver.encodeObjectCopy("copy2", common);
    archiver.encodeObject("itself1", common);
    archiver.encodeObject("itself2", common);
    archiver.encodeObjectCopy("none", nullptr);
    Bytes bytes = archiver.finishEncoding().value();
    EXPECT_EQ(entriesOfClass(bytes, "TestRecord"), 3);

    // The same bytes as three separate objects of equal content, written as themselves.
    auto first = std::make_shared<Record>(), second = std::make_shared<Record>();
    first->count = second->count = 9;
    KeyedArchiver separate;
    separate.encodeObject("copy1", first);
    separate.encodeObject("copy2", second);
    separate.encodeObject("itself1", common);
    separate.encodeObject("itself2", common);
    separate.encodeObject("none", ArchiveValue());
    EXPECT_TRUE(bytes == separate.finishEncoding().value());

    KeyedUnarchiver in(bytes);
    auto copy1 = in.decodeObjectOfClass<Record>("copy1"), copy2 = in.decodeObjectOfClass<Record>("copy2");
    ASSERT_TRUE(copy1 && copy2);
    EXPECT_NE(copy1, copy2);
    EXPECT_EQ(copy1->count, 9);
    EXPECT_EQ(in.decodeObjectOfClass<Record>("itself1"), in.decodeObjectOfClass<Record>("itself2"));
    EXPECT_FALSE(in.containsValueForKey("none") && !in.decodeObject("none").isNil());
}

TEST_F(KeyedArchiverTest, AnObjectOfOnePlaceIsReadInPlaceWithItsOwnKeysAndNothingElseIs) {
    auto alone = counting(1), shared = counting(2), outer = counting(3);
    outer->extra = counting(4);  // an object of one place inside another
    outer->name = "outer";
    auto clock = std::make_shared<archive_test::Clock>();
    clock->seconds = 5;
    const std::pair<const char*, ArchiveValue> stored[] = {
        {"alone", alone},
        {"shared", shared},
        {"again", shared},
        {"outer", outer},
        {"clock", clock},
        {"number", ArchiveValue::integer(6)},
        {"text", std::string("seven")},
    };
    KeyedArchiver archiver;
    for (const auto& [key, value] : stored) archiver.encodeObject(key, value);
    Bytes bytes = archiver.finishEncoding().value();

    KeyedUnarchiver in(bytes);
    auto countOf = [&](std::string_view key) -> std::optional<std::int32_t> {
        std::optional<std::int32_t> count;
        if (!in.readSoleObjectOfClass<Record>(key, [&] { count = in.decodeInt32("count"); }))
            return std::nullopt;
        return count;
    };
    // Read in place: the object of one place, with its own keys current while it is read.
    EXPECT_EQ(countOf("alone"), 1);
    EXPECT_EQ(in.decodeInt32("number"), 6);  // and the top keys current again after
    // Not read in place, and nothing read: shared, another class, no object, nothing there.
    const char* notInPlace[] = {"shared", "again", "clock", "number", "text", "missing"};
    for (const char* key : notInPlace) EXPECT_EQ(countOf(key), std::nullopt) << key;
    // What was not read in place reads the usual way, a shared object still as one.
    auto sharedBack = in.decodeObjectOfClass<Record>("shared");
    ASSERT_TRUE(sharedBack);
    EXPECT_EQ(sharedBack->count, 2);
    EXPECT_EQ(in.decodeObjectOfClass<Record>("again"), sharedBack);
    EXPECT_EQ(in.decodeObjectOfClass<archive_test::Clock>("clock")->seconds, 5);
    // Read in place and made after: the same content, so nothing was used up.
    EXPECT_EQ(in.decodeObjectOfClass<Record>("alone")->count, 1);

    // Nested: an object read in place reads one of its own the same way, then its other keys.
    std::optional<std::int32_t> inner;
    std::optional<std::string> name;
    EXPECT_TRUE(in.readSoleObjectOfClass<Record>("outer", [&] {
        inner = countOf("extra");
        name = in.decodeString("name");
    }));
    EXPECT_EQ(inner, 4);
    EXPECT_EQ(name, "outer");
    EXPECT_TRUE(logged.empty());

    // A damaged archive reads nothing in place.
    Bytes damaged(bytes.begin(), bytes.begin() + 20);
    KeyedUnarchiver none(damaged);
    bool ran = false;
    EXPECT_FALSE(none.readSoleObjectOfClass<Record>("alone", [&] { ran = true; }));
    EXPECT_FALSE(ran);
}

}  // namespace
