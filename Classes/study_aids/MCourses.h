#pragma once
// The catalogue of the course providers the kit presents, with the test centres of the one that has
// them. Built afresh at every start and never archived; only the centres' distances change later.

#include <memory>
#include <string_view>
#include <vector>

#include "platform/foundation/Object.h"

class MCourse;
class MCenter;

class MCourses : public fnd::Object {
  public:
    // The five providers in their fixed order. A missing image leaves that image null.
    MCourses();

    const std::vector<std::shared_ptr<MCourse>>& courses() const { return courses_; }

    // The first course whose name is exactly the given one (case counts); null when none is.
    std::shared_ptr<MCourse> courseForName(std::string_view name) const;
    // The first course that holds that very centre object (not an equal one); null when none does.
    std::shared_ptr<MCourse> courseForCenter(const std::shared_ptr<MCenter>& center) const;

  private:
    std::vector<std::shared_ptr<MCourse>> courses_;
};
