// Arbitrary bytes through the keyed unarchiver: whatever it decodes is walked in full, through a
// model class that reads every kind of value under the keys the seed archives use. The model keeps
// nothing, so any memory still held after an input is the unarchiver's leak.
#include <cstddef>
#include <cstdint>
#include <span>
#include <unordered_set>
#include <vector>

#include "platform/foundation/ArchiveValue.h"
#include "platform/foundation/ClassRegistry.h"
#include "platform/foundation/Coding.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "platform/foundation/Log.h"

namespace {

// Visits every value reachable from `root` once.
void walk(const fnd::ArchiveValue& root) {
    std::unordered_set<const void*> seen;
    std::vector<fnd::ArchiveValue> pending{root};
    while (!pending.empty()) {
        fnd::ArchiveValue v = std::move(pending.back());
        pending.pop_back();
        if (const void* id = v.identity(); id && !seen.insert(id).second) continue;
        if (auto a = v.array()) pending.insert(pending.end(), a->begin(), a->end());
        if (auto d = v.dictionary())
            for (const auto& [key, item] : *d) pending.push_back(item);
        (void)v.string(), (void)v.url(), (void)v.data(), (void)v.date();
        (void)v.int64Value(), (void)v.uint64Value(), (void)v.doubleValue(), (void)v.boolValue();
    }
}

class Probe : public fnd::Object, public fnd::Coding {
  public:
    void encodeWithCoder(fnd::KeyedArchiver&) const override {}
    void initWithCoder(fnd::KeyedUnarchiver& coder) override {
        for (const char* key : {"count", "number", "kSeconds", "value"}) {
            coder.decodeInt32(key);
            coder.decodeInt64(key);
        }
        coder.containsValueForKey("flag");
        coder.decodeBool("flag");
        coder.decodeBool("kRunning");
        coder.decodeFloat("ratio");
        coder.decodeDouble("seconds");
        coder.decodeString("name");
        coder.decodeString("title");
        coder.decodeDate("when");
        coder.decodeData("bytes");
        coder.decodeURL("link");
        coder.decodeObjectOfClass<Probe>("set");
        // As a record reads its answer: in place when nothing else refers to it, else made.
        std::int32_t choice = 0;
        if (!coder.readSoleObjectOfClass<Probe>("answer", [&] { choice = coder.decodeInt32("choice"); }))
            walk(coder.decodeObject("answer"));
        if (auto list = coder.decodeArray("questions")) walk(list);
        if (auto dict = coder.decodeDictionary("extra")) walk(dict);
        walk(coder.decodeNumber("big"));
    }
};

bool setUp() {
    fnd::Log::setMinimumLevel(fnd::Log::Level::Error);
    auto& registry = fnd::ClassRegistry::shared();
    for (const char* name : {"TestRecord", "TestQuestion", "TestQuestionSet", "TestClock"})
        registry.registerClass<Probe>(name);
    registry.registerAlias("OldClockScreen", "TestClock");
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool ready = setUp();
    (void)ready;
    fnd::KeyedUnarchiver in(std::span<const std::uint8_t>(data, size));
    // As the practice histories are read: entry by entry, each list as its objects.
    in.decodeEntries("history", [](const fnd::ArchiveKey&, fnd::KeyedUnarchiver::Entry& entry) {
        for (const auto& object : entry.objects()) walk(object);
        walk(entry.value());
    });
    for (const char* key : {"kRepository", "kTimer"}) {
        in.containsValueForKey(key);
        walk(in.decodeObject(key));
    }
    in.decodeInt32("kRepository");
    return 0;
}
