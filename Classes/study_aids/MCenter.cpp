#include "Classes/study_aids/MCenter.h"

#include "Classes/study_aids/MCountry.h"

namespace {

std::weak_ordering compareText(const std::string& a, const std::string& b) {
    int c = a.compare(b);
    return c < 0   ? std::weak_ordering::less
           : c > 0 ? std::weak_ordering::greater
                   : std::weak_ordering::equivalent;
}

}  // namespace

MCenter::MCenter(std::string country, std::string city, std::string zipOrPostalCode, std::string address,
                 std::string tel, loc::Location location)
    : country_(std::move(country)),
      city_(std::move(city)),
      zipOrPostalCode_(std::move(zipOrPostalCode)),
      address_(std::move(address)),
      tel_(std::move(tel)),
      location_(location) {
    if (country_ == "US") state_ = zipOrPostalCode_.substr(0, 2);
}

std::weak_ordering MCenter::abnormalCountryCompare(const MCenter& other) const {
    if (country_ != other.country_) return MCountry::compareCountries(country_, other.country_);
    if (country_ == "US" && state_ != other.state_) return compareText(state_, other.state_);
    return compareText(city_, other.city_);
}
