// The repository's e-book operations: the list of installed books, their archive, their question
// indexes and answers, and the install of a downloaded book.
//
// An install runs on a thread of its own under the repository's lock. The received archive is
// unpacked into a fresh folder; the installed book's folder is moved aside, the new one moved in
// and read; only a book that was read replaces the list entry, and the central file is saved
// listing it (on the main thread, where the list, the answers and the save live) before the old
// folder is deleted. Any failure, a failed save included, puts the old folder and list entry back.
// A program stopped in between leaves folders that the next start puts in step with the central
// file (EBookFolders).

#include <algorithm>

#include "Classes/core/MRepository.h"
#include "Classes/core/TovridaAppDelegate.h"
#include "Classes/library_store/EBookFolders.h"
#include "Classes/library_store/MEBook.h"
#include "Classes/library_store/MEBookLoader.h"
#include "Classes/library_store/MIBHRecord.h"
#include "Classes/library_store/MIBIndex.h"
#include "Classes/library_store/MProductInfo.h"
#include "Classes/library_store/ProductsObserver.h"
#include "Classes/library_store/ZipArchive.h"
#include "platform/foundation/AtomicFile.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Paths.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/Thread.h"

namespace fs = std::filesystem;

namespace {

void updateShop() {
    if (auto delegate = TovridaAppDelegate::shared()) delegate->updateShop();
}

// Whether the central file now holds the repository. Without a program around the repository (a
// benchmark, a test of the repository alone) there is no central file to keep in step with.
bool saveRepository() {
    auto delegate = AbstractAppDelegate::shared();
    return !delegate || delegate->save();
}

// The downloaded books of the list with their versions (the books held in the resources have no
// folders of their own to put right).
EBookFolders::Listing listing(const std::vector<std::shared_ptr<MEBook>>& books) {
    EBookFolders::Listing listed;
    for (const auto& book : books)
        if (MRepository::isValidProductId(book->productId()) && !MRepository::isLocalEBook(book->productId()))
            listed.emplace(book->productId(), book->version());
    return listed;
}

}  // namespace

fs::path MRepository::folderPathForUpdatedEBook(std::string_view productId) {
    return EBookFolders(productId).unpacked();
}

fs::path MRepository::dataFilePathForEBook(std::string_view productId) {
    if (!isValidProductId(productId)) return {};
    return fnd::Paths::temporary() / ("ebook_" + std::string(productId) + ".zip");
}

std::shared_ptr<MProductInfo> MRepository::sampleProductInfo() {
    auto info = std::make_shared<MProductInfo>("Sample", 100, 1, "[Try-it] Interactive Book", "Tutorial",
                                               "Ostrand Ventures", "IB_example");
    info->setDescription(
        "The book demonstrates what benefits the interactive format has especially for the users of mobile "
        "devices.");
    info->setSmartBookMode(1);
    return info;
}

void MRepository::setupEBooks() {
    eBooks_.clear();
    MEBookLoader loader(eBooks_);
    loader.loadData(dataFolderPathForEBook("Sample"), *sampleProductInfo());
    loadIndexForEbook(loader.currentBook());
}

void MRepository::initEBooks() {
    parsingProducts_.clear();
    // A new repository lists no downloaded book: an install that was stopped before its first save
    // is undone.
    EBookFolders::repairAll({});
    setupEBooks();
    booksData_.clear();
}

void MRepository::loadEBooksWithCoder(fnd::KeyedUnarchiver& coder) {
    MEBook::registerArchiveClass();
    MIBHRecord::registerArchiveClass();
    parsingProducts_.clear();
    setupEBooks();
    std::vector<std::shared_ptr<MEBook>> archived;
    if (auto array = coder.decodeArray("kEBooks"))
        for (const auto& value : *array)
            if (auto book = value.object<MEBook>();
                book && isValidProductId(book->productId()) && !isLocalEBook(book->productId()))
                archived.push_back(book);
    // Before anything reads a book's folder, an install that was stopped is finished or undone, so
    // that each listed book's folder holds the version listed.
    EBookFolders::repairAll(listing(archived));
    eBooks_.insert(eBooks_.begin(), archived.begin(), archived.end());

    booksData_.clear();
    if (auto dictionary = coder.decodeDictionary("booksData")) {
        for (const auto& [key, value] : *dictionary) {
            auto records = value.array();
            if (!records || !key.string()) continue;
            std::vector<std::shared_ptr<MIBHRecord>>& history = booksData_[*key.string()];
            for (const auto& record : *records)
                if (auto r = record.object<MIBHRecord>()) history.push_back(r);
        }
    }
    for (const auto& book : eBooks_) loadIndexForEbook(book);
}

void MRepository::encodeEBooksWithCoder(fnd::KeyedArchiver& coder) const {
    auto books = fnd::ArchiveValue::makeArray();
    for (const auto& book : eBooks_)
        if (!isLocalEBook(book->productId())) books->emplace_back(book);
    coder.encodeObject("kEBooks", books);
    // An interactive book's answers live in its index while its contents are open and reach
    // booksData only when they close; the archive takes them from the index, so that a save in
    // between (the program going to the background or ending) keeps them.
    BooksData histories = booksData_;
    for (const auto& book : eBooks_)
        if (book->ibIndex()) book->ibIndex()->fillHistoryDictionary(histories);
    auto dictionary = fnd::ArchiveValue::makeDictionary();
    for (const auto& [key, history] : histories) {
        auto records = fnd::ArchiveValue::makeArray();
        for (const auto& record : history) records->emplace_back(record);
        dictionary->emplace(key, records);
    }
    coder.encodeObject("booksData", dictionary);
}

bool MRepository::isParsingProduct(std::string_view productId) const {
    return parsingProducts_.find(productId) != parsingProducts_.end();
}

std::shared_ptr<MEBook> MRepository::findEBookByProductId(std::string_view productId) const {
    auto found = std::find_if(eBooks_.begin(), eBooks_.end(),
                              [&](const auto& book) { return book->productId() == productId; });
    return found == eBooks_.end() ? nullptr : *found;
}

void MRepository::loadIndexForEbook(const std::shared_ptr<MEBook>& book) {
    if (!book || !book->hasHistory()) return;
    fs::path folder = dataFolderPathForEBook(book->productId());
    fs::path file =
        fs::path(folder.string() + "/" + book->dataPath() + "/" + MIBIndex::kFileName).lexically_normal();
    auto index = MEBook::isInsideFolder(file, folder) ? MIBIndex::initWithContentsOfFile(file)
                                                      : std::make_shared<MIBIndex>();
    index->addHistoryFromHistoryDictionary(booksData_);
    book->setIbIndex(index);
}

bool MRepository::loadEBook(const std::string& productId, const fnd::Bytes& content,
                            std::function<void(bool)> done) {
    auto delegate = TovridaAppDelegate::shared();
    std::shared_ptr<MProductInfo> record;
    if (delegate && delegate->productsObserver())
        record = delegate->productsObserver()->productInfo(productId);
    if (!record) {
        fnd::Log::error("no catalogue record for the downloaded product ", productId);
        return false;
    }
    return installEBook(record, content, std::move(done));
}

bool MRepository::installEBook(std::shared_ptr<MProductInfo> record, const fnd::Bytes& content,
                               std::function<void(bool)> done) {
    const std::string productId = record->productId();
    // A name such as "x_new" would share its folder with the install of "x".
    if (!isValidProductId(productId) || isLocalEBook(productId) ||
        EBookFolders::isWorkingFolderName(productId)) {
        fnd::Log::error("refused to install the product ", productId);
        return false;
    }
    fs::path archive = dataFilePathForEBook(productId);
    fnd::AtomicFile::Result written = fnd::AtomicFile::write(archive, content);
    if (!written) {
        fnd::Log::error("cannot save the downloaded e-book ", archive.string(), ": ", written.error);
        return false;
    }
    parsingProducts_.insert(productId);
    updateShop();

    auto self = sharedAs<MRepository>();
    fnd::Thread::detach("e-book install", [self, record, productId, done = std::move(done)] {
        bool installed;
        {
            std::lock_guard lock(self->mutex_);
            installed = self->installInThread(record);
        }
        fnd::RunLoop::main().performAndWait([&] {
            self->parsingProducts_.erase(productId);
            // An installed book was saved with the list already; after a failed install the
            // repository is saved all the same.
            if (!installed) saveRepository();
            updateShop();
            fnd::NotificationCenter::defaultCenter().post(kEBookInstallEndedNotification, self);
            if (done) done(installed);
        });
    });
    return true;
}

bool MRepository::installInThread(const std::shared_ptr<MProductInfo>& record) {
    const std::string& productId = record->productId();
    EBookFolders folders(productId);
    // What an earlier install of this book left (an unpack, a replaced folder that could not be
    // deleted) is put in step with the list first, so that the unpack starts in an empty folder.
    EBookFolders::Listing listed;
    fnd::RunLoop::main().performAndWait([&] { listed = listing(eBooks_); });
    folders.repair(listed);

    fs::path archive = dataFilePathForEBook(productId);
    ZipArchive zip;
    if (!zip.UnzipOpenFile(archive)) {
        fnd::Log::error("ZipArchive: Failed open file: ", archive.string());
        return false;
    }
    bool ok = zip.UnzipFileTo(folders.unpacked(), true);
    zip.UnzipCloseFile();
    if (!ok) {
        fnd::Log::error("ZipArchive: Failed write to folder: ", folders.unpacked().string());
        folders.discardUnpacked();
        return false;
    }
    EBookFolders::reached(EBookFolders::Step::Unpacked);
    if (!folders.stampUnpacked(record->version())) {
        folders.discardUnpacked();
        return false;
    }
    EBookFolders::reached(EBookFolders::Step::Stamped);
    return replaceInstalledBook(record, folders);
}

bool MRepository::replaceInstalledBook(const std::shared_ptr<MProductInfo>& record, EBookFolders& folders) {
    const std::string& productId = record->productId();
    if (!folders.moveAside()) {
        folders.discardUnpacked();
        return false;
    }
    EBookFolders::reached(EBookFolders::Step::MovedAside);
    if (!folders.moveIn()) {
        folders.putBack();
        return false;
    }
    EBookFolders::reached(EBookFolders::Step::MovedIn);

    // The new book is read into a list of its own; the repository's list changes only once it is
    // there, together with its index, on the main thread.
    std::vector<std::shared_ptr<MEBook>> read;
    MEBookLoader loader(read);
    loader.loadData(folders.folder(), *record);
    std::shared_ptr<MEBook> book = loader.currentBook();
    if (!book) {
        fnd::Log::error("the downloaded e-book ", productId, " could not be read; the installed one stays");
        folders.putBack();
        return false;
    }
    EBookFolders::reached(EBookFolders::Step::Read);

    // The old folder may go only once the central file lists the new book: until then a stopped
    // program must find the old one to put back.
    bool saved = false;
    fnd::RunLoop::main().performAndWait([&] {
        auto old = std::find_if(eBooks_.begin(), eBooks_.end(),
                                [&](const auto& installed) { return installed->productId() == productId; });
        std::shared_ptr<MEBook> replaced = old != eBooks_.end() ? *old : nullptr;
        if (replaced)
            *old = book;
        else
            old = eBooks_.insert(eBooks_.begin(), book);
        loadIndexForEbook(book);
        saved = saveRepository();
        if (saved) return;
        if (replaced)
            *old = replaced;
        else
            eBooks_.erase(old);
    });
    if (!saved) {
        fnd::Log::error("the central file could not list the downloaded e-book ", productId,
                        "; the installed one stays");
        folders.putBack();
        return false;
    }
    EBookFolders::reached(EBookFolders::Step::Saved);
    folders.discardAside();
    EBookFolders::reached(EBookFolders::Step::AsideRemoved);
    folders.commit();
    return true;
}
