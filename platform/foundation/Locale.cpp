#include "platform/foundation/Locale.h"

#include <unicode/ulocdata.h>

#include <cctype>
#include <mutex>

namespace fnd {

namespace {
std::mutex& currentMutex() {
    static std::mutex m;
    return m;
}
Locale& currentSlot() {
    static Locale locale{Locale::kDeviceDefault};
    return locale;
}
struct Languages {
    std::vector<std::string> option, tab;
};
Languages& languagesSlot() {
    static Languages languages;
    return languages;
}
std::vector<std::string> tagsOnly(std::vector<std::string> languages) {
    std::erase_if(languages, [](const std::string& tag) { return !Locale::isLanguageTag(tag); });
    return languages;
}
}  // namespace

Locale Locale::current() {
    std::lock_guard lock(currentMutex());
    return currentSlot();
}

void Locale::setCurrent(Locale locale) {
    std::lock_guard lock(currentMutex());
    currentSlot() = std::move(locale);
}

void Locale::resetCurrent() {
    setCurrent(Locale(kDeviceDefault));
    std::lock_guard lock(currentMutex());
    languagesSlot() = {};
}

std::vector<std::string> Locale::preferredLanguages() {
    std::lock_guard lock(currentMutex());
    const Languages& l = languagesSlot();
    if (!l.option.empty()) return l.option;
    if (!l.tab.empty()) return l.tab;
    return {"en-US"};
}

void Locale::setPreferredLanguages(std::vector<std::string> languages) {
    languages = tagsOnly(std::move(languages));
    std::lock_guard lock(currentMutex());
    languagesSlot().option = std::move(languages);
}

void Locale::setTabLanguages(std::vector<std::string> languages) {
    languages = tagsOnly(std::move(languages));
    std::lock_guard lock(currentMutex());
    languagesSlot().tab = std::move(languages);
}

bool Locale::isLanguageTag(const std::string& text) {
    if (text.empty() || text.size() > 35) return false;
    bool first = true, partStart = true;
    for (char c : text) {
        auto u = static_cast<unsigned char>(c);
        if (c == '-' || c == '_') {
            if (partStart) return false;
            first = false;
            partStart = true;
            continue;
        }
        if (first ? !std::isalpha(u) : !std::isalnum(u)) return false;
        partStart = false;
    }
    return !partStart;
}

bool Locale::usesMetricSystem() const {
    UErrorCode status = U_ZERO_ERROR;
    UMeasurementSystem system = ulocdata_getMeasurementSystem(identifier_.c_str(), &status);
    // Only US customary units count as not metric; a locale ICU cannot tell about counts as metric.
    return U_FAILURE(status) || system != UMS_US;
}

}  // namespace fnd
