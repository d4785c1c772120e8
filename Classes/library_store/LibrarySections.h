#pragma once
// The sections of the library's start screen: which kinds of list show (a book list without
// entries has no section), the section a number stands for, its title and row count, and whether
// it is expanded. The link lists always show, even when empty.
//
//     LibrarySections sections({interactive, books, 5, 4, 21, 11});
//     sections.typeOfSection(0);  // kInteractiveBooks, or kEBooks when there is no interactive book

#include <array>
#include <string>
#include <vector>

class LibrarySections {
  public:
    enum Kind { kInteractiveBooks = 0, kEBooks, kVideos, kApplications, kOrvaLinks, kMbaLinks, kKindCount };

    // The number of rows of each kind's list, in kind order.
    explicit LibrarySections(const std::array<int, kKindCount>& counts);

    int countSections() const { return int(kinds_.size()); }
    // The kind of a section; -1 for a number that is no section.
    int typeOfSection(int section) const;
    // 0 for a collapsed section or a number that is no section; else its list's count.
    int countRowsInSection(int section) const;
    // The list's count also when collapsed (the header shows it).
    int fullCountOfSection(int section) const;
    std::string titleForSection(int section) const;
    // The section header's text: "<title> [<full count>]".
    std::string headerText(int section) const;
    static bool isBookKind(int kind) { return kind == kInteractiveBooks || kind == kEBooks; }

    // One flag per section, all expanded at first. A flip of a number that is no section is
    // refused (false).
    bool isExpanded(int section) const;
    bool flip(int section);
    const std::vector<bool>& flags() const { return expanded_; }
    void setFlags(std::vector<bool> flags) { expanded_ = std::move(flags); }

    static const char* titleOfKind(int kind);

  private:
    bool isSection(int section) const { return section >= 0 && section < countSections(); }

    std::array<int, kKindCount> counts_;
    std::vector<int> kinds_;
    std::vector<bool> expanded_;
};
