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

void MCustomFC::loadInBackgroundImageForFlashcard(const std::shared_ptr<MFlashcard>& card) {
    if (!card || !card->imageURL()) return;
    fs::path path = fnd::Paths::documents() / MFlashcardsFiles::imageFileName(ID(), card->ID());
    std::string address = *card->imageURL();
    std::weak_ptr<MCustomFC> weakDeck = sharedAs<MCustomFC>();
    std::weak_ptr<MFlashcard> weakCard = card;
    // The worker only fetches, decodes and writes the file; the card's fields are the main thread's.
    fnd::Thread::detachThenMain(
        "card picture",
        [address, path]() -> std::shared_ptr<const ui::Image> {
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
        },
        [weakDeck, weakCard, path](std::shared_ptr<const ui::Image> image) {
            auto deck = weakDeck.lock();
            auto card = weakCard.lock();
            if (!image) {
                logUnreadable(card ? card->pathToImageFile() : std::nullopt);
                return;
            }
            if (deck) {
                deck->takeDownloadedImage(card, std::move(image), path);
            } else {
                std::error_code ignored;
                fs::remove(path, ignored);
            }
        });
}

void MCustomFC::takeDownloadedImage(const std::shared_ptr<MFlashcard>& card,
                                    std::shared_ptr<const ui::Image> image, const fs::path& path) {
    const auto& cards = flashcards();
    if (deleted_ || !card || std::find(cards.begin(), cards.end(), card) == cards.end()) {
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
    for (const auto& card : flashcards()) card->removeImage();
}

void MCustomFC::restoreImages() {
    for (const auto& card : flashcards()) {
        if (card->imageIsStoredLocally()) {
            auto image = card->pathToImageFile() ? readStoredImage(*card->pathToImageFile()) : nullptr;
            if (image)
                card->setImage(std::move(image));
            else
                logUnreadable(card->pathToImageFile());
        } else if (card->imageURL()) {
            loadInBackgroundImageForFlashcard(card);
        }
    }
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
