#pragma once
// The test centres of the provider "Manhattan ORVA", in their fixed order.

#include <memory>
#include <vector>

class MCenter;

class MManhattanORVACenters {
  public:
    MManhattanORVACenters() = delete;

    // Appends the provider's 35 centres to the list.
    static void fillSet(std::vector<std::shared_ptr<MCenter>>& set);
};
