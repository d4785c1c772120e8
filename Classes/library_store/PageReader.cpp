#include "Classes/library_store/PageReader.h"

#include <algorithm>

#include "Classes/library_store/MStartItem.h"
#include "Classes/library_store/MStartSet.h"
#include "platform/foundation/Log.h"

namespace {

std::optional<std::string> fragmentOf(const fnd::URL& url) {
    return url.hasFragment() ? std::optional(url.fragment()) : std::nullopt;
}

}  // namespace

PageReader::PageReader(std::shared_ptr<MStartSet> set, std::shared_ptr<MStartItem> item, Views& views)
    : set_(std::move(set)), item_(std::move(item)), views_(views) {
    if (item_) anchor_ = item_->anchor();
}

void PageReader::showItem() {
    if (item_ != preloadedItem_) {
        bool wasPreloading = preLoadingStarted_;
        preLoadingStarted_ = false;
        if (!startLoading(item_, true)) {
            // Nothing loads: the reader stays on the page it shows, and a preload goes on.
            preLoadingStarted_ = wasPreloading;
            if (shownItem_) item_ = shownItem_;
        }
    } else if (!preLoadingStarted_) {
        switchWebViews();
    } else {
        // The page is still loading ahead: its finish brings it to the front, as a page asked for.
        preLoadingStarted_ = false;
        requested_ = true;
        views_.showActivity(true);
    }
}

bool PageReader::startLoading(const std::shared_ptr<MStartItem>& page, bool requested) {
    if (!page || page->fileName().empty()) return false;
    std::optional<fnd::URL> url = set_->URLForFileName(page->fileName(), anchor_);
    anchor_.reset();
    if (!url) {
        fnd::Log::warning("library: the page \"", page->fileName(), "\" has no address in its set");
        return false;
    }
    switchPending_ = false;
    views_.cancelSwitch();
    if (!hiddenPath_.empty() && url->path() == hiddenPath_) {
        // The hidden view holds the file already, so no load of it will finish.
        if (requested) {
            switchWebViews();
            views_.scrollToAnchor(true, fragmentOf(*url));
        } else {
            // Only a page asked for switches: a preload that switched would start itself again.
            preLoadingStarted_ = false;
            views_.scrollToAnchor(false, fragmentOf(*url));
        }
        return true;
    }
    hiddenPath_ = url->path();
    requested_ = requested;
    if (requested) views_.showActivity(true);
    views_.loadInHiddenView(*url);
    return true;
}

void PageReader::startPreLoad() {
    preLoadingStarted_ = true;
    preloadedItem_ = backward_ ? prevItem_ : nextItem_;
    if (!startLoading(preloadedItem_, false)) {
        preLoadingStarted_ = false;
        preloadedItem_ = nullptr;
    }
}

void PageReader::switchWebViews() {
    views_.exchangeViews();
    std::swap(frontPath_, hiddenPath_);
    shownItem_ = item_;
    requested_ = false;
    switchPending_ = false;
    views_.showActivity(false);
    updateBtnsAndTitle();
    startPreLoad();
}

void PageReader::updateBtnsAndTitle() {
    const auto& items = set_->items();
    auto at = std::find(items.begin(), items.end(), item_);
    prevItem_ = nullptr;
    nextItem_ = nullptr;
    if (at == items.end()) {
        views_.showTitle(item_ ? titleOfItem(*set_, *item_) : std::string(), false, false);
        return;
    }
    for (auto it = at; it != items.begin();)
        if (!(*--it)->isHidden()) {
            prevItem_ = *it;
            break;
        }
    for (auto it = at + 1; it != items.end(); ++it)
        if (!(*it)->isHidden()) {
            nextItem_ = *it;
            break;
        }
    views_.showTitle(titleOfItem(*set_, **at), prevItem_ != nullptr, nextItem_ != nullptr);
}

std::string PageReader::titleOfItem(const MStartSet& set, const MStartItem& item) {
    if (item.title()) return *item.title();
    const auto& items = set.items();
    auto at =
        std::find_if(items.begin(), items.end(), [&item](const auto& page) { return page.get() == &item; });
    while (at != items.begin() && at != items.end())
        if ((*--at)->title()) return *(*at)->title();
    return {};
}

void PageReader::hiddenViewDidFinishLoad() {
    if (preLoadingStarted_) {
        preLoadingStarted_ = false;  // the page waits, loaded ahead
    } else if (requested_) {
        switchPending_ = true;
        views_.scheduleSwitch();
    }
    views_.showActivity(false);
}

void PageReader::switchIsDue() {
    if (!switchPending_) return;
    switchPending_ = false;
    switchWebViews();
}

bool PageReader::previous() {
    if (isBusy() || !prevItem_) return false;
    item_ = prevItem_;
    backward_ = true;
    showItem();
    return true;
}

bool PageReader::next() {
    if (isBusy() || !nextItem_) return false;
    item_ = nextItem_;
    backward_ = false;
    showItem();
    return true;
}

std::shared_ptr<MStartItem> PageReader::pageForURL(const fnd::URL& url,
                                                   std::optional<std::string>* anchor) const {
    std::shared_ptr<MStartItem> match;
    for (const auto& page : set_->items()) {
        std::optional<fnd::URL> own = set_->URLForFileName(page->fileName(), page->anchor());
        if (!own || own->path() != url.path()) continue;
        bool bothFragments = own->hasFragment() && url.hasFragment();
        if (bothFragments && own->fragment() != url.fragment()) continue;
        match = page;
        if (anchor) *anchor = bothFragments ? page->anchor() : std::nullopt;
    }
    return match;
}

bool PageReader::followLink(const fnd::URL& url) {
    std::optional<std::string> anchor;
    auto page = pageForURL(url, &anchor);
    if (!page) return false;
    item_ = page;
    anchor_ = anchor;
    backward_ = false;
    showItem();
    return true;
}
