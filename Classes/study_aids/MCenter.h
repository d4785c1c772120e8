#pragma once
// One test centre of a course provider: where it is, how to reach it, and how far the user is from
// it once the centre list has learnt the user's position.

#include <compare>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/location/Location.h"

class MCenter : public fnd::Object {
  public:
    // country: "US" for the United States, otherwise the country's English name. A centre in "US"
    // takes its state from the first two characters of its zip code, once, here.
    MCenter(std::string country, std::string city, std::string zipOrPostalCode, std::string address,
            std::string tel, loc::Location location);

    const std::string& country() const { return country_; }
    void setCountry(std::string country) { country_ = std::move(country); }
    // Orders the centres of "US" and is never shown; not recomputed when country or code change.
    const std::string& state() const { return state_; }
    const std::string& city() const { return city_; }
    void setCity(std::string city) { city_ = std::move(city); }
    const std::string& zipOrPostalCode() const { return zipOrPostalCode_; }
    void setZipOrPostalCode(std::string code) { zipOrPostalCode_ = std::move(code); }
    const std::string& address() const { return address_; }
    void setAddress(std::string address) { address_ = std::move(address); }
    const std::string& tel() const { return tel_; }
    void setTel(std::string tel) { tel_ = std::move(tel); }
    // Whole metres from the user; nothing until the centre list writes it.
    std::optional<std::int64_t> distance() const { return distance_; }
    void setDistance(std::optional<std::int64_t> metres) { distance_ = metres; }
    const loc::Location& location() const { return location_; }
    void setLocation(const loc::Location& location) { location_ = location; }

    // The centre list's order: "US" first, the other countries by name; within "US" by state,
    // then by city; elsewhere by city.
    std::weak_ordering abnormalCountryCompare(const MCenter& other) const;

  private:
    std::string country_;
    std::string state_;
    std::string city_;
    std::string zipOrPostalCode_;
    std::string address_;
    std::string tel_;
    std::optional<std::int64_t> distance_;
    loc::Location location_;
};
