#include "Classes/forum_news/FeedAddVC.h"

#include <algorithm>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "Classes/forum_news/MFeed.h"
#include "Classes/forum_news/MFeeds.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/WhileAlive.h"
#include "platform/ui/ActivityIndicator.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Label.h"
#include "platform/ui/Window.h"

const ui::ConnectionTable& FeedAddVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("FeedAddVC", &CommonViewController::classConnections())
            .outlet("statusLbl", &FeedAddVC::statusLbl_)
            .outlet("feedTitleLbl", &FeedAddVC::feedTitleLbl_)
            .outlet("numberOfItemsLbl", &FeedAddVC::numberOfItemsLbl_)
            .outlet("urlField", &FeedAddVC::urlField_)
            .outlet("organizationField", &FeedAddVC::organizationField_)
            .outlet("checkBtn", &FeedAddVC::checkBtn_)
            .outlet("addBtn", &FeedAddVC::addBtn_)
            .outlet("checkingIV", &FeedAddVC::checkingIV_)
            .action("checkURL:", &FeedAddVC::checkURL)
            .action("addFeed:", &FeedAddVC::addFeed)
            .action("doneClick:", &FeedAddVC::doneClick);
    return table;
}

void FeedAddVC::init(int index) {
    insertIndex_ = index;
    initWithNibName(nibIdentifier());
    animation();
}

void FeedAddVC::viewDidLoad() {
    for (const auto& field : {urlField_, organizationField_})
        if (field) field->setDelegate(sharedAs<FeedAddVC>());
    if (addBtn_) {
        buttonStylizing(*addBtn_, kLightButtonStyle, true);
        if (auto delegate = AbstractAppDelegate::shared()) addBtn_->setTitleColor(delegate->darkColor());
    }
    if (checkBtn_) buttonStylizing(*checkBtn_, kLightButtonStyle, true);
    showOutcome(kEnterText, false);
    CommonViewController::viewDidLoad();
}

ui::Point FeedAddVC::startCentre() const {
    auto home = homeView();
    if (AbstractAppDelegate::isiPad() && home)
        return {home->bounds().size.width - kCentreFromRight, kTabletStartCentreY};
    return {kCentreFromRight, kStartCentreY};
}

ui::Point FeedAddVC::endCentre() const {
    ui::Point start = startCentre();
    return {start.x, AbstractAppDelegate::isiPad() ? kTabletEndCentreY : kEndCentreY};
}

void FeedAddVC::animation() {
    std::shared_ptr<ui::View> host = homeView();
    auto delegate = AbstractAppDelegate::shared();
    if (!AbstractAppDelegate::isiPad() && delegate && delegate->window()) host = delegate->window();
    if (host) host->addSubview(view());
    view()->setHidden(false);
    view()->setTransform(ui::AffineTransform::scale(1, kSquash));
    view()->setCenter(startCentre());
    ui::Animation::begin("FeedAddIn");
    ui::Animation::setDuration(animationDuration());
    view()->setTransform(ui::AffineTransform::identity());
    view()->setCenter(endCentre());
    ui::Animation::commit();
}

void FeedAddVC::outAnimation() {
    ui::Animation::begin("FeedAddOut");
    ui::Animation::setDuration(animationDuration());
    view()->setTransform(ui::AffineTransform::scale(1, kSquash));
    view()->setCenter(startCentre());
    ui::Animation::commit();
}

void FeedAddVC::showOutcome(const std::string& status, bool newFeedParts) {
    if (statusLbl_) statusLbl_->setText(status);
    for (ui::View* part :
         {static_cast<ui::View*>(feedTitleLbl_.get()), static_cast<ui::View*>(numberOfItemsLbl_.get()),
          static_cast<ui::View*>(organizationField_.get())})
        if (part) part->setHidden(!newFeedParts);
    if (addBtn_) addBtn_->setHidden(!newFeedParts);
}

void FeedAddVC::post(const char* name) {
    fnd::NotificationCenter::defaultCenter().post(name, sharedAs<FeedAddVC>());
}

int FeedAddVC::searchFeed(const MFeeds& feeds, const std::string& address) {
    const auto& list = feeds.feeds();
    auto found =
        std::find_if(list.begin(), list.end(), [&](const auto& f) { return f->urlString() == address; });
    return found == list.end() ? -1 : int(found - list.begin());
}

void FeedAddVC::checkURL(const Sender&) {
    if (urlField_) urlField_->resignFirstResponder();
    if (newFeed_)
        fnd::NotificationCenter::defaultCenter().removeObserverForObject(notificationId(this),
                                                                         newFeed_.get());
    std::string address = urlField_ ? urlField_->text() : std::string();
    newFeed_ = MFeed::make(address, "rss", std::nullopt, kNewFeedIcon, std::nullopt, std::nullopt,
                           std::nullopt, std::nullopt, true, false);
    fnd::NotificationCenter::defaultCenter().addObserver(
        sharedAs<fnd::Object>(), std::string(MFeed::kUpdateDoneNotification),
        static_cast<const fnd::Object*>(newFeed_.get()),
        fnd::whileAlive(*this, &FeedAddVC::feedUpdateNotifications));
    showOutcome(kCheckingText, false);
    if (checkingIV_) checkingIV_->startAnimating();
    if (checkBtn_) checkBtn_->setEnabled(false);
    newFeed_->update();
}

void FeedAddVC::feedUpdateNotifications(const fnd::Notification& notification) {
    if (!newFeed_ || notification.objectId != static_cast<const fnd::Object*>(newFeed_.get())) return;
    fnd::NotificationCenter::defaultCenter().removeObserverForObject(notificationId(this), newFeed_.get());
    ui::Application::shared().setNetworkActivityIndicatorVisible(false);
    if (checkingIV_) checkingIV_->stopAnimating();
    if (checkBtn_) checkBtn_->setEnabled(true);
    auto rep = AbstractAppDelegate::sharedRep();
    auto feeds = rep ? rep->feedSet() : nullptr;
    foundFeedIndex_ = feeds ? searchFeed(*feeds, newFeed_->urlString()) : -1;

    if (foundFeedIndex_ < 0) {
        if (newFeed_->items().empty()) return showOutcome(kFailedText, false);
        showOutcome(kCheckedText, true);
        if (feedTitleLbl_) feedTitleLbl_->setText(newFeed_->title().value_or(""));
        if (numberOfItemsLbl_)
            numberOfItemsLbl_->setText(std::to_string(newFeed_->items().size()) + " records.");
        if (addBtn_) {
            addBtn_->setTitle(kAddTitle);
            addBtn_->setEnabled(true);
        }
        return;
    }
    bool active = feeds->feeds()[std::size_t(foundFeedIndex_)]->isActive();
    showOutcome(active ? kExistsText : kExistsInactiveText, false);
    if (!active && addBtn_) {
        addBtn_->setHidden(false);
        addBtn_->setTitle(kActivateTitle);
        addBtn_->setEnabled(true);
    }
    post(kScrollNotification);
}

void FeedAddVC::addFeed(const Sender&) {
    auto rep = AbstractAppDelegate::sharedRep();
    auto feeds = rep ? rep->feedSet() : nullptr;
    if (!newFeed_ || !feeds) return;
    std::string organization = organizationField_ ? organizationField_->text() : std::string();
    newFeed_->setOrganization(organization.empty() ? std::nullopt : std::optional<std::string>(organization));
    if (addBtn_) addBtn_->setEnabled(false);
    auto& list = feeds->feeds();
    if (foundFeedIndex_ < 0) {
        insertIndex_ = std::clamp(insertIndex_, 0, int(list.size()));
        list.insert(list.begin() + insertIndex_, newFeed_);
        post(kCreatedEvent);
        post(kInsertNotification);
    } else if (foundFeedIndex_ < int(list.size())) {
        list[std::size_t(foundFeedIndex_)]->setIsActive(true);
        post(kActivateNotification);
    }
}

void FeedAddVC::doneClick(const Sender&) { post(kDoneNotification); }

bool FeedAddVC::textFieldShouldReturn(ui::TextField& field) {
    field.resignFirstResponder();
    return true;
}
