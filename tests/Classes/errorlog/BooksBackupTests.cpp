// The error log's text report and backup of a small fixture history, compared whole, and the
// restore: counts, the duplicate windows, unmatched and unreadable lines, reading-comprehension
// types before and after a key, restoring twice, and the mail body arriving whole.

#include <gtest/gtest.h>

#include <random>

#include "Classes/errorlog/BooksBackup.h"
#include "Classes/errorlog/MBook.h"
#include "Classes/errorlog/MQuestion.h"
#include "Classes/errorlog/MSection.h"
#include "platform/foundation/PercentEscaping.h"
#include "platform/foundation/TimeZone.h"

namespace {

// 15 March 2026, 14:05:09 UTC.
const fnd::Date kDay = fnd::Date::fromUnix(1773583509);

class BooksBackupTest : public testing::Test {
  protected:
    void SetUp() override {
        fnd::TimeZone::setCurrent(fnd::TimeZone::gmt());
        books = makeBooks();
        ps = books[0]->sections()[0];
        rc = books[0]->sections()[1];
        attempt(*ps->questions()[0], 0, 65.2, 2, false);
        attempt(*ps->questions()[0], 3600, 30, 3, true);
        attempt(*ps->questions()[2], 7200, 5, 1, false);
        attempt(*rc->questions()[0], 86400, 40, 3, false);
    }
    void TearDown() override { fnd::TimeZone::resetCurrent(); }

    static MQuestion::Tags tags(std::vector<std::string> texts) {
        return std::make_shared<const std::vector<std::string>>(std::move(texts));
    }
    // One book of a problem-solving section (a scored question, an unanswered one, an unscored
    // one) and a reading section (a passage's first question and the next one).
    static BooksBackup::Books makeBooks() {
        auto book = std::make_shared<MBook>("Test Book One", "TB1", std::nullopt, 1, 100, nullptr);
        auto ps = std::make_shared<MSection>("Problem Solving", "PS", "", 5, 1, 50);
        ps->addQuestion(
            std::make_shared<MQuestion>(book.get(), ps.get(), 1, 1, 2, 2, tags({"Algebra", "Hard"})));
        ps->addQuestion(std::make_shared<MQuestion>(book.get(), ps.get(), 1, 2, 2, 4, tags({"Ratio"})));
        ps->addQuestion(std::make_shared<MQuestion>(book.get(), ps.get(), 1, 3, 3, 0, tags({"Geometry"})));
        auto rc = std::make_shared<MSection>("Reading Comprehension", "RC", "", 9, 51, 99);
        rc->addQuestion(std::make_shared<MQuestion>(book.get(), rc.get(), 6, 1, 52, 4, tags({"Inference"})));
        rc->addQuestion(std::make_shared<MQuestion>(book.get(), rc.get(), 5, 2, 52, 1, tags({"Tone"})));
        book->addSection(ps);
        book->addSection(rc);
        auto other = std::make_shared<MBook>("Test Book Two", "TB2", std::nullopt, 1, 100, nullptr);
        return {book, other};
    }
    static void attempt(MQuestion& q, double after, double time, int answer, bool guess) {
        q.addHRecord(MHRecord::initWithDate(fnd::Date(kDay.timeIntervalSinceReferenceDate() + after), time,
                                            answer, guess));
    }
    static std::size_t attempts(const MQuestion& q) { return q.history() ? q.history()->size() : 0; }

    BooksBackup::Books books;
    std::shared_ptr<MSection> ps, rc;
};

const std::string kRule70(70, '-');
const std::string kRule48(48, '-');

TEST_F(BooksBackupTest, TheReportShowsEachQuestionsFirstAttemptAndNoVerdictWithoutAKey) {
    EXPECT_EQ(BooksBackup::reportText(books), "\n\n" + kRule70 + "\nTest Book One\n" + kRule70 + "\n\n" +
                                                  "\n\nProblem Solving\n\n"
                                                  "1. 01:06 B right OA:B Tags:Algebra; Hard; \n"
                                                  "2. \n"
                                                  "3. 00:05 A unscored Tags:Geometry; \n"
                                                  "\n\nReading Comprehension\n\n"
                                                  "1. 00:40 C wrong OA:D Tags:Inference; \n"
                                                  "2. \n" +
                                                  "\n\n" + kRule70 + "\nTest Book Two\n" + kRule70 + "\n\n");
}

TEST_F(BooksBackupTest, TheBackupHasOneLinePerAttemptInBookOrder) {
    ps->questions()[1]->setHistory(MQuestion::History{});  // present but empty: no line
    EXPECT_EQ(BooksBackup::backupText(books), std::string(BooksBackup::kBanner) + "\n\n" + kRule48 +
                                                  "\nTest Book One\n" + kRule48 + "\n\n" +
                                                  "Books-TB1-PS-PS-1-01:06-B-sure-14:05:09|03152026;\n"
                                                  "Books-TB1-PS-PS-1-00:30-C-guess-15:05:09|03152026;\n"
                                                  "Books-TB1-PS-PS-3-00:05-A-sure-16:05:09|03152026;\n"
                                                  "Books-TB1-RC-RCFirst-1-00:40-C-sure-14:05:09|03162026;\n" +
                                                  "\n\n" + kRule48 + "\nTest Book Two\n" + kRule48 + "\n\n");
}

TEST_F(BooksBackupTest, ABackupRestoresIntoClearedBooksOnceAndTwiceAddsNothing) {
    std::string backup = BooksBackup::backupText(books);
    EXPECT_EQ(BooksBackup::restore(books, backup), (BooksBackup::Counts{0, 4}));  // all present
    for (const auto& book : books) book->clearHistory();
    EXPECT_EQ(BooksBackup::restore(books, backup), (BooksBackup::Counts{4, 4}));
    EXPECT_EQ(BooksBackup::restore(books, backup), (BooksBackup::Counts{0, 4}));
    const MHRecord& first = *ps->questions()[0]->history()->front();
    EXPECT_EQ(first.time(), 66);  // whole seconds, as written
    EXPECT_EQ(first.answer(), 2);
    EXPECT_EQ(first.date(), kDay);
    EXPECT_TRUE(ps->questions()[0]->history()->at(1)->fguess());
    EXPECT_EQ(attempts(*rc->questions()[0]), 1u);
    EXPECT_EQ(BooksBackup::label({4, 4}), "4/4");
}

TEST_F(BooksBackupTest, DatesAreWrittenAndReadInTheDevicesTimeZone) {
    fnd::TimeZone::setCurrent(*fnd::TimeZone::named("America/New_York"));
    books = makeBooks();
    auto q = books[0]->sections()[0]->questions()[1];
    fnd::Date summer = fnd::Date::fromUnix(1782909296);  // 1 July 2026, 12:34:56 UTC
    q->addHRecord(MHRecord::initWithDate(summer, 20, 4, false));
    std::string backup = BooksBackup::backupText(books);
    EXPECT_NE(backup.find("-08:34:56|07012026;"), std::string::npos);
    books[0]->clearHistory();
    EXPECT_EQ(BooksBackup::restore(books, backup), (BooksBackup::Counts{1, 1}));
    EXPECT_EQ(q->lastAttempt()->date(), summer);
}

TEST_F(BooksBackupTest, DuplicatesAreTheSameAnswerWithinTwoSecondsAndAMinute) {
    struct Case {
        const char* second;
        std::size_t attempts;
    } cases[] = {
        {"Books-TB1-PS-PS-2-01:00-D-sure-10:00:30|01012026", 1},   // 30 s later
        {"Books-TB1-PS-PS-2-01:00-D-sure-10:00:59|01012026", 1},   // 59 s
        {"Books-TB1-PS-PS-2-01:00-D-sure-10:02:00|01012026", 2},   // 2 minutes
        {"Books-TB1-PS-PS-2-01:01-D-sure-10:00:00|01012026", 1},   // a second longer
        {"Books-TB1-PS-PS-2-01:02-D-sure-10:00:00|01012026", 2},   // two seconds longer
        {"Books-TB1-PS-PS-2-01:00-C-sure-10:00:00|01012026", 2},   // another letter
        {"Books-TB1-PS-PS-2-01:00-D-guess-10:00:00|01012026", 1},  // only the guess differs
    };
    for (const auto& c : cases) {
        books = makeBooks();
        std::string text =
            std::string("Books-TB1-PS-PS-2-01:00-D-sure-10:00:00|01012026;\n") + c.second + ";\n";
        EXPECT_EQ(BooksBackup::restore(books, text).found, 2) << c.second;
        EXPECT_EQ(attempts(*books[0]->sections()[0]->questions()[1]), c.attempts) << c.second;
    }
}

TEST_F(BooksBackupTest, LinesThatMatchNothingCountAsValidAndAddNothing) {
    books = makeBooks();
    std::string text =
        "Books-XX1-PS-PS-1-01:00-A-sure-10:00:00|01012026;\n"   // no such book
        "Books-TB1-SC-PS-1-01:00-A-sure-10:00:00|01012026;\n"   // no such section
        "Books-TB1-PS-PS-99-01:00-A-sure-10:00:00|01012026;\n"  // no such number
        "Books-TB1-PS-DS-1-01:00-A-sure-10:00:00|01012026;\n"   // another type
        "Books-TB1-PS-XY-1-01:00-A-sure-10:00:00|01012026;\n"   // no type at all
        "Books-TB1-PS-PS-1-01:00-A-sure-ab:cd:ef|ghijklmn;\n"   // a date that does not read
        "Books-TB1-PS-PS-1-01:00-A-sure-10:60:00|01012026;\n"   // nor a minute 60
        "Books-TB1-PS-PS-1-01:00-A-sure-10:00:00|02302026;\n"   // nor 30 February
        "Books-TB1-PS-PS-1-100:00-A-sure-10:00:00|01012026;\n"  // an hour and more: no match
        "Books-TB1-PS-PS-1-01:00-F-sure-10:00:00|01012026;\n"   // no such letter: no match
        "books-TB1-PS-PS-1-01:00-A-sure-10:00:00|01012026;\n";  // no match
    EXPECT_EQ(BooksBackup::restore(books, text), (BooksBackup::Counts{0, 8}));
    EXPECT_EQ(BooksBackup::restore(books, ""), (BooksBackup::Counts{0, 0}));
    for (const auto& section : books[0]->sections())
        for (const auto& q : section->questions()) EXPECT_EQ(attempts(*q), 0u);
}

TEST_F(BooksBackupTest, ReadingTypesMatchEachOtherSoABackupFromBeforeTheKeyRestores) {
    books = makeBooks();
    std::string text =
        "Books-TB1-RC-RC-1-01:00-A-sure-10:00:00|01012026;\n"       // written before the key
        "Books-TB1-RC-RCFirst-2-01:00-B-sure-10:00:00|01012026;\n"  // a key that differs
        "Books-TB1-RC-PS-1-01:00-C-sure-10:00:00|01012026;\n";      // not a reading type
    EXPECT_EQ(BooksBackup::restore(books, text), (BooksBackup::Counts{2, 3}));
    EXPECT_EQ(books[0]->sections()[1]->questions()[0]->history()->front()->answer(), 1);
    EXPECT_EQ(books[0]->sections()[1]->questions()[1]->history()->front()->answer(), 2);
}

TEST_F(BooksBackupTest, AHugeOrBinaryPasteboardRestoresWhatItHolds) {
    books = makeBooks();
    std::string text(4 << 20, '\0');
    std::mt19937 random(7);
    for (char& c : text) c = char(random());
    text += "\nBooks-TB1-PS-PS-1-01:00-A-sure-10:00:00|01012026;\n";
    EXPECT_EQ(BooksBackup::restore(books, text).added, 1);
}

TEST(BooksBackupMail, TheBodyArrivesWholeWhateverItHolds) {
    std::string body = "R&D #1 + 2 = 3? 100%\nline two\r\n\xC3\xA9";
    std::string url = BooksBackup::mailURL(body);
    const std::string head = "mailto:?subject=Tovrida&body=";
    ASSERT_EQ(url.substr(0, head.size()), head);
    std::string escaped = url.substr(head.size());
    EXPECT_EQ(escaped.find_first_of("&#+=?\n "), std::string::npos);
    EXPECT_EQ(fnd::percentUnescape(escaped), body);
}

}  // namespace
