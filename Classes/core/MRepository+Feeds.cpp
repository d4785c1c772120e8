// The central repository's default news feeds and their merge into the stored feed list.
//
// The table gives each default feed's labels; the addresses come from the bundle's information, so
// that a build lists only the feeds it is configured for. A row without an address is left out
// everywhere: the fresh list and the merge then behave as if the table had no such row.

#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "Classes/core/MRepository.h"
#include "Classes/forum_news/MFeed.h"
#include "Classes/forum_news/MFeeds.h"
#include "platform/foundation/Bundle.h"

namespace {

struct DefaultFeed {
    const char* rssType;
    // Null for a timeline: the feed's own channel title names it once it has been read.
    const char* title;
    const char* frontPage;
    const char* organization;
    const char* department;
};

constexpr DefaultFeed kDefaultFeeds[] = {
    {"blog", "Tovrida: iPhone/iPod/iPad application", "News_vessark_mobile.png", "Vessark Mobile",
     "Mobile Team"},
    {"blog", "Kaplan ORVA Blog", "News_Kaplan.png", "Kaplan", "Kaplan Team"},
    {"blog", "Knewton Blog", "News_Knewton.png", "Knewton", "Knewton Team"},
    {"blog", "Manhattan ORVA Blog", "News_ManhattanORVA.png", "Manhattan ORVA", "Manhattan ORVA Team"},
    {"twitter", nullptr, "News_PrincetonReview.png", "Princeton Review", "Princeton Review Team"},
    {"blog", "Manhattan Review InFocus Blog", "News_ManhattanReview.png", "Manhattan Review",
     "Manhattan Review Team"},
    {"twitter", nullptr, "News_Kaplan.png", "Kaplan", "Kaplan Team"},
    {"rss", "The Vessark", "News_vessark_questions.png", "Vessark", "Vessark Team"},
    {"rss", "ORVA Question of the Day", "News_vessark_questions.png", "Vessark", "Vessark Team"},
    {"rss", "Latest topics from Vessark Forum", "News_vessark_forum.png", "Vessark", "Vessark Team"},
};
static_assert(std::size(kDefaultFeeds) == MRepository::kDefaultFeedRows);

std::optional<std::string> text(const char* value) {
    return value ? std::optional<std::string>(value) : std::nullopt;
}

// The labels a stored feed takes from the default at its address.
void takeLabels(MFeed& stored, const MFeed& byDefault) {
    stored.setRssType(byDefault.rssType());
    stored.setTitle(byDefault.title());
    stored.setOrganization(byDefault.organization());
    stored.setPersonName(byDefault.personName());
    stored.setPosition(byDefault.position());
    stored.setDepartment(byDefault.department());
    stored.setFrontPage(byDefault.frontPage());
    stored.setIsPermanent(true);
}

}  // namespace

void MRepository::feedSetCreator() {
    feedSet_ = std::make_shared<MFeeds>();
    fillSet(*feedSet_);
    updateFeeds();
    feedSet_->sortFeeds();
}

void MRepository::fillSet(MFeeds& set) {
    std::vector<std::string> addresses = fnd::Bundle::main().infoTextList(kDefaultFeedAddressesKey);
    for (std::size_t row = 0; row < std::size(kDefaultFeeds) && row < addresses.size(); ++row) {
        if (addresses[row].empty()) continue;
        const DefaultFeed& feed = kDefaultFeeds[row];
        set.feeds().push_back(MFeed::make(addresses[row], feed.rssType, text(feed.title), feed.frontPage,
                                          feed.organization, std::nullopt, std::nullopt, feed.department,
                                          true, true));
    }
}

void MRepository::updateFeeds() {
    if (!feedSet_) feedSet_ = std::make_shared<MFeeds>();
    MFeeds defaults;
    fillSet(defaults);

    // Only the feeds stored before the merge take part in the matching.
    MFeeds::Feeds& stored = feedSet_->feeds();
    const std::size_t storedCount = stored.size();
    std::vector<bool> removed(storedCount, false);
    MFeeds::Feeds inFront;
    for (const std::shared_ptr<MFeed>& byDefault : defaults.feeds()) {
        std::size_t match = 0;
        while (match < storedCount && stored[match]->urlString() != byDefault->urlString()) ++match;
        if (match == storedCount) {
            if (byDefault->isActive())
                inFront.push_back(byDefault);
            else
                stored.push_back(byDefault);
            continue;
        }
        takeLabels(*stored[match], *byDefault);
        for (std::size_t later = match + 1; later < storedCount; ++later)
            if (stored[later]->urlString() == byDefault->urlString()) removed[later] = true;
    }

    std::set<std::string, std::less<>> addedAddresses;
    for (std::size_t i = 0; i < storedCount; ++i) {
        const MFeed& feed = *stored[i];
        if (feed.isPermanent()) {
            if (!feed.organization()) removed[i] = true;
        } else if (!addedAddresses.insert(feed.urlString()).second) {
            removed[i] = true;
        }
    }

    MFeeds::Feeds merged = std::move(inFront);
    for (std::size_t i = 0; i < stored.size(); ++i)
        if (i >= storedCount || !removed[i]) merged.push_back(stored[i]);
    feedSet_->setFeeds(std::move(merged));
}
