#include "Classes/errorlog/SectionVC_iPad.h"

#include "Classes/errorlog/AnswersVC.h"
#include "Classes/errorlog/ExplanationVC.h"
#include "Classes/errorlog/MBook.h"
#include "Classes/errorlog/MQuestion.h"
#include "Classes/errorlog/MSection.h"
#include "Classes/study_aids/CalculatorVC.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/SearchBar.h"
#include "platform/ui/Toolbar.h"

namespace {
constexpr double kRunningSpace = 40;
}

const ui::ConnectionTable& SectionVC_iPad::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("SectionVC_iPad", &SectionVC::classConnections())
            .outlet("shortNameLbl", &SectionVC_iPad::shortNameLbl_);
    return table;
}

void SectionVC_iPad::setup() { fxspace_ = 20; }

void SectionVC_iPad::setupTV() {
    SectionVC::setupTV();
    if (shortNameLbl_) shortNameLbl_->setText(mainSection_->shortName());
}

std::vector<std::shared_ptr<ui::BarButtonItem>> SectionVC_iPad::runningItems() {
    return {item("Book", &SectionVC::doneClick, true),          ui::BarButtonItem::flexibleSpace(),
            item("tb_calc.png", &SectionVC::openCalculator),    ui::BarButtonItem::fixedSpace(kRunningSpace),
            item("tb_scratch.png", &SectionVC::openScratchpad), ui::BarButtonItem::fixedSpace(kRunningSpace),
            item("tb_stop.png", &SectionVC::stopTimer, true)};
}

void SectionVC_iPad::openCalculator(const Sender&) {
    if (calculatorVC_) {
        if (proceedDoneNotification(nullptr, calculatorVC_)) calculatorVC_.reset();
        return;
    }
    calculatorVC_ = ui::make<CalculatorVC>(kCalculatorAdjustment);
    registerDoneHandler(&SectionVC::calculatorNotifications, std::string(CalculatorVC::kDoneNotification),
                        calculatorVC_);
}

void SectionVC_iPad::openAnswersDialog() {
    answersVC_ = ui::make<AnswersVC_iPad>();
    registerDoneHandler(&SectionVC::answersNotifications, std::nullopt, answersVC_);
}

void SectionVC_iPad::presentExplanationForQuestion(const std::shared_ptr<MQuestion>& question) {
    explanationVC_ = ui::make<ExplanationVC_iPad>(explanationPathForQuestion(*question),
                                                  companionExplanationPathForQuestion(*question),
                                                  question->stringWithRightAnswer());
    if (auto title = explanationVC_->titleLbl())
        title->setText(question->book()->shortName() + " " + question->section()->fullName() + " #" +
                       std::to_string(question->number()));
}

void SectionVC_iPad::createSearchBar() {
    SectionVC::createSearchBar();
    searchBar_->setFrame({0, 44, view()->bounds().size.width, 44});
    searchBar_->setAutoresizingMask(ui::FlexibleWidth);
    searchBar_->setPlaceholder("Enter a tag or its part (e.g., Tag1, Tag2, Tag3).");
}
