#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/ArchiveSequence.h"
#include "platform/foundation/ClassRegistry.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "tests/platform/foundation/ArchiveTestModels.h"

using namespace fnd;
using archive_test::Question;
using archive_test::QuestionSet;
using archive_test::Record;

namespace {

class ArchiveSequenceTest : public archive_test::ArchiveTest {};

// A sequence whose members a function makes.
class Made : public ArchiveSequence {
  public:
    Made(std::size_t count, std::function<ArchiveValue(std::size_t)> make)
        : count_(count), make_(std::move(make)) {}
    std::size_t count() const override { return count_; }
    ArchiveValue member(std::size_t index) const override { return make_(index); }

  private:
    std::size_t count_;
    std::function<ArchiveValue(std::size_t)> make_;
};

// An object that keeps itself in `kept` when it is archived.
class Keeper : public Object, public Coding {
  public:
    static inline std::vector<std::shared_ptr<Object>> kept;
    std::int32_t n = 0;
    void encodeWithCoder(KeyedArchiver& coder) const override {
        kept.push_back(const_cast<Keeper*>(this)->sharedAs());
        coder.encodeInt32("n", n);
    }
    void initWithCoder(KeyedUnarchiver& coder) override { n = coder.decodeInt32("n"); }
};

std::shared_ptr<Record> record(int count) {
    auto r = std::make_shared<Record>();
    r->count = count;
    r->name = "record " + std::to_string(count % 3);
    r->when = Date(1000.0 + count % 5);
    return r;
}

TEST_F(ArchiveSequenceTest, IsWrittenAsTheArrayOfItsMembersAndLetsGoOfEachMadeForIt) {
    for (std::size_t n : {std::size_t{0}, std::size_t{1}, std::size_t{40}, std::size_t{20000}}) {
        SCOPED_TRACE(n);
        std::vector<std::weak_ptr<Record>> made;
        bool allGone = true;
        auto sequence = std::make_shared<Made>(n, [&](std::size_t i) {
            for (const auto& m : made) allGone = allGone && m.expired();
            auto r = record(static_cast<int>(i));
            made.push_back(r);
            return ArchiveValue(r);
        });
        auto whole = ArchiveValue::makeArray();
        for (std::size_t i = 0; i < n; ++i) whole->push_back(record(static_cast<int>(i)));

        auto bytes = KeyedArchiver::archive("kRepository", sequence);
        ASSERT_TRUE(bytes);
        // Each member was gone before the next was asked for, and the bytes are those of the same
        // array built whole.
        EXPECT_TRUE(allGone);
        EXPECT_EQ(made.size(), n);
        EXPECT_EQ(*bytes, KeyedArchiver::archive("kRepository", whole));

        ArchiveValue back = KeyedUnarchiver::unarchive(*bytes, "kRepository");
        if (n == 0) {
            EXPECT_TRUE(back.isNil() || back.array()->empty());
            continue;
        }
        auto list = back.array();
        ASSERT_TRUE(list);
        ASSERT_EQ(list->size(), n);
        for (std::size_t i : {std::size_t{0}, n / 2, n - 1}) {
            auto r = (*list)[i].object<Record>();
            ASSERT_TRUE(r);
            EXPECT_EQ(r->count, static_cast<int>(i));
            EXPECT_EQ(r->name, "record " + std::to_string(i % 3));
        }
    }
}

TEST_F(ArchiveSequenceTest, AMemberMetElsewhereIsWrittenOnce) {
    ClassRegistry::shared().registerClass<Keeper>("TestKeeper");
    Keeper::kept.clear();
    auto shared = record(7);
    // Member 0 is held by the test; member 1 is a set made for the moment whose questions refer back
    // to it while it is written; member 2 is made for the moment and keeps itself while written.
    auto sequence = std::make_shared<Made>(3, [&](std::size_t i) -> ArchiveValue {
        if (i == 0) return shared;
        if (i == 1) {
            auto set = std::make_shared<QuestionSet>();
            set->title = "made";
            for (int k = 0; k < 2; ++k) {
                auto q = std::make_shared<Question>();
                q->number = k;
                q->set = set;
                set->questions.push_back(q);
            }
            return set;
        }
        auto keeper = std::make_shared<Keeper>();
        keeper->n = 5;
        return keeper;
    });
    KeyedArchiver archiver;
    archiver.encodeObject("list", sequence);
    archiver.encodeObject("again", shared);
    ASSERT_EQ(Keeper::kept.size(), 1u);
    archiver.encodeObject("kept", Keeper::kept[0]);
    auto bytes = archiver.finishEncoding();
    ASSERT_TRUE(bytes) << archiver.error();
    EXPECT_EQ(Keeper::kept.size(), 1u);
    Keeper::kept.clear();

    KeyedUnarchiver in(*bytes);
    auto list = in.decodeArray("list");
    ASSERT_TRUE(list);
    ASSERT_EQ(list->size(), 3u);
    EXPECT_EQ((*list)[0].object<Record>(), in.decodeObjectOfClass<Record>("again"));
    EXPECT_EQ((*list)[0].object<Record>()->count, 7);
    auto set = (*list)[1].object<QuestionSet>();
    ASSERT_TRUE(set);
    ASSERT_EQ(set->questions.size(), 2u);
    for (const auto& q : set->questions) EXPECT_EQ(q->set.lock(), set);
    auto keeper = (*list)[2].object<Keeper>();
    ASSERT_TRUE(keeper);
    EXPECT_EQ(keeper->n, 5);
    EXPECT_EQ(keeper, in.decodeObjectOfClass<Keeper>("kept"));
    EXPECT_TRUE(logged.empty());
}

}  // namespace
