#include "Classes/forum_news/MBookmarks.h"

#include "Classes/forum_news/MBookmark.h"
#include "Classes/practice/PracticeCoding.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"

void MBookmarks::encodeWithCoder(fnd::KeyedArchiver& coder) const {
    coder.encodeObject("bookmarks", PracticeCoding::objectArray(bookmarks_));
}

void MBookmarks::initWithCoder(fnd::KeyedUnarchiver& coder) {
    bookmarks_ = PracticeCoding::objects<MBookmark>(coder.decodeObject("bookmarks"));
    bookmarkID_last_ = 0;
    for (const auto& bookmark : bookmarks_)
        // A damaged archive holding the largest number cannot make the next one wrap to 0.
        if (bookmark->ID() >= bookmarkID_last_ && bookmark->ID() < UINT32_MAX)
            bookmarkID_last_ = bookmark->ID() + 1;
}

std::shared_ptr<MBookmark> MBookmarks::addBookmarkWithName(std::string name, std::string url) {
    auto bookmark = std::make_shared<MBookmark>(bookmarkID_last_, std::move(name), std::move(url));
    bookmarks_.push_back(bookmark);
    ++bookmarkID_last_;
    return bookmark;
}
