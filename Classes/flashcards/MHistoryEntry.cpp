#include "Classes/flashcards/MHistoryEntry.h"

#include <limits>

namespace {

const fnd::ArchiveValue* find(const fnd::ArchiveDictionary& entry, const std::string& key) {
    auto found = entry.find(key);
    return found == entry.end() ? nullptr : &found->second;
}

std::optional<std::uint32_t> asUnsigned32(const fnd::ArchiveValue& value) {
    if (value.kind() == fnd::ArchiveValue::Kind::Boolean) return std::nullopt;
    auto number = value.int64Value();
    if (!number || *number < 0 || *number > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
    return static_cast<std::uint32_t>(*number);
}

}  // namespace

std::optional<std::string> MHistoryEntry::string(const Dictionary& entry, const std::string& key) {
    const fnd::ArchiveValue* value = find(entry, key);
    if (!value || !value->string()) return std::nullopt;
    return *value->string();
}

std::optional<std::string> MHistoryEntry::url(const Dictionary& entry, const std::string& key) {
    const fnd::ArchiveValue* value = find(entry, key);
    if (!value) return std::nullopt;
    if (const std::string* address = value->url()) return *address;
    if (const std::string* text = value->string()) return *text;
    return std::nullopt;
}

std::optional<fnd::Date> MHistoryEntry::date(const Dictionary& entry, const std::string& key) {
    const fnd::ArchiveValue* value = find(entry, key);
    return value ? value->date() : std::nullopt;
}

std::optional<bool> MHistoryEntry::boolean(const Dictionary& entry, const std::string& key) {
    const fnd::ArchiveValue* value = find(entry, key);
    return value ? value->boolValue() : std::nullopt;
}

std::optional<double> MHistoryEntry::real(const Dictionary& entry, const std::string& key) {
    const fnd::ArchiveValue* value = find(entry, key);
    return value ? value->doubleValue() : std::nullopt;
}

std::optional<std::int64_t> MHistoryEntry::integer(const Dictionary& entry, const std::string& key) {
    const fnd::ArchiveValue* value = find(entry, key);
    return value ? value->int64Value() : std::nullopt;
}

std::optional<std::uint32_t> MHistoryEntry::unsigned32(const Dictionary& entry, const std::string& key) {
    const fnd::ArchiveValue* value = find(entry, key);
    return value ? asUnsigned32(*value) : std::nullopt;
}

std::shared_ptr<fnd::ArchiveArray> MHistoryEntry::array(const Dictionary& entry, const std::string& key) {
    const fnd::ArchiveValue* value = find(entry, key);
    return value ? value->array() : nullptr;
}

std::shared_ptr<fnd::ArchiveDictionary> MHistoryEntry::dictionary(const Dictionary& entry,
                                                                  const std::string& key) {
    const fnd::ArchiveValue* value = find(entry, key);
    return value ? value->dictionary() : nullptr;
}

std::optional<std::vector<std::string>> MHistoryEntry::strings(const Dictionary& entry,
                                                               const std::string& key) {
    auto values = array(entry, key);
    if (!values) return std::nullopt;
    std::vector<std::string> texts;
    for (const auto& value : *values)
        if (value.string()) texts.push_back(*value.string());
    return texts;
}

std::vector<std::uint32_t> MHistoryEntry::identifiers(const Dictionary& entry, const std::string& key) {
    std::vector<std::uint32_t> ids;
    if (auto values = array(entry, key))
        for (const auto& value : *values)
            if (auto id = asUnsigned32(value)) ids.push_back(*id);
    return ids;
}

fnd::ArchiveValue MHistoryEntry::stringArray(const std::vector<std::string>& texts) {
    auto values = fnd::ArchiveValue::makeArray();
    for (const auto& text : texts) values->emplace_back(text);
    return values;
}

fnd::ArchiveValue MHistoryEntry::identifierArray(const std::vector<std::uint32_t>& ids) {
    auto values = fnd::ArchiveValue::makeArray();
    for (std::uint32_t id : ids) values->push_back(fnd::ArchiveValue::unsignedInteger(id));
    return values;
}
