#pragma once
// Lists of the practice models as archives hold them: arrays of strings and of objects. An item of
// another kind than expected is left out, so a damaged archive cannot plant a foreign object.

#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

#include "platform/foundation/ArchiveValue.h"

class PracticeCoding {
  public:
    static std::shared_ptr<fnd::ArchiveArray> stringArray(const std::vector<std::string>& strings);
    static std::vector<std::string> strings(const fnd::ArchiveValue& value);

    template <class T>
    static std::shared_ptr<fnd::ArchiveArray> objectArray(const std::vector<std::shared_ptr<T>>& objects) {
        auto array = fnd::ArchiveValue::makeArray();
        array->reserve(objects.size());
        for (const auto& object : objects)
            if (object) array->emplace_back(object);
        return array;
    }
    template <class T>
    static std::vector<std::shared_ptr<T>> objects(const fnd::ArchiveValue& value) {
        std::vector<std::shared_ptr<T>> result;
        if (auto array = value.array()) {
            result.reserve(array->size());
            for (const auto& item : *array) keepIfOfClass(item.object(), result);
        }
        return result;
    }
    // The same of the objects of an array read without making it (KeyedUnarchiver::Entry).
    template <class T>
    static std::vector<std::shared_ptr<T>> objects(std::vector<std::shared_ptr<fnd::Object>> items) {
        std::vector<std::shared_ptr<T>> result;
        result.reserve(items.size());
        for (auto& item : items) keepIfOfClass(std::move(item), result);
        return result;
    }

  private:
    template <class T>
    static void keepIfOfClass(std::shared_ptr<fnd::Object> object, std::vector<std::shared_ptr<T>>& into) {
        if (!object) return;
        // Items of exactly the class asked for, as nearly all are, need no search of the class
        // tree: a large history has a hundred thousand of them.
        const fnd::Object& held = *object;
        if (typeid(held) == typeid(T))
            into.push_back(std::static_pointer_cast<T>(std::move(object)));
        else if (auto cast = std::dynamic_pointer_cast<T>(std::move(object)))
            into.push_back(std::move(cast));
    }
};
