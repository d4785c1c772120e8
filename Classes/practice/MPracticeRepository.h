#pragma once
// The practice data: every question set, the bookmarks, the work set the filter builds, the filter,
// the keyword lists, the practice sessions and the custom-set counter, archived in a file of its
// own. The built-in sets are built anew from their content at every creation and load; only their
// answer histories and active flags are archived, by question key. The forum set and the custom
// sets are archived whole.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "Classes/core/MSubRepository.h"
#include "platform/foundation/ArchiveValue.h"

class MCourses;
class MKeyWordsSet;
class MQFilter;
class MQSet;
class MSessions;

class MPracticeRepository : public MSubRepository {
  public:
    using Sets = std::vector<std::shared_ptr<MQSet>>;

    static constexpr std::int32_t kFirstCustomSetUID = 7000;

    // An empty repository, to be filled by initWithData or loadWithCoder.
    MPracticeRepository() = default;
    // Fresh practice data.
    static std::shared_ptr<MPracticeRepository> makeWithData();
    void initWithData();

    // The file "PracticeRepository" in the documents folder.
    static std::filesystem::path dataFilePath();
    std::filesystem::path classDataFilePath() const override { return dataFilePath(); }

    void encodeWithCoder(fnd::KeyedArchiver& coder) const override;
    void initWithCoder(fnd::KeyedUnarchiver& coder) override;
    // The file's state copied in a few milliseconds (the sets archived whole, the filter, sessions and
    // keywords, and the answer records, which are shared and only their sessions copied), so that the
    // saving thread archives the copy while the main thread goes on changing the data.
    Snapshot snapshotForSave() override;
    // Restores everything from an archive: the repository's own file, or the central file of an
    // older format, which holds the same keys beside its own.
    void loadWithCoder(fnd::KeyedUnarchiver& coder) override;

    // Links each provider's set to its course.
    void attachCoursesFromSet(const MCourses& courses);
    // Adds the histories of the set's answered questions under their keys, and the set's active flag.
    static void fillHistoryDict(fnd::ArchiveDictionary& histories, const MQSet& set,
                                const std::string& activeKey);
    // A new work set filled by the filter, its cursor at the given place when that is inside it.
    void createWorkSetAndMoveToCursor(std::int32_t cursor);
    // The sets tool's list: the built-in sets, the forum set, then the custom sets.
    void createQSets();

    void hardQuantSetCreator();
    void manhattanReviewSetCreator();
    void princetonReviewSetCreator();
    void manhattanORVASetCreator();
    void knewtonSetCreator();
    void kaplanSetCreator();

    // The loading steps, in the order loadWithCoder runs them.
    void loadSessionsWithCoder(fnd::KeyedUnarchiver& coder);
    void applyHistoryWithCoder(fnd::KeyedUnarchiver& coder);
    void loadSetsWithCoder(fnd::KeyedUnarchiver& coder);
    void loadLocalSetsWithCoder(fnd::KeyedUnarchiver& coder);
    void restoreBookmarksWithCoder(fnd::KeyedUnarchiver& coder);
    void loadKWWithCoder(fnd::KeyedUnarchiver& coder);

    const Sets& qSets() const { return qSets_; }
    Sets& qSets() { return qSets_; }
    void setQSets(Sets sets) { qSets_ = std::move(sets); }
    const std::shared_ptr<MQFilter>& filter() const { return filter_; }
    void setFilter(std::shared_ptr<MQFilter> filter) { filter_ = std::move(filter); }
    const std::shared_ptr<MQSet>& workQSet() const { return workQSet_; }
    void setWorkQSet(std::shared_ptr<MQSet> set) { workQSet_ = std::move(set); }
    const std::shared_ptr<MQSet>& bookmarkQSet() const { return bookmarkQSet_; }
    void setBookmarkQSet(std::shared_ptr<MQSet> set) { bookmarkQSet_ = std::move(set); }
    const std::shared_ptr<MSessions>& sessions() const { return sessions_; }
    void setSessions(std::shared_ptr<MSessions> sessions) { sessions_ = std::move(sessions); }
    const std::shared_ptr<MKeyWordsSet>& keyWordsSet() const { return keyWordsSet_; }
    void setKeyWordsSet(std::shared_ptr<MKeyWordsSet> set) { keyWordsSet_ = std::move(set); }
    bool isKWActive() const { return isKWActive_; }
    void setIsKWActive(bool active) { isKWActive_ = active; }
    std::int32_t practiceCSLastUID() const { return practiceCSLastUID_; }
    void setPracticeCSLastUID(std::int32_t uid) { practiceCSLastUID_ = uid; }
    const Sets& customQSets() const { return customQSets_; }
    Sets& customQSets() { return customQSets_; }
    void setCustomQSets(Sets sets) { customQSets_ = std::move(sets); }
    const std::shared_ptr<MQSet>& webQSet() const { return webQSet_; }
    void setWebQSet(std::shared_ptr<MQSet> set) { webQSet_ = std::move(set); }

    const std::shared_ptr<MQSet>& hardQuantSet() const { return hardQuantSet_; }
    const std::shared_ptr<MQSet>& manhattanReviewSet() const { return manhattanReviewSet_; }
    const std::shared_ptr<MQSet>& princetonReviewSet() const { return princetonReviewSet_; }
    const std::shared_ptr<MQSet>& manhattanORVASet() const { return manhattanORVASet_; }
    const std::shared_ptr<MQSet>& knewtonSet() const { return knewtonSet_; }
    const std::shared_ptr<MQSet>& kaplanSet() const { return kaplanSet_; }

  private:
    struct BuiltIn {
        std::shared_ptr<MQSet> MPracticeRepository::*set;
        void (MPracticeRepository::*creator)();
        const char* activeKey;
    };
    // The built-in sets in the order their histories are archived and restored.
    static const std::vector<BuiltIn>& builtInSets();
    static std::shared_ptr<MQSet> makeBookmarkSet();
    static std::shared_ptr<MQSet> makeWebSet();

    Sets qSets_;
    std::shared_ptr<MQSet> workQSet_;
    std::shared_ptr<MQSet> bookmarkQSet_;
    std::shared_ptr<MQSet> hardQuantSet_;
    std::shared_ptr<MQFilter> filter_;
    std::int32_t practiceCSLastUID_ = kFirstCustomSetUID;
    std::shared_ptr<MSessions> sessions_;
    std::shared_ptr<MKeyWordsSet> keyWordsSet_;
    bool isKWActive_ = false;
    std::shared_ptr<MQSet> webQSet_;
    std::shared_ptr<MQSet> manhattanReviewSet_;
    std::shared_ptr<MQSet> princetonReviewSet_;
    std::shared_ptr<MQSet> manhattanORVASet_;
    std::shared_ptr<MQSet> knewtonSet_;
    std::shared_ptr<MQSet> kaplanSet_;
    Sets customQSets_;

    // Set only in a copy made for saving: what encodeWithCoder writes in place of the live sets.
    struct Frozen {
        std::vector<std::string> bookmarks;
        // The histories by question key, each an MQSetHistorySnapshot, and the sets' active flags.
        std::shared_ptr<fnd::ArchiveDictionary> histories;
        std::int32_t workQSetCursor = 0;
    };
    std::shared_ptr<const Frozen> frozen_;
};
