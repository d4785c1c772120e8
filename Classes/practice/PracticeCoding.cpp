#include "Classes/practice/PracticeCoding.h"

std::shared_ptr<fnd::ArchiveArray> PracticeCoding::stringArray(const std::vector<std::string>& strings) {
    auto array = fnd::ArchiveValue::makeArray();
    array->reserve(strings.size());
    for (const auto& s : strings) array->emplace_back(s);
    return array;
}

std::vector<std::string> PracticeCoding::strings(const fnd::ArchiveValue& value) {
    std::vector<std::string> result;
    if (auto array = value.array()) {
        result.reserve(array->size());
        for (const auto& item : *array)
            if (auto s = item.string()) result.push_back(*s);
    }
    return result;
}
