#include "platform/foundation/KeyedArchiver.h"

#include <algorithm>
#include <bit>
#include <deque>
#include <span>
#include <unordered_map>
#include <vector>

#include "platform/foundation/ArchiveSequence.h"
#include "platform/foundation/ClassRegistry.h"
#include "platform/foundation/Coding.h"
#include "platform/foundation/HashIndex.h"
#include "platform/foundation/Log.h"

namespace fnd {

namespace {
using Ref = BinaryPropertyListStream::Ref;
using Kind = ArchiveValue::Kind;

// The platform classes values are archived as, with their class chains.
enum Builtin { kArray, kDictionary, kDate, kData, kURL, kBuiltinCount };
const std::vector<std::string> kBuiltinChains[kBuiltinCount] = {
    {"NSArray", "NSObject"}, {"NSDictionary", "NSObject"},
    {"NSDate", "NSObject"},  {"NSMutableData", "NSData", "NSObject"},
    {"NSURL", "NSObject"},
};
}  // namespace

struct KeyedArchiver::State {
    BinaryPropertyListStream plist;
    std::vector<Ref> objects;  // "$objects": the entry of each UID
    // Arrays, dictionaries and objects met so far, found by address. Each is watched rather than kept
    // alive, so that what is written can go while the rest is encoded; an address whose first holder
    // has gone belongs to a new value.
    struct Met {
        std::weak_ptr<const void> holder;
        const void* address;
        std::uint32_t uid;
    };
    std::deque<Met> met;
    // Members of sequences being written that are not remembered, innermost last.
    struct Passing {
        const void* address;
        std::uint32_t uid;
    };
    std::vector<Passing> beingWritten;
    // An open-addressed table of 1 + the index in `met`, 0 where free: 4 bytes a slot, where a
    // table of addresses would take 16.
    std::vector<std::uint32_t> metSlots;
    unsigned metBits = 0;
    HashIndex uidOfPlain;  // strings and numbers by their (uniqued) property-list object
    HashIndex uidOfDate;   // dates by the bits of their seconds
    std::unordered_map<const ClassRegistry::Entry*, std::uint32_t> uidOfClass;
    std::uint32_t uidOfBuiltin[kBuiltinCount] = {};
    // Keys and values of the entries being written, innermost last; frameStart is where the
    // innermost begins. Frame 0 is "$top".
    std::vector<Ref> keys, values, items;
    std::size_t frameStart = 0;
    std::string error;
    bool finished = false;

    explicit State(BinaryPropertyListStream::Sink sink) : plist(std::move(sink)) {
        objects.push_back(plist.addString("$null"));
    }

    void release() {
        objects = {};
        metSlots = {};
        met = {};
        uidOfPlain = {};
        uidOfDate = {};
        uidOfClass = {};
        keys = {};
        values = {};
        items = {};
    }

    void fail(std::string why) {
        if (error.empty()) error = std::move(why);
        Log::error("keyed archiver: ", error);
    }

    bool open() {
        if (!finished) return true;
        fail("the archive is already finished");
        return false;
    }

    // A key encoded again in the same object replaces its value.
    void put(std::string_view key, Ref value) {
        Ref name = plist.addString(key);
        for (std::size_t i = frameStart; i < keys.size(); ++i)
            if (keys[i] == name) {
                values[i] = value;
                return;
            }
        keys.push_back(name);
        values.push_back(value);
    }

    std::uint32_t reserve() {
        objects.push_back(0);
        return static_cast<std::uint32_t>(objects.size() - 1);
    }

    std::uint32_t plain(Ref ref) {
        return uidOfPlain.findOrInsert(ref, [&] {
            objects.push_back(ref);
            return static_cast<std::uint32_t>(objects.size() - 1);
        });
    }

    // Runs `body` to add keys to a new entry, then stores the entry as a dictionary of class `cls`.
    template <class Body>
    void entry(std::uint32_t uid, std::uint32_t cls, Body body) {
        std::size_t saved = frameStart;
        frameStart = keys.size();
        body();
        put("$class", plist.addUid(cls));
        std::span<const Ref> k(keys.data() + frameStart, keys.size() - frameStart);
        std::span<const Ref> v(values.data() + frameStart, values.size() - frameStart);
        objects[uid] = plist.addDictionary(k, v);
        keys.resize(frameStart);
        values.resize(frameStart);
        frameStart = saved;
    }

    std::uint32_t classUid(const std::vector<std::string>& chain) {
        std::uint32_t uid = reserve();
        std::vector<Ref> names;
        names.reserve(chain.size());
        for (const auto& n : chain) names.push_back(plist.addString(n));
        Ref k[] = {plist.addString("$classname"), plist.addString("$classes")};
        Ref v[] = {names.front(), plist.addArray(names)};
        objects[uid] = plist.addDictionary(k, v);
        return uid;
    }

    std::uint32_t builtin(Builtin b) {
        if (!uidOfBuiltin[b]) uidOfBuiltin[b] = classUid(kBuiltinChains[b]);
        return uidOfBuiltin[b];
    }

    // A dictionary key is written as the object it was: a string, an integer or a real.
    std::uint32_t keyUid(const ArchiveKey& key) {
        if (const std::string* text = key.string()) return plain(plist.addString(*text));
        if (key.isReal()) return plain(plist.addReal(*key.real()));
        return plain(plist.addInteger(*key.integer()));
    }

    // An array of `count` members of the items stack from `from`.
    Ref itemsArray(std::size_t from, std::size_t count) {
        return plist.addArray(std::span<const Ref>(items.data() + from, count));
    }

    std::uint32_t uidOf(const ArchiveValue& value) {
        switch (value.kind()) {
            case Kind::Nil:
                return 0;
            case Kind::Boolean:
                return plain(plist.addBoolean(*value.boolValue()));
            case Kind::Integer:
                return plain(plist.addInteger(*value.int64Value()));
            case Kind::UnsignedInteger:
                return plain(plist.addUnsignedInteger(*value.uint64Value()));
            case Kind::Real:
                return plain(plist.addReal(*value.doubleValue()));
            case Kind::String:
                return plain(plist.addString(*value.string()));
            case Kind::Date:
                return date(value.date()->timeIntervalSinceReferenceDate());
            case Kind::Data: {
                std::uint32_t uid = reserve();
                entry(uid, builtin(kData), [&] { put("NS.data", plist.addData(*value.data())); });
                return uid;
            }
            case Kind::URL: {
                std::uint32_t relative = plain(plist.addString(*value.url()));
                std::uint32_t uid = reserve();
                entry(uid, builtin(kURL), [&] {
                    put("NS.base", plist.addUid(0));
                    put("NS.relative", plist.addUid(relative));
                });
                return uid;
            }
            case Kind::Array:
            case Kind::Dictionary:
            case Kind::Object:
                break;
        }
        bool added = false;
        std::uint32_t uid = metUid(holderOf(value), added);
        return added ? write(uid, value) : uid;
    }

    // Writes the array, dictionary or object as the entry `uid`.
    std::uint32_t write(std::uint32_t uid, const ArchiveValue& value) {
        if (auto array = value.array()) {
            entry(uid, builtin(kArray), [&] {
                std::size_t mark = items.size();
                for (const ArchiveValue& item : *array) {
                    std::uint32_t u = uidOf(item);
                    items.push_back(plist.addUid(u));
                }
                put("NS.objects", itemsArray(mark, array->size()));
                items.resize(mark);
            });
        } else if (auto dictionary = value.dictionary()) {
            entry(uid, builtin(kDictionary), [&] {
                std::size_t mark = items.size();
                for (const auto& [key, item] : *dictionary) items.push_back(plist.addUid(keyUid(key)));
                for (const auto& [key, item] : *dictionary) {
                    std::uint32_t u = uidOf(item);
                    items.push_back(plist.addUid(u));
                }
                put("NS.keys", itemsArray(mark, dictionary->size()));
                put("NS.objects", itemsArray(mark + dictionary->size(), dictionary->size()));
                items.resize(mark);
            });
        } else {
            auto object = value.object();
            // Sequences are not registered: they are looked for only among the objects that are not.
            if (const ClassRegistry::Entry* cls = ClassRegistry::shared().classOf(*object)) {
                auto [c, first] = uidOfClass.try_emplace(cls, 0);
                if (first) c->second = classUid(cls->chain);
                return encodeModel(uid, c->second, *cls->coding(object.get()));
            }
            if (auto sequence = std::dynamic_pointer_cast<const ArchiveSequence>(object)) {
                writeSequence(uid, *sequence);
                return uid;
            }
            const Object& unregistered = *object;
            fail(std::string("no archivable class registered for ") + typeid(unregistered).name());
            objects[uid] = objects[0];
            return 0;
        }
        return uid;
    }

    void writeSequence(std::uint32_t uid, const ArchiveSequence& sequence) {
        entry(uid, builtin(kArray), [&] {
            std::size_t mark = items.size();
            std::size_t count = sequence.count();
            for (std::size_t i = 0; i < count; ++i) {
                std::uint32_t u = uidOfMember(sequence.member(i));
                items.push_back(plist.addUid(u));
            }
            put("NS.objects", itemsArray(mark, count));
            items.resize(mark);
        });
    }

    // A member that a sequence made. When nothing else holds it, it is written without being
    // remembered, so that it goes as soon as it is written; while it is written it is still found
    // (an object that reaches itself through what it encodes), and if something took it meanwhile it
    // is remembered after all.
    std::uint32_t uidOfMember(ArchiveValue member) {
        std::shared_ptr<const void> holder = holderOf(member);
        // Held by `member` and `holder` alone: once both go, nothing can meet the value again.
        if (!holder || holder.use_count() != 2) return uidOf(member);
        std::uint32_t uid = reserve();
        beingWritten.push_back({holder.get(), uid});
        std::uint32_t written = write(uid, member);
        beingWritten.pop_back();
        if (written && holder.use_count() > 2) remember(holder, uid);
        return written;
    }

    std::size_t metSlot(const void* address) const {
        auto bits = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(address));
        return static_cast<std::size_t>((bits * 0x9E3779B97F4A7C15ULL) >> (64 - metBits));
    }

    void growMet() {
        metBits = metBits ? metBits + 1 : 10;
        metSlots.assign(std::size_t{1} << metBits, 0);
        std::size_t mask = metSlots.size() - 1;
        for (std::size_t i = 0; i < met.size(); ++i) {
            std::size_t slot = metSlot(met[i].address);
            while (metSlots[slot]) slot = (slot + 1) & mask;
            metSlots[slot] = static_cast<std::uint32_t>(i + 1);
        }
    }

    // The UID of the array, dictionary or object `holder` holds: the one it got when it was met
    // before (`added` false), or a new one.
    std::uint32_t metUid(const std::shared_ptr<const void>& holder, bool& added) {
        for (const Passing& p : beingWritten)
            if (p.address == holder.get()) return p.uid;
        std::size_t slot = 0;
        if (const Met* m = findMet(holder.get(), slot)) return m->uid;
        added = true;
        std::uint32_t uid = reserve();
        insertMet(holder, uid, slot);
        return uid;
    }

    void remember(const std::shared_ptr<const void>& holder, std::uint32_t uid) {
        std::size_t slot = 0;
        if (!findMet(holder.get(), slot)) insertMet(holder, uid, slot);
    }

    // The live entry of `address`, else null with `slot` the free slot where it would go.
    const Met* findMet(const void* address, std::size_t& slot) {
        if ((met.size() + 1) * 4 > metSlots.size() * 3) growMet();
        std::size_t mask = metSlots.size() - 1;
        for (slot = metSlot(address);; slot = (slot + 1) & mask) {
            std::uint32_t index = metSlots[slot];
            if (!index) return nullptr;
            const Met& m = met[index - 1];
            if (m.address == address && !m.holder.expired()) return &m;
        }
    }

    void insertMet(const std::shared_ptr<const void>& holder, std::uint32_t uid, std::size_t slot) {
        met.push_back(Met{holder, holder.get(), uid});
        metSlots[slot] = static_cast<std::uint32_t>(met.size());
    }

    static std::shared_ptr<const void> holderOf(const ArchiveValue& value) {
        if (auto array = value.array()) return array;
        if (auto dictionary = value.dictionary()) return dictionary;
        return value.object();
    }

    // Equal dates share one entry while the table of them is small. Past kRememberedDates, a date
    // not met among those is written anew: a large history of distinct times would otherwise keep
    // a table as large as itself, for the few equal ones.
    static constexpr std::size_t kRememberedDates = 16384;
    std::uint32_t date(double seconds) {
        std::uint64_t bits = std::bit_cast<std::uint64_t>(seconds);
        if (auto known = uidOfDate.find(bits, [](std::uint32_t) { return true; })) return *known;
        std::uint32_t uid = reserve();
        if (uidOfDate.size() < kRememberedDates) uidOfDate.findOrInsert(bits, [&] { return uid; });
        entry(uid, builtin(kDate), [&] { put("NS.time", plist.addReal(seconds)); });
        return uid;
    }

    std::uint32_t encodeModel(std::uint32_t uid, std::uint32_t cls, const Coding& coding);
    KeyedArchiver* owner = nullptr;
};

std::uint32_t KeyedArchiver::State::encodeModel(std::uint32_t uid, std::uint32_t cls, const Coding& coding) {
    entry(uid, cls, [&] { coding.encodeWithCoder(*owner); });
    return uid;
}

KeyedArchiver::KeyedArchiver() : KeyedArchiver(Sink{}) {}
KeyedArchiver::KeyedArchiver(Sink sink) : state_(std::make_unique<State>(std::move(sink))) {
    state_->owner = this;
}
KeyedArchiver::~KeyedArchiver() = default;

void KeyedArchiver::encodeInt32(std::string_view key, std::int32_t value) { encodeInt64(key, value); }

void KeyedArchiver::encodeInt64(std::string_view key, std::int64_t value) {
    if (state_->open()) state_->put(key, state_->plist.addInteger(value));
}

void KeyedArchiver::encodeBool(std::string_view key, bool value) {
    if (state_->open()) state_->put(key, state_->plist.addBoolean(value));
}

void KeyedArchiver::encodeFloat(std::string_view key, float value) {
    if (state_->open()) state_->put(key, state_->plist.addFloat(value));
}

void KeyedArchiver::encodeDouble(std::string_view key, double value) {
    if (state_->open()) state_->put(key, state_->plist.addReal(value));
}

void KeyedArchiver::encodeObject(std::string_view key, const ArchiveValue& value) {
    if (!state_->open()) return;
    std::uint32_t uid = state_->uidOf(value);
    state_->put(key, state_->plist.addUid(uid));
}

void KeyedArchiver::encodeObjectCopy(std::string_view key, const std::shared_ptr<Object>& object) {
    if (!state_->open()) return;
    std::uint32_t uid = object ? state_->write(state_->reserve(), object) : 0;
    state_->put(key, state_->plist.addUid(uid));
}

void KeyedArchiver::encodeString(std::string_view key, std::string_view text) {
    if (state_->open()) state_->put(key, state_->plist.addUid(state_->plain(state_->plist.addString(text))));
}

void KeyedArchiver::encodeDate(std::string_view key, Date date) {
    if (state_->open())
        state_->put(key, state_->plist.addUid(state_->date(date.timeIntervalSinceReferenceDate())));
}

void KeyedArchiver::encodeURL(std::string_view key, std::string_view absolute) {
    encodeObject(key, ArchiveValue::url(std::string(absolute)));
}

std::optional<Bytes> KeyedArchiver::finishEncoding() {
    State& s = *state_;
    if (!s.open()) return std::nullopt;
    s.finished = true;
    if (!s.error.empty()) return std::nullopt;
    BinaryPropertyListStream& out = s.plist;
    Ref top = out.addDictionary(s.keys, s.values);
    Ref k[] = {out.addString("$archiver"), out.addString("$objects"), out.addString("$top"),
               out.addString("$version")};
    Ref v[] = {out.addString("NSKeyedArchiver"), out.addArray(s.objects), top, out.addInteger(100000)};
    Ref root = out.addDictionary(k, v);
    // The tables that found what was met are let go of before the offset table is written.
    s.release();
    if (!out.finish(root)) {
        s.fail("the archive's bytes could not be written");
        return std::nullopt;
    }
    return out.take();
}

const std::string& KeyedArchiver::error() const { return state_->error; }

std::optional<Bytes> KeyedArchiver::archive(std::string_view rootKey, const ArchiveValue& root,
                                            std::string* error) {
    KeyedArchiver archiver;
    archiver.encodeObject(rootKey, root);
    auto bytes = archiver.finishEncoding();
    if (!bytes && error) *error = archiver.error();
    return bytes;
}

bool KeyedArchiver::archive(std::string_view rootKey, const ArchiveValue& root, Sink sink,
                            std::string* error) {
    KeyedArchiver archiver(std::move(sink));
    archiver.encodeObject(rootKey, root);
    bool done = archiver.finishEncoding().has_value();
    if (!done && error) *error = archiver.error();
    return done;
}

}  // namespace fnd
