#pragma once
// A time zone by its name ("GMT", "Europe/Berlin"). The device's zone is the machine's (the TZ
// variable, else the system's setting); tests may set another.

#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/Date.h"

namespace fnd {

class TimeZone {
  public:
    // A zone by name; nothing for a name that names no zone.
    static std::optional<TimeZone> named(std::string_view name);
    static TimeZone gmt();
    // The machine's zone; GMT when the machine does not tell.
    static TimeZone system();

    // The device's zone: the machine's unless a test set one.
    static TimeZone current();
    static void setCurrent(TimeZone zone);
    // Back to following the machine's zone.
    static void resetCurrent();

    const std::string& name() const { return name_; }
    // Offset from GMT at the moment, daylight saving included.
    int secondsFromGMT(Date date) const;

    bool operator==(const TimeZone&) const = default;

  private:
    explicit TimeZone(std::string name) : name_(std::move(name)) {}
    std::string name_;
};

}  // namespace fnd
