#pragma once
// The page reader's state, apart from its views: the page shown, the page loaded ahead into the
// hidden web view, the neighbours that paging goes to, and whether a page that was asked for is
// still on its way. The reader's screen performs what it decides through Views and tells it when
// the hidden view has loaded and when the delayed switch is due.
//
// Paging in the direction of the last move only exchanges the two views: the neighbour in that
// direction is always loaded ahead. Any other page (a move against the direction, a link) loads
// into the hidden view and comes to the front a moment (kSwitchDelay) after its load has finished,
// so that the old page stays in sight until then. Paging waits while such a page is on its way.
//
//     PageReader reader(set, firstPage, views);
//     reader.showItem();               // loads the first page into the hidden view
//     reader.hiddenViewDidFinishLoad();  // ...and kSwitchDelay later: reader.switchIsDue()

#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/URL.h"

class MStartItem;
class MStartSet;

class PageReader {
  public:
    static constexpr double kSwitchDelay = 0.05;

    // What the reader asks of its screen.
    class Views {
      public:
        virtual ~Views() = default;
        virtual void loadInHiddenView(const fnd::URL& url) = 0;
        // The two web views exchange their roles and their places: the hidden one comes to the front.
        virtual void exchangeViews() = 0;
        // Scrolls a view's page to the anchor, or to its top when there is none.
        virtual void scrollToAnchor(bool frontView, const std::optional<std::string>& anchor) = 0;
        // switchIsDue after kSwitchDelay; and the cancellation of such a call.
        virtual void scheduleSwitch() = 0;
        virtual void cancelSwitch() = 0;
        virtual void showTitle(const std::string& title, bool hasPrevious, bool hasNext) = 0;
        // The indicator of a page that was asked for and is loading.
        virtual void showActivity(bool on) = 0;
    };

    PageReader(std::shared_ptr<MStartSet> set, std::shared_ptr<MStartItem> item, Views& views);

    // Brings `item` to the front: at once when it is loaded ahead, else when its load finishes.
    void showItem();
    // Loads a page into the hidden view, as asked for or ahead. Answers whether the page is on its
    // way (or shown at once); a page without a file or an address loads nothing.
    bool startLoading(const std::shared_ptr<MStartItem>& page, bool requested);
    // Loads the neighbour in the direction of the last move ahead.
    void startPreLoad();
    // The views change places; title, buttons and the next page ahead follow.
    void switchWebViews();
    // Title and neighbours of `item`.
    void updateBtnsAndTitle();

    // The hidden view finished its load.
    void hiddenViewDidFinishLoad();
    // The delayed switch is due.
    void switchIsDue();

    // The paging buttons. Answer whether the reader moved.
    bool previous();
    bool next();
    // Whether paging must wait: a page asked for is loading or waits for its switch.
    bool isBusy() const { return requested_ || switchPending_; }

    // A link tapped in the front page to a file address. The last page of the set whose address has
    // the same path (and the same fragment, when both have one) is shown. Answers whether a page
    // matched.
    bool followLink(const fnd::URL& url);
    // The set's page the address stands for (the last match in set order); null when none.
    std::shared_ptr<MStartItem> pageForURL(const fnd::URL& url,
                                           std::optional<std::string>* anchor = nullptr) const;

    // The title of a page: its own, or that of the nearest earlier page with one (empty if none).
    static std::string titleOfItem(const MStartSet& set, const MStartItem& item);

    const std::shared_ptr<MStartSet>& set() const { return set_; }
    const std::shared_ptr<MStartItem>& item() const { return item_; }
    void setItem(std::shared_ptr<MStartItem> item) { item_ = std::move(item); }
    // The page in the front view.
    const std::shared_ptr<MStartItem>& shownItem() const { return shownItem_; }
    const std::shared_ptr<MStartItem>& preloadedItem() const { return preloadedItem_; }
    const std::shared_ptr<MStartItem>& prevItem() const { return prevItem_; }
    const std::shared_ptr<MStartItem>& nextItem() const { return nextItem_; }
    bool preLoadingStarted() const { return preLoadingStarted_; }
    bool backward() const { return backward_; }
    const std::optional<std::string>& anchor() const { return anchor_; }
    void setAnchor(std::optional<std::string> anchor) { anchor_ = std::move(anchor); }

  private:
    std::shared_ptr<MStartSet> set_;
    std::shared_ptr<MStartItem> item_;
    std::shared_ptr<MStartItem> shownItem_;
    std::shared_ptr<MStartItem> preloadedItem_;
    std::shared_ptr<MStartItem> prevItem_, nextItem_;
    bool preLoadingStarted_ = false;
    bool backward_ = false;
    std::optional<std::string> anchor_;
    // A page asked for is loading in the hidden view; its switch waits for kSwitchDelay.
    bool requested_ = false;
    bool switchPending_ = false;
    // The paths of the files the views hold (or are loading); empty for none.
    std::string frontPath_, hiddenPath_;
    Views& views_;
};
