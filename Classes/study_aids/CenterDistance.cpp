#include "Classes/study_aids/CenterDistance.h"

#include <cmath>
#include <cstdio>
#include <numbers>

#include "platform/foundation/Locale.h"

namespace {

double radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

}  // namespace

double CenterDistance::metres(const std::optional<loc::Location>& from, const loc::Location& to) {
    loc::Location start = from.value_or(loc::Location());
    double phi1 = radians(start.latitude());
    double phi2 = radians(to.latitude());
    double deltaLambda = radians(start.longitude() - to.longitude());
    double a = std::cos(phi2) * std::sin(deltaLambda);
    double b = std::cos(phi1) * std::sin(phi2) - std::sin(phi1) * std::cos(phi2) * std::cos(deltaLambda);
    double y = std::sqrt(a * a + b * b);
    double x = std::sin(phi1) * std::sin(phi2) + std::cos(phi1) * std::cos(phi2) * std::cos(deltaLambda);
    return std::atan2(y, x) * kRadius;
}

std::int64_t CenterDistance::wholeMetres(const std::optional<loc::Location>& from, const loc::Location& to) {
    return static_cast<std::int64_t>(std::trunc(metres(from, to)));
}

std::string CenterDistance::text(std::optional<std::int64_t> metres, bool metric) {
    if (!metres) return {};
    float value = static_cast<float>(*metres);
    float shown =
        metric ? value / static_cast<float>(kMetresPerKilometre) : value / static_cast<float>(kMetresPerMile);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, metric ? "%1.1f km" : "%1.1f mi", static_cast<double>(shown));
    return buffer;
}

std::string CenterDistance::text(std::optional<std::int64_t> metres) {
    return text(metres, fnd::Locale::current().usesMetricSystem());
}
