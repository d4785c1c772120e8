#include <gtest/gtest.h>

#include <algorithm>

#include "Classes/practice/MSession.h"
#include "Classes/practice/MSessionRecord.h"
#include "Classes/practice/MSessions.h"
#include "platform/foundation/TimeZone.h"
#include "tests/Classes/practice/PracticeTestSupport.h"

using namespace practice_test;

namespace {

class Sessions : public testing_support::TestEnvironment {
  protected:
    void SetUp() override {
        TestEnvironment::SetUp();
        sessions = std::make_shared<MSessions>();
        MQSetQuestion::setSessionsSource([this] { return sessions; });
        set = MQSet::make(1, "Hard Quant Set", "", "", true);
        for (int n = 1; n <= 4; ++n) addQuestion(set, n, n % 2 ? 1 : 2, 1);
    }
    void TearDown() override {
        MQSetQuestion::setSessionsSource(nullptr);
        TestEnvironment::TearDown();
    }
    const std::shared_ptr<MQSetQuestion>& q(int i) { return set->questions()[static_cast<std::size_t>(i)]; }

    std::shared_ptr<MSessions> sessions;
    std::shared_ptr<MQSet> set;
};

}  // namespace

TEST_F(Sessions, EmptySessionsLeaveNoTraceAndRestartSplits) {
    sessions->startSession();
    sessions->stopSession();
    EXPECT_TRUE(sessions->list().empty());
    EXPECT_EQ(sessions->freeSessionId(), 0);

    answer(q(0), 1, 10);  // no session runs: joins none
    EXPECT_EQ(q(0)->history()[0]->sessionId(), MQSetHRecord::kNoSession);

    sessions->startSession();
    answer(q(0), 1, 10);
    sessions->restartSession();  // back from the background
    answer(q(1), 2, 20);
    answer(q(2), 1, 30);
    sessions->stopSession();
    ASSERT_EQ(sessions->list().size(), 2u);
    EXPECT_EQ(sessions->list()[0]->records().size(), 1u);
    EXPECT_EQ(sessions->list()[1]->sessionId(), 1);
    EXPECT_EQ(q(2)->history()[0]->indexInSession(), 1);
    EXPECT_EQ(sessions->list()[1]->numberOfRightAnswers(), 1);
    EXPECT_EQ(sessions->list()[1]->numberOfQuestionType(2), 1);
    EXPECT_DOUBLE_EQ(sessions->list()[1]->avgQuestionTime(), 25);
    EXPECT_EQ(sessions->countDistinct(), 3);
}

TEST_F(Sessions, RemovingQuestionsAndSessions) {
    sessions->startSession();
    answer(q(0), 1, 10);
    answer(q(1), 1, 10);
    answer(q(0), 2, 10);
    sessions->startSession();
    answer(q(0), 1, 10);
    sessions->stopSession();

    // q(0) has answers in both sessions: its records leave each, the later ones move up, and the
    // second session, now empty, goes.
    sessions->removeQuestion(*q(0));
    ASSERT_EQ(sessions->list().size(), 1u);
    const auto& first = sessions->list()[0]->records();
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0]->question(), q(1));
    EXPECT_EQ(first[0]->historyRecord()->indexInSession(), 0);
    EXPECT_EQ(q(0)->history().size(), 3u);  // the answers themselves stay

    sessions->removeSessionAtIndex(0);
    EXPECT_TRUE(sessions->list().empty());
    EXPECT_EQ(sessions->countDistinct(), 0);
    EXPECT_FALSE(q(1)->history()[0]->isInSession());
}

TEST_F(Sessions, RecordsRestoredOutOfOrderEndInIndexOrderAndOrphansDetach) {
    auto session = std::make_shared<MSession>(7, fnd::Date(0));
    for (int index : {2, 0, 1}) {
        auto r = std::make_shared<MQSetHRecord>(fnd::Date(index), 5, std::make_shared<MQSetSimpleAnswer>(1));
        r->setIndexInSession(index);
        session->addQuestion(q(index), r);
    }
    for (int i = 0; i < 3; ++i) EXPECT_EQ(session->records()[static_cast<std::size_t>(i)]->question(), q(i));

    auto orphan = std::make_shared<MQSetHRecord>(fnd::Date(0), 5, std::make_shared<MQSetSimpleAnswer>(1));
    orphan->setSessionId(99);
    orphan->setIndexInSession(0);
    q(3)->restoreHistory({orphan});
    sessions->restoreSessionRecordsFromQuestion(q(3));
    EXPECT_FALSE(orphan->isInSession());
}

TEST_F(Sessions, ListSavedWhileASessionRanKeepsItsAnswers) {
    sessions->startSession();
    answer(q(0), 1, 10);
    sessions->stopSession();
    sessions->startSession();
    answer(q(1), 1, 10);
    answer(q(2), 1, 10);
    ASSERT_TRUE(sessions->started());

    // Save the sessions and the set together, as the practice archive does.
    auto graph = fnd::ArchiveValue::makeArray();
    graph->emplace_back(sessions);
    graph->emplace_back(set);
    MPracticeClasses::registerAll();
    auto bytes = fnd::KeyedArchiver::archive("root", graph);
    ASSERT_TRUE(bytes);
    auto back = fnd::KeyedUnarchiver::unarchive(*bytes, "root").array();
    ASSERT_TRUE(back);
    auto loaded = (*back)[0].object<MSessions>();
    auto loadedSet = (*back)[1].object<MQSet>();
    ASSERT_TRUE(loaded && loadedSet);
    EXPECT_FALSE(loaded->started());
    loadedSet->restoreSessions(*loaded);
    loaded->finishLoading();

    ASSERT_EQ(loaded->list().size(), 2u);
    EXPECT_EQ(loaded->list()[1]->records().size(), 2u);
    EXPECT_TRUE(loadedSet->questions()[2]->history()[0]->isInSession());
    EXPECT_EQ(loaded->freeSessionId(), 2);
    EXPECT_FALSE(loaded->currentSession());

    // A list saved while an empty session ran drops that session when loading ends.
    sessions->stopSession();
    sessions->startSession();
    auto again = roundTrip(sessions);
    ASSERT_TRUE(again);
    for (const auto& question : set->questions()) again->restoreSessionRecordsFromQuestion(question);
    again->finishLoading();
    EXPECT_EQ(again->list().size(), 2u);
    EXPECT_EQ(again->freeSessionId(), 2);
}

TEST_F(Sessions, StartTexts) {
    clock->setWallTime(800000000);
    fnd::TimeZone::setCurrent(*fnd::TimeZone::named("UTC"));
    auto ago = [](double seconds) { return MSession::sessionDate(fnd::Date(800000000 - seconds)); };
    EXPECT_EQ(ago(30), "30 sec\nago");
    EXPECT_EQ(ago(2 * 3600 + 5 * 60), "2 h\nago");
    EXPECT_EQ(ago(59 * 60 + 59), "59 min\nago");
    // 800000000 s after 2001-01-01 is 2026-05-09 06:13:20 UTC.
    EXPECT_EQ(ago(3 * 86400), "May 06");
    EXPECT_EQ(ago(400 * 86400), "Apr 04\n 2025");
    EXPECT_EQ(ago(-100), "0 sec\nago");
}

// A list of sessions read from an archive that holds these sessions.
std::shared_ptr<MSessions> loadedSessions(const std::vector<std::shared_ptr<MSession>>& list,
                                          std::int32_t freeSessionId) {
    MPracticeClasses::registerAll();
    auto graph = fnd::ArchiveValue::makeArray();
    for (const auto& session : list) graph->emplace_back(session);
    fnd::KeyedArchiver archiver;
    archiver.encodeObject("sessionList", graph);
    archiver.encodeInt32("freeSessionId", freeSessionId);
    auto bytes = archiver.finishEncoding();
    EXPECT_TRUE(bytes);
    auto loaded = std::make_shared<MSessions>();
    if (!bytes) return loaded;
    fnd::KeyedUnarchiver coder(*bytes);
    loaded->initWithCoder(coder);
    return loaded;
}

TEST_F(Sessions, OnlyTheAttemptsAtTheNotedPlacesGoBackToTheirSessions) {
    sessions = loadedSessions({std::make_shared<MSession>(0, fnd::Date(0))}, 1);
    ASSERT_EQ(sessions->list().size(), 1u);
    auto record = [](std::int32_t sessionId, std::int32_t index) {
        auto r = std::make_shared<MQSetHRecord>(fnd::Date(index), 5, std::make_shared<MQSetSimpleAnswer>(1));
        r->setSessionId(sessionId);
        r->setIndexInSession(index);
        return r;
    };
    auto second = record(0, 1), outside = record(MQSetHRecord::kNoSession, MQSetHRecord::kNoSession),
         orphan = record(7, 0), first = record(0, 0), unnoted = record(0, 2);
    q(0)->restoreHistory({second, outside, orphan, first, unnoted});
    // A place past the history's end is passed over; an attempt not noted stays out of its session.
    const std::uint32_t places[] = {0, 1, 2, 3, 9};
    sessions->restoreSessionRecordsFromQuestion(q(0), places);

    const auto& records = sessions->list()[0]->records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0]->historyRecord(), first);
    EXPECT_EQ(records[1]->historyRecord(), second);
    EXPECT_EQ(records[0]->question(), q(0));
    EXPECT_FALSE(orphan->isInSession());
    EXPECT_FALSE(outside->isInSession());
    EXPECT_TRUE(unnoted->isInSession());
}

TEST_F(Sessions, ASessionIsFoundByItsNumberInAListOfAnyOrder) {
    // Lists as an archive may hold them: numbered in order, out of order, and with a number twice.
    const std::vector<std::vector<std::int32_t>> lists = {{0, 1, 2, 5}, {5, 2, 9, 2}, {3, 3, 4}};
    for (const auto& ids : lists) {
        std::vector<std::shared_ptr<MSession>> list;
        for (std::size_t i = 0; i < ids.size(); ++i)
            list.push_back(std::make_shared<MSession>(ids[i], fnd::Date(static_cast<double>(i))));
        std::shared_ptr<MSessions> loaded = loadedSessions(list, 10);
        // A session begun now comes after every one of them.
        loaded->startSession();
        for (std::int32_t id = -1; id <= 10; ++id) {
            auto expected = std::find(ids.begin(), ids.end(), id);
            std::shared_ptr<MSession> found = loaded->findById(id);
            if (id == 10) {
                EXPECT_EQ(found, loaded->currentSession());
            } else if (expected == ids.end()) {
                EXPECT_FALSE(found) << id;
            } else {
                // The first session of that number in the list.
                ASSERT_TRUE(found) << id;
                EXPECT_EQ(found->startDate(), fnd::Date(static_cast<double>(expected - ids.begin()))) << id;
            }
        }
    }
}
