// Any bytes as a news feed: the parse ends, keeps at most the item limit, and every item it keeps
// carries something to show.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "Classes/forum_news/MFeed.h"
#include "Classes/forum_news/MItem.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MFeed::ParseResult result = MFeed::parseFeedData(std::string(reinterpret_cast<const char*>(data), size));
    if (result.items.size() > MFeed::kMaximumItems) std::abort();
    for (const auto& item : result.items) {
        if (!item || (!item->title() && !item->link() && !item->guid() && !item->description())) std::abort();
        (void)item->shortTitle();
    }
    return 0;
}
