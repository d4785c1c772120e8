#pragma once
// The topics of the maths review in their fixed order. Built afresh at every start, never archived.

#include <memory>
#include <vector>

#include "platform/foundation/Object.h"

class MConcept;

class MConcepts : public fnd::Object {
  public:
    MConcepts();

    const std::vector<std::shared_ptr<MConcept>>& concepts() const { return concepts_; }

  private:
    std::vector<std::shared_ptr<MConcept>> concepts_;
};
