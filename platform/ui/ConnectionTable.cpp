#include "platform/ui/ConnectionTable.h"

#include <map>
#include <mutex>

namespace ui {

namespace {

struct Owners {
    std::mutex mutex;
    std::map<std::string, const ConnectionTable*, std::less<>> byName;
};

Owners& owners() {
    static Owners registry;
    return registry;
}

}  // namespace

ConnectionTable::ConnectionTable(std::string className, const ConnectionTable* base)
    : className_(std::move(className)), base_(base) {}

const ConnectionTable::Outlet* ConnectionTable::outletNamed(std::string_view name) const {
    for (const ConnectionTable* t = this; t; t = t->base_)
        for (const Outlet& o : t->outlets_)
            if (o.name == name) return &o;
    return nullptr;
}

const ConnectionTable::Action* ConnectionTable::actionNamed(std::string_view name) const {
    for (const ConnectionTable* t = this; t; t = t->base_)
        for (const Action& a : t->actions_)
            if (a.name == name) return &a;
    return nullptr;
}

bool ConnectionTable::isKindOf(std::string_view className) const {
    for (const ConnectionTable* t = this; t; t = t->base_)
        if (t->className_ == className) return true;
    return false;
}

void ConnectionTable::registerOwner(const ConnectionTable& table) {
    Owners& registry = owners();
    std::lock_guard lock(registry.mutex);
    registry.byName[table.className()] = &table;
}

const ConnectionTable* ConnectionTable::ownerNamed(std::string_view className) {
    Owners& registry = owners();
    std::lock_guard lock(registry.mutex);
    auto it = registry.byName.find(className);
    return it == registry.byName.end() ? nullptr : it->second;
}

}  // namespace ui
