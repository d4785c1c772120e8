#pragma once
// The centres a centre list shows and in what order: the centres of one provider, or of all, each
// once, grouped by country ("US" always first and always there, even empty) or, once the user's
// position is known and asked for, in one list by distance. Rows map to centres through the group
// counts, collapsed groups included, so that a row of a later country still finds its centre.
//
//     CenterList list(catalogue, nullptr);      // every provider's centres, by country
//     list.numberOfSections();                  // "US", "Canada", "France", "United Kingdom"
//     list.setLocation(here);                   // distances written into the centres
//     list.setSortByDistance(true); list.sort();

#include <memory>
#include <optional>
#include <vector>

#include "platform/location/Location.h"
#include "platform/ui/IndexPath.h"

class MCenter;
class MCountry;
class MCourse;
class MCourses;

class CenterList {
  public:
    // No centres and no groups (a list whose catalogue is not there).
    CenterList() = default;
    // Gathers the centres of the course (every course when null) from the catalogue, by identity of
    // the course: a course that is not one of the catalogue's lists no centre. Sorted by country.
    CenterList(const MCourses& catalogue, const std::shared_ptr<MCourse>& course);

    const std::vector<std::shared_ptr<MCenter>>& centers() const { return centers_; }
    const std::vector<std::shared_ptr<MCountry>>& countries() const { return countries_; }

    // Distance mode: a position is known and the user asked for the distance order.
    bool isDistanceMode() const { return location_ && sortByDistance_; }
    bool sortByDistance() const { return sortByDistance_; }
    void setSortByDistance(bool byDistance) { sortByDistance_ = byDistance; }
    const std::optional<loc::Location>& location() const { return location_; }
    // The user's position; every centre's distance is written from it.
    void setLocation(const loc::Location& location);

    int numberOfSections() const;
    // 0 for a collapsed group and for a section past the groups.
    int numberOfRows(int section) const;
    // The position in centers() of a row's centre; -1 for a section past the groups.
    int centerIndex(const ui::IndexPath& indexPath) const;
    // The row's centre; null when the row lies outside the list.
    std::shared_ptr<MCenter> centerAt(const ui::IndexPath& indexPath) const;
    // Collapses or expands a group; false (nothing changed) for a section past the groups.
    bool toggle(int section);

    // Sorts for the present mode: by distance (ties keep their order), or centres and groups by
    // the country order.
    void sort();
    // Writes each centre's distance in whole metres from the position, when there is one.
    void defineDistances();

  private:
    void add(const std::shared_ptr<MCenter>& center);

    std::vector<std::shared_ptr<MCenter>> centers_;
    std::vector<std::shared_ptr<MCountry>> countries_;
    std::optional<loc::Location> location_;
    bool sortByDistance_ = false;
};
