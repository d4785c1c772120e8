#include "Classes/errorlog/Syncronizer.h"

#include <algorithm>
#include <cmath>

#include "Classes/core/MRepository.h"
#include "Classes/errorlog/MOGTrackerRepository.h"
#include "platform/foundation/Json.h"
#include "platform/foundation/Log.h"

namespace {

using Array = fnd::JsonValue::Array;
using Map = fnd::JsonValue::Map;

// Built element by element: initializer lists of JSON values make the compiler warn falsely.
template <class... Values>
Array arrayOf(Values&&... values) {
    Array array;
    array.reserve(sizeof...(Values));
    (array.emplace_back(std::forward<Values>(values)), ...);
    return array;
}

Map entry(const MBook& book, const MSection& section) {
    Map map;
    map["b"] = book.shortName();
    map["s"] = section.shortName();
    map["i"] = section.syncInfo()->proxyForJson();
    return map;
}

std::string letter(int answer) { return MHRecord::letterForAnswer(answer).value_or(""); }

std::map<std::string, std::string, std::less<>> texts(const fnd::JsonValue& map) {
    std::map<std::string, std::string, std::less<>> out;
    for (const auto& [key, value] : map.asMap())
        out[key] = value.isString() ? value.asString() : std::string();
    return out;
}

// A reply row [date text, seconds, letter, "Y"/"N"] as an attempt; nothing unless every field reads.
std::shared_ptr<MHRecord> attemptOf(const fnd::JsonValue& row) {
    if (!row.isArray() || row.asArray().size() < 4) return nullptr;
    std::optional<fnd::Date> date =
        row[0].isString() ? SyncInfo::dateFromWireText(row[0].asString()) : std::nullopt;
    const std::string& choice = row[2].asString();
    const std::string& guess = row[3].asString();
    double seconds = row[1].asReal(-1);
    if (!date || !row[1].isNumber() || !std::isfinite(seconds) || seconds < 0 || choice.size() != 1 ||
        choice[0] < 'A' || choice[0] > 'E' || (guess != "Y" && guess != "N"))
        return nullptr;
    return MHRecord::initWithDate(*date, seconds, choice[0] - 'A' + 1, guess == "Y");
}

}  // namespace

Syncronizer::Syncronizer(std::shared_ptr<RequestManager> manager, RepositorySource repository)
    : manager_(std::move(manager)), repository_(std::move(repository)) {}

bool Syncronizer::credentials(RequestManager::Parameters& parameters) const {
    std::shared_ptr<MRepository> rep = repository_ ? repository_() : nullptr;
    if (!rep || !rep->forumLogin() || !rep->forumPassword()) return false;
    parameters["login"] = *rep->forumLogin();
    parameters["password"] = *rep->forumPassword();
    return true;
}

void Syncronizer::preSync(const std::string& objects) {
    RequestManager::Parameters parameters;
    if (!credentials(parameters)) return;
    parameters["objects"] = objects;
    manager_->sendRequest("presync", std::move(parameters), sharedAs<Syncronizer>());
}

void Syncronizer::syncOut(const std::string& objects, const fnd::JsonValue& syncData) {
    std::shared_ptr<MRepository> rep = repository_ ? repository_() : nullptr;
    Array data;
    if (objects == kBookSections && rep)
        for (const auto& book : rep->books())
            for (const auto& section : book->sections()) addToExportData(data, *section, *book, syncData);
    if (data.empty()) return;
    RequestManager::Parameters parameters;
    if (!credentials(parameters)) return;
    parameters["objects"] = objects;
    parameters["data"] = std::move(data);
    manager_->sendRequest("sync_out", std::move(parameters), sharedAs<Syncronizer>());
}

void Syncronizer::syncIn(const std::string& objects) {
    RequestManager::Parameters parameters;
    if (!credentials(parameters)) return;
    std::shared_ptr<MRepository> rep = repository_ ? repository_() : nullptr;
    Array data;
    if (objects == kBookSections && rep)
        for (const auto& book : rep->books())
            for (const auto& section : book->sections()) data.emplace_back(entry(*book, *section));
    if (data.empty()) return;
    parameters["objects"] = objects;
    parameters["data"] = std::move(data);
    manager_->sendRequest("sync_in", std::move(parameters), sharedAs<Syncronizer>());
}

void Syncronizer::addToExportData(Array& list, const MSection& section, const MBook& book,
                                  const fnd::JsonValue& syncData) {
    const fnd::JsonValue& known = syncData[book.shortName()][section.shortName()];
    std::optional<fnd::Date> since =
        known.isString() ? SyncInfo::dateFromWireText(known.asString()) : std::nullopt;
    if (!section.syncInfo() || !section.syncInfo()->isDirtyAgainstTime(since)) return;
    Array rows;
    for (const auto& q : section.questions()) {
        if (!q->history()) continue;
        for (const auto& attempt : *q->history()) {
            if (since && (!attempt->date() || SyncInfo::compareLessStrictly(*attempt->date(), *since) <= 0))
                continue;
            rows.emplace_back(arrayOf(q->number(), q->stringWithType().value_or(""), letter(q->rightAnswer()),
                                      attempt->date() ? SyncInfo::wireText(*attempt->date()) : std::string(),
                                      static_cast<std::int64_t>(attempt->time()), letter(attempt->answer()),
                                      attempt->fguess() ? "Y" : "N"));
        }
    }
    Map exported = entry(book, section);
    exported["h"] = std::move(rows);
    list.emplace_back(std::move(exported));
}

void Syncronizer::processResult(const std::optional<fnd::JsonValue>& result, const std::string& method) {
    const fnd::JsonValue& ok = result ? (*result)["ok"] : fnd::JsonValue();
    fnd::Log::debug("R:", method, ", ",
                    result ? fnd::Json::write(*result).value_or("") : std::string("(none)"), ", ",
                    ok.isBool()     ? "boolean"
                    : ok.isNumber() ? "number"
                                    : "other");
    if (!result || !ok.asBool(ok.asInteger(0) != 0)) return;
    if (method == "presync")
        syncOut(kBookSections, (*result)["sync_info"]);
    else if (method == "sync_in")
        merge((*result)["update_data"]);
}

void Syncronizer::callMethod(const std::string& method, const std::string& message) {
    fnd::Log::debug("E:", method, ", ", message);
}

void Syncronizer::merge(const fnd::JsonValue& updateData) {
    std::shared_ptr<MRepository> rep = repository_ ? repository_() : nullptr;
    if (!rep || !updateData.isMap()) return;
    for (const auto& book : rep->books()) {
        const fnd::JsonValue& sections = updateData[book->shortName()];
        if (!sections.isMap()) continue;
        for (const auto& section : book->sections())
            if (sections.contains(section->shortName()))
                mergeSection(*section, sections[section->shortName()]);
    }
}

void Syncronizer::mergeSection(MSection& section, const fnd::JsonValue& update) {
    if (!update.isMap()) return;
    if (update["c"].asBool()) {
        fnd::Log::debug("Conflict!!!");
        return;
    }
    const fnd::JsonValue& info = update["i"];
    const fnd::JsonValue& clearText = info["cl"];
    // An unreadable clear time removes nothing.
    std::optional<fnd::Date> clear =
        clearText.isString() ? SyncInfo::dateFromWireText(clearText.asString()) : std::nullopt;
    const std::optional<fnd::Date>& localClear = section.syncInfo()->clearTime();
    bool toClear = clear && (!localClear || SyncInfo::compareLessStrictly(*clear, *localClear) > 0);
    const fnd::JsonValue& histories = update["h"];
    for (const auto& q : section.questions()) {
        if (toClear && q->history()) {
            auto& history = *q->history();
            // Attempts without a date are kept: nothing says they came before the clearing.
            std::erase_if(history, [&](const auto& attempt) {
                return attempt->date() && SyncInfo::compareLessStrictly(*attempt->date(), *clear) <= 0;
            });
            if (history.empty()) q->setHistory(std::nullopt);
        }
        const fnd::JsonValue& rows =
            histories[q->stringWithType().value_or("") + "_" + std::to_string(q->number())];
        if (!rows.isArray()) continue;
        bool added = false;
        for (const fnd::JsonValue& row : rows.asArray()) {
            if (auto attempt = attemptOf(row)) {
                q->addHRecord(std::move(attempt));
                added = true;
            }
        }
        if (added)
            std::stable_sort(q->history()->begin(), q->history()->end(),
                             [](const auto& a, const auto& b) { return a->compareByDate(*b) < 0; });
    }
    std::optional<std::string> clearValue;
    if (info.contains("cl")) clearValue = clearText.isString() ? clearText.asString() : std::string();
    section.syncInfo()->syncedInWithSyncVector(texts(info["s"]), texts(info["u"]), clearValue);
}

void Syncronizer::fillHistoryRecords(Array& list, const MBook& book) {
    for (const auto& section : book.sections())
        for (const auto& q : section->questions())
            if (q->history())
                for (const auto& attempt : *q->history())
                    list.emplace_back(
                        arrayOf(book.shortName(), section->shortName(), q->number(),
                                static_cast<std::int64_t>(attempt->time()), letter(attempt->answer()),
                                letter(q->rightAnswer()), attempt->fguess() ? "Y" : "N",
                                attempt->date() ? SyncInfo::wireText(*attempt->date()) : std::string()));
}
