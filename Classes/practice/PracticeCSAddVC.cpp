#include "Classes/practice/PracticeCSAddVC.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "Classes/practice/CustomSets.h"
#include "Classes/practice/MPracticeRepository.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Button.h"
#include "platform/ui/ConnectionTable.h"

namespace {

std::shared_ptr<MPracticeRepository> practice() {
    auto rep = AbstractAppDelegate::sharedRep();
    return rep ? rep->practiceRep() : nullptr;
}

}  // namespace

const ui::ConnectionTable& PracticeCSAddVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("PracticeCSAddVC", &SliddenViewController::classConnections())
            .outlet("textV", &PracticeCSAddVC::textV_)
            .outlet("textF", &PracticeCSAddVC::textF_)
            .outlet("createCSetBtn", &PracticeCSAddVC::createCSetBtn_)
            .action("createCSet:", &PracticeCSAddVC::createCSet)
            .action("doneClick:", &PracticeCSAddVC::doneClick);
    return table;
}

const ui::ConnectionTable& PracticeCSAddVC_iPad::classConnections() {
    static const ui::ConnectionTable table("PracticeCSAddVC_iPad", &PracticeCSAddVC::classConnections());
    return table;
}

void PracticeCSAddVC::viewDidLoad() {
    if (textF_) textF_->setDelegate(weakAs<PracticeCSAddVC>());
    if (textV_) {
        textV_->setDelegate(weakAs<PracticeCSAddVC>());
        textV_->setCornerRadius(kCornerRadius);
    }
    showCreateBtn();
    SliddenViewController::viewDidLoad();
}

bool PracticeCSAddVC::textFieldShouldReturn(ui::TextField& field) {
    field.resignFirstResponder();
    showCreateBtn();
    return true;
}

void PracticeCSAddVC::textViewDidEndEditing(ui::TextView&) { showCreateBtn(); }

bool PracticeCSAddVC::textViewShouldChangeText(ui::TextView& view, ui::TextRange, const std::string& text) {
    if (text != "\n") return true;
    view.resignFirstResponder();
    showCreateBtn();
    return false;
}

void PracticeCSAddVC::showCreateBtn() {
    if (!createCSetBtn_) return;
    auto repository = practice();
    bool filled = textF_ && !textF_->text().empty() && textV_ && !textV_->text().empty();
    bool free = repository &&
                CustomSets::nextUID(repository->practiceCSLastUID(), repository->customQSets()).has_value();
    createCSetBtn_->setEnabled(filled && free);
}

void PracticeCSAddVC::createCSet(const Sender&) {
    auto repository = practice();
    if (!repository || !textF_ || !textV_) return;
    if (!CustomSets::create(*repository, textF_->text(), textV_->text())) return;
    fnd::NotificationCenter::defaultCenter().post("Done", sharedAs<fnd::Object>());
}

void PracticeCSAddVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post("Done", sharedAs<fnd::Object>());
}
