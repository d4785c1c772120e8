#pragma once
// One news feed: its address and the labels the list shows, the items of its last successful
// update with the user's read marks, and its download and parse. An update downloads the feed,
// parses it on a thread of its own and merges the items on the main thread; it always ends with
// one "MNotificationFeedUpdateDone" whose object is the feed, whether it succeeded or not.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Coding.h"
#include "platform/foundation/Date.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/URLConnectionDelegate.h"

namespace fnd {
class URLSession;
}
class MItem;

class MFeed : public fnd::Object, public fnd::Coding, public fnd::URLConnectionDelegate {
  public:
    static constexpr const char* kUpdateDoneNotification = "MNotificationFeedUpdateDone";
    // Items beyond these are not read.
    static constexpr std::size_t kMaximumItems = 50;
    static constexpr double kTimeout = 6.0;

    using Items = std::vector<std::shared_ptr<MItem>>;

    // What the parse of one document gives: the items in feed order (at most kMaximumItems) and the
    // channel's title when it has one.
    struct ParseResult {
        Items items;
        std::optional<std::string> channelTitle;
    };

    MFeed() = default;
    static std::shared_ptr<MFeed> make(std::string urlString, std::optional<std::string> rssType,
                                       std::optional<std::string> title, std::optional<std::string> frontPage,
                                       std::optional<std::string> organization,
                                       std::optional<std::string> personName,
                                       std::optional<std::string> position,
                                       std::optional<std::string> department, bool isActive,
                                       bool isPermanent);

    void encodeWithCoder(fnd::KeyedArchiver& coder) const override;
    void initWithCoder(fnd::KeyedUnarchiver& coder) override;

    // Main thread. Downloads and parses the feed; nothing when an update is under way, and only the
    // done notification for an inactive feed.
    void update();
    int numberOfUnreadItems() const;
    // Main thread. The new items replace the old ones; an item whose guid a read item had is read.
    void addItemsToFeed(Items items);
    // Any thread: RSS 2.0 or Atom, names compared as written ("content:encoded"). A document broken
    // after some items gives those items.
    static ParseResult parseFeedData(const std::string& bytes);
    void sendNotificationFeedUpdateDone();

    // The session updates load in; the program's shared one unless set.
    void setSession(std::shared_ptr<fnd::URLSession> session) { session_ = std::move(session); }

    const std::string& urlString() const { return urlString_; }
    void setUrlString(std::string url) { urlString_ = std::move(url); }
    const std::optional<std::string>& rssType() const { return rssType_; }
    void setRssType(std::optional<std::string> type) { rssType_ = std::move(type); }
    const std::optional<std::string>& title() const { return title_; }
    void setTitle(std::optional<std::string> title) { title_ = std::move(title); }
    const std::optional<std::string>& organization() const { return organization_; }
    void setOrganization(std::optional<std::string> text) { organization_ = std::move(text); }
    const std::optional<std::string>& personName() const { return personName_; }
    void setPersonName(std::optional<std::string> text) { personName_ = std::move(text); }
    const std::optional<std::string>& position() const { return position_; }
    void setPosition(std::optional<std::string> text) { position_ = std::move(text); }
    const std::optional<std::string>& department() const { return department_; }
    void setDepartment(std::optional<std::string> text) { department_ = std::move(text); }
    const std::optional<std::string>& frontPage() const { return frontPage_; }
    void setFrontPage(std::optional<std::string> name) { frontPage_ = std::move(name); }
    const Items& items() const { return items_; }
    void setItems(Items items) { items_ = std::move(items); }
    const std::optional<fnd::Date>& lastUpdated() const { return lastUpdated_; }
    void setLastUpdated(std::optional<fnd::Date> date) { lastUpdated_ = date; }
    bool isActive() const { return isActive_; }
    void setIsActive(bool active) { isActive_ = active; }
    bool isPermanent() const { return isPermanent_; }
    void setIsPermanent(bool permanent) { isPermanent_ = permanent; }
    bool isUpdating() const { return isUpdating_; }

    // fnd::URLConnectionDelegate
    void didReceiveResponse(fnd::URLConnection&, const fnd::URLResponse&) override;
    void didReceiveData(fnd::URLConnection&, const std::string& data) override;
    void didFinishLoading(fnd::URLConnection&) override;
    void didFail(fnd::URLConnection&, const fnd::URLError& error) override;

  private:
    // Ends the update: the channel title and the items (when any) taken over, then done.
    void finishUpdate(ParseResult result);

    std::string urlString_;
    std::optional<std::string> rssType_;
    std::optional<std::string> title_;
    std::optional<std::string> organization_;
    std::optional<std::string> personName_;
    std::optional<std::string> position_;
    std::optional<std::string> department_;
    std::optional<std::string> frontPage_;
    Items items_;
    std::optional<fnd::Date> lastUpdated_;
    bool isActive_ = false;
    bool isPermanent_ = false;

    bool isUpdating_ = false;
    std::shared_ptr<fnd::URLConnection> feedConnection_;
    std::string feedData_;
    std::shared_ptr<fnd::URLSession> session_;
};
