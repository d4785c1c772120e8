#include "Classes/practice/PracticeCSAddQuestionsVC.h"

#include <vector>

#include "Classes/practice/CustomSets.h"
#include "Classes/practice/MQSet.h"
#include "Classes/practice/QuestionMarkup.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/TextInput.h"
#include "platform/ui/TextView.h"
#include "platform/ui/Toolbar.h"

namespace {

constexpr const char* kDoneEditAction = "doneEdit:";

}  // namespace

const ui::ConnectionTable& PracticeCSAddQuestionsVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("PracticeCSAddQuestionsVC", &SliddenViewController::classConnections())
            .outlet("nameLbl", &PracticeCSAddQuestionsVC::nameLbl_)
            .outlet("textV", &PracticeCSAddQuestionsVC::textV_)
            .action(kDoneEditAction, &PracticeCSAddQuestionsVC::doneEdit)
            .action("addQuestions:", &PracticeCSAddQuestionsVC::addQuestions)
            .action("doneClick:", &PracticeCSAddQuestionsVC::doneClick);
    return table;
}

const ui::ConnectionTable& PracticeCSAddQuestionsVC_iPad::classConnections() {
    static const ui::ConnectionTable table("PracticeCSAddQuestionsVC_iPad",
                                           &PracticeCSAddQuestionsVC::classConnections());
    return table;
}

void PracticeCSAddQuestionsVC::init(std::shared_ptr<MQSet> set) {
    customSet_ = std::move(set);
    initWithNibName(nibIdentifier());
    animation();
}

void PracticeCSAddQuestionsVC::viewDidLoad() {
    if (textV_) {
        textV_->setCornerRadius(kCornerRadius);
        textV_->setDelegate(weakAs<PracticeCSAddQuestionsVC>());
    }
    if (!ui::Keyboard::kDrawnByDisplay) removeDoneEditKey();
    updateTitle();
    SliddenViewController::viewDidLoad();
}

void PracticeCSAddQuestionsVC::removeDoneEditKey() {
    if (!toolB()) return;
    auto items = toolB()->items();
    std::erase_if(items, [](const auto& item) { return item && item->actionName() == kDoneEditAction; });
    toolB()->setItems(std::move(items));
}

void PracticeCSAddQuestionsVC::updateTitle() {
    if (nameLbl_ && customSet_) nameLbl_->setText(CustomSets::title(*customSet_));
}

void PracticeCSAddQuestionsVC::doneEdit(const Sender&) {
    if (textV_) textV_->resignFirstResponder();
}

void PracticeCSAddQuestionsVC::addQuestions(const Sender&) {
    if (!textV_) return;
    if (textV_->text().size() > QuestionMarkup::kMaxTextLength) return showTooLong();
    QuestionMarkup::addQuestions(customSet_, textV_->text());
    updateTitle();
}

bool PracticeCSAddQuestionsVC::textViewShouldChangeText(ui::TextView& view, ui::TextRange range,
                                                        const std::string& text) {
    std::size_t replaced = view.input()->textIn(range).size();
    std::size_t length = view.text().size() - replaced + text.size();
    // Text may always be taken away, also from a text that is too long already.
    if (length <= QuestionMarkup::kMaxTextLength || length <= view.text().size()) return true;
    showTooLong();
    return false;
}

void PracticeCSAddQuestionsVC::showTooLong() {
    tooLongAlert_ =
        ui::make<ui::AlertView>(kTooLongTitle, kTooLongMessage, std::weak_ptr<ui::AlertViewDelegate>(), "Ok",
                                std::vector<std::string>{});
    tooLongAlert_->show();
}

void PracticeCSAddQuestionsVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post("Done", sharedAs<fnd::Object>());
}
