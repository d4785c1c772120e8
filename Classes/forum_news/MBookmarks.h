#pragma once
// The user's forum bookmarks in display order, archived under "forumBookmarks" with the
// repository. Numbers grow while the program runs; after a restart the next number is one more
// than the highest kept.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/Coding.h"
#include "platform/foundation/Object.h"

class MBookmark;

class MBookmarks : public fnd::Object, public fnd::Coding {
  public:
    using Bookmarks = std::vector<std::shared_ptr<MBookmark>>;

    MBookmarks() = default;

    void encodeWithCoder(fnd::KeyedArchiver& coder) const override;
    void initWithCoder(fnd::KeyedUnarchiver& coder) override;

    // Appends a bookmark with the next number. Addresses already kept are not looked for.
    std::shared_ptr<MBookmark> addBookmarkWithName(std::string name, std::string url);

    Bookmarks& bookmarks() { return bookmarks_; }
    const Bookmarks& bookmarks() const { return bookmarks_; }
    void setBookmarks(Bookmarks bookmarks) { bookmarks_ = std::move(bookmarks); }
    std::uint32_t bookmarkID_last() const { return bookmarkID_last_; }

  private:
    Bookmarks bookmarks_;
    std::uint32_t bookmarkID_last_ = 0;
};
