#include <gtest/gtest.h>

#include "Classes/forum_news/MBookmark.h"
#include "Classes/forum_news/MBookmarks.h"
#include "Classes/forum_news/MForumNewsClasses.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"

namespace {

std::shared_ptr<MBookmarks> restarted(const std::shared_ptr<MBookmarks>& bookmarks) {
    MForumNewsClasses::registerAll();
    auto bytes = fnd::KeyedArchiver::archive("forumBookmarks", bookmarks);
    EXPECT_TRUE(bytes);
    return bytes ? fnd::KeyedUnarchiver::unarchive(*bytes, "forumBookmarks").object<MBookmarks>() : nullptr;
}

std::shared_ptr<MBookmarks> threeBookmarks() {
    auto bookmarks = std::make_shared<MBookmarks>();
    bookmarks->addBookmarkWithName("Rates and work", "http://127.0.0.1/forum/viewtopic.php?t=501");
    bookmarks->addBookmarkWithName("Modifiers", "http://127.0.0.1/forum/viewtopic.php?t=502");
    bookmarks->addBookmarkWithName("", "http://127.0.0.1/forum/viewtopic.php?t=502");
    return bookmarks;
}

TEST(Bookmarks, NumbersGrowAndRestartAfterTheHighestKept) {
    auto bookmarks = threeBookmarks();
    ASSERT_EQ(bookmarks->bookmarks().size(), 3u);
    for (std::uint32_t i = 0; i < 3; ++i) EXPECT_EQ(bookmarks->bookmarks()[i]->ID(), i);

    auto back = restarted(bookmarks);
    ASSERT_TRUE(back);
    ASSERT_EQ(back->bookmarks().size(), 3u);
    EXPECT_EQ(back->bookmarks()[1]->name(), "Modifiers");
    EXPECT_EQ(back->bookmarks()[1]->url(), "http://127.0.0.1/forum/viewtopic.php?t=502");
    EXPECT_EQ(back->bookmarks()[2]->name(), "");
    EXPECT_EQ(back->bookmarkID_last(), 3u);

    // Deleting the last one frees its number after a restart; deleting the first does not.
    auto withoutLast = threeBookmarks();
    withoutLast->bookmarks().pop_back();
    EXPECT_EQ(restarted(withoutLast)->addBookmarkWithName("x", "y")->ID(), 2u);
    auto withoutFirst = threeBookmarks();
    withoutFirst->bookmarks().erase(withoutFirst->bookmarks().begin());
    EXPECT_EQ(restarted(withoutFirst)->addBookmarkWithName("x", "y")->ID(), 3u);

    EXPECT_EQ(restarted(std::make_shared<MBookmarks>())->bookmarkID_last(), 0u);
}

TEST(Bookmarks, HighestNumberInADamagedArchiveDoesNotWrap) {
    auto bookmarks = std::make_shared<MBookmarks>();
    bookmarks->bookmarks().push_back(std::make_shared<MBookmark>(UINT32_MAX, "odd", "http://127.0.0.1/"));
    bookmarks->bookmarks().push_back(std::make_shared<MBookmark>(7, "seven", "http://127.0.0.1/7"));
    auto back = restarted(bookmarks);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->bookmarks()[0]->ID(), UINT32_MAX);
    EXPECT_EQ(back->bookmarkID_last(), 8u);
}

}  // namespace
