#pragma once
// A deck of the user's own: stored whole in the history dictionary, with six looks (two for the
// face times three for the back) and cards that may carry pictures. A card's picture is fetched
// from its address on a thread of its own and kept as a JPEG file in the documents folder.

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "Classes/flashcards/MDeck.h"

class MCustomFC : public MDeck {
  public:
    static constexpr std::uint32_t kFaceStylesNumber = 2;
    static constexpr std::uint32_t kBackStylesNumber = 3;

    // A blank deck made now, with look 0.
    explicit MCustomFC(std::uint32_t id);
    // Stops the deck's picture worker before its next picture.
    ~MCustomFC() override;

    // The icon's bundle name.
    virtual std::string deckImageName() const { return "fc_icon_flashcards.png"; }

    // Builds the six looks, makes look 0 current and answers it.
    std::shared_ptr<MDeckStyle> setupTheStyle() override;
    static std::uint32_t faceStylesNumber() { return kFaceStylesNumber; }
    static std::uint32_t backStylesNumber() { return kBackStylesNumber; }
    std::uint32_t styleIndex() const { return faceStyleIndex_ + kFaceStylesNumber * backStyleIndex_; }
    // Step the face or back look round its choices.
    void changeFaceStyle();
    void changeBackStyle();
    // The current look becomes the one the two indexes choose.
    void setTheStyle();

    // Fetches the card's picture on a thread of its own and stores it as
    // "FlashcardsImage_<deck>_<card>.jpg" in the documents folder. The card takes the picture on
    // the main thread, and only while it is still one of this deck's cards and the deck has not
    // been deleted; otherwise the file is removed again.
    void loadInBackgroundImageForFlashcard(const std::shared_ptr<MFlashcard>& card);
    // The same for every card given that has a picture address, by one worker thread that fetches
    // them one after the other in the order given. A picture that cannot be fetched or read is
    // logged ("Can't open file <address>. ") and skipped.
    void loadInBackgroundImagesForCards(const Cards& cards);
    // Deletes every card's picture file and stops the deck's picture worker; called before the
    // deck is deleted.
    void removeImages();

    void fillHistoryDictionary(fnd::ArchiveDictionary& dictionary) const override;
    void restoreHistory(const fnd::ArchiveDictionary& dictionary) override;

    const std::vector<std::shared_ptr<MDeckStyle>>& styles() const { return styles_; }
    std::uint32_t faceStyleIndex() const { return faceStyleIndex_; }
    void setFaceStyleIndex(std::uint32_t index) { faceStyleIndex_ = index < kFaceStylesNumber ? index : 0; }
    std::uint32_t backStyleIndex() const { return backStyleIndex_; }
    void setBackStyleIndex(std::uint32_t index) { backStyleIndex_ = index < kBackStylesNumber ? index : 0; }

  protected:
    MCustomFC(std::uint32_t id, const std::string& iconName);

  private:
    void setupTheStyles();
    // Reads the stored copies of the cards' pictures, and starts fetching those not stored yet.
    void restoreImages();
    // A picture handed over on the main thread: the card takes it while it is still one of the
    // deck's cards and the deck has not been deleted; otherwise the file goes. A failed picture is
    // logged.
    static void takeDownloadedImage(const std::shared_ptr<MCustomFC>& deck,
                                    const std::shared_ptr<MFlashcard>& card,
                                    std::shared_ptr<const ui::Image> image,
                                    const std::filesystem::path& path);

    std::vector<std::shared_ptr<MDeckStyle>> styles_;
    std::uint32_t faceStyleIndex_ = 0;
    std::uint32_t backStyleIndex_ = 0;
    bool deleted_ = false;
    // Set when the deck is deleted or destroyed; read by its picture workers.
    std::shared_ptr<std::atomic<bool>> picturesStop_ = std::make_shared<std::atomic<bool>>(false);
};
