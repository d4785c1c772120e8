#pragma once
// Small archivable models the archive tests share, and their fixture.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/ArchiveValue.h"
#include "platform/foundation/Coding.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/PropertyList.h"
#include "tests/support/TestEnvironment.h"

namespace archive_test {

// One value of every kind under its own key.
class Record : public fnd::Object, public fnd::Coding {
  public:
    std::int32_t count = 0;
    std::int64_t big = 0;
    bool flag = false;
    float ratio = 0;
    double seconds = 0;
    std::optional<std::string> name;
    std::optional<fnd::Date> when;
    std::optional<fnd::Bytes> bytes;
    std::optional<std::string> link;
    fnd::ArchiveValue extra;  // any value
    bool hadFlag = false;     // whether the archive held "flag"

    void encodeWithCoder(fnd::KeyedArchiver& coder) const override;
    void initWithCoder(fnd::KeyedUnarchiver& coder) override;
};

class Question;

// A set that holds its questions; each question refers back to its set.
class QuestionSet : public fnd::Object, public fnd::Coding {
  public:
    std::string title;
    std::vector<std::shared_ptr<Question>> questions;

    void encodeWithCoder(fnd::KeyedArchiver& coder) const override;
    void initWithCoder(fnd::KeyedUnarchiver& coder) override;
};

class Question : public fnd::Object, public fnd::Coding {
  public:
    std::int32_t number = 0;
    std::weak_ptr<QuestionSet> set;

    void encodeWithCoder(fnd::KeyedArchiver& coder) const override;
    void initWithCoder(fnd::KeyedUnarchiver& coder) override;
};

// A model that old archives stored under other class names (registered as aliases).
class Clock : public fnd::Object, public fnd::Coding {
  public:
    std::int32_t seconds = 0;
    bool running = false;

    void encodeWithCoder(fnd::KeyedArchiver& coder) const override;
    void initWithCoder(fnd::KeyedUnarchiver& coder) override;
};

// The bytes of `list` with its UID object `ref` (of one byte) changed to hold `uid`: what a writer
// that does not store each UID once may leave, two UID objects of one number.
std::vector<std::uint8_t> withUid(const fnd::PropertyList& list, fnd::PropertyList::Ref ref,
                                  std::uint8_t uid);

// Registers the classes above once per process.
void registerClasses();

// A record that holds only a count.
std::shared_ptr<Record> counting(std::int32_t count);

// A class entry of an archive's object table naming the class `name` alone.
fnd::PropertyList::Ref classEntry(fnd::PropertyList& pl, std::string_view name);

// How many entries of an archive's object table are of a class, read with the bare reader.
int entriesOfClass(const fnd::Bytes& bytes, std::string_view name);

// The classes above registered, and what is logged as a warning or worse kept for the test to read.
class ArchiveTest : public testing_support::TestEnvironment {
  protected:
    void SetUp() override;
    void TearDown() override;
    bool loggedAbout(std::string_view text) const;
    // The archive of `root` under `key` (a failure fails the test).
    static fnd::Bytes archive(const fnd::ArchiveValue& root, std::string_view key = "kRepository");
    // `root` archived and read back.
    static fnd::ArchiveValue roundTrip(const fnd::ArchiveValue& root);

    std::vector<std::string> logged;

  private:
    fnd::Log::Sink previousSink_;
};

}  // namespace archive_test
