#pragma once
// What the flashcards' screens share: their toolbar keys wired to the screen's actions, the rows'
// colours, rows loaded from their interface files, and the table reloaded a moment after the
// editing mode changed (so that the rows redraw for it).

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/BarButtonItem.h"
#include "platform/ui/Color.h"
#include "platform/ui/ConnectionTable.h"

namespace ui {
class Responder;
class ScrollView;
class TextView;
class Toolbar;
class TableView;
class TableViewCell;
class View;
}  // namespace ui

class FlashcardsScreenParts {
  public:
    using Sender = ui::ConnectionTable::Sender;
    static constexpr double kReloadDelay = 0.3;
    static constexpr double kRowHeight = 85;

    // The key runs the action of the screen (while the screen lives) with the key as sender.
    template <class T>
    static std::shared_ptr<ui::BarButtonItem> key(std::shared_ptr<ui::BarButtonItem> key,
                                                  const std::shared_ptr<T>& owner,
                                                  void (T::*action)(const Sender&)) {
        std::weak_ptr<T> weak = owner;
        key->setAction([weak, action](const std::shared_ptr<ui::BarButtonItem>& sender) {
            if (auto self = weak.lock()) ((*self).*action)(sender);
        });
        return key;
    }

    // The form's bar: "Cancel", a space, and "Create" (a new item) or "Confirm", all sending the
    // form's done action; shown on the bar when there is one.
    struct FormKeys {
        std::shared_ptr<ui::BarButtonItem> cancel, space, createConfirm;
    };
    template <class T>
    static FormKeys formKeys(const std::shared_ptr<T>& owner, void (T::*done)(const Sender&), bool creating,
                             ui::Toolbar* bar) {
        FormKeys keys{
            key(ui::BarButtonItem::withTitle("Cancel"), owner, done), ui::BarButtonItem::flexibleSpace(),
            key(ui::BarButtonItem::withTitle(creating ? "Create" : "Confirm", ui::BarButtonItemStyle::Done),
                owner, done)};
        showKeys(bar, {keys.cancel, keys.space, keys.createConfirm});
        return keys;
    }

    // White in edit mode and on even rows, light grey on odd rows.
    static ui::Color rowColor(bool editing, int row);
    // A reused row, or a new one from the owner's interface file of that name (through the outlet
    // the owner names `theCell`, which is emptied again).
    static std::shared_ptr<ui::TableViewCell> cell(ui::TableView& table, const std::string& identifier,
                                                   ui::Responder& owner, std::shared_ptr<ui::View>& theCell);
    static void showKeys(ui::Toolbar* bar, std::vector<std::shared_ptr<ui::BarButtonItem>> keys);
    // Reloads the table kReloadDelay from now, while the owner lives.
    static void reloadLater(const std::shared_ptr<ui::TableView>& table, const void* owner);
    // Moves a row's item to another place of the list; places outside it change nothing.
    template <class Items>
    static void move(Items& items, int from, int to) {
        if (from < 0 || to < 0 || from >= int(items.size()) || to >= int(items.size())) return;
        auto item = items[std::size_t(from)];
        items.erase(items.begin() + from);
        items.insert(items.begin() + to, item);
    }

    // ---- Forms

    // Scrolls the form (animated) so that the edited view's bottom stays `bottomSpace` above the
    // bottom of a form `formHeight` high: offset max(0, view bottom + space - (height - form top)).
    // The space the screens pass holds an on-screen keyboard and a margin above it; the display
    // draws no keyboard (the person types on their own), so only the margin is kept, and nothing
    // above the field is scrolled away for a keyboard that is not there.
    static void keepInSight(ui::ScrollView* form, const ui::View& view, double bottomSpace,
                            double formHeight);
    // A line feed typed into a text view ends the input instead: the keyboard goes, the form
    // scrolls back to its top and nothing is inserted. Answers whether the text may go in.
    static bool acceptsText(ui::TextView& view, const std::string& text, ui::ScrollView* form);
    // The keyboard goes and the form scrolls back to its top.
    static void endInput(ui::Responder& field, ui::ScrollView* form);
};
