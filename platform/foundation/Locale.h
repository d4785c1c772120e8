#pragma once
// A locale by its identifier ("en_US", "en"). The device's locale is "en_US"; tests may set another.

#include <string>
#include <utility>

namespace fnd {

class Locale {
  public:
    static constexpr const char* kDeviceDefault = "en_US";

    explicit Locale(std::string identifier) : identifier_(std::move(identifier)) {}

    const std::string& identifier() const { return identifier_; }

    // The device's locale.
    static Locale current();
    // Replaces the device's locale (tests); resetCurrent() brings back "en_US".
    static void setCurrent(Locale locale);
    static void resetCurrent();

    // Whether the locale measures in metric units (kilometres rather than miles).
    bool usesMetricSystem() const;

    bool operator==(const Locale&) const = default;

  private:
    std::string identifier_;
};

}  // namespace fnd
