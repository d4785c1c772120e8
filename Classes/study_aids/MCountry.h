#pragma once
// One country section of a centre list: the country, how many listed centres lie in it, and
// whether the section is collapsed.

#include <compare>
#include <cstdint>
#include <string>

#include "platform/foundation/Object.h"

class MCountry : public fnd::Object {
  public:
    // One centre, expanded.
    explicit MCountry(std::string country) : country_(std::move(country)) {}

    const std::string& country() const { return country_; }
    void setCountry(std::string country) { country_ = std::move(country); }
    std::int32_t numberOfCenters() const { return numberOfCenters_; }
    void setNumberOfCenters(std::int32_t count) { numberOfCenters_ = count; }
    bool hidden() const { return hidden_; }
    void setHidden(bool hidden) { hidden_ = hidden; }

    // "US" first, the others by name: the same sequence of countries as the centres' order, so
    // that sections and sorted centres line up.
    std::weak_ordering abnormalCountryCompare(const MCountry& other) const;

    // The country order both centres and sections follow.
    static std::weak_ordering compareCountries(const std::string& a, const std::string& b);

  private:
    std::string country_;
    std::int32_t numberOfCenters_ = 1;
    bool hidden_ = false;
};
