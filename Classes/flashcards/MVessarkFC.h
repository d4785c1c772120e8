#pragma once
// The built-in quantitative deck (identifier 1): topics of the quantitative syllabus, a question
// on the face and the worked answer on the back.

#include <memory>

#include "Classes/flashcards/MDeck.h"

class MVessarkFC : public MDeck {
  public:
    static constexpr std::uint32_t kID = 1;
    MVessarkFC();
    std::shared_ptr<MDeckStyle> setupTheStyle() override;
};
