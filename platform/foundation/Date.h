#pragma once
// A moment in wall-clock time: seconds since 2001-01-01 00:00 UTC, as archives store it.

#include <compare>
#include <string>

namespace fnd {

class Date {
  public:
    static constexpr double kUnixToReference = 978307200.0;

    constexpr Date() = default;
    constexpr explicit Date(double secondsSinceReference) : seconds_(secondsSinceReference) {}

    // Now, from the process clock (manual in tests).
    static Date now();
    static constexpr Date fromUnix(double secondsSince1970) {
        return Date(secondsSince1970 - kUnixToReference);
    }
    static constexpr Date distantPast() { return Date(-63114076800.0); }
    static constexpr Date distantFuture() { return Date(63113904000.0); }

    constexpr double timeIntervalSinceReferenceDate() const { return seconds_; }
    constexpr double timeIntervalSince1970() const { return seconds_ + kUnixToReference; }
    constexpr double timeIntervalSince(Date other) const { return seconds_ - other.seconds_; }
    double timeIntervalSinceNow() const;
    constexpr Date addingTimeInterval(double seconds) const { return Date(seconds_ + seconds); }

    // "2024-01-02 10:01:30 +0000": the date in UTC to the whole second.
    std::string description() const;

    constexpr auto operator<=>(const Date&) const = default;

  private:
    double seconds_ = 0.0;
};

}  // namespace fnd
