#include "Classes/flashcards/MCustomFC.h"

#include <algorithm>
#include <charconv>
#include <span>
#include <system_error>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/flashcards/MDeckStyle.h"
#include "Classes/flashcards/MDeckStyleSheets.h"
#include "Classes/flashcards/MFlashcard.h"
#include "Classes/flashcards/MFlashcardsFiles.h"
#include "Classes/flashcards/MHistoryEntry.h"
#include "platform/foundation/AtomicFile.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/Paths.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/Thread.h"
#include "platform/foundation/URLSession.h"
#include "platform/ui/Image.h"

namespace fs = std::filesystem;

namespace {

void logUnreadable(const std::optional<std::string>& path) {
    fnd::Log::error("Can't open file ", path.value_or("(null)"), ". ");
}

// The identifiers named by the entry's "Card_<n>" keys, ascending; keys whose number cannot be
// read are skipped.
std::vector<std::uint32_t> identifiersFromCardKeys(const fnd::ArchiveDictionary& entry) {
    std::vector<std::uint32_t> ids;
    for (const auto& [name, value] : entry) {
        if (!name.string()) continue;
        const std::string& key = *name.string();
        auto at = key.find("Card_");
        if (at == std::string::npos) continue;
        const char* first = key.data() + at + 5;
        const char* last = key.data() + key.size();
        std::uint32_t id = 0;
        if (auto [end, error] = std::from_chars(first, last, id); error == std::errc() && end == last)
            ids.push_back(id);
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

// A picture file: the stored path, or, when the documents folder has moved since, the file of
// that name in the documents folder.
std::shared_ptr<const ui::Image> readStoredImage(const std::string& path) {
    if (auto bytes = MFlashcardsFiles::read(path))
        if (auto image = ui::Image::fromData(*bytes)) return image;
    fs::path moved = fnd::Paths::documents() / fs::path(path).filename();
    if (moved == fs::path(path)) return nullptr;
    if (auto bytes = MFlashcardsFiles::read(moved)) return ui::Image::fromData(*bytes);
    return nullptr;
}

}  // namespace

MCustomFC::MCustomFC(std::uint32_t id) : MCustomFC(id, "fc_icon_flashcards.png") {}

MCustomFC::MCustomFC(std::uint32_t id, const std::string& iconName)
    : MDeck(id, "", fnd::Date::now(), fnd::Date::now(), "", "", {}, ui::Image::named(iconName), nullptr,
            false) {
    setupTheStyle();
}

void MCustomFC::setupTheStyles() {
    bool tablet = AbstractAppDelegate::isiPad();
    std::string body = MDeckStyleSheets::quant(tablet, false);
    const std::string faces[kFaceStylesNumber] = {MDeckStyleSheets::centredText(tablet), body};
    const std::string backs[kBackStylesNumber] = {MDeckStyleSheets::centredBoxes(tablet) + body,
                                                  MDeckStyleSheets::topLeftBoxes(tablet) + body,
                                                  MDeckStyleSheets::centredText(tablet)};
    styles_.clear();
    for (const auto& back : backs)
        for (const auto& face : faces)
            styles_.push_back(MDeckStyle::make(tablet, MDeckStyle::kUsualPictures, face, back));
}

std::shared_ptr<MDeckStyle> MCustomFC::setupTheStyle() {
    setupTheStyles();
    faceStyleIndex_ = backStyleIndex_ = 0;
    setTheStyle();
    return style();
}

void MCustomFC::changeFaceStyle() {
    faceStyleIndex_ = (faceStyleIndex_ + 1) % kFaceStylesNumber;
    setTheStyle();
}

void MCustomFC::changeBackStyle() {
    backStyleIndex_ = (backStyleIndex_ + 1) % kBackStylesNumber;
    setTheStyle();
}

void MCustomFC::setTheStyle() { setStyle(styles_.at(styleIndex())); }

// ---- Pictures

namespace {

// The worker's part of a picture: fetch, decode, and write the JPEG file. Null when any step fails.
std::shared_ptr<const ui::Image> fetchAndStorePicture(const std::string& address, const fs::path& path) {
    fnd::URLSession::Result result =
        fnd::URLSession::shared()->loadSynchronously(fnd::URLRequest(fnd::URL(address)));
    if (!result.succeeded() || result.response.statusCode() >= 400) return nullptr;
    auto image = ui::Image::fromData(result.body);
    if (!image) return nullptr;
    std::string jpeg = image->jpegData(1.0);
    if (jpeg.empty()) return nullptr;
    auto written = fnd::AtomicFile::write(
        path, std::span(reinterpret_cast<const std::uint8_t*>(jpeg.data()), jpeg.size()));
    return written.saved ? image : nullptr;
}

}  // namespace

MCustomFC::~MCustomFC() { picturesStop_->store(true); }

void MCustomFC::loadInBackgroundImageForFlashcard(const std::shared_ptr<MFlashcard>& card) {
    loadInBackgroundImagesForCards({card});
}

void MCustomFC::loadInBackgroundImagesForCards(const Cards& cards) {
    struct Job {
        std::string address;
        fs::path path;
        std::weak_ptr<MFlashcard> card;
    };
    std::vector<Job> jobs;
    for (const auto& card : cards)
        if (card && card->imageURL())
            jobs.push_back({*card->imageURL(),
                            fnd::Paths::documents() / MFlashcardsFiles::imageFileName(ID(), card->ID()),
                            card});
    if (jobs.empty()) return;
    std::weak_ptr<MCustomFC> weakDeck = sharedAs<MCustomFC>();
    // One worker for all the cards, in card order: a set may hold hundreds of pictures. It only
    // fetches, decodes and writes the files; each card takes its picture on the main thread, and a
    // deck that is deleted or gone stops the worker before its next picture.
    fnd::Thread::detach("card pictures", [jobs = std::move(jobs), weakDeck, stop = picturesStop_] {
        for (const Job& job : jobs) {
            if (stop->load()) return;
            auto image = fetchAndStorePicture(job.address, job.path);
            fnd::RunLoop::main().post([weakDeck, card = job.card, path = job.path, image = std::move(image)] {
                takeDownloadedImage(weakDeck.lock(), card.lock(), image, path);
            });
        }
    });
}

void MCustomFC::takeDownloadedImage(const std::shared_ptr<MCustomFC>& deck,
                                    const std::shared_ptr<MFlashcard>& card,
                                    std::shared_ptr<const ui::Image> image, const fs::path& path) {
    if (!image) {
        logUnreadable(card ? card->pathToImageFile() : std::nullopt);
        return;
    }
    const bool listed =
        deck && !deck->deleted_ && card &&
        std::find(deck->flashcards().begin(), deck->flashcards().end(), card) != deck->flashcards().end();
    if (!listed) {
        std::error_code ignored;
        fs::remove(path, ignored);
        return;
    }
    card->setImage(std::move(image));
    card->setPathToImageFile(path.string());
    card->setImageIsStoredLocally(true);
}

void MCustomFC::removeImages() {
    deleted_ = true;
    picturesStop_->store(true);
    for (const auto& card : flashcards()) card->removeImage();
}

void MCustomFC::restoreImages() {
    Cards toFetch;
    for (const auto& card : flashcards()) {
        if (card->imageIsStoredLocally()) {
            auto image = card->pathToImageFile() ? readStoredImage(*card->pathToImageFile()) : nullptr;
            if (image)
                card->setImage(std::move(image));
            else
                logUnreadable(card->pathToImageFile());
        } else if (card->imageURL()) {
            toFetch.push_back(card);
        }
    }
    loadInBackgroundImagesForCards(toFetch);
}

// ---- Archive

void MCustomFC::fillHistoryDictionary(fnd::ArchiveDictionary& dictionary) const {
    auto entry = wholeDeckEntry();
    (*entry)["faceStyleIndex"] = fnd::ArchiveValue::unsignedInteger(faceStyleIndex_);
    (*entry)["backStyleIndex"] = fnd::ArchiveValue::unsignedInteger(backStyleIndex_);
    dictionary[entryKey(ID())] = entry;
}

void MCustomFC::restoreHistory(const fnd::ArchiveDictionary& dictionary) {
    if (auto entry = MHistoryEntry::dictionary(dictionary, entryKey(ID()))) {
        restoreDescription(*entry);
        // An index out of its range (a damaged entry) reads as 0.
        setFaceStyleIndex(MHistoryEntry::unsigned32(*entry, "faceStyleIndex").value_or(0));
        setBackStyleIndex(MHistoryEntry::unsigned32(*entry, "backStyleIndex").value_or(0));
        std::vector<std::uint32_t> ids = MHistoryEntry::identifiers(*entry, "CardsArrangement");
        if (!MHistoryEntry::array(*entry, "CardsArrangement") &&
            MHistoryEntry::unsigned32(*entry, "flashcardsCount").value_or(0) != 0)
            ids = identifiersFromCardKeys(*entry);
        replaceWithBlankCards(ids);
        restoreCardEntries(*entry);
        restoreImages();
        setCursor(MHistoryEntry::unsigned32(*entry, "cursor").value_or(0));
    }
    computeKnownPercentage();
    setTheStyle();
}
