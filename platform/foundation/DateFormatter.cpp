#include "platform/foundation/DateFormatter.h"

#include <unicode/locid.h>
#include <unicode/parsepos.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>
#include <unicode/tzfmt.h>
#include <unicode/uchar.h>

#include <cmath>
#include <mutex>

namespace fnd {

namespace {

icu::DateFormat::EStyle icuStyle(DateFormatter::Style style) {
    switch (style) {
        case DateFormatter::Style::None:
            return icu::DateFormat::kNone;
        case DateFormatter::Style::Short:
            return icu::DateFormat::kShort;
        case DateFormatter::Style::Medium:
            return icu::DateFormat::kMedium;
        case DateFormatter::Style::Long:
            return icu::DateFormat::kLong;
        case DateFormatter::Style::Full:
            return icu::DateFormat::kFull;
    }
    return icu::DateFormat::kNone;
}

bool hasWhiteSpace(const icu::UnicodeString& s) {
    for (int32_t i = 0; i < s.length(); ++i)
        if (u_isUWhiteSpace(s.charAt(i))) return true;
    return false;
}

}  // namespace

struct DateFormatter::Impl {
    Impl(std::string pattern, Locale locale, TimeZone zone)
        : pattern(std::move(pattern)), locale(std::move(locale)), zone(std::move(zone)) {}
    Impl(const Impl& other) : pattern(other.pattern), locale(other.locale), zone(other.zone) {
        dateStyle = other.dateStyle;
        timeStyle = other.timeStyle;
    }

    // The locale's pattern for the two styles; empty when both are None.
    void applyStyles() {
        icu_.reset();
        pattern.clear();
        if (dateStyle == Style::None && timeStyle == Style::None) return;
        std::unique_ptr<icu::DateFormat> styled(icu::DateFormat::createDateTimeInstance(
            icuStyle(dateStyle), icuStyle(timeStyle),
            icu::Locale::createCanonical(locale.identifier().c_str())));
        auto* simple = dynamic_cast<icu::SimpleDateFormat*>(styled.get());
        if (!simple) return;
        icu::UnicodeString p;
        simple->toPattern(p);
        p.toUTF8String(pattern);
    }

    // The engine's formatter, made when first needed. Call with the mutex held.
    icu::SimpleDateFormat* formatter() {
        if (icu_ || pattern.empty()) return icu_.get();
        UErrorCode status = U_ZERO_ERROR;
        auto made = std::make_unique<icu::SimpleDateFormat>(
            icu::UnicodeString::fromUTF8(pattern), icu::Locale::createCanonical(locale.identifier().c_str()),
            status);
        if (U_FAILURE(status)) return nullptr;
        made->adoptTimeZone(icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(zone.name())));
        made->setLenient(false);
        patternHasWhiteSpace = hasWhiteSpace(icu::UnicodeString::fromUTF8(pattern));
        // A zone field reads a zone in any of its written forms ("EST", "GMT", "-0500",
        // "Eastern Standard Time"), whatever form the pattern writes.
        std::unique_ptr<icu::TimeZoneFormat> zones(icu::TimeZoneFormat::createInstance(
            icu::Locale::createCanonical(locale.identifier().c_str()), status));
        if (U_SUCCESS(status)) {
            zones->setDefaultParseOptions(UTZFMT_PARSE_OPTION_ALL_STYLES);
            made->adoptTimeZoneFormat(zones.release());
        }
        icu_ = std::move(made);
        return icu_.get();
    }

    std::string pattern;
    Locale locale;
    TimeZone zone;
    Style dateStyle = Style::None;
    Style timeStyle = Style::None;
    bool patternHasWhiteSpace = false;
    std::mutex mutex;
    std::unique_ptr<icu::SimpleDateFormat> icu_;
};

DateFormatter::DateFormatter() : DateFormatter(std::string()) {}

DateFormatter::DateFormatter(std::string pattern) : DateFormatter(std::move(pattern), Locale::current()) {}

DateFormatter::DateFormatter(std::string pattern, Locale locale)
    : DateFormatter(std::move(pattern), std::move(locale), TimeZone::current()) {}

DateFormatter::DateFormatter(std::string pattern, Locale locale, TimeZone zone)
    : impl_(std::make_unique<Impl>(std::move(pattern), std::move(locale), std::move(zone))) {}

DateFormatter::~DateFormatter() = default;

DateFormatter::DateFormatter(const DateFormatter& other) {
    std::lock_guard lock(other.impl_->mutex);
    impl_ = std::make_unique<Impl>(*other.impl_);
}

DateFormatter& DateFormatter::operator=(const DateFormatter& other) {
    if (this != &other) {
        std::lock_guard lock(other.impl_->mutex);
        impl_ = std::make_unique<Impl>(*other.impl_);
    }
    return *this;
}

std::string DateFormatter::dateFormat() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->pattern;
}

void DateFormatter::setDateFormat(std::string pattern) {
    std::lock_guard lock(impl_->mutex);
    impl_->pattern = std::move(pattern);
    impl_->icu_.reset();
}

void DateFormatter::setDateStyle(Style style) {
    std::lock_guard lock(impl_->mutex);
    impl_->dateStyle = style;
    impl_->applyStyles();
}

void DateFormatter::setTimeStyle(Style style) {
    std::lock_guard lock(impl_->mutex);
    impl_->timeStyle = style;
    impl_->applyStyles();
}

Locale DateFormatter::locale() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->locale;
}

void DateFormatter::setLocale(Locale locale) {
    std::lock_guard lock(impl_->mutex);
    impl_->locale = std::move(locale);
    if (impl_->dateStyle != Style::None || impl_->timeStyle != Style::None) impl_->applyStyles();
    impl_->icu_.reset();
}

TimeZone DateFormatter::timeZone() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->zone;
}

void DateFormatter::setTimeZone(TimeZone zone) {
    std::lock_guard lock(impl_->mutex);
    impl_->zone = std::move(zone);
    impl_->icu_.reset();
}

std::string DateFormatter::stringFromDate(Date date) const {
    double unix = date.timeIntervalSince1970();
    if (!std::isfinite(unix)) return {};
    // Resolve to the microsecond first so that a date read from "SSS" (whose seconds carry a
    // little binary rounding) writes its own millisecond again, then truncate to milliseconds.
    double micros = std::round(unix * 1e6);
    double millis = std::floor(micros / 1000.0);
    std::lock_guard lock(impl_->mutex);
    icu::SimpleDateFormat* formatter = impl_->formatter();
    if (!formatter) return {};
    icu::UnicodeString text;
    formatter->format(millis, text);
    std::string out;
    text.toUTF8String(out);
    return out;
}

std::optional<Date> DateFormatter::dateFromString(std::string_view text) const {
    auto input = icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), text.size()));
    std::lock_guard lock(impl_->mutex);
    icu::SimpleDateFormat* formatter = impl_->formatter();
    if (!formatter || input.isEmpty()) return std::nullopt;
    // The engine steps over white space before any field. Where the pattern has none (the
    // all-digit backup and wire formats) a blank is no part of a date: "0102 024" is no year.
    if (hasWhiteSpace(input) && !impl_->patternHasWhiteSpace) return std::nullopt;
    icu::ParsePosition position(0);
    UDate millis = formatter->parse(input, position);
    if (position.getErrorIndex() >= 0 || position.getIndex() != input.length()) return std::nullopt;
    return Date::fromUnix(millis / 1000.0);
}

}  // namespace fnd
