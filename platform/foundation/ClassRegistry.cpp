#include "platform/foundation/ClassRegistry.h"

#include <deque>
#include <mutex>
#include <shared_mutex>
#include <unordered_map>

namespace fnd {

namespace {
struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};
template <class V>
using ByName = std::unordered_map<std::string, V, NameHash, std::equal_to<>>;
}  // namespace

struct ClassRegistry::Tables {
    mutable std::shared_mutex mutex;
    std::deque<Entry> entries;  // never shrinks, so entries handed out stay valid
    ByName<const Entry*> byName;
    ByName<std::string> aliases;
    std::unordered_map<std::type_index, const Entry*> byType;
};

ClassRegistry::ClassRegistry() : tables_(std::make_unique<Tables>()) {}
ClassRegistry::~ClassRegistry() = default;

ClassRegistry& ClassRegistry::shared() {
    static ClassRegistry registry;
    return registry;
}

void ClassRegistry::add(std::type_index type, std::string name, std::vector<std::string> superclasses,
                        Factory factory, Coding* (*coding)(Object*)) {
    std::unique_lock lock(tables_->mutex);
    std::vector<std::string> chain;
    chain.reserve(superclasses.size() + 1);
    chain.push_back(name);
    for (auto& s : superclasses) chain.push_back(std::move(s));
    const Entry& entry =
        tables_->entries.emplace_back(Entry{name, std::move(chain), std::move(factory), coding, type});
    tables_->byName[std::move(name)] = &entry;
    tables_->byType[type] = &entry;
}

void ClassRegistry::registerAlias(std::string alias, std::string className) {
    std::unique_lock lock(tables_->mutex);
    tables_->aliases[std::move(alias)] = std::move(className);
}

const ClassRegistry::Entry* ClassRegistry::classNamed(std::string_view name) const {
    std::shared_lock lock(tables_->mutex);
    auto it = tables_->byName.find(name);
    if (it != tables_->byName.end()) return it->second;
    auto alias = tables_->aliases.find(name);
    if (alias == tables_->aliases.end()) return nullptr;
    auto target = tables_->byName.find(alias->second);
    return target == tables_->byName.end() ? nullptr : target->second;
}

const ClassRegistry::Entry* ClassRegistry::classOf(const Object& object) const {
    std::shared_lock lock(tables_->mutex);
    auto it = tables_->byType.find(std::type_index(typeid(object)));
    return it == tables_->byType.end() ? nullptr : it->second;
}

}  // namespace fnd
