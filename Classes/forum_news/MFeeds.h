#pragma once
// The list of news feeds in display order, archived under "kFeedSet" with the repository. An
// update of the list updates one feed after another, in list order.

#include <memory>
#include <vector>

#include "platform/foundation/Coding.h"
#include "platform/foundation/Object.h"

class MFeed;

class MFeeds : public fnd::Object, public fnd::Coding {
  public:
    using Feeds = std::vector<std::shared_ptr<MFeed>>;

    MFeeds() = default;
    ~MFeeds() override;

    void encodeWithCoder(fnd::KeyedArchiver& coder) const override;
    void initWithCoder(fnd::KeyedUnarchiver& coder) override;

    // Main thread. Nothing while an update of the list runs; an empty list finishes at once.
    void update();
    int countActive() const;
    // The active feeds first, then the others, each group in its order.
    void sortFeeds();

    Feeds& feeds() { return feeds_; }
    const Feeds& feeds() const { return feeds_; }
    void setFeeds(Feeds feeds) { feeds_ = std::move(feeds); }
    bool isUpdating() const { return isUpdating_; }

  private:
    void feedDidUpdate();
    void finishUpdate();

    Feeds feeds_;
    bool isUpdating_ = false;
    std::size_t updateIndex_ = 0;
};
