#pragma once
// The archivable classes by name: a model registers its class name, the names of its superclasses
// and a factory, so an archive can record what an object is and a reader can make it again. Other
// names may be registered as aliases of a class (names that older archives used).

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeindex>
#include <vector>

#include "platform/foundation/Coding.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/ObjectPool.h"

namespace fnd {

class ClassRegistry {
  public:
    using Factory = std::function<std::shared_ptr<Object>()>;
    struct Entry {
        std::string name;
        std::vector<std::string> chain;  // the class name, then its superclasses up to the root
        Factory factory;
        Coding* (*coding)(Object*);  // the Coding side of an object the factory made
        std::type_index type;        // the dynamic type of what the factory makes
    };

    // The registry of the process. Registering is safe from any thread.
    static ClassRegistry& shared();

    // Registers T (an Object and Coding that can be made with no arguments) under `name`, with the
    // names of its superclasses from the nearest to the root. Registering a name again replaces it.
    template <class T>
    void registerClass(std::string name, std::vector<std::string> superclasses = {"NSObject"}) {
        addClass<T>(std::move(name), std::move(superclasses), [] { return std::make_shared<T>(); });
    }
    // The same for a class whose objects an archive holds by the ten thousand and that live long,
    // such as the records of a history: a thread that reads such an archive within an
    // ObjectPool::Scope makes them in the pool.
    template <class T>
    void registerPooledClass(std::string name, std::vector<std::string> superclasses = {"NSObject"}) {
        addClass<T>(std::move(name), std::move(superclasses), [] { return ObjectPool::make<T>(); });
    }
    // Makes `alias` read as the registered class `className` (which may be registered later).
    void registerAlias(std::string alias, std::string className);

    // The class registered under a name or an alias, else null. Entries live as long as the process.
    const Entry* classNamed(std::string_view name) const;
    // The class registered for the object's dynamic type, else null.
    const Entry* classOf(const Object& object) const;

    ClassRegistry();
    ~ClassRegistry();

  private:
    template <class T>
    void addClass(std::string name, std::vector<std::string> superclasses, Factory factory) {
        static_assert(std::is_base_of_v<Object, T> && std::is_base_of_v<Coding, T>,
                      "an archivable class is an Object and Coding");
        add(typeid(T), std::move(name), std::move(superclasses), std::move(factory),
            [](Object* object) -> Coding* { return static_cast<T*>(object); });
    }
    void add(std::type_index type, std::string name, std::vector<std::string> superclasses, Factory factory,
             Coding* (*coding)(Object*));

    struct Tables;
    std::unique_ptr<Tables> tables_;
};

}  // namespace fnd
