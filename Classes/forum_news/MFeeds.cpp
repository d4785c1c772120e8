#include "Classes/forum_news/MFeeds.h"

#include <algorithm>

#include "Classes/forum_news/MFeed.h"
#include "Classes/practice/PracticeCoding.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Application.h"

MFeeds::~MFeeds() {
    if (isUpdating_) fnd::NotificationCenter::defaultCenter().removeObserver(this);
}

void MFeeds::encodeWithCoder(fnd::KeyedArchiver& coder) const {
    coder.encodeObject("kFeeds", PracticeCoding::objectArray(feeds_));
}

void MFeeds::initWithCoder(fnd::KeyedUnarchiver& coder) {
    feeds_ = PracticeCoding::objects<MFeed>(coder.decodeObject("kFeeds"));
}

void MFeeds::update() {
    if (isUpdating_) return;
    if (feeds_.empty()) return;
    isUpdating_ = true;
    updateIndex_ = 0;
    fnd::NotificationCenter::defaultCenter().addObserver(
        sharedAs<MFeeds>(), MFeed::kUpdateDoneNotification, nullptr,
        [this](const fnd::Notification&) { feedDidUpdate(); });
    ui::Application::shared().setNetworkActivityIndicatorVisible(true);
    feeds_[0]->update();
}

void MFeeds::feedDidUpdate() {
    ++updateIndex_;
    if (updateIndex_ >= feeds_.size()) {
        finishUpdate();
        return;
    }
    // Keep the feed alive through its update even if the list drops it meanwhile.
    std::shared_ptr<MFeed> next = feeds_[updateIndex_];
    next->update();
}

void MFeeds::finishUpdate() {
    fnd::NotificationCenter::defaultCenter().removeObserver(this);
    ui::Application::shared().setNetworkActivityIndicatorVisible(false);
    isUpdating_ = false;
}

int MFeeds::countActive() const {
    return static_cast<int>(
        std::count_if(feeds_.begin(), feeds_.end(), [](const auto& f) { return f->isActive(); }));
}

void MFeeds::sortFeeds() {
    std::stable_partition(feeds_.begin(), feeds_.end(), [](const auto& f) { return f->isActive(); });
}
