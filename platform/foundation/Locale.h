#pragma once
// A locale by its identifier ("en_US", "en"). The device's locale is "en_US"; tests may set another.
// The person's preferred languages, most wanted first, as language tags ("en-US", "pt-PT",
// "zh-Hans"): those the program was started with (--languages), else the browser tab's, else
// "en-US".

#include <string>
#include <utility>
#include <vector>

namespace fnd {

class Locale {
  public:
    static constexpr const char* kDeviceDefault = "en_US";

    explicit Locale(std::string identifier) : identifier_(std::move(identifier)) {}

    const std::string& identifier() const { return identifier_; }

    // The device's locale.
    static Locale current();
    // Replaces the device's locale (tests); resetCurrent() brings back "en_US" and forgets the
    // preferred languages set.
    static void setCurrent(Locale locale);
    static void resetCurrent();

    static std::vector<std::string> preferredLanguages();
    // The program's option (and tests); an empty list lets the tab's or the default show.
    static void setPreferredLanguages(std::vector<std::string> languages);
    // The tab's, as its browser gives them. Entries that are no language tag are skipped.
    static void setTabLanguages(std::vector<std::string> languages);
    // A language tag: letters, then parts of letters and digits after "-" (or "_"), at most 35
    // characters.
    static bool isLanguageTag(const std::string& text);

    // Whether the locale measures in metric units (kilometres rather than miles).
    bool usesMetricSystem() const;

    bool operator==(const Locale&) const = default;

  private:
    std::string identifier_;
};

}  // namespace fnd
