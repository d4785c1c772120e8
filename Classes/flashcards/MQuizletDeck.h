#pragma once
// A deck imported from the flashcard-sharing service: a user deck that also keeps the service's
// set number (in an entry of its own beside the deck's).

#include <cstdint>
#include <string>

#include "Classes/flashcards/MCustomFC.h"

class MQuizletDeck : public MCustomFC {
  public:
    explicit MQuizletDeck(std::uint32_t id);

    std::string deckImageName() const override { return "fc_icon_quizlet.png"; }
    static std::string addonKey(std::uint32_t id) { return entryKey(id) + "_QuizletAddon"; }

    void fillHistoryDictionary(fnd::ArchiveDictionary& dictionary) const override;
    void restoreHistory(const fnd::ArchiveDictionary& dictionary) override;

    std::uint32_t quizletsID() const { return quizletsID_; }
    void setQuizletsID(std::uint32_t id) { quizletsID_ = id; }
    // Whether the set had pictures; known only during the import, not stored.
    bool has_images() const { return has_images_; }
    void setHas_images(bool has) { has_images_ = has; }

  private:
    std::uint32_t quizletsID_ = 0;
    bool has_images_ = false;
};
