#include "Classes/study_aids/MCountry.h"

namespace {
constexpr const char* kUnitedStates = "US";
}

std::weak_ordering MCountry::compareCountries(const std::string& a, const std::string& b) {
    // "US" against "US" is equal, so that sorting with this order is well defined.
    if (a == b) return std::weak_ordering::equivalent;
    if (a == kUnitedStates) return std::weak_ordering::less;
    if (b == kUnitedStates) return std::weak_ordering::greater;
    return a.compare(b) < 0 ? std::weak_ordering::less : std::weak_ordering::greater;
}

std::weak_ordering MCountry::abnormalCountryCompare(const MCountry& other) const {
    return compareCountries(country_, other.country_);
}
