#pragma once
// The dictionary panel's sources. The information keys "DictionaryDefinitionsAddress" and
// "DictionaryTranslatorAddress" name a definitions site and a translator (base addresses, http or
// https); left empty, as shipped, the panel uses the program's own service, which this class runs
// on 127.0.0.1 at a port of its own, started when it is first needed.
//
// The service answers the panel's two requests from dictd data installed with the system:
//   GET /search?...&q=WORD          the WordNet 3.0 entries of the word (dict-wn)
//   GET /translate_t?tl=LANG&...&q=WORD   the FreeDict English-LANG entries (dict-freedict-eng-*)
// in the page shapes of DictionaryServicePages. A language without data, a word without entries,
// or a dictionary file that is missing or damaged gives a page without the block (so the panel
// shows "Not found"); a file's fault is logged once. Dictionaries are read on the service's
// thread when first asked for and kept.

#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "platform/foundation/LocalHTTPServer.h"

class DictdDatabase;

class DictionaryService {
  public:
    static constexpr const char* kDefinitionsAddressKey = "DictionaryDefinitionsAddress";
    static constexpr const char* kTranslatorAddressKey = "DictionaryTranslatorAddress";
    // Where Debian installs dictd data.
    static constexpr const char* kDefaultDataFolder = "/usr/share/dictd";
    static constexpr const char* kWordNet = "wn";

    // The base addresses the panel sends its requests to: the configured one, else the program's
    // own service (started now if need be); empty when neither is there.
    static std::string definitionsAddress();
    static std::string translatorAddress();
    // The program's own service, made on first use over the default data folder.
    static DictionaryService& shared();

    explicit DictionaryService(std::filesystem::path dataFolder);
    ~DictionaryService();

    // Starts listening when it does not yet; false when it cannot (logged).
    bool start();
    // "http://127.0.0.1:PORT"; empty when not started.
    std::string address() const;

    // The reply to a request (on the service's thread, and in tests).
    fnd::LocalHTTPServer::Reply reply(const fnd::LocalHTTPServer::Request& request);
    // The pages, found in the dictionaries. `language` is a panel code ("fr").
    std::string definitions(const std::string& text);
    std::string translation(const std::string& text, const std::string& language);

    // The FreeDict database of a panel's language code ("freedict-eng-fra"); nothing for a
    // language without one.
    static std::optional<std::string> translationDatabase(const std::string& language);
    // A query value by its key, decoded ("+" as a blank); empty when absent.
    static std::string queryValue(const std::string& query, const std::string& key);

  private:
    // The named database, opened on first use; null when it cannot be (logged once).
    DictdDatabase* database(const std::string& name);
    // The entries of the first of the text's lookup forms that the database holds.
    std::vector<std::string> lookUp(DictdDatabase* database, const std::string& text);

    std::filesystem::path folder_;
    std::mutex mutex_;  // lookups come from the service's thread and from tests
    std::map<std::string, std::unique_ptr<DictdDatabase>> databases_;
    std::unique_ptr<fnd::LocalHTTPServer> server_;
};
