#include "Classes/study_aids/DictionaryService.h"

#include "Classes/study_aids/DictdDatabase.h"
#include "Classes/study_aids/DictionaryServicePages.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/PercentEscaping.h"

namespace {

// The panel's language codes that FreeDict has an English dictionary for, and its names for them.
const std::map<std::string, std::string>& freeDictLanguages() {
    static const std::map<std::string, std::string> languages{
        {"ar", "ara"}, {"bg", "bul"}, {"cs", "ces"}, {"de", "deu"}, {"el", "ell"},
        {"fi", "fin"}, {"fr", "fra"}, {"hi", "hin"}, {"hr", "hrv"}, {"it", "ita"},
        {"pt", "por"}, {"ru", "rus"}, {"es", "spa"}, {"sr", "srp"},
    };
    return languages;
}

std::string configuredOrOwn(const char* key) {
    std::string configured = fnd::Bundle::main().infoValue(key);
    if (!configured.empty()) return configured;
    DictionaryService& own = DictionaryService::shared();
    return own.start() ? own.address() : std::string();
}

}  // namespace

std::string DictionaryService::definitionsAddress() { return configuredOrOwn(kDefinitionsAddressKey); }

std::string DictionaryService::translatorAddress() { return configuredOrOwn(kTranslatorAddressKey); }

DictionaryService& DictionaryService::shared() {
    // Never destroyed: its thread serves until the program ends.
    static DictionaryService* service = new DictionaryService(kDefaultDataFolder);
    return *service;
}

DictionaryService::DictionaryService(std::filesystem::path dataFolder) : folder_(std::move(dataFolder)) {}

DictionaryService::~DictionaryService() {
    if (server_) server_->stop();
}

bool DictionaryService::start() {
    std::lock_guard lock(mutex_);
    if (server_) return true;
    auto server = std::make_unique<fnd::LocalHTTPServer>(
        [this](const fnd::LocalHTTPServer::Request& request) { return reply(request); });
    std::string error;
    if (!server->start(&error)) {
        fnd::Log::error("the dictionary service cannot listen: ", error);
        return false;
    }
    fnd::Log::info("the dictionary service answers at ", server->address());
    server_ = std::move(server);
    return true;
}

std::string DictionaryService::address() const { return server_ ? server_->address() : std::string(); }

std::optional<std::string> DictionaryService::translationDatabase(const std::string& language) {
    auto it = freeDictLanguages().find(language);
    if (it == freeDictLanguages().end()) return std::nullopt;
    return "freedict-eng-" + it->second;
}

std::string DictionaryService::queryValue(const std::string& query, const std::string& key) {
    std::size_t at = 0;
    while (at <= query.size()) {
        std::size_t end = query.find('&', at);
        if (end == std::string::npos) end = query.size();
        std::string pair = query.substr(at, end - at);
        std::size_t equals = pair.find('=');
        if (pair.substr(0, equals) == key && equals != std::string::npos) {
            std::string value = pair.substr(equals + 1);
            for (char& c : value)
                if (c == '+') c = ' ';
            return fnd::percentUnescape(value);
        }
        at = end + 1;
    }
    return {};
}

fnd::LocalHTTPServer::Reply DictionaryService::reply(const fnd::LocalHTTPServer::Request& request) {
    std::string word = queryValue(request.query, "q");
    if (request.path == "/search") return {200, "text/html; charset=utf-8", definitions(word)};
    if (request.path == "/translate_t")
        return {200, "text/html; charset=utf-8", translation(word, queryValue(request.query, "tl"))};
    return {404, "text/plain", "Not found"};
}

std::string DictionaryService::definitions(const std::string& text) {
    std::lock_guard lock(mutex_);
    return DictionaryServicePages::definitionsPage(text, lookUp(database(kWordNet), text));
}

std::string DictionaryService::translation(const std::string& text, const std::string& language) {
    std::optional<std::string> name = translationDatabase(language);
    std::lock_guard lock(mutex_);
    if (!name) return DictionaryServicePages::notFoundPage(text);
    return DictionaryServicePages::translationPage(text, lookUp(database(*name), text));
}

std::vector<std::string> DictionaryService::lookUp(DictdDatabase* database, const std::string& text) {
    if (!database) return {};
    for (const std::string& form : DictionaryServicePages::lookupForms(text)) {
        if (!database->contains(form)) continue;
        std::string error;
        std::vector<std::string> entries = database->define(form, error);
        if (!error.empty())
            fnd::Log::error("the dictionary's entry of \"", form, "\" cannot be read: ", error);
        if (!entries.empty()) return entries;
    }
    return {};
}

DictdDatabase* DictionaryService::database(const std::string& name) {
    auto it = databases_.find(name);
    if (it == databases_.end()) {
        std::string error;
        std::unique_ptr<DictdDatabase> opened = DictdDatabase::open(folder_, name, error);
        // A database that cannot be read is remembered as missing, so the log says it once.
        if (!opened) fnd::Log::error("the dictionary ", name, " cannot be used: ", error);
        it = databases_.emplace(name, std::move(opened)).first;
    }
    return it->second.get();
}
