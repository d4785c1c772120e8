#pragma once
// What an owner of interface files offers them: its outlets (members that a loaded view is put in,
// by name) and its actions (operations a control or the edit menu calls, by name). Each owner class
// keeps one table, made once, that extends its base class's table:
//
//     const ui::ConnectionTable& SettingsVC::classConnections() {
//         static const ui::ConnectionTable table =
//             ui::ConnectionTable("SettingsVC", &CommonViewController::classConnections())
//                 .outlet("tableView", &SettingsVC::tableView)
//                 .action("done:", &SettingsVC::done);
//         return table;
//     }
//     const ui::ConnectionTable& connections() const override { return classConnections(); }
//
// A class whose interface files are checked by the validator also registers its table by name
// (registerOwner), so that a file's owner class can be found without an instance.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "platform/foundation/Object.h"

namespace ui {

class Responder;
class View;

class ConnectionTable {
  public:
    using Sender = std::shared_ptr<fnd::Object>;

    struct Outlet {
        std::string name;
        // Whether a view of that class may go in the outlet.
        std::function<bool(const View&)> accepts;
        // Puts the view in the owner's outlet; false when the owner or the view is of another class.
        std::function<bool(Responder&, const std::shared_ptr<View>&)> set;
        // The outlet's present value.
        std::function<std::shared_ptr<View>(const Responder&)> get;
    };
    struct Action {
        std::string name;
        std::function<void(Responder&, const Sender&)> perform;
    };

    explicit ConnectionTable(std::string className, const ConnectionTable* base = nullptr);

    // An outlet that is a member holding a view of class V (or a subclass).
    template <class Owner, class V>
    ConnectionTable& outlet(std::string name, std::shared_ptr<V> Owner::*member);
    // An outlet set and read through the owner's operations.
    template <class Owner, class V>
    ConnectionTable& outlet(std::string name, void (Owner::*setter)(std::shared_ptr<V>),
                            std::shared_ptr<V> (Owner::*getter)() const);
    // An action with the sender, or without it.
    template <class Owner>
    ConnectionTable& action(std::string name, void (Owner::*method)(const Sender& sender));
    template <class Owner>
    ConnectionTable& action(std::string name, void (Owner::*method)());

    const std::string& className() const { return className_; }
    const ConnectionTable* base() const { return base_; }
    // The class's own entries, without its bases'.
    const std::vector<Outlet>& ownOutlets() const { return outlets_; }
    const std::vector<Action>& ownActions() const { return actions_; }

    // Entries of the class or of its bases; null when there is none of that name.
    const Outlet* outletNamed(std::string_view name) const;
    const Action* actionNamed(std::string_view name) const;
    // Whether the class is the named one or derives from it.
    bool isKindOf(std::string_view className) const;

    // The tables of owner classes by class name. A table registered must live as long as the
    // process (a function-local static does); registering a name again replaces the entry.
    static void registerOwner(const ConnectionTable& table);
    static const ConnectionTable* ownerNamed(std::string_view className);

  private:
    template <class Owner>
    static Owner* ownerCast(Responder& owner) {
        return dynamic_cast<Owner*>(&owner);
    }
    template <class Owner, class V, class Set, class Get>
    ConnectionTable& addOutlet(std::string name, Set set, Get get);
    template <class V, class Base>
    static bool isA(const Base& view) {
        if constexpr (std::is_same_v<V, Base>)
            return true;
        else
            return dynamic_cast<const V*>(&view) != nullptr;
    }

    std::string className_;
    const ConnectionTable* base_;
    std::vector<Outlet> outlets_;
    std::vector<Action> actions_;
};

template <class Owner, class V, class Set, class Get>
ConnectionTable& ConnectionTable::addOutlet(std::string name, Set set, Get get) {
    Outlet o;
    o.name = std::move(name);
    o.accepts = [](const View& view) { return isA<V>(view); };
    o.set = [set](Responder& owner, const std::shared_ptr<View>& value) {
        Owner* self = ownerCast<Owner>(owner);
        std::shared_ptr<V> typed = std::dynamic_pointer_cast<V>(value);
        if (!self || (value && !typed)) return false;
        set(*self, std::move(typed));
        return true;
    };
    o.get = [get](const Responder& owner) -> std::shared_ptr<View> {
        const Owner* self = dynamic_cast<const Owner*>(&owner);
        return self ? std::shared_ptr<View>(get(*self)) : nullptr;
    };
    outlets_.push_back(std::move(o));
    return *this;
}

template <class Owner, class V>
ConnectionTable& ConnectionTable::outlet(std::string name, std::shared_ptr<V> Owner::*member) {
    return addOutlet<Owner, V>(
        std::move(name), [member](Owner& self, std::shared_ptr<V> value) { self.*member = std::move(value); },
        [member](const Owner& self) { return self.*member; });
}

template <class Owner, class V>
ConnectionTable& ConnectionTable::outlet(std::string name, void (Owner::*setter)(std::shared_ptr<V>),
                                         std::shared_ptr<V> (Owner::*getter)() const) {
    return addOutlet<Owner, V>(
        std::move(name),
        [setter](Owner& self, std::shared_ptr<V> value) { (self.*setter)(std::move(value)); },
        [getter](const Owner& self) { return (self.*getter)(); });
}

template <class Owner>
ConnectionTable& ConnectionTable::action(std::string name, void (Owner::*method)(const Sender& sender)) {
    actions_.push_back({std::move(name), [method](Responder& owner, const Sender& sender) {
                            if (Owner* self = ownerCast<Owner>(owner)) (self->*method)(sender);
                        }});
    return *this;
}

template <class Owner>
ConnectionTable& ConnectionTable::action(std::string name, void (Owner::*method)()) {
    actions_.push_back({std::move(name), [method](Responder& owner, const Sender&) {
                            if (Owner* self = ownerCast<Owner>(owner)) (self->*method)();
                        }});
    return *this;
}

}  // namespace ui
