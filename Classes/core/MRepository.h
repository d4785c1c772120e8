#pragma once
// The root of the user's data and options: one object, archived whole into the file "Repository".
// It holds the options of every tool, the state of the tools kept in the main file (timer,
// flashcards, maths game, news feeds, forum, tips, e-books), the two sub-repositories that have
// files of their own (practice and tracker), and the reference data rebuilt at every start
// (concepts, courses). Screens reach it as the application delegate's rep().
//
// Properties are plain: the repository is built on the loading thread and then used from the main
// thread. subRepsAreSaving() may be asked from any thread.
//
// Subsystems add the operations they place on the repository in sources of their own folder,
// named after the class and the concern (MRepository+EBooks.cpp).

#include <concepts>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "Classes/core/MSubRepository.h"
#include "platform/foundation/ArchiveValue.h"
#include "platform/foundation/Coding.h"
#include "platform/foundation/Date.h"
#include "platform/foundation/Object.h"

class EBookFolders;
class MBook;
class MBookmarks;
class MConcepts;
class MCourses;
class MEBook;
class MFeeds;
class MFlashcards;
class MGameQuestion;
class MGameTopics;
class MIBHRecord;
class MKeyWordsSet;
class MOGTrackerRepository;
class MPracticeRepository;
class MProductInfo;
class MQFilter;
class MQSet;
class MSessions;
class MTimer;
class MTips;
namespace fnd {
class KeyedArchiver;
class KeyedUnarchiver;
}  // namespace fnd

class MRepository : public fnd::Object, public fnd::Coding {
  public:
    // The version of the archive's layout that encodeWithCoder writes; below 3 the central file
    // also held the sub-repositories.
    static constexpr int kFileFormatVersion = 3;

    static void registerClass();

    // A fresh repository: fresh sub-repositories, tools and options.
    static std::shared_ptr<MRepository> makeWithData();
    void initWithData();

    // The archive of the central file. Reading falls back to the fresh value for every key that is
    // missing or of the wrong kind; an archive of an older layout also gives the sub-repositories.
    void initWithCoder(fnd::KeyedUnarchiver& coder) override;
    void encodeWithCoder(fnd::KeyedArchiver& coder) const override;

    // The product ids of the e-books kept in the bundle's resources.
    static constexpr const char* kLocalEBooks[] = {"Sample", "OfficialGuideCompanion", "SentenceCorrection"};

    // ---- The news feeds' default table (MRepository+Feeds.cpp)

    // The information file's key of the default feeds' addresses: a list of texts, one per row of
    // the table in its order. A row without an address (an empty text, or none) is left out.
    static constexpr const char* kDefaultFeedAddressesKey = "DefaultFeedAddresses";
    static constexpr std::size_t kDefaultFeedRows = 10;

    // A new feed list: the default table, brought up to date and sorted.
    void feedSetCreator();
    // Appends the default table's rows that have an address, in table order: active, permanent.
    static void fillSet(MFeeds& set);
    // Brings the feed list up to date with the default table. A stored feed at a default's address
    // takes the default's labels and becomes permanent, and later copies of that address go; a
    // default that is not stored yet goes in front when active (at the end else); of user-added
    // feeds at one address the first stays; a permanent feed without organization goes. The
    // caller sorts the list afterwards.
    void updateFeeds();

    // ---- Services

    // Whether either sub-repository is being saved. Any thread.
    bool subRepsAreSaving() const;

    // The page script library ("zepto.min.js" of the resources) as text, read on the first call
    // and kept; nothing when it cannot be read (tried again on the next call). Main thread.
    std::optional<std::string> jQuery();

    // The script that fits the page's images into width x height and lets a tap show an image at
    // three times its fitted size and back. Needs the page script library.
    static std::string fixImageSizeToWidth(int width, int height);

    // A text escaped to stand as a value in an address or a form (UTF-8): everything but
    // letters, digits and ! $ ' ( ) * , - . / : @ _ ~ is escaped, among others ? = & + ; # and
    // line breaks.
    static std::string urlEncodeValue(std::string_view text);
    // Every escape replaced by its byte; a malformed escape stays as text, bytes that are no
    // UTF-8 become U+FFFD.
    static std::string urlDecodeValue(std::string_view text);

    // Where the companion explanations of the official-guide books are: the "parts" folder of the
    // official-guide companion e-book.
    static std::filesystem::path companionExplanationHomePath();
    // Whether the e-book is one of those kept in the bundle's resources.
    static bool isLocalEBook(std::string_view productId);
    // An e-book's folder: under "eBooks" of the resources for a local one, of the documents else.
    // Empty for an identifier that is no valid product identifier (isValidProductId), so that no
    // identifier ever names a folder outside "eBooks".
    static std::filesystem::path dataFolderPathForEBook(std::string_view productId);

    // ---- E-books (MRepository+EBooks.cpp)

    // Letters, digits, ".", "_" and "-", beginning with a letter or digit.
    static bool isValidProductId(std::string_view productId);
    // The folder a downloaded book is unpacked into before it replaces the installed one.
    static std::filesystem::path folderPathForUpdatedEBook(std::string_view productId);
    // The downloaded archive: "ebook_<id>.zip" in the temporary folder.
    static std::filesystem::path dataFilePathForEBook(std::string_view productId);
    // The store record of the book shipped with the program.
    static std::shared_ptr<MProductInfo> sampleProductInfo();

    // The list holding the sample book alone, with its question index. Main thread (or before the
    // repository is handed to it).
    void setupEBooks();
    // A new repository's e-books: the lock's companions, the sample book, no answers.
    void initEBooks();
    // The archived books before the sample, the answers, and every book's question index.
    void loadEBooksWithCoder(fnd::KeyedUnarchiver& coder);
    // "kEBooks" (every book not held in the resources) and "booksData".
    void encodeEBooksWithCoder(fnd::KeyedArchiver& coder) const;

    bool isParsingProduct(std::string_view productId) const;
    std::shared_ptr<MEBook> findEBookByProductId(std::string_view productId) const;
    // A mode-1 book's index from its folder, with the stored answers; other books are left alone.
    void loadIndexForEbook(const std::shared_ptr<MEBook>& book);

    // Installs a downloaded book: the archive is saved and unpacked on a thread of its own under
    // the lock, the new book replaces the old one only once it has been read, and the old folder
    // and list entry stay when anything fails. Main thread. False when nothing was started (an
    // identifier that is invalid or held in the resources, no catalogue record, the archive not
    // written); the book is then not marked as being read. `done` (may be empty) runs on the main
    // thread at the end of a started install with whether a book was installed.
    bool loadEBook(const std::string& productId, const fnd::Bytes& content,
                   std::function<void(bool)> done = {});
    // Posted on the main thread when an install has ended, whether or not a book was installed.
    static constexpr const char* kEBookInstallEndedNotification = "EBookInstallEndedNotification";
    // The same with the catalogue record given. `done` (may be empty) runs on the main thread at
    // the end with whether a book was installed.
    bool installEBook(std::shared_ptr<MProductInfo> record, const fnd::Bytes& content,
                      std::function<void(bool)> done = {});

    // ---- Sub-repositories. Set from where their classes are known (hence the templates).

    const std::shared_ptr<MPracticeRepository>& practiceRep() const { return practiceRep_; }
    template <std::derived_from<MSubRepository> Practice>
    void setPracticeRep(std::shared_ptr<Practice> repository) {
        practiceSaving_ = repository;
        practiceRep_ = std::move(repository);
    }
    void setPracticeRep(std::nullptr_t) { practiceRep_ = nullptr, practiceSaving_ = nullptr; }

    const std::shared_ptr<MOGTrackerRepository>& trackerRep() const { return trackerRep_; }
    template <std::derived_from<MSubRepository> Tracker>
    void setTrackerRep(std::shared_ptr<Tracker> repository) {
        trackerSaving_ = repository;
        trackerRep_ = std::move(repository);
    }
    void setTrackerRep(std::nullptr_t) { trackerRep_ = nullptr, trackerSaving_ = nullptr; }
    // The tracker's books (none without a tracker). Defined with the error log.
    const std::vector<std::shared_ptr<MBook>>& books() const;

    // ---- The practice repository's data (MRepository+Practice.cpp). The objects answer null, and
    // isKWActive NO, while there is no practice repository; the two lists need one.

    std::shared_ptr<MQSet> webQSet() const;
    std::shared_ptr<MKeyWordsSet> keyWordsSet() const;
    std::shared_ptr<MQSet> bookmarkQSet() const;
    std::shared_ptr<MQSet> workQSet() const;
    std::shared_ptr<MSessions> sessions() const;
    std::vector<std::shared_ptr<MQSet>>& qSets() const;
    std::vector<std::shared_ptr<MQSet>>& customQSets() const;
    std::shared_ptr<MQFilter> filter() const;
    bool isKWActive() const;
    void setIsKWActive(bool active);

    // ---- Fields

    // Home-screen position of each tool button by button index; none until first stored.
    const std::optional<std::vector<int>>& toolButtonsOrder() const { return toolButtonsOrder_; }
    void setToolButtonsOrder(std::optional<std::vector<int>> order) { toolButtonsOrder_ = std::move(order); }

    const std::shared_ptr<MFeeds>& feedSet() const { return feedSet_; }
    void setFeedSet(std::shared_ptr<MFeeds> feeds) { feedSet_ = std::move(feeds); }

    // -1 for a fresh repository, the stored version after reading, 3 once archived.
    int fileFormatVersion() const { return fileFormatVersion_; }

    bool fSetsShake() const { return fSetsShake_; }
    void setFSetsShake(bool on) { fSetsShake_ = on; }
    bool fSetsVibrateOnShake() const { return fSetsVibrateOnShake_; }
    void setFSetsVibrateOnShake(bool on) { fSetsVibrateOnShake_ = on; }
    bool fSetsVibrateOnWrongAnswer() const { return fSetsVibrateOnWrongAnswer_; }
    void setFSetsVibrateOnWrongAnswer(bool on) { fSetsVibrateOnWrongAnswer_ = on; }

    // Rebuilt at every start, never archived.
    const std::shared_ptr<MCourses>& courseSet() const { return courseSet_; }
    void setCourseSet(std::shared_ptr<MCourses> courses) { courseSet_ = std::move(courses); }

    int setsShakeMode() const { return setsShakeMode_; }
    void setSetsShakeMode(int mode) { setsShakeMode_ = mode; }
    int sessionsShakeMode() const { return sessionsShakeMode_; }
    void setSessionsShakeMode(int mode) { sessionsShakeMode_ = mode; }
    // Points of the question, explanation and e-book pages' text.
    int baseFontSize() const { return baseFontSize_; }
    void setBaseFontSize(int size) { baseFontSize_ = size; }
    int feedbackOpenCounter() const { return feedbackOpenCounter_; }
    void setFeedbackOpenCounter(int count) { feedbackOpenCounter_ = count; }
    // Question type the statistics show (0: all).
    int currentStatisticsType() const { return currentStatisticsType_; }
    void setCurrentStatisticsType(int type) { currentStatisticsType_ = type; }

    const std::optional<fnd::Date>& testDate() const { return testDate_; }
    void setTestDate(std::optional<fnd::Date> date) { testDate_ = date; }

    const std::string& dictLanguage() const { return dictLanguage_; }
    void setDictLanguage(std::string language) { dictLanguage_ = std::move(language); }

    // Seconds after which an answer no longer counts as recent in the official-guide rows (0: never).
    int booksShowTime() const { return booksShowTime_; }
    void setBooksShowTime(int seconds) { booksShowTime_ = seconds; }
    bool stopTrackerInBackground() const { return stopTrackerInBackground_; }
    void setStopTrackerInBackground(bool on) { stopTrackerInBackground_ = on; }

    const std::shared_ptr<MTips>& tipSet() const { return tipSet_; }
    void setTipSet(std::shared_ptr<MTips> tips) { tipSet_ = std::move(tips); }
    bool doNotShowTips() const { return doNotShowTips_; }
    void setDoNotShowTips(bool on) { doNotShowTips_ = on; }

    const std::shared_ptr<MFlashcards>& flashcardsSet() const { return flashcardsSet_; }
    void setFlashcardsSet(std::shared_ptr<MFlashcards> flashcards) { flashcardsSet_ = std::move(flashcards); }

    // The installed e-books in library order, and the answer histories of interactive books by
    // question key.
    std::vector<std::shared_ptr<MEBook>>& eBooks() { return eBooks_; }
    const std::vector<std::shared_ptr<MEBook>>& eBooks() const { return eBooks_; }
    void setEBooks(std::vector<std::shared_ptr<MEBook>> books) { eBooks_ = std::move(books); }
    using BooksData = std::map<std::string, std::vector<std::shared_ptr<MIBHRecord>>, std::less<>>;
    BooksData& booksData() { return booksData_; }
    const BooksData& booksData() const { return booksData_; }
    void setBooksData(BooksData data) { booksData_ = std::move(data); }

    const std::shared_ptr<MTimer>& timer() const { return timer_; }
    void setTimer(std::shared_ptr<MTimer> timer) { timer_ = std::move(timer); }

    const std::shared_ptr<MGameTopics>& gameTopicsSet() const { return gameTopicsSet_; }
    void setGameTopicsSet(std::shared_ptr<MGameTopics> topics) { gameTopicsSet_ = std::move(topics); }
    std::vector<std::shared_ptr<MGameQuestion>>& gameReviewQuestions() { return gameReviewQuestions_; }
    const std::vector<std::shared_ptr<MGameQuestion>>& gameReviewQuestions() const {
        return gameReviewQuestions_;
    }
    void setGameReviewQuestions(std::vector<std::shared_ptr<MGameQuestion>> questions) {
        gameReviewQuestions_ = std::move(questions);
    }

    // Rebuilt at every start, never archived.
    const std::shared_ptr<MConcepts>& conceptSet() const { return conceptSet_; }
    void setConceptSet(std::shared_ptr<MConcepts> concepts) { conceptSet_ = std::move(concepts); }

    const std::optional<std::string>& forumLogin() const { return forumLogin_; }
    void setForumLogin(std::optional<std::string> login) { forumLogin_ = std::move(login); }
    const std::optional<std::string>& forumPassword() const { return forumPassword_; }
    void setForumPassword(std::optional<std::string> password) { forumPassword_ = std::move(password); }
    const std::shared_ptr<MBookmarks>& forumBookmarks() const { return forumBookmarks_; }
    void setForumBookmarks(std::shared_ptr<MBookmarks> bookmarks) { forumBookmarks_ = std::move(bookmarks); }

    bool fSetsAutoscanStopOnLowBattery() const { return fSetsAutoscanStopOnLowBattery_; }
    void setFSetsAutoscanStopOnLowBattery(bool on) { fSetsAutoscanStopOnLowBattery_ = on; }
    // The forum question scan's time limit in seconds.
    int setsAutoscanStopTime() const { return setsAutoscanStopTime_; }
    void setSetsAutoscanStopTime(int seconds) { setsAutoscanStopTime_ = seconds; }

    // The products being unpacked, and the lock of the e-book install that guards them.
    std::set<std::string, std::less<>>& parsingProducts() { return parsingProducts_; }
    std::mutex& mutex() { return mutex_; }

  private:
    bool installInThread(const std::shared_ptr<MProductInfo>& record);
    bool replaceInstalledBook(const std::shared_ptr<MProductInfo>& record, EBookFolders& folders);
    void restoreFeedsWithCoder(fnd::KeyedUnarchiver& coder);
    void loadTipsWithCoder(fnd::KeyedUnarchiver& coder);
    void loadAutoscanOptionsWithCoder(fnd::KeyedUnarchiver& coder);
    void loadOptionsWithCoder(fnd::KeyedUnarchiver& coder);
    std::shared_ptr<MPracticeRepository> practiceRep_;
    std::shared_ptr<MOGTrackerRepository> trackerRep_;
    // The same two, as what saves them.
    std::shared_ptr<MSubRepository> practiceSaving_;
    std::shared_ptr<MSubRepository> trackerSaving_;

    std::optional<std::vector<int>> toolButtonsOrder_;
    std::shared_ptr<MFeeds> feedSet_;
    mutable int fileFormatVersion_ = -1;
    bool fSetsShake_ = true;
    bool fSetsVibrateOnShake_ = true;
    bool fSetsVibrateOnWrongAnswer_ = true;
    std::shared_ptr<MCourses> courseSet_;
    int setsShakeMode_ = 0;
    int sessionsShakeMode_ = 0;
    int baseFontSize_ = 13;
    int feedbackOpenCounter_ = 0;
    int currentStatisticsType_ = 0;
    std::optional<fnd::Date> testDate_;
    std::string dictLanguage_ = "en";
    int booksShowTime_ = 86400;
    bool stopTrackerInBackground_ = true;
    std::shared_ptr<MTips> tipSet_;
    bool doNotShowTips_ = false;
    std::shared_ptr<MFlashcards> flashcardsSet_;
    std::vector<std::shared_ptr<MEBook>> eBooks_;
    BooksData booksData_;
    std::optional<std::string> jquery_;
    std::shared_ptr<MTimer> timer_;
    std::shared_ptr<MGameTopics> gameTopicsSet_;
    std::vector<std::shared_ptr<MGameQuestion>> gameReviewQuestions_;
    std::shared_ptr<MConcepts> conceptSet_;
    std::optional<std::string> forumLogin_;
    std::optional<std::string> forumPassword_;
    std::shared_ptr<MBookmarks> forumBookmarks_;
    bool fSetsAutoscanStopOnLowBattery_ = true;
    int setsAutoscanStopTime_ = 1200;
    std::set<std::string, std::less<>> parsingProducts_;
    std::mutex mutex_;
};
