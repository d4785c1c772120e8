#pragma once
// The built-in idioms deck (identifier 2): an idiom of English usage on the face; the idiom, a
// note on its use and an example sentence on the back.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Classes/flashcards/MDeck.h"

class MIdiomsFC : public MDeck {
  public:
    static constexpr std::uint32_t kID = 2;
    MIdiomsFC();
    std::shared_ptr<MDeckStyle> setupTheStyle() override;

    // Appends one idiom card with the identifier `counter`. The type, guide references, pattern
    // and importance describe the idiom in the data but are not shown on the card.
    void addIdiomWithType(int type, const std::string& title, const std::optional<std::string>& description,
                          const std::optional<std::string>& example,
                          const std::vector<std::string>& exampleLinks = {},
                          const std::optional<std::string>& regex = std::nullopt, bool important = false);

    std::uint32_t counter() const { return counter_; }

  private:
    std::uint32_t counter_ = 1;
};
