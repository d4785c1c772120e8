#include "Classes/flashcards/FlashcardsScreenParts.h"

#include <algorithm>

#include "platform/foundation/RunLoop.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/Make.h"
#include "platform/ui/Nib.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TableViewCell.h"
#include "platform/ui/TextView.h"
#include "platform/ui/Toolbar.h"

ui::Color FlashcardsScreenParts::rowColor(bool editing, int row) {
    return editing || row % 2 == 0 ? ui::Color::whiteColor() : ui::Color::hsb(0.3, 0, 0.92, 1);
}

std::shared_ptr<ui::TableViewCell> FlashcardsScreenParts::cell(ui::TableView& table,
                                                               const std::string& identifier,
                                                               ui::Responder& owner,
                                                               std::shared_ptr<ui::View>& theCell) {
    if (auto reused = table.dequeueReusableCell(identifier)) return reused;
    ui::Nib::load(identifier, owner);
    auto loaded = std::dynamic_pointer_cast<ui::TableViewCell>(theCell);
    theCell.reset();
    return loaded ? loaded : ui::make<ui::TableViewCell>(ui::TableViewCellStyle::Default, identifier);
}

void FlashcardsScreenParts::reloadLater(const std::shared_ptr<ui::TableView>& table, const void* owner) {
    std::weak_ptr<ui::TableView> weak = table;
    fnd::RunLoop::main().performAfterDelay(kReloadDelay, owner, "reloadData", [weak] {
        if (auto t = weak.lock()) t->reloadData();
    });
}

void FlashcardsScreenParts::keepInSight(ui::ScrollView* form, const ui::View& view, double bottomSpace,
                                        double formHeight) {
    if (!form) return;
    const double margin = std::max(0.0, bottomSpace - ui::Keyboard::height());
    double offset = std::max(0.0, view.frame().maxY() + margin - (formHeight - form->frame().minY()));
    form->setContentOffset({0, offset}, true);
}

void FlashcardsScreenParts::endInput(ui::Responder& field, ui::ScrollView* form) {
    field.resignFirstResponder();
    if (form) form->setContentOffset({0, 0}, true);
}

bool FlashcardsScreenParts::acceptsText(ui::TextView& view, const std::string& text, ui::ScrollView* form) {
    if (text.find('\n') == std::string::npos) return true;
    endInput(view, form);
    return false;
}

void FlashcardsScreenParts::showKeys(ui::Toolbar* bar, std::vector<std::shared_ptr<ui::BarButtonItem>> keys) {
    if (bar) bar->setItems(std::move(keys));
}
