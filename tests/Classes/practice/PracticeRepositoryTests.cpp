#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <set>

#include "Classes/practice/MKeyWordsSet.h"
#include "Classes/practice/MPracticeRepository.h"
#include "Classes/practice/MQFilter.h"
#include "Classes/practice/MQFilterItem.h"
#include "Classes/practice/MQSetSimpleAnswer.h"
#include "Classes/practice/MSession.h"
#include "Classes/practice/MSessionRecord.h"
#include "Classes/practice/MSessions.h"
#include "Classes/practice/PracticeCoding.h"
#include "Classes/study_aids/MCourses.h"
#include "platform/foundation/ClassRegistry.h"
#include "tests/Classes/practice/PracticeTestSupport.h"
#include "tests/support/LargeUserData.h"

using namespace practice_test;

namespace {

// Reads the practice data out of a central archive of the older layout, where it sits beside the
// central repository's own keys.
class CentralArchiveReader : public fnd::Object, public fnd::Coding {
  public:
    void encodeWithCoder(fnd::KeyedArchiver&) const override {}
    void initWithCoder(fnd::KeyedUnarchiver& coder) override {
        if (coder.decodeInt32("kFileFormatVersion") >= 3) return;
        practice = std::make_shared<MPracticeRepository>();
        practice->loadWithCoder(coder);
    }
    std::shared_ptr<MPracticeRepository> practice;
};

class PracticeRepository : public testing_support::TestEnvironment {
  protected:
    void SetUp() override {
        TestEnvironment::SetUp();
        MPracticeClasses::registerAll();
    }
    void TearDown() override {
        MQSetQuestion::setSessionsSource(nullptr);
        TestEnvironment::TearDown();
    }
    void useSessionsOf(const std::shared_ptr<MPracticeRepository>& repository) {
        MQSetQuestion::setSessionsSource([repository] { return repository->sessions(); });
    }
    static std::shared_ptr<MPracticeRepository> saveAndLoad(
        const std::shared_ptr<MPracticeRepository>& repository) {
        std::string error;
        auto bytes = fnd::KeyedArchiver::archive("kRepository", repository, &error);
        EXPECT_TRUE(bytes) << error;
        return fnd::KeyedUnarchiver::unarchive(*bytes, "kRepository").object<MPracticeRepository>();
    }
    // A repository loaded from an archive that holds just the keys written here.
    static std::shared_ptr<MPracticeRepository> loadFromKeys(
        const std::function<void(fnd::KeyedArchiver&)>& write) {
        fnd::KeyedArchiver archiver;
        write(archiver);
        auto bytes = archiver.finishEncoding();
        EXPECT_TRUE(bytes);
        fnd::KeyedUnarchiver coder(*bytes);
        auto repository = std::make_shared<MPracticeRepository>();
        repository->loadWithCoder(coder);
        return repository;
    }
    static std::shared_ptr<MQSetQuestion> find(const std::shared_ptr<MQSet>& set, const std::string& key) {
        for (const auto& q : set->questions())
            if (q->key() == key) return q;
        return nullptr;
    }
    static std::size_t builtInCount(const MPracticeRepository& r) {
        std::size_t n = 0;
        for (const auto& set : {r.hardQuantSet(), r.knewtonSet(), r.manhattanORVASet(),
                                r.princetonReviewSet(), r.manhattanReviewSet(), r.kaplanSet()})
            n += set->questions().size();
        return n;
    }
};

}  // namespace

TEST_F(PracticeRepository, FreshData) {
    auto r = MPracticeRepository::makeWithData();
    ASSERT_EQ(r->qSets().size(), 7u);
    EXPECT_EQ(r->qSets().front(), r->kaplanSet());
    EXPECT_EQ(r->qSets().back(), r->webQSet());
    EXPECT_GT(builtInCount(*r), 0u);
    EXPECT_EQ(r->workQSet()->questions().size(), builtInCount(*r));

    MCourses courses;
    r->attachCoursesFromSet(courses);
    EXPECT_EQ(r->kaplanSet()->course(), courses.courseForName("Kaplan"));
    EXPECT_FALSE(r->hardQuantSet()->course());
}

TEST_F(PracticeRepository, RoundTripWithHistoriesSessionsBookmarksAndCustomSets) {
    auto r = MPracticeRepository::makeWithData();
    useSessionsOf(r);
    auto hardFirst = find(r->hardQuantSet(), "1_1_2");
    auto knewtonFirst = find(r->knewtonSet(), "3000_1_3");
    auto princetonCR = find(r->princetonReviewSet(), "1000_1_4");
    ASSERT_TRUE(hardFirst && knewtonFirst && princetonCR);

    auto forum =
        MQSetSimpleQuestion::make(r->webQSet(), 4, 4, 2, {}, "<p>Argument</p>", {"a", "b", "c", "d", "e"}, "",
                                  "https://forum.example/viewtopic.php?f=9&t=55");
    r->webQSet()->questions().push_back(forum);
    auto custom = MQSet::make(7001, "My practice", "Own questions", "Sets_myset.png", true);
    auto own = addQuestion(custom, 1, 4, 3);
    r->customQSets().push_back(custom);
    r->qSets().push_back(custom);
    r->setPracticeCSLastUID(7001);

    r->sessions()->startSession();
    answer(hardFirst, 3, 100);
    answer(knewtonFirst, 1, 40);
    r->sessions()->stopSession();
    answer(hardFirst, 2, 150);  // outside any session
    r->sessions()->startSession();
    answer(own, 3, 20);
    answer(forum, 2, 35);
    // Saved while this second session runs.

    r->bookmarkQSet()->addQuestion(forum);
    r->bookmarkQSet()->addQuestion(hardFirst);
    r->bookmarkQSet()->addQuestion(knewtonFirst);
    r->kaplanSet()->setIsActive(false);
    for (auto& item : r->filter()->qTypeArray()) item->setIsActive(item->itemName() == "CR");
    r->createWorkSetAndMoveToCursor(1);
    r->setIsKWActive(true);
    r->keyWordsSet()->keyWordsForQType(3)->push_back("whom");

    auto back = saveAndLoad(r);
    ASSERT_TRUE(back);
    auto hard = find(back->hardQuantSet(), "1_1_2");
    ASSERT_TRUE(hard);
    EXPECT_NE(hard, hardFirst);  // built anew, history found by key
    ASSERT_EQ(hard->history().size(), 2u);
    EXPECT_EQ(hard->history()[1]->time(), 150);
    EXPECT_FALSE(hard->history()[1]->isInSession());
    ASSERT_EQ(find(back->knewtonSet(), "3000_1_3")->history().size(), 1u);
    EXPECT_FALSE(find(back->knewtonSet(), "3000_2_3")->hasHistory());

    // Sessions: the finished one and the one that ran, each with its answers in order.
    const auto& list = back->sessions()->list();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_FALSE(back->sessions()->started());
    ASSERT_EQ(list[0]->records().size(), 2u);
    EXPECT_EQ(list[0]->records()[0]->historyRecord(), hard->history()[0]);
    ASSERT_EQ(list[1]->records().size(), 2u);
    EXPECT_EQ(back->sessions()->freeSessionId(), 2);

    // Forum and custom sets whole; bookmarks in set order.
    ASSERT_EQ(back->webQSet()->questions().size(), 1u);
    EXPECT_EQ(back->webQSet()->questions()[0]->key(), "90000_4_4_55");
    ASSERT_EQ(back->customQSets().size(), 1u);
    EXPECT_EQ(back->qSets().size(), 8u);
    EXPECT_EQ(back->qSets().back(), back->customQSets()[0]);
    EXPECT_EQ(back->customQSets()[0]->questions()[0]->history().size(), 1u);
    EXPECT_EQ(back->practiceCSLastUID(), 7001);
    std::vector<std::string> bookmarks;
    for (const auto& q : back->bookmarkQSet()->questions()) bookmarks.push_back(q->key());
    EXPECT_EQ(bookmarks, (std::vector<std::string>{"3000_1_3", "1_1_2", "90000_4_4_55"}));

    // Flags, filter, work set, keywords.
    EXPECT_FALSE(back->kaplanSet()->isActive());
    EXPECT_TRUE(back->knewtonSet()->isActive());
    std::vector<std::string> work;
    for (const auto& q : back->workQSet()->questions()) work.push_back(q->key());
    ASSERT_GE(work.size(), 2u);
    for (const auto& q : back->workQSet()->questions()) EXPECT_EQ(q->questionType(), 4);
    EXPECT_EQ(back->workQSet()->questions().size(), r->workQSet()->questions().size());
    EXPECT_EQ(back->workQSet()->cursor(), 1);
    EXPECT_TRUE(back->isKWActive());
    EXPECT_EQ(back->keyWordsSet()->keyWordsForQType(3)->back(), "whom");
}

TEST_F(PracticeRepository, StaleBookmarksCursorAndActiveFlags) {
    auto r = loadFromKeys([](fnd::KeyedArchiver& coder) {
        coder.encodeObject("bookmarkAr", PracticeCoding::stringArray({"4000_99_4", "4000_1_4"}));
        auto histories = fnd::ArchiveValue::makeDictionary();
        (*histories)["hardQuantSetActive"] = fnd::ArchiveValue::boolean(true);
        (*histories)["manhattanORVASetActive"] = fnd::ArchiveValue::boolean(true);
        (*histories)["manhattanReviewSetActive"] = fnd::ArchiveValue::boolean(true);
        (*histories)["princetonReviewSetActive"] = fnd::ArchiveValue::boolean(false);
        (*histories)["1_1_2"] = "not a history";
        coder.encodeObject("historyDict", histories);
        coder.encodeInt32("kworkQSetCursor", 100000);
    });
    // Without a flag the Knewton set reads as off, the Kaplan set stays on.
    EXPECT_FALSE(r->knewtonSet()->isActive());
    EXPECT_TRUE(r->kaplanSet()->isActive());
    EXPECT_FALSE(r->princetonReviewSet()->isActive());
    EXPECT_FALSE(find(r->hardQuantSet(), "1_1_2")->hasHistory());
    // Missing filter and forum set are made fresh.
    ASSERT_TRUE(r->filter());
    EXPECT_EQ(r->filter()->qTypeArray().size(), 5u);
    EXPECT_EQ(r->webQSet()->setUID(), 90000);
    EXPECT_EQ(r->qSets().size(), 7u);
    EXPECT_EQ(r->workQSet()->cursor(), 0);
    EXPECT_FALSE(r->workQSet()->questions().empty());
    ASSERT_EQ(r->bookmarkQSet()->questions().size(), 1u);

    auto again = saveAndLoad(r);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->bookmarkQSet()->questions().size(), 1u);
    EXPECT_EQ(again->bookmarkQSet()->questions()[0]->key(), "4000_1_4");
    EXPECT_FALSE(again->knewtonSet()->isActive());
}

// Older versions kept harvested questions in the forum set without giving them the set, so their
// keys named set 0: loaded, they belong to the set, keep their bookmarks, and stay in after a save.
TEST_F(PracticeRepository, HarvestedQuestionsWithoutTheirSetJoinTheForumSetWithTheirBookmarks) {
    auto older =
        MQSet::make(90000, "My Set", "Questions collected from Vessark forums", "Sets_myset.png", true);
    older->questions().push_back(MQSetSimpleQuestion::make(nullptr, 1, 1, 2, {}, "<p>q</p>",
                                                           {"a", "b", "c", "d", "e"}, "",
                                                           "http://127.0.0.1:9/forum/viewtopic.php?t=5105"));
    auto r = loadFromKeys([&](fnd::KeyedArchiver& coder) {
        coder.encodeObject("kwebQSet", older);
        coder.encodeObject("bookmarkAr", PracticeCoding::stringArray({"0_1_1_5105"}));
    });
    for (const auto& loaded : {r, saveAndLoad(r)}) {
        ASSERT_EQ(loaded->webQSet()->questions().size(), 1u);
        const auto& q = loaded->webQSet()->questions()[0];
        EXPECT_EQ(q->set(), loaded->webQSet());
        EXPECT_EQ(q->key(), "90000_1_1_5105");
        ASSERT_EQ(loaded->bookmarkQSet()->questions().size(), 1u);
        EXPECT_EQ(loaded->bookmarkQSet()->questions()[0], q);
    }
}

TEST_F(PracticeRepository, OlderCentralArchiveMigrates) {
    fnd::ClassRegistry::shared().registerClass<CentralArchiveReader>("MRepository");
    std::ifstream in(std::string(ORVA_FIXTURES) + "/archives/central-format2.archive", std::ios::binary);
    fnd::Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(bytes.empty());
    auto central = fnd::KeyedUnarchiver::unarchive(bytes, "kRepository").object<CentralArchiveReader>();
    ASSERT_TRUE(central && central->practice);
    auto r = central->practice;

    // The stored hard set is taken as it was, answers read from plain integers.
    ASSERT_EQ(r->hardQuantSet()->questions().size(), 2u);
    auto old = r->hardQuantSet()->questions()[0];
    EXPECT_EQ(old->body(), "<p>Old first question</p>");
    EXPECT_EQ(old->key(), "1_1_2");
    EXPECT_EQ(old->tags(), MQSetQuestion::Strings{"Algebra"});
    ASSERT_EQ(old->history().size(), 2u);
    EXPECT_EQ(old->history()[0]->stringWithAnswer(), "[3]");
    EXPECT_EQ(old->rightAnswer()->stringWithAnswer(), "C");
    ASSERT_EQ(r->bookmarkQSet()->questions().size(), 2u);
    EXPECT_EQ(r->bookmarkQSet()->questions()[0], r->hardQuantSet()->questions()[1]);
    EXPECT_EQ(r->bookmarkQSet()->questions()[1], r->webQSet()->questions()[0]);
    EXPECT_EQ(r->webQSet()->questions()[0]->key(), "90000_4_4_4242");
    EXPECT_FALSE(r->knewtonSet()->questions().empty());  // built by its builder
    EXPECT_TRUE(r->sessions()->list().empty());
    EXPECT_EQ(r->practiceCSLastUID(), 7000);
    EXPECT_FALSE(r->isKWActive());
    for (const auto& q : r->workQSet()->questions())
        EXPECT_TRUE(q->questionType() == 1 || q->questionType() == 2);
    EXPECT_EQ(r->workQSet()->cursor(), 1);

    // The next save writes the current form; the histories then attach to the built content.
    auto migrated = saveAndLoad(r);
    ASSERT_TRUE(migrated);
    auto built = find(migrated->hardQuantSet(), "1_1_2");
    ASSERT_TRUE(built);
    EXPECT_NE(built->body(), "<p>Old first question</p>");
    EXPECT_EQ(built->history().size(), 2u);
    EXPECT_EQ(find(migrated->hardQuantSet(), "1_3_1")->history().size(), 1u);
    std::vector<std::string> bookmarks;
    for (const auto& q : migrated->bookmarkQSet()->questions()) bookmarks.push_back(q->key());
    EXPECT_EQ(bookmarks, (std::vector<std::string>{"1_3_1", "90000_4_4_4242"}));
    EXPECT_EQ(migrated->webQSet()->questions()[0]->history().size(), 1u);
}

TEST_F(PracticeRepository, KeywordListsLoadWholeWhicheverKeysTheyWereWrittenWith) {
    fnd::ClassRegistry::shared().registerClass<CentralArchiveReader>("MRepository");
    auto load = [](const char* name) -> std::shared_ptr<MPracticeRepository> {
        std::ifstream in(std::string(ORVA_FIXTURES) + "/archives/" + name, std::ios::binary);
        fnd::Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        auto root = fnd::KeyedUnarchiver::unarchive(bytes, "kRepository");
        if (auto central = root.object<CentralArchiveReader>()) return central->practice;
        return root.object<MPracticeRepository>();
    };
    using Words = MKeyWordsSet::KeyWords;
    // Integer-object keys as the platform's archiver writes them, in an older central archive and in
    // a practice file; decimal-string keys as earlier versions of this program wrote them.
    for (const char* name :
         {"central-format2.archive", "practice-numberkeys.archive", "practice-stringkeys.archive"}) {
        SCOPED_TRACE(name);
        auto loaded = load(name);
        ASSERT_TRUE(loaded);
        for (auto r : {loaded, saveAndLoad(loaded)}) {
            ASSERT_TRUE(r);
            const MKeyWordsSet& kws = *r->keyWordsSet();
            ASSERT_EQ(kws.kws().size(), 6u);
            EXPECT_EQ(*kws.keyWordsForQType(1), (Words{"prime", "remainder"}));
            EXPECT_EQ(kws.keyWordsForQType(1), kws.keyWordsForQType(2));
            EXPECT_EQ(*kws.keyWordsForQType(3), (Words{"which"}));
            EXPECT_EQ(*kws.keyWordsForQType(4), (Words{"unless", "except"}));
            EXPECT_EQ(*kws.keyWordsForQType(5), (Words{"author", "primarily"}));
            EXPECT_EQ(kws.keyWordsForQType(5), kws.keyWordsForQType(6));
        }
    }
}

namespace {

// Closing the practice tool takes a copy of the file's state on the main thread; the saving thread
// archives the copy, which holds that state whatever the main thread changes meanwhile.
TEST_F(PracticeRepository, ASnapshotArchivesTheStateWhenItWasTaken) {
    auto repository = MPracticeRepository::makeWithData();
    useSessionsOf(repository);
    repository->sessions()->startSession();
    auto first = repository->hardQuantSet()->questions()[0];
    auto second = repository->hardQuantSet()->questions()[1];
    practice_test::answer(first, 2, 40);
    repository->bookmarkQSet()->addQuestion(first);
    repository->webQSet()->questions().push_back(MQSetSimpleQuestion::make(
        repository->webQSet(), 1, 1, 1, {}, "<p>q</p>", {"a", "b", "c", "d", "e"}, "", std::nullopt));
    auto snapshot = repository->snapshotForSave();
    practice_test::answer(second, 1, 20);
    repository->bookmarkQSet()->removeQuestion(first.get());
    repository->webQSet()->questions().clear();
    repository->filter()->qTypeArray()[0]->setIsActive(true);
    repository->sessions()->stopSession();

    auto bytes = snapshot.archive();
    ASSERT_TRUE(bytes);
    auto saved = fnd::KeyedUnarchiver::unarchive(*bytes, "kRepository").object<MPracticeRepository>();
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->hardQuantSet()->questions()[0]->history().size(), 1u);
    EXPECT_FALSE(saved->hardQuantSet()->questions()[1]->hasHistory());
    EXPECT_EQ(saved->bookmarkQSet()->questions().size(), 1u);
    EXPECT_EQ(saved->webQSet()->questions().size(), 1u);
    EXPECT_FALSE(saved->filter()->qTypeArray()[0]->isActive());
    EXPECT_EQ(saved->sessions()->list().size(), 1u);
}

// The snapshot shares the answer records with the questions and keeps apart only their places in
// the sessions, which the main thread may clear or renumber while the copy is archived.
TEST_F(PracticeRepository, ASnapshotSharesTheRecordsAndKeepsTheirSessionsAsTheyWere) {
    auto repository = MPracticeRepository::makeWithData();
    useSessionsOf(repository);
    repository->sessions()->startSession();
    std::int32_t session = repository->sessions()->currentSession()->sessionId();
    auto first = repository->hardQuantSet()->questions()[0];
    auto second = repository->hardQuantSet()->questions()[1];
    auto a = practice_test::answer(first, 2, 40, 1000);
    auto b = practice_test::answer(second, 3, 50, 1100);
    auto c = practice_test::answer(first, 4, 60, 1200);
    long held = a.use_count();
    auto snapshot = repository->snapshotForSave();
    EXPECT_EQ(a.use_count(), held + 1);  // the record itself, not a copy

    // After the snapshot: a record leaves the session (the later one is renumbered), the session
    // ends, and the first question is answered again.
    repository->sessions()->currentSession()->removeRecordAtIndex(0);
    repository->sessions()->stopSession();
    practice_test::answer(first, 5, 70, 1300);
    ASSERT_FALSE(a->isInSession());
    ASSERT_EQ(b->indexInSession(), 0);

    struct Expected {
        double when;
        double time;
        std::int32_t choice;
        std::int32_t sessionId;
        std::int32_t index;
    };
    auto check = [&](const std::optional<fnd::Bytes>& bytes, const std::vector<Expected>& firstHistory,
                     const std::vector<Expected>& secondHistory) {
        ASSERT_TRUE(bytes);
        // Loading hands each record back to its session at its stored place.
        auto root = fnd::KeyedUnarchiver::unarchive(*bytes, "kRepository").object<MPracticeRepository>();
        ASSERT_TRUE(root);
        for (auto [question, expected] : {std::pair{root->hardQuantSet()->questions()[0], firstHistory},
                                          std::pair{root->hardQuantSet()->questions()[1], secondHistory}}) {
            ASSERT_EQ(question->history().size(), expected.size());
            for (std::size_t i = 0; i < expected.size(); ++i) {
                const auto& r = *question->history()[i];
                EXPECT_EQ(r.date(), fnd::Date(expected[i].when));
                EXPECT_EQ(r.time(), expected[i].time);
                EXPECT_EQ(r.stringWithAnswer(), "[" + std::to_string(expected[i].choice) + "]");
                EXPECT_EQ(r.sessionId(), expected[i].sessionId);
                EXPECT_EQ(r.indexInSession(), expected[i].index);
            }
        }
    };
    check(snapshot.archive(), {{1000, 40, 2, session, 0}, {1200, 60, 4, session, 2}},
          {{1100, 50, 3, session, 1}});
    check(repository->snapshotForSave().archive(),
          {{1000, 40, 2, MQSetHRecord::kNoSession, MQSetHRecord::kNoSession},
           {1200, 60, 4, session, 1},
           {1300, 70, 5, MQSetHRecord::kNoSession, MQSetHRecord::kNoSession}},
          {{1100, 50, 3, session, 0}});
}

}  // namespace

TEST_F(PracticeRepository, ADecodedHistoryIsWhatWasSavedRecordByRecord) {
    auto r = MPracticeRepository::makeWithData();
    testing_support::addPracticeRecords(*r, 3000);
    r->knewtonSet()->setIsActive(false);
    r->hardQuantSet()->setIsActive(true);
    auto back = saveAndLoad(r);
    ASSERT_TRUE(back);

    // Every question in its place with its records in order: when, how long, what, which session.
    std::size_t records = 0;
    ASSERT_EQ(back->qSets().size(), r->qSets().size());
    for (std::size_t s = 0; s < r->qSets().size(); ++s) {
        const auto &saved = r->qSets()[s]->questions(), &loaded = back->qSets()[s]->questions();
        EXPECT_EQ(back->qSets()[s]->isActive(), r->qSets()[s]->isActive());
        ASSERT_EQ(loaded.size(), saved.size());
        for (std::size_t q = 0; q < saved.size(); ++q) {
            SCOPED_TRACE(saved[q]->key());
            EXPECT_EQ(loaded[q]->key(), saved[q]->key());
            ASSERT_EQ(loaded[q]->history().size(), saved[q]->history().size());
            for (std::size_t h = 0; h < saved[q]->history().size(); ++h, ++records)
                EXPECT_EQ(loaded[q]->history()[h]->description(), saved[q]->history()[h]->description());
        }
    }
    EXPECT_EQ(records, 3000u);

    // The sessions take back the same answers in the same order, as the loaded records.
    const auto &saved = r->sessions()->list(), &loaded = back->sessions()->list();
    ASSERT_EQ(loaded.size(), saved.size());
    for (std::size_t s = 0; s < saved.size(); ++s) {
        ASSERT_EQ(loaded[s]->records().size(), saved[s]->records().size());
        for (std::size_t i = 0; i < saved[s]->records().size(); ++i) {
            const auto &was = saved[s]->records()[i], &is = loaded[s]->records()[i];
            EXPECT_EQ(is->question()->key(), was->question()->key());
            EXPECT_EQ(is->historyRecord()->description(), was->historyRecord()->description());
            const auto& history = is->question()->history();
            EXPECT_NE(std::find(history.begin(), history.end(), is->historyRecord()), history.end());
        }
    }
}

TEST_F(PracticeRepository, RecordsUnderAKeyGoToEveryQuestionOfThatKeyAndNoOther) {
    auto a = MQSet::make(5, "A", "A", "Sets_myset.png", true),
         b = MQSet::make(5, "B", "B", "Sets_myset.png", true);
    auto first = addQuestion(a, 1, 4, 3), twin = addQuestion(b, 1, 4, 3), other = addQuestion(b, 2, 4, 3),
         untouched = addQuestion(a, 3, 4, 1);
    ASSERT_EQ(first->key(), twin->key());
    auto record = [](double when) { return std::make_shared<MQSetHRecord>(fnd::Date(when), 10, nullptr); };
    auto one = record(1), two = record(2), three = record(3), kept = record(4);
    untouched->restoreHistory({kept});
    MQSet::HistoryDictionary histories{
        {first->key(), {one, two}}, {other->key(), {three}}, {"5_9_4", {record(5)}}};

    MQSet::restoreHistory({a, b}, histories);
    using Records = std::vector<std::shared_ptr<MQSetHRecord>>;
    EXPECT_EQ(first->history(), (Records{one, two}));
    EXPECT_EQ(twin->history(), (Records{one, two}));
    EXPECT_EQ(other->history(), (Records{three}));
    EXPECT_EQ(untouched->history(), (Records{kept}));
}

TEST_F(PracticeRepository, AnswersReadBackAreSharedPerChoiceAndTheFileStaysByteForByte) {
    auto r = MPracticeRepository::makeWithData();
    testing_support::addPracticeRecords(*r, 600);
    // Beside the usual answers, one answer object that two records share, and a choice beyond E.
    const auto& questions = r->kaplanSet()->questions();
    ASSERT_GE(questions.size(), 3u);
    auto sharedAnswer = std::make_shared<MQSetSimpleAnswer>(4);
    auto record = [](double when, std::shared_ptr<MQSetAnswer> answer) {
        return std::make_shared<MQSetHRecord>(fnd::Date(when), 30, std::move(answer));
    };
    questions[0]->addHistoryRecord(record(800000000, sharedAnswer));
    questions[1]->addHistoryRecord(record(800000100, sharedAnswer));
    questions[2]->addHistoryRecord(record(800000200, std::make_shared<MQSetSimpleAnswer>(9)));

    std::string error;
    auto saved = fnd::KeyedArchiver::archive("kRepository", r, &error);
    ASSERT_TRUE(saved) << error;
    auto back = fnd::KeyedUnarchiver::unarchive(*saved, "kRepository").object<MPracticeRepository>();
    ASSERT_TRUE(back);

    // Read back, the records of one choice hold one common answer; the answer the archive gave two
    // records stays one answer of their own; a choice beyond E gets an answer of its own.
    std::set<const MQSetAnswer*> distinct;
    std::size_t records = 0;
    for (const auto& set : back->qSets())
        for (const auto& q : set->questions())
            for (const auto& h : q->history()) {
                ++records;
                distinct.insert(h->answer().get());
            }
    EXPECT_EQ(records, 603u);
    const auto& loaded = back->kaplanSet()->questions();
    const auto &first = loaded[0]->history().back()->answer(),
               &second = loaded[1]->history().back()->answer(),
               &beyond = loaded[2]->history().back()->answer();
    EXPECT_EQ(first, second);
    EXPECT_FALSE(first->isCommon());
    EXPECT_EQ(*first->stringWithAnswer(), "D");
    EXPECT_FALSE(beyond->isCommon());
    EXPECT_EQ(*beyond->jsString(), "[9]");
    EXPECT_EQ(distinct.size(), 5u + 2u);  // A to E, the shared one, the one beyond E
    for (const auto* answer : distinct) {
        if (answer != first.get() && answer != beyond.get()) {
            EXPECT_TRUE(answer->isCommon());
        }
    }

    // Saved again, as the saved copy is too, the file is the one read, byte for byte: each record
    // holding a common answer writes an answer of its own, as it was read.
    auto again = fnd::KeyedArchiver::archive("kRepository", back, &error);
    ASSERT_TRUE(again) << error;
    EXPECT_TRUE(*again == *saved);
    auto snapshot = back->snapshotForSave().archive();
    ASSERT_TRUE(snapshot);
    EXPECT_TRUE(*snapshot == *saved);
}

TEST_F(PracticeRepository, ARecordOfAnOlderArchiveWithAPlainChoiceGetsTheCommonAnswer) {
    for (std::int32_t choice : {0, 3, 5, 6, -1}) {
        SCOPED_TRACE(choice);
        // The record's keys at the top of an archive, read by the record itself.
        fnd::KeyedArchiver archiver;
        archiver.encodeDate("kDate", fnd::Date(1000));
        archiver.encodeInt32("kAnswer", choice);
        auto bytes = archiver.finishEncoding();
        ASSERT_TRUE(bytes);
        fnd::KeyedUnarchiver coder(*bytes);
        MQSetHRecord record;
        record.initWithCoder(coder);
        ASSERT_TRUE(record.answer());
        EXPECT_EQ(*record.answer()->jsString(), "[" + std::to_string(choice) + "]");
        EXPECT_EQ(record.answer()->isCommon(), choice >= 0 && choice <= MQSetSimpleAnswer::kLastCommonChoice);
    }
}
