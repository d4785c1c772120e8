#include "Classes/study_aids/CenterList.h"

#include <algorithm>

#include "Classes/study_aids/CenterDistance.h"
#include "Classes/study_aids/MCenter.h"
#include "Classes/study_aids/MCountry.h"
#include "Classes/study_aids/MCourse.h"
#include "Classes/study_aids/MCourses.h"

namespace {
constexpr const char* kUnitedStates = "US";
}

CenterList::CenterList(const MCourses& catalogue, const std::shared_ptr<MCourse>& course) {
    auto unitedStates = std::make_shared<MCountry>(kUnitedStates);
    unitedStates->setNumberOfCenters(0);
    countries_.push_back(unitedStates);
    for (const auto& each : catalogue.courses()) {
        if (course && each != course) continue;
        if (!each->centers()) continue;
        for (const auto& center : *each->centers()) add(center);
    }
    sort();
}

void CenterList::add(const std::shared_ptr<MCenter>& center) {
    if (!center || std::find(centers_.begin(), centers_.end(), center) != centers_.end()) return;
    centers_.push_back(center);
    for (const auto& country : countries_)
        if (country->country() == center->country()) {
            country->setNumberOfCenters(country->numberOfCenters() + 1);
            return;
        }
    countries_.push_back(std::make_shared<MCountry>(center->country()));
}

void CenterList::setLocation(const loc::Location& location) {
    location_ = location;
    defineDistances();
}

int CenterList::numberOfSections() const { return isDistanceMode() ? 1 : int(countries_.size()); }

int CenterList::numberOfRows(int section) const {
    if (isDistanceMode()) return int(centers_.size());
    if (section < 0 || section >= int(countries_.size())) return 0;
    const MCountry& country = *countries_[std::size_t(section)];
    return country.hidden() ? 0 : country.numberOfCenters();
}

int CenterList::centerIndex(const ui::IndexPath& indexPath) const {
    if (isDistanceMode()) return indexPath.row;
    if (indexPath.section < 0 || indexPath.section >= int(countries_.size())) return -1;
    int index = indexPath.row;
    for (int s = 0; s < indexPath.section; ++s) index += countries_[std::size_t(s)]->numberOfCenters();
    return index;
}

std::shared_ptr<MCenter> CenterList::centerAt(const ui::IndexPath& indexPath) const {
    int index = centerIndex(indexPath);
    if (index < 0 || index >= int(centers_.size())) return nullptr;
    return centers_[std::size_t(index)];
}

bool CenterList::toggle(int section) {
    if (section < 0 || section >= int(countries_.size())) return false;
    MCountry& country = *countries_[std::size_t(section)];
    country.setHidden(!country.hidden());
    return true;
}

void CenterList::sort() {
    if (isDistanceMode()) {
        std::stable_sort(centers_.begin(), centers_.end(), [](const auto& a, const auto& b) {
            return a->distance().value_or(0) < b->distance().value_or(0);
        });
        return;
    }
    std::stable_sort(centers_.begin(), centers_.end(),
                     [](const auto& a, const auto& b) { return a->abnormalCountryCompare(*b) < 0; });
    std::stable_sort(countries_.begin(), countries_.end(),
                     [](const auto& a, const auto& b) { return a->abnormalCountryCompare(*b) < 0; });
}

void CenterList::defineDistances() {
    if (!location_) return;
    for (const auto& center : centers_)
        center->setDistance(CenterDistance::wholeMetres(location_, center->location()));
}
