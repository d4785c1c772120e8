#pragma once
// An ordered list of link rows, one section of the library's start screen.

#include <cstddef>
#include <memory>
#include <vector>

#include "Classes/library_store/MResource.h"

class MResources : public fnd::Object {
  public:
    const std::vector<std::shared_ptr<MResource>>& resourses() const { return resourses_; }
    void addResource(std::shared_ptr<MResource> resource) { resourses_.push_back(std::move(resource)); }
    std::size_t count() const { return resourses_.size(); }

  private:
    std::vector<std::shared_ptr<MResource>> resourses_;
};
