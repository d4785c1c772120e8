#include "Classes/errorlog/MBook.h"

#include <array>

std::optional<std::string> MBook::nameForType(int type) {
    static const std::array<const char*, 6> names = {"PS", "DS", "SC", "CR", "RC", "RCFirst"};
    if (type < 1 || type > 6) return std::nullopt;
    return names[static_cast<std::size_t>(type - 1)];
}

void MBook::clearHistory() {
    for (const auto& section : sections_) section->clearHistory();
}

int MBook::numberOfQuestions() const {
    int count = 0;
    for (const auto& section : sections_) count += static_cast<int>(section->questions().size());
    return count;
}

int MBook::numberOfRightAnswers() const {
    int count = 0;
    for (const auto& section : sections_) count += section->numberOfRightAnswers();
    return count;
}

int MBook::numberOfWrongAnswers() const {
    int count = 0;
    for (const auto& section : sections_) count += section->numberOfWrongAnswers();
    return count;
}

