#include "Classes/forum_news/MForumNewsClasses.h"

#include <mutex>

#include "Classes/forum_news/MBookmark.h"
#include "Classes/forum_news/MBookmarks.h"
#include "Classes/forum_news/MFeed.h"
#include "Classes/forum_news/MFeeds.h"
#include "Classes/forum_news/MItem.h"
#include "platform/foundation/ClassRegistry.h"

void MForumNewsClasses::registerAll() {
    static std::once_flag once;
    std::call_once(once, [] {
        auto& registry = fnd::ClassRegistry::shared();
        registry.registerClass<MItem>("MItem");
        registry.registerClass<MFeed>("MFeed");
        registry.registerClass<MFeeds>("MFeeds");
        registry.registerClass<MBookmark>("MBookmark");
        registry.registerClass<MBookmarks>("MBookmarks");
    });
}
