#include "Classes/practice/MPracticeRepository.h"

#include <algorithm>
#include <map>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "Classes/practice/MHardQuantSet.h"
#include "Classes/practice/MHardQuantSet200.h"
#include "Classes/practice/MKaplanSet.h"
#include "Classes/practice/MKeyWordsSet.h"
#include "Classes/practice/MKnewtonSet.h"
#include "Classes/practice/MManhattanORVASet.h"
#include "Classes/practice/MManhattanReviewSet.h"
#include "Classes/practice/MPracticeClasses.h"
#include "Classes/practice/MPrincetonReviewSet.h"
#include "Classes/practice/MQFilter.h"
#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetHRecord.h"
#include "Classes/practice/MQSetHistorySnapshot.h"
#include "Classes/practice/MQSetQuestion.h"
#include "Classes/practice/MSessions.h"
#include "Classes/practice/PracticeCoding.h"
#include "Classes/study_aids/MCourses.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "platform/foundation/Paths.h"

const std::vector<MPracticeRepository::BuiltIn>& MPracticeRepository::builtInSets() {
    static const std::vector<BuiltIn> sets = {
        {&MPracticeRepository::hardQuantSet_, &MPracticeRepository::hardQuantSetCreator,
         "hardQuantSetActive"},
        {&MPracticeRepository::manhattanORVASet_, &MPracticeRepository::manhattanORVASetCreator,
         "manhattanORVASetActive"},
        {&MPracticeRepository::knewtonSet_, &MPracticeRepository::knewtonSetCreator, "knewtonSetActive"},
        {&MPracticeRepository::manhattanReviewSet_, &MPracticeRepository::manhattanReviewSetCreator,
         "manhattanReviewSetActive"},
        {&MPracticeRepository::princetonReviewSet_, &MPracticeRepository::princetonReviewSetCreator,
         "princetonReviewSetActive"},
        {&MPracticeRepository::kaplanSet_, &MPracticeRepository::kaplanSetCreator, "kaplanSetActive"},
    };
    return sets;
}

std::shared_ptr<MQSet> MPracticeRepository::makeBookmarkSet() {
    return MQSet::make(MQSet::kBookmarksSetUID, "Bookmarks", "Bookmarks", "Sets_hard_quant.png", true);
}

std::shared_ptr<MQSet> MPracticeRepository::makeWebSet() {
    return MQSet::make(MQSet::kForumSetUID, "My Set", "Questions collected from Vessark forums",
                       "Sets_myset.png", true);
}

std::shared_ptr<MPracticeRepository> MPracticeRepository::makeWithData() {
    auto repository = std::make_shared<MPracticeRepository>();
    repository->initWithData();
    return repository;
}

void MPracticeRepository::initWithData() {
    bookmarkQSet_ = makeBookmarkSet();
    webQSet_ = makeWebSet();
    customQSets_.clear();
    hardQuantSetCreator();
    knewtonSetCreator();
    manhattanORVASetCreator();
    princetonReviewSetCreator();
    manhattanReviewSetCreator();
    kaplanSetCreator();
    createQSets();
    filter_ = MQFilter::makeWithTagsFromSets(qSets_);
    createWorkSetAndMoveToCursor(0);
    keyWordsSet_ = std::make_shared<MKeyWordsSet>();
    isKWActive_ = false;
    practiceCSLastUID_ = kFirstCustomSetUID;
    sessions_ = std::make_shared<MSessions>();
}

std::filesystem::path MPracticeRepository::dataFilePath() {
    return fnd::Paths::documents() / "PracticeRepository";
}

void MPracticeRepository::hardQuantSetCreator() {
    hardQuantSet_ =
        MQSet::make(1, "Hard Quant Set", "Hard 700+ ORVA Quantitaitive Questions from Vessark Tests",
                    "Sets_hard_quant.png", true);
    MHardQuantSet::fillSet(hardQuantSet_);
    MHardQuantSet200::fillSet(hardQuantSet_);
}

void MPracticeRepository::manhattanReviewSetCreator() {
    // The set keeps its name and identifier, which stored histories rely on; its questions are our own,
    // so the description says so instead of naming the company as their author.
    manhattanReviewSet_ =
        MQSet::make(100, "Manhattan Review",
                    "Original practice questions; not written by or affiliated with Manhattan Review.",
                    "Sets_ManhattanReview.png", true);
    MManhattanReviewSet::fillSet(manhattanReviewSet_);
}

// The sets named after test-preparation companies hold questions written for this kit, so their
// descriptions say that the company neither wrote them nor is affiliated with them.
void MPracticeRepository::princetonReviewSetCreator() {
    princetonReviewSet_ =
        MQSet::make(1000, "Princeton Review",
                    "Original practice questions; not written by or affiliated with Princeton Review.",
                    "Sets_PrincetonReview.png", true);
    MPrincetonReviewSet::fillSet(princetonReviewSet_);
}

void MPracticeRepository::manhattanORVASetCreator() {
    // As for Manhattan Review: our own questions under the set's stored name.
    manhattanORVASet_ =
        MQSet::make(2000, "Manhattan ORVA",
                    "Original practice questions; not written by or affiliated with Manhattan ORVA.",
                    "Sets_ManhattanORVA.png", true);
    MManhattanORVASet::fillSet(manhattanORVASet_);
}

void MPracticeRepository::knewtonSetCreator() {
    knewtonSet_ = MQSet::make(3000, "Knewton",
                              "Original practice questions; not written by or affiliated with Knewton.",
                              "Sets_Knewton.png", true);
    MKnewtonSet::fillSet(knewtonSet_);
}

void MPracticeRepository::kaplanSetCreator() {
    kaplanSet_ =
        MQSet::make(4000, "Kaplan", "Original practice questions; not written by or affiliated with Kaplan.",
                    "Sets_Kaplan.png", true);
    MKaplanSet::fillSet(kaplanSet_);
}

void MPracticeRepository::createQSets() {
    qSets_ = {kaplanSet_,          knewtonSet_,   manhattanORVASet_, princetonReviewSet_,
              manhattanReviewSet_, hardQuantSet_, webQSet_};
    qSets_.insert(qSets_.end(), customQSets_.begin(), customQSets_.end());
    std::erase(qSets_, nullptr);
}

void MPracticeRepository::createWorkSetAndMoveToCursor(std::int32_t cursor) {
    workQSet_ = MQSet::make(MQSet::kWorkSetUID, "Work Set", "Work Set", "Sets_hard_quant.png", true);
    if (filter_) filter_->fillQSet(*workQSet_, qSets_);
    auto count = workQSet_->questions().size();
    workQSet_->setCursor(static_cast<std::uint32_t>(cursor) < count ? cursor : 0);
}

void MPracticeRepository::attachCoursesFromSet(const MCourses& courses) {
    knewtonSet_->setCourse(courses.courseForName("Knewton"));
    manhattanORVASet_->setCourse(courses.courseForName("Manhattan ORVA"));
    princetonReviewSet_->setCourse(courses.courseForName("Princeton Review"));
    manhattanReviewSet_->setCourse(courses.courseForName("Manhattan Review"));
    kaplanSet_->setCourse(courses.courseForName("Kaplan"));
    hardQuantSet_->setCourse(nullptr);
    webQSet_->setCourse(nullptr);
}

// Archive

void MPracticeRepository::fillHistoryDict(fnd::ArchiveDictionary& histories, const MQSet& set,
                                          const std::string& activeKey) {
    for (const auto& q : set.questions())
        if (q->hasHistory()) histories[q->key()] = PracticeCoding::objectArray(q->history());
    histories[activeKey] = fnd::ArchiveValue::boolean(set.isActive());
}

namespace {

// An archivable object copied through its archive: a copy that shares nothing with the original.
template <class T>
std::shared_ptr<T> copyOf(const std::shared_ptr<T>& value) {
    if (!value) return nullptr;
    auto bytes = fnd::KeyedArchiver::archive("root", value);
    return bytes ? fnd::KeyedUnarchiver::unarchive(*bytes, "root").template object<T>() : nullptr;
}

// The answer records of the built-in sets under their question keys, as they stand now. The records
// are shared, not copied: only what can still change of them is kept apart.
void snapshotHistories(fnd::ArchiveDictionary& histories, const MQSet& set, const std::string& activeKey) {
    for (const auto& q : set.questions())
        if (q->hasHistory()) histories[q->key()] = std::make_shared<MQSetHistorySnapshot>(q->history());
    histories[activeKey] = fnd::ArchiveValue::boolean(set.isActive());
}

}  // namespace

MSubRepository::Snapshot MPracticeRepository::snapshotForSave() {
    auto copy = std::make_shared<MPracticeRepository>();
    auto frozen = std::make_shared<Frozen>();
    for (const auto& q : bookmarkQSet_->questions())
        if (!q->key().empty()) frozen->bookmarks.push_back(q->key());
    frozen->histories = fnd::ArchiveValue::makeDictionary();
    for (const auto& builtIn : builtInSets())
        if (const auto& set = this->*builtIn.set)
            snapshotHistories(*frozen->histories, *set, builtIn.activeKey);
    frozen->workQSetCursor = workQSet_ ? workQSet_->cursor() : 0;
    copy->frozen_ = std::move(frozen);
    copy->webQSet_ = copyOf(webQSet_);
    for (const auto& set : customQSets_) copy->customQSets_.push_back(copyOf(set));
    copy->filter_ = copyOf(filter_);
    copy->sessions_ = copyOf(sessions_);
    copy->keyWordsSet_ = copyOf(keyWordsSet_);
    copy->isKWActive_ = isKWActive_;
    copy->practiceCSLastUID_ = practiceCSLastUID_;
    return archiveOfCopy(copy);
}

void MPracticeRepository::encodeWithCoder(fnd::KeyedArchiver& coder) const {
    std::vector<std::string> bookmarks;
    if (frozen_) {
        bookmarks = frozen_->bookmarks;
    } else {
        for (const auto& q : bookmarkQSet_->questions())
            if (!q->key().empty()) bookmarks.push_back(q->key());
    }
    coder.encodeObject("bookmarkAr", PracticeCoding::stringArray(bookmarks));
    coder.encodeObject("kwebQSet", webQSet_);
    coder.encodeObject("customQSets", PracticeCoding::objectArray(customQSets_));

    std::shared_ptr<fnd::ArchiveDictionary> histories =
        frozen_ ? frozen_->histories : fnd::ArchiveValue::makeDictionary();
    if (!frozen_)
        for (const auto& builtIn : builtInSets())
            if (const auto& set = this->*builtIn.set) fillHistoryDict(*histories, *set, builtIn.activeKey);
    coder.encodeObject("historyDict", histories);
    coder.encodeInt32("kworkQSetCursor", frozen_     ? frozen_->workQSetCursor
                                         : workQSet_ ? workQSet_->cursor()
                                                     : 0);
    coder.encodeObject("kfilter", filter_);
    coder.encodeObject("kSessions", sessions_);
    coder.encodeObject("keyWordsSet", keyWordsSet_);
    coder.encodeBool("isKWActive", isKWActive_);
    coder.encodeInt32("practiceCSLastUID", practiceCSLastUID_);
}

void MPracticeRepository::initWithCoder(fnd::KeyedUnarchiver& coder) { loadWithCoder(coder); }

void MPracticeRepository::loadWithCoder(fnd::KeyedUnarchiver& coder) {
    MPracticeClasses::registerAll();
    // Sessions first: restoring the sets hands them their answers.
    loadSessionsWithCoder(coder);
    if (coder.containsValueForKey("historyDict"))
        applyHistoryWithCoder(coder);
    else
        loadSetsWithCoder(coder);
    loadLocalSetsWithCoder(coder);
    createQSets();
    restoreBookmarksWithCoder(coder);
    filter_ = coder.decodeObjectOfClass<MQFilter>("kfilter");
    // An archive without a filter gets a fresh one rather than an empty work set for good.
    if (!filter_) filter_ = MQFilter::makeWithTagsFromSets(qSets_);
    createWorkSetAndMoveToCursor(coder.decodeInt32("kworkQSetCursor"));
    loadKWWithCoder(coder);
    practiceCSLastUID_ = coder.containsValueForKey("practiceCSLastUID")
                             ? coder.decodeInt32("practiceCSLastUID")
                             : kFirstCustomSetUID;
    // Every set has given its answers back: a session saved while it ran stays if it has any.
    sessions_->finishLoading();
}

void MPracticeRepository::loadSessionsWithCoder(fnd::KeyedUnarchiver& coder) {
    sessions_ = coder.decodeObjectOfClass<MSessions>("kSessions");
    if (!sessions_) sessions_ = std::make_shared<MSessions>();
}

void MPracticeRepository::applyHistoryWithCoder(fnd::KeyedUnarchiver& coder) {
    // The dictionary is read entry by entry, so that each list of records goes into its question
    // with no dictionary or list made in between: a large history has a hundred thousand records.
    // Beside the lists it holds each built-in set's flag under the set's key.
    MQSet::HistoryDictionary histories;
    // Where the records of a session lie in each key's list, noted while the records are at hand:
    // only those go back to their sessions below, so the lists are not walked a second time.
    std::unordered_map<std::string, std::vector<std::uint32_t>> inSession;
    std::map<std::string, std::optional<bool>, std::less<>> flags;
    for (const auto& builtIn : builtInSets()) flags[builtIn.activeKey];
    coder.decodeEntries("historyDict", [&](const fnd::ArchiveKey& key, fnd::KeyedUnarchiver::Entry& entry) {
        const std::string* text = key.string();
        auto flag = text ? flags.find(*text) : flags.end();
        std::vector<std::shared_ptr<MQSetHRecord>> records;
        if (flag != flags.end()) {
            fnd::ArchiveValue value = entry.value();
            flag->second = value.boolValue();
            records = PracticeCoding::objects<MQSetHRecord>(value);
        } else {
            records = PracticeCoding::objects<MQSetHRecord>(entry.objects());
        }
        if (!text) return;
        // A value that is not a list of records reads as no history; of a key met twice, the
        // later entry counts.
        inSession.erase(*text);
        if (records.empty()) {
            histories.erase(*text);
            return;
        }
        std::vector<std::uint32_t> places;
        for (std::size_t i = 0; i < records.size(); ++i)
            if (records[i]->isInSession()) places.push_back(static_cast<std::uint32_t>(i));
        if (!places.empty()) inSession.emplace(*text, std::move(places));
        histories.insert_or_assign(*text, std::move(records));
    });
    std::vector<std::shared_ptr<MQSet>> sets;
    for (const auto& builtIn : builtInSets()) {
        (this->*builtIn.creator)();
        sets.push_back(this->*builtIn.set);
    }
    MQSet::restoreHistory(sets, histories);
    for (const auto& builtIn : builtInSets()) {
        auto& set = this->*builtIn.set;
        // As restoreSessions would, question by question, but only the records noted above.
        for (const auto& q : set->questions())
            if (auto found = inSession.find(q->key()); found != inSession.end())
                sessions_->restoreSessionRecordsFromQuestion(q, found->second);
        std::optional<bool> active = flags[builtIn.activeKey];
        // A missing flag reads as off, except for the set that came last and was on from the start.
        if (active)
            set->setIsActive(*active);
        else if (builtIn.set != &MPracticeRepository::kaplanSet_)
            set->setIsActive(false);
    }
}

void MPracticeRepository::loadSetsWithCoder(fnd::KeyedUnarchiver& coder) {
    hardQuantSet_ = coder.decodeObjectOfClass<MQSet>("khardQuantSet");
    if (!hardQuantSet_) hardQuantSetCreator();
    manhattanORVASetCreator();
    knewtonSetCreator();
    kaplanSetCreator();
    princetonReviewSet_ = coder.decodeObjectOfClass<MQSet>("kprincetonReviewSet");
    if (!princetonReviewSet_) princetonReviewSetCreator();
    manhattanReviewSet_ = coder.decodeObjectOfClass<MQSet>("kmanhattanReviewSet");
    if (!manhattanReviewSet_) manhattanReviewSetCreator();
    for (const auto& builtIn : builtInSets()) (this->*builtIn.set)->restoreSessions(*sessions_);
}

void MPracticeRepository::loadLocalSetsWithCoder(fnd::KeyedUnarchiver& coder) {
    webQSet_ = coder.decodeObjectOfClass<MQSet>("kwebQSet");
    if (!webQSet_) webQSet_ = makeWebSet();
    // Archives of older versions hold harvested questions that were never given their set.
    for (const auto& q : webQSet_->questions())
        if (!q->set()) q->setSet(webQSet_);
    webQSet_->restoreSessions(*sessions_);
    customQSets_ = PracticeCoding::objects<MQSet>(coder.decodeObject("customQSets"));
    for (auto& set : customQSets_) set->restoreSessions(*sessions_);
}

namespace {

// The key a harvested question had while it was kept without its set (set number 0), under which
// bookmarks of older versions name it.
std::string formerForumKey(const MQSetQuestion& question) {
    const std::string& key = question.key();
    auto separator = key.find('_');
    return separator == std::string::npos ? std::string() : "0" + key.substr(separator);
}

}  // namespace

void MPracticeRepository::restoreBookmarksWithCoder(fnd::KeyedUnarchiver& coder) {
    if (coder.containsValueForKey("bookmarkAr")) {
        auto stored = PracticeCoding::strings(coder.decodeObject("bookmarkAr"));
        std::unordered_set<std::string> keys(stored.begin(), stored.end());
        bookmarkQSet_ = makeBookmarkSet();
        for (const auto& set : qSets_)
            for (const auto& q : set->questions())
                if (keys.count(q->key()) || (set == webQSet_ && keys.count(formerForumKey(*q))))
                    bookmarkQSet_->addQuestion(q);
        return;
    }
    bookmarkQSet_ = coder.decodeObjectOfClass<MQSet>("kbookmarkQSet");
    if (!bookmarkQSet_) bookmarkQSet_ = makeBookmarkSet();
}

void MPracticeRepository::loadKWWithCoder(fnd::KeyedUnarchiver& coder) {
    keyWordsSet_ = coder.decodeObjectOfClass<MKeyWordsSet>("keyWordsSet");
    if (!keyWordsSet_) keyWordsSet_ = std::make_shared<MKeyWordsSet>();
    isKWActive_ = coder.containsValueForKey("isKWActive") && coder.decodeBool("isKWActive");
}
