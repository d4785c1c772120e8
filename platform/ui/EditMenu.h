#pragma once
// The edit menu: a row of items shown above text the user selected in an input or a web view.
// It offers the standard items (cut, copy, paste, select, select all) and the program's own items,
// each only when the responder chain from the selected view allows its action (canPerformAction);
// a chosen item hides the menu and sends its action to the first responder that declares it, with
// the item's view as sender. The menu is composed of views like any control.
//
// The display reports selections (Application::selectionChanged); switching the selected view's
// user interaction off (or an ancestor's) ends the selection here, hides the menu and tells the
// display's listener, so the page drops its selection too.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Rect.h"

namespace ui {

class View;

struct MenuItem {
    std::string title;
    std::string action;
    friend bool operator==(const MenuItem&, const MenuItem&) = default;
};

class EditMenu {
  public:
    static constexpr double kItemHeight = 36;

    static EditMenu& shared();
    // No items of the program's, no selection, no host, no listener.
    void reset();

    // The standard items, offered first: "Cut" cut:, "Copy" copy:, "Paste" paste:, "Select"
    // select:, "Select All" selectAll:.
    static const std::vector<MenuItem>& standardItems();
    // The program's items, offered after the standard ones; one list for the whole program.
    void setMenuItems(std::vector<MenuItem> items);
    const std::vector<MenuItem>& menuItems() const { return items_; }

    // The view the menu is shown in (the application's interface layer).
    void setHost(std::weak_ptr<View> host);

    // Text selected in a view, with the selection's rectangle in the view's coordinates: the
    // menu shows above it when any item is allowed. Empty text ends the selection; the selection
    // there is already changes nothing.
    void selectionChanged(const std::shared_ptr<View>& view, std::string text, const Rect& rect);
    // Ends the selection (telling the listener) and hides the menu.
    void endSelection();
    std::shared_ptr<View> selectedView() const;
    // The selected text when the view holds the selection, else empty.
    std::string selectedTextIn(const View& view) const;

    // Called back with the element id of a view whose selection ended on this side.
    void setOnSelectionEnded(std::function<void(std::uint64_t elementId)> listener);
    // A view's user interaction went off: ends a selection in it or below it.
    void userInteractionDisabled(const View& view);

    // The items the responder chain allows for the present selection.
    std::vector<MenuItem> offeredItems() const;
    bool isMenuVisible() const { return menu_ != nullptr; }
    // Shows the menu for the present selection (when an item is allowed), or hides it.
    void setMenuVisible(bool visible);
    // The composed menu while it is shown; its item views are its subviews with a text.
    std::shared_ptr<View> menuView() const { return menu_; }
    // Chooses an offered item, as a tap on it does.
    void choose(const std::string& action);

  private:
    EditMenu() = default;
    std::shared_ptr<View> compose(const std::vector<MenuItem>& items, View& host, const View& selected);

    std::vector<MenuItem> items_;
    std::weak_ptr<View> host_;
    std::weak_ptr<View> selected_;
    std::string text_;
    Rect rect_;
    std::shared_ptr<View> menu_;
    std::function<void(std::uint64_t)> listener_;
};

}  // namespace ui
