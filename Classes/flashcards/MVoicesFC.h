#pragma once
// The built-in deck of study advice (identifier 3): one quotation per card, with its author and,
// where known, the author's score. The cards have one side.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Classes/flashcards/MDeck.h"

class MVoicesFC : public MDeck {
  public:
    static constexpr std::uint32_t kID = 3;
    MVoicesFC();
    std::shared_ptr<MDeckStyle> setupTheStyle() override;

    // Appends one quotation card with the identifier `counter`; a score of -1 shows no score
    // line. The categories and the school describe the quotation in the data only.
    void addVoice(const std::vector<std::string>& categories, const std::string& cite,
                  const std::string& nickName, int orvaScore,
                  const std::optional<std::string>& bschool = std::nullopt);

    std::uint32_t counter() const { return counter_; }

  private:
    std::uint32_t counter_ = 1;
};
