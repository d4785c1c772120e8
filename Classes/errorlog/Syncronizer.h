#pragma once
// Exchanges the error log's attempt histories with the sync back-end, section by section, for the
// forum login of the central repository: "presync" asks which sections the back-end last synced
// when, "sync_out" sends what changed here since, "sync_in" fetches what the back-end holds and
// merges it. Nothing in the program starts an exchange; the entry points are preSync and syncIn.
// Main thread.

#include <functional>
#include <memory>
#include <string>

#include "Classes/errorlog/RPCCaller.h"
#include "Classes/errorlog/RequestManager.h"
#include "platform/foundation/Object.h"

class MBook;
class MRepository;
class MSection;

class Syncronizer : public fnd::Object, public RPCCaller {
  public:
    static constexpr const char* kBookSections = "Book_Sections";
    using RepositorySource = std::function<std::shared_ptr<MRepository>()>;

    // The repository (its forum login and books) comes from `repository` at each use.
    Syncronizer(std::shared_ptr<RequestManager> manager, RepositorySource repository);

    void preSync(const std::string& objects);
    void syncIn(const std::string& objects);
    // Sends what changed since the back-end's dates of `syncData` ({book: {section: date text}}).
    void syncOut(const std::string& objects, const fnd::JsonValue& syncData);

    void processResult(const std::optional<fnd::JsonValue>& result, const std::string& method) override;
    void callMethod(const std::string& method, const std::string& message) override;

    // One row per attempt of the book: book, section, number, whole seconds, letter, right letter
    // ("" when unknown), "Y"/"N" for a guess, date.
    static void fillHistoryRecords(fnd::JsonValue::Array& list, const MBook& book);
    // Lays the back-end's "update_data" onto the books.
    void merge(const fnd::JsonValue& updateData);

  private:
    bool credentials(RequestManager::Parameters& parameters) const;
    static void addToExportData(fnd::JsonValue::Array& list, const MSection& section, const MBook& book,
                                const fnd::JsonValue& syncData);
    static void mergeSection(MSection& section, const fnd::JsonValue& update);

    std::shared_ptr<RequestManager> manager_;
    RepositorySource repository_;
};
