#include "Classes/forum_news/ForumBookmarkVC.h"

#include "Classes/flashcards/FlashcardsScreenParts.h"
#include "Classes/forum_news/MBookmark.h"
#include "Classes/forum_news/MBookmarks.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/BarButtonItem.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Make.h"
#include "platform/ui/Toolbar.h"

const ui::ConnectionTable& ForumBookmarkVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("ForumBookmarkVC", &SliddenViewController::classConnections())
            .outlet("nameTextField", &ForumBookmarkVC::nameTextField_);
    return table;
}

void ForumBookmarkVC::init(std::shared_ptr<MBookmarks> bookmarks, std::string urlString, std::string title) {
    bookmarks_ = std::move(bookmarks);
    currentUrl_ = std::move(urlString);
    title_ = std::move(title);
    isInEditMode_ = false;
    initWithNibName(nibIdentifier());
    animation();
}

void ForumBookmarkVC::init(std::shared_ptr<MBookmark> bookmark) {
    bookmarkToEdit_ = std::move(bookmark);
    isInEditMode_ = true;
    initWithNibName(nibIdentifier());
    animation();
}

void ForumBookmarkVC::viewDidLoad() {
    auto self = sharedAs<ForumBookmarkVC>();
    using Parts = FlashcardsScreenParts;
    cancelBtn_ = Parts::key(ui::BarButtonItem::withSystemItem(ui::BarButtonSystemItem::Cancel), self,
                            &ForumBookmarkVC::done);
    flexibleSpaceBtn_ = ui::BarButtonItem::flexibleSpace();
    saveBtn_ = Parts::key(ui::BarButtonItem::withSystemItem(ui::BarButtonSystemItem::Save), self,
                          &ForumBookmarkVC::done);
    Parts::showKeys(toolB().get(), {cancelBtn_, flexibleSpaceBtn_, saveBtn_});
    if (nameTextField_) {
        nameTextField_->setDelegate(self);
        nameTextField_->setText(isInEditMode_ ? (bookmarkToEdit_ ? bookmarkToEdit_->name() : "") : title_);
    }
    SliddenViewController::viewDidLoad();
}

void ForumBookmarkVC::done(const Sender& sender) {
    if (sender && sender == saveBtn_) {
        std::string name = nameTextField_ ? nameTextField_->text() : std::string();
        if (name.empty()) {
            auto alert = ui::make<ui::AlertView>(kEnterNameTitle, kEnterNameMessage,
                                                 std::weak_ptr<ui::AlertViewDelegate>(), "OK",
                                                 std::vector<std::string>{});
            alert->show();
            return;
        }
        if (isInEditMode_ && bookmarkToEdit_)
            bookmarkToEdit_->setName(name);
        else if (!isInEditMode_ && bookmarks_)
            bookmarks_->addBookmarkWithName(name, currentUrl_);
    }
    if (nameTextField_) nameTextField_->resignFirstResponder();
    fnd::NotificationCenter::defaultCenter().post(kDoneNotification, sharedAs<ForumBookmarkVC>());
}

bool ForumBookmarkVC::textFieldShouldReturn(ui::TextField& field) {
    field.resignFirstResponder();
    return true;
}
