// The tracker repository's archive: histories and sync information by position, sort orders left
// alone by a save, keys installed between a save and a load, damaged entries, and the migration
// from the older central archive.

#include <gtest/gtest.h>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/errorlog/AnswerKeyLoader.h"
#include "Classes/errorlog/MOGTrackerRepository.h"
#include "platform/foundation/ClassRegistry.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "tests/support/SyntheticAnswerKeys.h"
#include "tests/support/TestEnvironment.h"

namespace {

// A central archive as older versions wrote it: the tracker's keys beside the repository's own.
class LegacyCentral : public fnd::Object, public fnd::Coding {
  public:
    std::shared_ptr<MOGTrackerRepository> tracker;
    void encodeWithCoder(fnd::KeyedArchiver& coder) const override {
        coder.encodeInt32("kFileFormatVersion", 2);
        coder.encodeInt32("kBaseFontSize", 15);
        tracker->encodeWithCoder(coder);
    }
    void initWithCoder(fnd::KeyedUnarchiver& coder) override {
        tracker = std::make_shared<MOGTrackerRepository>();
        tracker->loadWithCoder(coder);
    }
};

class TrackerRepositoryTest : public testing_support::TestEnvironment {
  protected:
    void SetUp() override {
        TestEnvironment::SetUp();
        AbstractAppDelegate::registerClasses();
        clock->setWallTime(800000000);
    }

    static fnd::Bytes archive(const fnd::ArchiveValue& root) {
        std::string error;
        auto bytes = fnd::KeyedArchiver::archive("kRepository", root, &error);
        EXPECT_TRUE(bytes) << error;
        return bytes.value_or(fnd::Bytes{});
    }
    static std::shared_ptr<MOGTrackerRepository> load(const fnd::Bytes& bytes) {
        return fnd::KeyedUnarchiver::unarchive(bytes, "kRepository").object<MOGTrackerRepository>();
    }
    static MSection& section(MOGTrackerRepository& rep, std::size_t book, std::size_t index) {
        return *rep.books()[book]->sections()[index];
    }
    static void answer(MQuestion& q, int letter, double seconds, bool guess = false) {
        q.addHRecord(MHRecord::initWithDate(fnd::Date::now(), seconds, letter, guess));
    }
    // Every history as "book section type number: letters".
    static std::vector<std::string> histories(const MOGTrackerRepository& rep) {
        std::vector<std::string> out;
        for (const auto& book : rep.books())
            for (const auto& section : book->sections())
                for (const auto& q : section->questionsByNumber()) {
                    if (!q->history()) continue;
                    std::string line = book->shortName() + " " + section->shortName() + " " +
                                       q->stringWithType().value_or("?") + " " + std::to_string(q->number()) +
                                       ":";
                    for (const auto& r : *q->history())
                        line += " " + r->stringWithAnswer().value_or("-") + (r->fguess() ? "?" : "") + "/" +
                                r->stringWithTime();
                    out.push_back(line);
                }
        return out;
    }
};

TEST_F(TrackerRepositoryTest, RoundTripKeepsHistoriesSyncInformationAndTheLiveOrder) {
    auto rep = MOGTrackerRepository::initWithData();
    ASSERT_EQ(rep->books().size(), 6u);
    MSection& ps = section(*rep, 0, 1);
    answer(*ps.questions()[3], 2, 80);
    answer(*ps.questions()[3], 3, 40.5, true);
    answer(*ps.questions()[0], 1, 20);
    ps.questions()[7]->setHistory(MQuestion::History{});  // present but empty
    ps.syncInfo()->updated();
    MSection& dt = section(*rep, 3, 0);
    answer(*dt.questions()[60], 4, 95);  // a verbal question numbered like a quantitative one
    MSection& verbal1 = section(*rep, 5, 2);
    answer(*verbal1.questions()[112], 5, 10);
    verbal1.clearHistory();
    answer(*verbal1.questions()[112], 1, 11);

    // A save while a section is sorted by time leaves the list and its sort as they are.
    ps.sortSection(MSection::kByTime);
    auto shown = ps.questions();
    fnd::Bytes bytes = archive(rep);
    EXPECT_EQ(ps.questions(), shown);
    EXPECT_EQ(ps.sortType(), MSection::kByTime);

    clock->setWallTime(800000500);
    auto back = load(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(histories(*back), histories(*rep));
    EXPECT_EQ(histories(*back).size(), 5u);
    MSection& ps2 = section(*back, 0, 1);
    EXPECT_EQ(ps2.sortType(), 1);
    EXPECT_TRUE(ps2.questions()[7]->history() && ps2.questions()[7]->history()->empty());
    EXPECT_EQ(ps2.questions()[3]->history()->back()->date(), fnd::Date(800000000));
    EXPECT_EQ(ps2.syncInfo()->updateTime(), fnd::Date(800000000));
    EXPECT_EQ(section(*back, 5, 2).syncInfo()->clearTime(), fnd::Date(800000000));
    // Sections never changed keep their stored creation time, not the load time.
    EXPECT_EQ(section(*back, 2, 0).syncInfo()->createTime(), fnd::Date(800000000));
    EXPECT_EQ(back->books()[0]->numberOfQuestions(), 907);
}

TEST_F(TrackerRepositoryTest, HistoriesKeepTheirQuestionsWhenAKeyIsInstalledAndGetScored) {
    auto rep = MOGTrackerRepository::initWithData();
    for (std::size_t b = 0; b < 6; ++b)
        for (const auto& s : rep->books()[b]->sections())
            for (std::size_t i = 0; i < s->questions().size(); i += 17)
                answer(*s->questions()[i], 1 + int(i % 5), 30);
    std::vector<std::string> before = histories(*rep);
    EXPECT_EQ(rep->books()[0]->numberOfRightAnswers() + rep->books()[0]->numberOfWrongAnswers(), 0);

    fnd::Bytes bytes = archive(rep);
    errorlog_test::writeSyntheticKeys(documents / AnswerKeyLoader::kFolderName);
    auto keyed = load(bytes);
    ASSERT_TRUE(keyed);
    // The same questions by section, number and (outside reading passages) type.
    std::vector<std::string> after = histories(*keyed);
    ASSERT_EQ(after.size(), before.size());
    // Reading questions may now open a passage, so their type text may differ.
    auto withoutPassage = [](std::string line) {
        if (auto at = line.find(" RCFirst "); at != std::string::npos) line.replace(at, 9, " RC ");
        return line;
    };
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(withoutPassage(after[i]), withoutPassage(before[i]));
    // Now scored against the key, attempt by attempt.
    int right = 0, wrong = 0;
    for (const auto& book : keyed->books())
        for (const auto& s : book->sections())
            for (const auto& q : s->questions())
                if (q->history()) (q->lastAttempt()->answer() == q->rightAnswer() ? right : wrong)++;
    int counted = 0;
    for (const auto& book : keyed->books())
        counted += book->numberOfRightAnswers() + book->numberOfWrongAnswers();
    EXPECT_EQ(counted, right + wrong);
    EXPECT_GT(right, 0);
    EXPECT_GT(wrong, 0);
    EXPECT_EQ(keyed->books()[0]->numberOfRightAnswers() + keyed->books()[1]->numberOfRightAnswers() +
                  keyed->books()[2]->numberOfRightAnswers() + keyed->books()[3]->numberOfRightAnswers() +
                  keyed->books()[4]->numberOfRightAnswers() + keyed->books()[5]->numberOfRightAnswers(),
              right);
}

TEST_F(TrackerRepositoryTest, MissingAndDamagedEntriesLeaveFreshData) {
    // No dictionary at all, or an empty one: six fresh books.
    class Empty : public fnd::Object, public fnd::Coding {
      public:
        void encodeWithCoder(fnd::KeyedArchiver& coder) const override {
            coder.encodeObject("booksHistoryDict", fnd::ArchiveValue::makeDictionary());
        }
        void initWithCoder(fnd::KeyedUnarchiver&) override {}
    };
    fnd::ClassRegistry& classes = fnd::ClassRegistry::shared();
    classes.registerClass<Empty>(MOGTrackerRepository::kClassName, {"MSubRepository", "NSObject"});
    fnd::Bytes empty = archive(std::make_shared<Empty>());
    classes.registerClass<MOGTrackerRepository>(MOGTrackerRepository::kClassName,
                                                {"MSubRepository", "NSObject"});
    auto fresh = load(empty);
    ASSERT_TRUE(fresh);
    EXPECT_TRUE(histories(*fresh).empty());
    EXPECT_EQ(fresh->books().size(), 6u);

    // Entries of the wrong kind read as absent; a list keeps only its attempts.
    auto rep = MOGTrackerRepository::initWithData();
    answer(*section(*rep, 1, 0).questions()[0], 2, 30);
    class Tampered : public fnd::Object, public fnd::Coding {
      public:
        void encodeWithCoder(fnd::KeyedArchiver& coder) const override {
            auto dictionary = fnd::ArchiveValue::makeDictionary();
            (*dictionary)["SyncInfoForOG12PS"] = fnd::ArchiveValue("not sync information");
            (*dictionary)["booksHistoryOG12PS0"] = fnd::ArchiveValue("not a list");
            auto mixed = fnd::ArchiveValue::makeArray();
            mixed->push_back(fnd::ArchiveValue::integer(7));
            mixed->push_back(fnd::ArchiveValue(MHRecord::initWithDate(fnd::Date(1), 12, 3, false)));
            (*dictionary)["booksHistoryOG12PS1"] = fnd::ArchiveValue(mixed);
            auto junk = fnd::ArchiveValue::makeArray();
            junk->push_back(fnd::ArchiveValue("x"));
            (*dictionary)["booksHistoryOG12PS2"] = fnd::ArchiveValue(junk);
            (*dictionary)["booksHistoryOG12PS9999"] = fnd::ArchiveValue(mixed);  // no such position
            coder.encodeObject("booksHistoryDict", dictionary);
        }
        void initWithCoder(fnd::KeyedUnarchiver&) override {}
    };
    classes.registerClass<Tampered>(MOGTrackerRepository::kClassName, {"MSubRepository", "NSObject"});
    fnd::Bytes tampered = archive(std::make_shared<Tampered>());
    classes.registerClass<MOGTrackerRepository>(MOGTrackerRepository::kClassName,
                                                {"MSubRepository", "NSObject"});
    clock->setWallTime(800000900);
    auto read = load(tampered);
    ASSERT_TRUE(read);
    MSection& ps = section(*read, 0, 1);
    EXPECT_FALSE(ps.questions()[0]->history());
    ASSERT_TRUE(ps.questions()[1]->history());
    EXPECT_EQ(ps.questions()[1]->history()->size(), 1u);
    EXPECT_FALSE(ps.questions()[2]->history());
    EXPECT_EQ(ps.syncInfo()->createTime(), fnd::Date(800000900));
}

TEST_F(TrackerRepositoryTest, MigratesFromTheOlderCentralArchive) {
    fnd::ClassRegistry::shared().registerClass<LegacyCentral>("LegacyCentralRepository");
    auto old = std::make_shared<LegacyCentral>();
    old->tracker = MOGTrackerRepository::initWithData();
    answer(*section(*old->tracker, 2, 1).questions()[5], 3, 64, true);
    section(*old->tracker, 2, 1).syncInfo()->updated();
    fnd::Bytes central = archive(old);

    auto migrated = fnd::KeyedUnarchiver::unarchive(central, "kRepository").object<LegacyCentral>();
    ASSERT_TRUE(migrated && migrated->tracker);
    EXPECT_EQ(histories(*migrated->tracker), std::vector<std::string>{"OG Verbal 2 CR CR 6: C?/01:04"});
    EXPECT_EQ(section(*migrated->tracker, 2, 1).syncInfo()->updateTime(), fnd::Date(800000000));

    // Once in its own file it reads back the same.
    auto own = load(archive(migrated->tracker));
    ASSERT_TRUE(own);
    EXPECT_EQ(histories(*own), histories(*migrated->tracker));
}

}  // namespace
