#include "Classes/core/TextBackup.h"

#include <cstdlib>

#include "platform/foundation/PercentEscaping.h"

std::string TextBackup::mailURL(std::string_view body) {
    return kMailAddress + fnd::percentEscapeStrict(body);
}

std::string TextBackup::heading(const std::string& rule, const std::string& title) {
    return "\n\n" + rule + "\n" + title + "\n" + rule + "\n\n";
}

fnd::DateFormatter TextBackup::dateFormatter() {
    return fnd::DateFormatter(kDatePattern, fnd::Locale("en_US"), fnd::TimeZone::current());
}

std::string TextBackup::label(const Counts& counts) {
    return std::to_string(counts.added) + "/" + std::to_string(counts.found);
}

bool TextBackup::isSameAttempt(double timeGap, double dateGap) {
    return std::labs(long(timeGap)) <= 1 && std::labs(long(dateGap)) <= 59;
}

std::optional<fnd::Date> TextBackup::DateReader::read(std::string_view text) {
    // "HH:mm:ss|MMddyyyy"
    auto digit = [&](std::size_t i) { return text[i] >= '0' && text[i] <= '9'; };
    if (text.size() != 17 || text[2] != ':' || text[5] != ':' || text[8] != '|') return std::nullopt;
    for (std::size_t i : {3, 4, 6, 7})
        if (!digit(i)) return std::nullopt;
    int minutes = (text[3] - '0') * 10 + (text[4] - '0');
    int seconds = (text[6] - '0') * 10 + (text[7] - '0');
    if (minutes > 59 || seconds > 59) return std::nullopt;
    std::string hour = std::string(text.substr(0, 3)) + "00:00" + std::string(text.substr(8));
    auto [at, fresh] = hours_.try_emplace(hour);
    if (fresh) at->second = formatter_.dateFromString(hour);
    if (!at->second) return std::nullopt;
    return fnd::Date(at->second->timeIntervalSinceReferenceDate() + minutes * 60 + seconds);
}
