#include "Classes/library_store/LibrarySections.h"

LibrarySections::LibrarySections(const std::array<int, kKindCount>& counts) : counts_(counts) {
    for (int kind = 0; kind < kKindCount; ++kind)
        if (!isBookKind(kind) || counts_[std::size_t(kind)] > 0) kinds_.push_back(kind);
    expanded_.assign(kinds_.size(), true);
}

int LibrarySections::typeOfSection(int section) const {
    return isSection(section) ? kinds_[std::size_t(section)] : -1;
}

int LibrarySections::fullCountOfSection(int section) const {
    return isSection(section) ? counts_[std::size_t(typeOfSection(section))] : 0;
}

int LibrarySections::countRowsInSection(int section) const {
    return isExpanded(section) ? fullCountOfSection(section) : 0;
}

std::string LibrarySections::titleForSection(int section) const {
    return titleOfKind(typeOfSection(section));
}

std::string LibrarySections::headerText(int section) const {
    return titleForSection(section) + " [" + std::to_string(fullCountOfSection(section)) + "]";
}

bool LibrarySections::isExpanded(int section) const {
    return isSection(section) && std::size_t(section) < expanded_.size() && expanded_[std::size_t(section)];
}

bool LibrarySections::flip(int section) {
    if (!isSection(section) || std::size_t(section) >= expanded_.size()) return false;
    expanded_[std::size_t(section)] = !expanded_[std::size_t(section)];
    return true;
}

const char* LibrarySections::titleOfKind(int kind) {
    switch (kind) {
        case kInteractiveBooks:
            return "Interactive Books";
        case kEBooks:
            return "eBooks";
        case kVideos:
            return "Tovrida Review Series";
        case kApplications:
            return "iPhone / iPod Touch / iPad";
        case kOrvaLinks:
            return "ORVA Resources (online)";
        case kMbaLinks:
            return "MBA Resources (online)";
        default:
            return "";
    }
}
