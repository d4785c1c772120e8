#pragma once
// The bookmark editor, slid in over the forum browser or its bookmark list: the name of a new
// bookmark of the page shown (prefilled with the page's title), or of a bookmark to rename. "Save"
// with an empty name asks for one and keeps the editor open; "Cancel" changes nothing.

#include <memory>
#include <string>

#include "Classes/core/SliddenViewController.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/TextField.h"

class MBookmark;
class MBookmarks;
namespace ui {
class BarButtonItem;
}

class ForumBookmarkVC : public SliddenViewController, public ui::TextFieldDelegate {
  public:
    static constexpr const char* kDoneNotification = "ForumBookmarkVC_Done_Notification";
    static constexpr const char* kEnterNameTitle = "Enter Name";
    static constexpr const char* kEnterNameMessage = "Please enter the bookmark name";

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return "ForumBookmarkView"; }

    using SliddenViewController::init;
    // A new bookmark of the address, named by the title unless the person changes it.
    void init(std::shared_ptr<MBookmarks> bookmarks, std::string urlString, std::string title);
    // Renaming a bookmark.
    void init(std::shared_ptr<MBookmark> bookmark);
    void viewDidLoad() override;

    // The cancel key, or the save key.
    void done(const Sender& sender);
    bool textFieldShouldReturn(ui::TextField& field) override;

    bool isInEditMode() const { return isInEditMode_; }
    const std::string& currentUrl() const { return currentUrl_; }
    const std::shared_ptr<MBookmark>& bookmarkToEdit() const { return bookmarkToEdit_; }
    const std::shared_ptr<ui::TextField>& nameTextField() const { return nameTextField_; }
    const std::shared_ptr<ui::BarButtonItem>& cancelBtn() const { return cancelBtn_; }
    const std::shared_ptr<ui::BarButtonItem>& saveBtn() const { return saveBtn_; }

  private:
    std::shared_ptr<MBookmarks> bookmarks_;
    std::string currentUrl_;
    std::string title_;
    bool isInEditMode_ = false;
    std::shared_ptr<MBookmark> bookmarkToEdit_;
    std::shared_ptr<ui::TextField> nameTextField_;
    std::shared_ptr<ui::BarButtonItem> cancelBtn_, flexibleSpaceBtn_, saveBtn_;
};
