#include "platform/foundation/KeyedUnarchiver.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <deque>
#include <iterator>
#include <limits>
#include <unordered_map>
#include <vector>

#include "platform/foundation/BinaryPropertyListReader.h"
#include "platform/foundation/ClassRegistry.h"
#include "platform/foundation/Coding.h"
#include "platform/foundation/LargePages.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/PropertyList.h"
#include "platform/foundation/URL.h"

namespace fnd {

namespace {

using Ref = PropertyList::Ref;
using PKind = PropertyList::Kind;
using Kind = ArchiveValue::Kind;

// Objects nest at most this deep (an array in an object in an array ...), so that a hostile archive
// cannot exhaust the stack. Shared and cyclic references do not add depth once decoded.
constexpr int kMaxDepth = 400;
// Problems logged per archive; a damaged archive may have thousands.
constexpr int kMaxWarnings = 20;

enum class ClassKind { Unknown, Array, Dictionary, Date, Data, URL, String, Model };

struct ResolvedClass {
    ClassKind kind = ClassKind::Unknown;
    const ClassRegistry::Entry* model = nullptr;
    std::string name;
};

ClassKind builtinNamed(std::string_view name) {
    static const std::unordered_map<std::string_view, ClassKind> kBuiltins = {
        {"NSArray", ClassKind::Array},
        {"NSMutableArray", ClassKind::Array},
        {"NSDictionary", ClassKind::Dictionary},
        {"NSMutableDictionary", ClassKind::Dictionary},
        {"NSDate", ClassKind::Date},
        {"NSData", ClassKind::Data},
        {"NSMutableData", ClassKind::Data},
        {"NSURL", ClassKind::URL},
        {"NSString", ClassKind::String},
        {"NSMutableString", ClassKind::String},
    };
    auto it = kBuiltins.find(name);
    return it == kBuiltins.end() ? ClassKind::Unknown : it->second;
}

// A dictionary key as it was written: a string, an integer or a real. Booleans, numbers beyond the
// signed 64-bit range, reals that are not numbers and every other kind of value are no key.
std::optional<ArchiveKey> dictionaryKey(const ArchiveValue& key) {
    using Kind = ArchiveValue::Kind;
    switch (key.kind()) {
        case Kind::String:
            return ArchiveKey(*key.string());
        case Kind::Integer:
            return ArchiveKey(*key.int64Value());
        case Kind::Real:
            if (std::isnan(*key.doubleValue())) return std::nullopt;
            return ArchiveKey::real(*key.doubleValue());
        default:
            return std::nullopt;
    }
}

}  // namespace

struct KeyedUnarchiver::State {
    KeyedUnarchiver* owner = nullptr;
    PropertyList plist;
    std::string error;
    bool readable = true;
    bool valid = false;
    std::span<const Ref> objects;  // the entry of each UID
    Ref current = 0;               // the dictionary whose keys are read now
    std::uint32_t cursor = 0;      // where the next search of its keys starts
    // Arrays, dictionaries and objects made, and the values kept whatever refers to them. Only
    // what the archive refers to from more than one place is kept here: most objects of a large
    // archive are referred to once, by the array or object that holds them.
    std::vector<ArchiveValue> decoded;
    // Per UID: where its value is kept and whether it is open. One table filled at once, in memory
    // of its own when it is large. Four bytes, as it is touched for every object of a large
    // archive and is fresh memory to fill: `decoded` holds at most one value per object, and an
    // archive of 2^31 objects or more is refused.
    struct PerUid {
        std::uint32_t slot : 31 = 0;  // 0, or 1 + the index of its value in `decoded`
        std::uint32_t open : 1 = 0;   // whether it is in `opened`
    };
    static_assert(sizeof(PerUid) == 4);
    std::vector<PerUid, LargePageAllocator<PerUid>> uids;
    // The index in `classes` of the class resolved from each class entry, by the entry's UID. An
    // archive names few classes, and the objects of a large one take turns among a handful, so
    // the latest ones are looked for first in a small table by UID.
    std::unordered_map<std::uint32_t, std::uint32_t> classIndexes;
    struct RecentClass {
        std::uint32_t uid = std::numeric_limits<std::uint32_t>::max();  // no UID is that large
        const ResolvedClass* resolved = nullptr;  // in `classes`, whose members never move
    };
    RecentClass recentClasses[16];
    struct Opened {
        std::uint32_t uid;
        bool collection;  // an array or dictionary being made (not one read in place)
    };
    std::vector<Opened> opened;         // entries still being decoded, innermost last
    int keepAll = 0;                    // containers read in place that may be read again
    std::deque<ResolvedClass> classes;  // a deque: decoding holds on to a class while more are resolved
    // The atoms of the keys that every object or date entry is asked for, found once.
    std::optional<PropertyList::Atom> classKey, timeKey;
    int depth = 0;
    std::uint64_t budget = 0;  // bytes of text and data that decoding may still make
    bool exhausted = false;
    int warnings = 0;

    template <class... Args>
    void warn(const Args&... args) {
        if (warnings < kMaxWarnings)
            Log::warning("keyed unarchiver: ", args...);
        else if (warnings == kMaxWarnings)
            Log::warning("keyed unarchiver: further problems in this archive not logged");
        ++warnings;
    }

    bool open(std::span<const std::uint8_t> bytes) {
        auto parsed = BinaryPropertyListReader::read(bytes, &error);
        return parsed && open(std::move(*parsed), bytes.size());
    }

    bool open(PropertyList parsed, std::uint64_t size) {
        plist = std::move(parsed);
        Ref root = plist.top();
        if (plist.kind(root) != PKind::Dictionary) return fail("the archive's root is not a dictionary");
        auto archiver = plist.find(root, "$archiver");
        if (!archiver || !plist.is(*archiver, PKind::String) || plist.string(*archiver) != "NSKeyedArchiver")
            return fail("not a keyed archive");
        auto top = plist.find(root, "$top");
        auto table = plist.find(root, "$objects");
        if (!top || !plist.is(*top, PKind::Dictionary)) return fail("the archive has no top keys");
        if (!table || !plist.is(*table, PKind::Array)) return fail("the archive has no object table");
        objects = plist.items(*table);
        if (objects.size() >= (1u << 31)) return fail("the object table is too large");
        current = *top;
        classKey = plist.atom("$class");
        timeKey = plist.atom("NS.time");
        uids.resize(objects.size());
        budget = 8 * size + (1u << 20);
        return valid = true;
    }

    // The value under a key of a dictionary of the archive. Its keys are compared as text: an
    // object has a few short keys, and the key asked for is usually the one the cursor is at.
    [[gnu::always_inline]] std::optional<Ref> find(Ref dictionary, std::string_view key,
                                                   std::uint32_t& cursor) {
        return plist.find(dictionary, key, cursor);
    }
    std::optional<Ref> find(Ref dictionary, std::string_view key) {
        std::uint32_t cursor = 0;
        return find(dictionary, key, cursor);
    }
    std::optional<Ref> find(Ref dictionary, const std::optional<PropertyList::Atom>& key,
                            std::uint32_t& cursor) {
        if (!key) return std::nullopt;
        return plist.find(dictionary, *key, cursor);
    }

    // The number stored in place under a key of the object being decoded, as most numbers are:
    // read straight from the list, without making a value. Anything else (a reference, another
    // kind, a number beyond the signed range) is left to the general path and its messages, which
    // then find the key again; an absent key is answered as such.
    enum class Stored { Absent, Boolean, Integer, Real, Other };
    Stored storedNumber(std::string_view key, Ref& ref) {
        std::uint32_t at = cursor;
        std::optional<Ref> found = find(current, key, at);
        if (!found) return Stored::Absent;
        Stored stored;
        switch (plist.kind(*found)) {
            case PKind::Boolean:
                stored = Stored::Boolean;
                break;
            case PKind::Integer:
                stored = Stored::Integer;
                break;
            case PKind::Real:
                stored = Stored::Real;
                break;
            default:
                return Stored::Other;
        }
        cursor = at;
        ref = *found;
        return stored;
    }

    // The integer stored in place under a key (a boolean reads as 0 or 1, an absent key as 0), or
    // nothing when the general path must read it.
    std::optional<std::int64_t> integerInPlace(std::string_view key) {
        Ref ref = 0;
        switch (storedNumber(key, ref)) {
            case Stored::Absent:
                return 0;
            case Stored::Boolean:
                return plist.boolean(ref) ? 1 : 0;
            case Stored::Integer:
                return plist.integer(ref);
            default:
                return std::nullopt;
        }
    }

    // The number stored in place under a key as a double, read as `integerInPlace` reads, reals too.
    std::optional<double> realInPlace(std::string_view key) {
        Ref ref = 0;
        switch (storedNumber(key, ref)) {
            case Stored::Absent:
                return 0.0;
            case Stored::Boolean:
                return plist.boolean(ref) ? 1.0 : 0.0;
            case Stored::Integer:
                return static_cast<double>(plist.integer(ref));
            case Stored::Real:
                return plist.real(ref);
            case Stored::Other:
                break;
        }
        return std::nullopt;
    }

    // A date object under a reference, read straight from its entry when it is one not decoded yet
    // whose time is a number in place, as writers store it. A date is a value, so it is not kept for
    // later references: they make an equal one. Anything else is left to the general path.
    std::optional<Date> plainDate(Ref ref) {
        std::optional<std::uint32_t> uid = unmade(ref, ClassKind::Date);
        if (!uid) return std::nullopt;
        std::uint32_t first = 0;
        std::optional<Ref> time = find(objects[*uid], timeKey, first);
        if (!time) return Date(0.0);
        switch (plist.kind(*time)) {
            case PKind::Real:
                return Date(plist.real(*time));
            case PKind::Integer:
                return Date(static_cast<double>(plist.integer(*time)));
            default:
                return std::nullopt;
        }
    }

    // The UID under `ref` when it names an entry of the given class that is neither made nor being
    // made, and may be opened without going too deep: one that can be read in place, without
    // making its value, with exactly what making it would have read.
    // `resolved`, when given, is set to the entry's class.
    std::optional<std::uint32_t> unmade(Ref ref, ClassKind kind, const ResolvedClass** resolved = nullptr) {
        if (plist.kind(ref) != PKind::Uid) return std::nullopt;
        std::uint32_t uid = plist.uid(ref);
        if (uid == 0 || uid >= objects.size() || uids[uid].slot || uids[uid].open || depth >= kMaxDepth)
            return std::nullopt;
        Ref entry = objects[uid];
        if (plist.kind(entry) != PKind::Dictionary) return std::nullopt;
        const ResolvedClass& cls = classOf(entry);
        if (cls.kind != kind) return std::nullopt;
        if (resolved) *resolved = &cls;
        return uid;
    }

    // Runs `read` with the entry of `uid` open, as while its value is made: references back to it
    // read as absent, and it counts towards the depth.
    template <class Read>
    void within(std::uint32_t uid, Read&& read) {
        ++depth;
        opened.push_back(Opened{uid, false});
        uids[uid].open = true;
        read();
        opened.pop_back();
        uids[uid].open = false;
        --depth;
    }

    // Reads the container of `uid`, reached through `ref`, in place: open, without making it. A
    // container read in place may be read again through another reference to it, so while it is
    // read, everything it holds is kept, as the members of a made container are made only once.
    template <class Read>
    void inPlace(std::uint32_t uid, Ref ref, Read&& read) {
        bool again = !plist.soleReference(ref);
        keepAll += again;
        within(uid, read);
        keepAll -= again;
    }

    bool fail(std::string why) {
        error = "keyed archive: " + std::move(why);
        return false;
    }

    bool spend(std::size_t bytes) {
        if (bytes <= budget) {
            budget -= bytes;
            return true;
        }
        if (!exhausted) warn("the archive expands far beyond its size; the rest reads as absent");
        exhausted = true;
        return false;
    }

    // A value written in place or a UID of one.
    ArchiveValue value(Ref ref) {
        switch (plist.kind(ref)) {
            case PKind::Uid:
                return decodeUid(plist.uid(ref), keepAll > 0 || !plist.soleReference(ref));
            case PKind::Boolean:
                return ArchiveValue::boolean(plist.boolean(ref));
            case PKind::Integer:
                return ArchiveValue::integer(plist.integer(ref));
            case PKind::UnsignedInteger:
                return ArchiveValue::unsignedInteger(plist.unsignedInteger(ref));
            case PKind::Real:
                return ArchiveValue::real(plist.real(ref));
            case PKind::Date:
                return Date(plist.real(ref));
            case PKind::String: {
                std::string_view s = plist.string(ref);
                return spend(s.size()) ? ArchiveValue(std::string(s)) : ArchiveValue();
            }
            case PKind::Data: {
                auto d = plist.data(ref);
                return spend(d.size()) ? ArchiveValue::data(Bytes(d.begin(), d.end())) : ArchiveValue();
            }
            case PKind::Null:
                return {};
            case PKind::Array:
            case PKind::Dictionary:
                break;
        }
        warn("a container where a reference belongs");
        return {};
    }

    // The value of an entry of the object table. `keep`: whether it is kept for other references
    // to it (a value referred to from one place only is made when that place is read).
    ArchiveValue decodeUid(std::uint32_t uid, bool keep) {
        if (uid == 0) return {};
        if (uid >= objects.size()) {
            warn("reference ", uid, " outside the object table");
            return {};
        }
        if (uids[uid].slot) {
            if (uids[uid].open) return closeCycle(uid);
            const ArchiveValue& v = decoded[uids[uid].slot - 1];
            return spendOn(v) ? v : ArchiveValue();
        }
        if (uids[uid].open) {
            warn("an object that refers to itself read as absent");
            return {};
        }
        Ref entry = objects[uid];
        PKind kind = plist.kind(entry);
        if (kind == PKind::Uid) {
            warn("a reference in the object table");
            return {};
        }
        if (kind != PKind::Dictionary) return value(entry);
        if (depth >= kMaxDepth) {
            warn("objects nested too deeply");
            return {};
        }
        ArchiveValue result;
        within(uid, [&] { result = decodeEntry(uid, entry, keep); });
        if (keep && !uids[uid].slot) remember(uid, result);  // dates, data, strings and URLs too
        return result;
    }

    // Arrays, dictionaries and objects are remembered before their members are read, so that
    // references back to them close cycles.
    void remember(std::uint32_t uid, ArchiveValue v) {
        decoded.push_back(std::move(v));
        uids[uid].slot = static_cast<std::uint32_t>(decoded.size());
    }

    // Text and bytes handed out again count against the budget each time.
    bool spendOn(const ArchiveValue& v) {
        if (const std::string* s = v.string()) return spend(s->size());
        if (const std::string* u = v.url()) return spend(u->size());
        if (const Bytes* d = v.data()) return spend(d->size());
        return true;
    }

    // A reference back to a value still being decoded. A cycle through an object is the model's
    // to hold (weakly, as a back reference). Collections alone would hold one another forever, and
    // every cycle made of collections only is closed by a collection taking one still being
    // decoded, so that reference reads as absent.
    ArchiveValue closeCycle(std::uint32_t uid) {
        const ArchiveValue& target = decoded[uids[uid].slot - 1];
        auto isCollection = [](const ArchiveValue& v) {
            return v.kind() == Kind::Array || v.kind() == Kind::Dictionary;
        };
        if (isCollection(target) && opened.back().collection) {
            warn("a collection that contains itself; the inner reference reads as absent");
            return {};
        }
        return target;
    }

    const ResolvedClass noClass{};
    const ResolvedClass& classOf(Ref entry) {
        std::uint32_t last = static_cast<std::uint32_t>(plist.count(entry)) - 1;  // where writers put it
        auto ref = find(entry, classKey, last);
        if (!ref || plist.kind(*ref) != PKind::Uid || plist.uid(*ref) >= objects.size()) return noClass;
        std::uint32_t uid = plist.uid(*ref);
        RecentClass& recent = recentClasses[uid % std::size(recentClasses)];
        if (recent.uid != uid) {
            auto [known, added] = classIndexes.try_emplace(uid, 0);
            if (added) {
                resolveClass(objects[uid]);
                known->second = static_cast<std::uint32_t>(classes.size() - 1);
            }
            recent = RecentClass{uid, &classes[known->second]};
        }
        return *recent.resolved;
    }

    ResolvedClass& resolveClass(Ref cls) {
        ResolvedClass& resolved = classes.emplace_back();
        if (plist.kind(cls) != PKind::Dictionary) return resolved;
        auto name = find(cls, "$classname");
        if (!name || plist.kind(*name) != PKind::String) return resolved;
        resolved.name = plist.string(*name);
        std::vector<std::string_view> chain{plist.string(*name)};
        if (auto classes = find(cls, "$classes"); classes && plist.kind(*classes) == PKind::Array)
            for (Ref c : plist.items(*classes))
                if (plist.kind(c) == PKind::String) chain.push_back(plist.string(c));
        for (std::string_view n : chain) {
            if ((resolved.kind = builtinNamed(n)) != ClassKind::Unknown) break;
            if ((resolved.model = ClassRegistry::shared().classNamed(n))) {
                resolved.kind = ClassKind::Model;
                break;
            }
        }
        return resolved;
    }

    // The member references of an entry's key that holds a plain array (NS.objects, NS.keys).
    std::span<const Ref> members(Ref entry, std::string_view key) {
        auto ref = find(entry, key);
        if (ref && plist.kind(*ref) == PKind::Array) return plist.items(*ref);
        if (ref) warn("\"", key, "\" is not an array");
        return {};
    }

    // The entries of a dictionary entry: each key, read as a value, and the reference of its value.
    template <class Visit>
    void entries(Ref entry, Visit&& visit) {
        auto keys = members(entry, "NS.keys");
        auto items = members(entry, "NS.objects");
        if (keys.size() != items.size())
            warn("a dictionary with ", keys.size(), " keys and ", items.size(), " values");
        for (std::size_t i = 0; i < std::min(keys.size(), items.size()); ++i) {
            ArchiveValue key = value(keys[i]);
            if (std::optional<ArchiveKey> k = dictionaryKey(key))
                visit(std::move(*k), items[i]);
            else
                warn("a dictionary key that is neither a string nor a number (",
                     ArchiveValue::className(key.kind()), ")");
        }
    }

    ArchiveValue field(Ref entry, std::string_view key) {
        auto ref = find(entry, key);
        return ref ? value(*ref) : ArchiveValue();
    }

    ArchiveValue decodeEntry(std::uint32_t uid, Ref entry, bool keep) {
        const ResolvedClass& cls = classOf(entry);
        switch (cls.kind) {
            case ClassKind::Array: {
                auto array = ArchiveValue::makeArray();
                opened.back().collection = true;
                if (keep) remember(uid, array);
                auto items = members(entry, "NS.objects");
                array->reserve(items.size());
                for (Ref r : items) array->push_back(value(r));
                return array;
            }
            case ClassKind::Dictionary: {
                auto dictionary = ArchiveValue::makeDictionary();
                opened.back().collection = true;
                if (keep) remember(uid, dictionary);
                entries(entry,
                        [&](ArchiveKey key, Ref item) { (*dictionary)[std::move(key)] = value(item); });
                return dictionary;
            }
            case ClassKind::Date: {
                auto seconds = field(entry, "NS.time").doubleValue();
                return Date(seconds.value_or(0.0));
            }
            case ClassKind::Data: {
                ArchiveValue data = field(entry, "NS.data");
                if (data.kind() == Kind::Data) return data;
                warn("data without bytes");
                return {};
            }
            case ClassKind::String: {
                ArchiveValue text = field(entry, "NS.string");
                if (text.kind() == Kind::String) return text;
                warn("a string object without text");
                return {};
            }
            case ClassKind::URL:
                return decodeURL(entry);
            case ClassKind::Model: {
                std::shared_ptr<Object> object = cls.model->factory();
                Coding* coding = cls.model->coding(object.get());
                if (keep) remember(uid, object);
                readKeysOf(entry, [&] { coding->initWithCoder(*owner); });
                return object;
            }
            case ClassKind::Unknown:
                break;
        }
        if (cls.name.empty())
            warn("an object without a class read as absent");
        else
            warn("an object of unknown class \"", cls.name, "\" read as absent");
        return {};
    }

    // Runs `read` with the keys of an object's entry current, as its initWithCoder reads them.
    template <class Read>
    void readKeysOf(Ref entry, Read&& read) {
        Ref saved = current;
        std::uint32_t savedCursor = cursor;
        current = entry;
        cursor = 0;
        read();
        current = saved;
        cursor = savedCursor;
    }

    ArchiveValue decodeURL(Ref entry) {
        ArchiveValue relative = field(entry, "NS.relative");
        ArchiveValue base = field(entry, "NS.base");
        const std::string* text = relative.string();
        if (!text) text = relative.url();
        if (!text) {
            warn("a URL without an address");
            return {};
        }
        if (base.isNil()) return ArchiveValue::url(*text);
        if (!base.url()) {
            warn("a URL whose base is not a URL");
            return {};
        }
        return ArchiveValue::url(URL(*text, URL(*base.url())).absoluteString());
    }
};

KeyedUnarchiver::KeyedUnarchiver(std::span<const std::uint8_t> archive) : state_(std::make_unique<State>()) {
    state_->owner = this;
    if (!state_->open(archive)) Log::warning(state_->error);
}

KeyedUnarchiver::KeyedUnarchiver(const std::filesystem::path& file) : state_(std::make_unique<State>()) {
    state_->owner = this;
    BinaryPropertyListReader::FileRead read = BinaryPropertyListReader::readFile(file);
    state_->readable = read.readable;
    if (!read.readable)
        state_->error = "the file cannot be read";
    else if (!read.list)
        state_->error = std::move(read.error);
    else
        state_->open(std::move(*read.list), read.size);
    if (read.readable && !state_->valid) Log::warning(state_->error);
}

KeyedUnarchiver::~KeyedUnarchiver() = default;

bool KeyedUnarchiver::readable() const { return state_->readable; }

bool KeyedUnarchiver::valid() const { return state_->valid; }
const std::string& KeyedUnarchiver::error() const { return state_->error; }

bool KeyedUnarchiver::containsValueForKey(std::string_view key) const {
    std::uint32_t cursor = state_->cursor;
    return state_->valid && state_->find(state_->current, key, cursor).has_value();
}

ArchiveValue KeyedUnarchiver::decodeObject(std::string_view key) {
    if (!state_->valid) return {};
    auto ref = state_->find(state_->current, key, state_->cursor);
    return ref ? state_->value(*ref) : ArchiveValue();
}

void KeyedUnarchiver::reportMismatch(std::string_view key, const ArchiveValue& found, const char* wanted) {
    const char* name = ArchiveValue::className(found.kind());
    std::string detail;
    if (auto object = found.object())
        if (auto cls = ClassRegistry::shared().classOf(*object)) detail = " " + cls->name;
    state_->warn("\"", key, "\" holds ", name, detail, " where ", wanted, " was expected; read as absent");
}

ArchiveValue KeyedUnarchiver::decodeKind(std::string_view key, ArchiveValue::Kind kind) {
    ArchiveValue value = decodeObject(key);
    if (value.kind() == kind || value.isNil()) return value;
    reportMismatch(key, value, ArchiveValue::className(kind));
    return {};
}

ArchiveValue KeyedUnarchiver::decodeNumber(std::string_view key) {
    ArchiveValue value = decodeObject(key);
    if (value.isNumber() || value.isNil()) return value;
    reportMismatch(key, value, "a number");
    return {};
}

std::int64_t KeyedUnarchiver::decodeInt64(std::string_view key) {
    if (!state_->valid) return 0;
    if (std::optional<std::int64_t> v = state_->integerInPlace(key)) return *v;
    ArchiveValue number = decodeNumber(key);
    if (number.isNil()) return 0;
    if (auto v = number.int64Value()) return *v;
    reportMismatch(key, number, "a 64-bit integer");
    return 0;
}

std::int32_t KeyedUnarchiver::decodeInt32(std::string_view key) {
    if (!state_->valid) return 0;
    auto fits = [](std::int64_t v) {
        return v >= std::numeric_limits<std::int32_t>::min() && v <= std::numeric_limits<std::int32_t>::max();
    };
    // A number out of range is reported by the general path.
    if (std::optional<std::int64_t> v = state_->integerInPlace(key); v && fits(*v))
        return static_cast<std::int32_t>(*v);
    ArchiveValue number = decodeNumber(key);
    if (number.isNil()) return 0;
    auto v = number.int64Value();
    if (v && fits(*v)) return static_cast<std::int32_t>(*v);
    reportMismatch(key, number, "a 32-bit integer");
    return 0;
}

bool KeyedUnarchiver::decodeBool(std::string_view key) {
    if (!state_->valid) return false;
    if (std::optional<double> v = state_->realInPlace(key)) return *v != 0.0;
    return decodeNumber(key).boolValue().value_or(false);
}

double KeyedUnarchiver::decodeDouble(std::string_view key) {
    if (!state_->valid) return 0.0;
    if (std::optional<double> v = state_->realInPlace(key)) return *v;
    return decodeNumber(key).doubleValue().value_or(0.0);
}

float KeyedUnarchiver::decodeFloat(std::string_view key) { return static_cast<float>(decodeDouble(key)); }

// A copy of what an accessor of a temporary value points at (the copy is made before it goes).
template <class T>
static std::optional<T> copyOf(const T* value) {
    return value ? std::optional<T>(*value) : std::nullopt;
}

bool KeyedUnarchiver::readSoleObject(std::string_view key, std::type_index type, void* reader,
                                     void (*read)(void*)) {
    State& s = *state_;
    // Inside a container read in place that may be read again, everything is kept for later.
    if (!s.valid || s.keepAll > 0) return false;
    std::uint32_t at = s.cursor;
    std::optional<Ref> ref = s.find(s.current, key, at);
    if (!ref || !s.plist.soleReference(*ref)) return false;
    const ResolvedClass* cls = nullptr;
    std::optional<std::uint32_t> uid = s.unmade(*ref, ClassKind::Model, &cls);
    if (!uid || cls->model->type != type) return false;
    Ref entry = s.objects[*uid];
    s.cursor = at;
    s.within(*uid, [&] { s.readKeysOf(entry, [&] { read(reader); }); });
    return true;
}

std::optional<std::string> KeyedUnarchiver::decodeString(std::string_view key) {
    return copyOf(decodeKind(key, Kind::String).string());
}

std::optional<Date> KeyedUnarchiver::decodeDate(std::string_view key) {
    if (state_->valid) {
        std::uint32_t at = state_->cursor;
        if (std::optional<Ref> ref = state_->find(state_->current, key, at))
            if (std::optional<Date> date = state_->plainDate(*ref)) {
                state_->cursor = at;
                return date;
            }
    }
    return decodeKind(key, Kind::Date).date();
}

std::optional<Bytes> KeyedUnarchiver::decodeData(std::string_view key) {
    return copyOf(decodeKind(key, Kind::Data).data());
}

std::optional<std::string> KeyedUnarchiver::decodeURL(std::string_view key) {
    return copyOf(decodeKind(key, Kind::URL).url());
}

std::shared_ptr<ArchiveArray> KeyedUnarchiver::decodeArray(std::string_view key) {
    return decodeKind(key, Kind::Array).array();
}

std::shared_ptr<ArchiveDictionary> KeyedUnarchiver::decodeDictionary(std::string_view key) {
    return decodeKind(key, Kind::Dictionary).dictionary();
}

bool KeyedUnarchiver::decodeEntries(std::string_view key,
                                    const std::function<void(const ArchiveKey&, Entry&)>& visit) {
    if (!state_->valid) return false;
    std::uint32_t at = state_->cursor;
    if (std::optional<Ref> ref = state_->find(state_->current, key, at))
        if (std::optional<std::uint32_t> uid = state_->unmade(*ref, ClassKind::Dictionary)) {
            state_->cursor = at;
            state_->inPlace(*uid, *ref, [&] {
                state_->entries(state_->objects[*uid], [&](const ArchiveKey& k, Ref item) {
                    Entry entry(*this, item, nullptr);
                    visit(k, entry);
                });
            });
            return true;
        }
    // Made already, or not a plain dictionary: the general path, with its messages.
    std::shared_ptr<ArchiveDictionary> dictionary = decodeDictionary(key);
    if (!dictionary) return false;
    for (const auto& [k, v] : *dictionary) {
        Entry entry(*this, 0, &v);
        visit(k, entry);
    }
    return true;
}

ArchiveValue KeyedUnarchiver::Entry::value() { return made_ ? *made_ : owner_.state_->value(ref_); }

std::vector<std::shared_ptr<Object>> KeyedUnarchiver::Entry::objects() {
    std::vector<std::shared_ptr<Object>> result;
    State& state = *owner_.state_;
    if (!made_)
        if (std::optional<std::uint32_t> uid = state.unmade(ref_, ClassKind::Array)) {
            state.inPlace(*uid, ref_, [&] {
                std::span<const Ref> items = state.members(state.objects[*uid], "NS.objects");
                result.reserve(items.size());
                for (Ref item : items)
                    if (std::shared_ptr<Object> object = state.value(item).object())
                        result.push_back(std::move(object));
            });
            return result;
        }
    ArchiveValue whole = value();
    if (std::shared_ptr<ArchiveArray> array = whole.array()) {
        result.reserve(array->size());
        for (const ArchiveValue& item : *array)
            if (std::shared_ptr<Object> object = item.object()) result.push_back(std::move(object));
    }
    return result;
}

ArchiveValue KeyedUnarchiver::unarchive(std::span<const std::uint8_t> archive, std::string_view rootKey,
                                        std::string* error) {
    KeyedUnarchiver unarchiver(archive);
    if (!unarchiver.valid()) {
        if (error) *error = unarchiver.error();
        return {};
    }
    return unarchiver.decodeObject(rootKey);
}

}  // namespace fnd
