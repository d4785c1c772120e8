#include "Classes/errorlog/SyncInfo.h"

#include "platform/foundation/DateFormatter.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "platform/foundation/Locale.h"
#include "platform/foundation/TimeZone.h"

namespace {

const fnd::DateFormatter& wireFormatter() {
    // Formatters are not shared across threads; each thread gets its own.
    thread_local const fnd::DateFormatter formatter("yyyyMMddHHmmss.SSS", fnd::Locale("en_US"),
                                                    fnd::TimeZone::gmt());
    return formatter;
}

std::shared_ptr<fnd::ArchiveDictionary> encodeVector(const SyncInfo::Vector& vector) {
    auto dictionary = fnd::ArchiveValue::makeDictionary();
    for (const auto& [key, date] : vector) (*dictionary)[key] = fnd::ArchiveValue(date);
    return dictionary;
}

// Entries that are not dates are dropped: a damaged archive must not plant other values.
SyncInfo::Vector decodeVector(const std::shared_ptr<fnd::ArchiveDictionary>& dictionary) {
    SyncInfo::Vector vector;
    if (!dictionary) return vector;
    for (const auto& [key, value] : *dictionary)
        if (std::optional<fnd::Date> date = value.date(); date && key.string()) vector[*key.string()] = *date;
    return vector;
}

void mergeTexts(SyncInfo::Vector& vector, const std::map<std::string, std::string, std::less<>>& texts) {
    for (const auto& [key, text] : texts) {
        if (std::optional<fnd::Date> date = SyncInfo::dateFromWireText(text))
            vector[key] = *date;
        else
            vector.erase(key);
    }
}

fnd::JsonValue vectorJson(const SyncInfo::Vector& vector) {
    fnd::JsonValue::Map map;
    for (const auto& [key, date] : vector) map[key] = SyncInfo::wireText(date);
    return map;
}

}  // namespace

std::shared_ptr<SyncInfo> SyncInfo::initWithData() {
    auto info = std::make_shared<SyncInfo>();
    info->createTime_ = fnd::Date::now();
    return info;
}

void SyncInfo::encodeWithCoder(fnd::KeyedArchiver& coder) const {
    coder.encodeObject("syncVector", encodeVector(syncVector_));
    coder.encodeObject("updateVector", encodeVector(updateVector_));
    coder.encodeDate("createTime", createTime_);
    if (clearTime_) coder.encodeDate("clearTime", *clearTime_);
}

void SyncInfo::initWithCoder(fnd::KeyedUnarchiver& coder) {
    syncVector_ = decodeVector(coder.decodeDictionary("syncVector"));
    updateVector_ = decodeVector(coder.decodeDictionary("updateVector"));
    createTime_ = coder.decodeDate("createTime").value_or(fnd::Date::now());
    clearTime_ = coder.decodeDate("clearTime");
}

void SyncInfo::cleared() {
    fnd::Date now = fnd::Date::now();
    clearTime_ = now;
    updateVector_["*"] = now;
    syncVector_["*"] = now;
}

void SyncInfo::updated() {
    fnd::Date now = fnd::Date::now();
    updateVector_["*"] = now;
    syncVector_["*"] = now;
}

void SyncInfo::syncedInWithSyncVector(const std::map<std::string, std::string, std::less<>>& syncVector,
                                      const std::map<std::string, std::string, std::less<>>& updateVector,
                                      const std::optional<std::string>& clearTime) {
    mergeTexts(syncVector_, syncVector);
    mergeTexts(updateVector_, updateVector);
    if (clearTime) clearTime_ = dateFromWireText(*clearTime);
}

fnd::JsonValue SyncInfo::proxyForJson() const {
    fnd::JsonValue::Map map;
    map["s"] = vectorJson(syncVector_);
    map["u"] = vectorJson(updateVector_);
    map["cr"] = wireText(createTime_);
    if (clearTime_) map["cl"] = wireText(*clearTime_);
    return map;
}

bool SyncInfo::isDirtyAgainstTime(const std::optional<fnd::Date>& time) const {
    std::optional<fnd::Date> update = updateTime();
    if (!time) return update.has_value();
    return update && compareLessStrictly(*time, *update) < 0;
}

std::optional<fnd::Date> SyncInfo::updateTime() const {
    auto it = updateVector_.find("*");
    if (it == updateVector_.end()) return std::nullopt;
    return it->second;
}

int SyncInfo::compareLessStrictly(fnd::Date a, fnd::Date b) {
    double d = a.timeIntervalSince(b);
    if (d < -kTolerance) return -1;
    if (d > kTolerance) return 1;
    return 0;
}

std::string SyncInfo::wireText(fnd::Date date) { return wireFormatter().stringFromDate(date); }

std::optional<fnd::Date> SyncInfo::dateFromWireText(std::string_view text) {
    return wireFormatter().dateFromString(text);
}
