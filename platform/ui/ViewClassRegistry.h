#pragma once
// The view classes that interface files may name. Each class registers a factory (a view of a
// frame) and the interface-file properties it reads, after those of its base class:
//
//     ui::ViewClassRegistry::shared().registerClass<ToolButton>("ToolButton", "Control",
//         [](ToolButton& button, ui::NibProperties& p) { ... });
//
// The layer registers its own classes ("View", "Control", "Label"); the program registers its view
// classes before it loads an interface file that names them.

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "platform/ui/Make.h"
#include "platform/ui/NibProperties.h"
#include "platform/ui/Rect.h"

namespace ui {

class View;

class ViewClassRegistry {
  public:
    using Factory = std::function<std::shared_ptr<View>(const Rect& frame)>;
    using Applier = std::function<void(View& view, NibProperties& properties)>;

    struct Entry {
        std::string name;
        std::string base;  // empty for the root class "View"
        Factory make;
        Applier apply;  // the class's own properties only; may be empty
    };

    static ViewClassRegistry& shared();

    // T is made with ui::make<T>(frame). `base` names a registered class (or one registered later)
    // whose properties are read first. Registering a name again replaces the entry.
    template <class T>
    void registerClass(std::string name, std::string base,
                       std::function<void(T&, NibProperties&)> apply = {});

    bool contains(std::string_view name) const;
    // A new view of the class; null when the class is not registered.
    std::shared_ptr<View> make(std::string_view name, const Rect& frame) const;
    // Reads the properties of the class and its bases into the view, the root class's first.
    void applyProperties(std::string_view name, View& view, NibProperties& properties) const;

  private:
    ViewClassRegistry();
    template <class T>
    void registerOwn(std::string name, std::string base, void (*apply)(T&, NibProperties&)) {
        registerClass<T>(std::move(name), std::move(base), std::function<void(T&, NibProperties&)>(apply));
    }
    void add(Entry entry);
    std::shared_ptr<const Entry> find(std::string_view name) const;

    mutable std::mutex mutex_;
    std::map<std::string, std::shared_ptr<const Entry>, std::less<>> classes_;
};

template <class T>
void ViewClassRegistry::registerClass(std::string name, std::string base,
                                      std::function<void(T&, NibProperties&)> apply) {
    Applier applier;
    if (apply) {
        applier = [apply = std::move(apply), name](View& view, NibProperties& properties) {
            if (T* typed = dynamic_cast<T*>(&view))
                apply(*typed, properties);
            else
                properties.problem("", "the view is not of the class \"" + name + "\"");
        };
    }
    add({std::move(name), std::move(base),
         [](const Rect& frame) -> std::shared_ptr<View> { return ui::make<T>(frame); }, std::move(applier)});
}

}  // namespace ui
