#include "Classes/errorlog/SectionVC.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "Classes/errorlog/AnswersVC.h"
#include "Classes/errorlog/BookVC.h"
#include "Classes/errorlog/ExplanationVC.h"
#include "Classes/errorlog/MBook.h"
#include "Classes/errorlog/MQuestion.h"
#include "Classes/errorlog/MSection.h"
#include "Classes/errorlog/MSetTimer.h"
#include "Classes/errorlog/TrackerCellStatePlain.h"
#include "Classes/errorlog/TrackerCellStateSelected.h"
#include "Classes/study_aids/CalculatorVC.h"
#include "Classes/study_aids/ScratchpadVC.h"
#include "Ostrand_Library/Classes/Regex.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/Unicode.h"
#include "platform/ui/Button.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/Nib.h"
#include "platform/ui/TextField.h"
#include "platform/ui/Toolbar.h"

namespace fs = std::filesystem;

namespace {

constexpr double kSortMarkerBelowInfo = 50.5;
constexpr int kLeastSearchLength = 3;
const char* const kSortNames[] = {"", "number", "time", "answer", "guess"};

}  // namespace

const ui::ConnectionTable& SectionVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("SectionVC", &SliddenViewController::classConnections())
            .outlet("fullNameLbl", &SectionVC::fullNameLbl_)
            .outlet("sortTypeLbl", &SectionVC::sortTypeLbl_)
            .outlet("searchResultLbl", &SectionVC::searchResultLbl_)
            .outlet("totalTimeLbl", &SectionVC::totalTimeLbl_)
            .outlet("solvedLbl", &SectionVC::solvedLbl_)
            .outlet("qTimeLbl", &SectionVC::qTimeLbl_)
            .outlet("captionsV", &SectionVC::captionsV_)
            .outlet("infoV", &SectionVC::infoV_)
            .outlet("sectionTV", &SectionVC::sectionTV_)
            .outlet("theCell", &SectionVC::theCell_)
            .outlet("sortIV", &SectionVC::sortIV_)
            .action("startStopTimer:", &SectionVC::startStopTimer)
            .action("pauseTimer:", &SectionVC::pauseTimer)
            .action("stopTimer:", &SectionVC::stopTimer)
            .action("showOA:", &SectionVC::showOA)
            .action("showExplanation:", &SectionVC::showExplanation)
            .action("doneClick:", &SectionVC::doneClick)
            .action("clearHistory:", &SectionVC::clearHistory)
            .action("openCalculator:", &SectionVC::openCalculator)
            .action("openScratchpad:", &SectionVC::openScratchpad)
            .action("sortSection:", &SectionVC::sortSection)
            .action("tagsQuickSearch:", &SectionVC::tagsQuickSearch);
    return table;
}

void SectionVC::registerOwners() {
    ui::ConnectionTable::registerOwner(SectionVC::classConnections());
    AnswersVC::registerOwners();
    ExplanationVC::registerOwners();
}

void SectionVC::setup() { fxspace_ = 8; }

void SectionVC::init(std::shared_ptr<MSection> section) {
    initWithNibName(nibIdentifier());
    mainSection_ = std::move(section);
    showFilteredQSet_ = false;
    filteredQSet_.clear();
    deltaSortIV_ = 0;
    setup();
    timer_ = std::make_shared<MSetTimer>(int(mainSection_->questions().size()));
    oaIndexPath_.reset();
    animation();
}

void SectionVC::viewDidLoad() {
    setupTV();
    createSearchBar();
    showInfo();
    SliddenViewController::viewDidLoad();
    std::weak_ptr<SectionVC> weak = sharedAs<SectionVC>();
    fnd::NotificationCenter::defaultCenter().addObserver(sharedAs<fnd::Object>(),
                                                         AbstractAppDelegate::kDidEnterBackgroundNotification,
                                                         nullptr, [weak](const fnd::Notification&) {
                                                             if (auto self = weak.lock())
                                                                 self->appDidEnterBackground();
                                                         });
    if (infoV_) infoV_->setBackgroundPattern(ui::Image::named("gray_white_stripes.png"));
}

void SectionVC::setupTV() {
    sectionTV_->setAllowsSelection(true);
    sectionTV_->setRowHeight(kRowHeight);
    sectionTV_->setSectionHeaderHeight(0);
    timer_->setIndex(-1);
    if (fullNameLbl_) fullNameLbl_->setText(mainSection_->fullName());
    if (searchResultLbl_) searchResultLbl_->setText("");
    mainSection_->sortSection(MSection::kByNumber);
    sectionTV_->setDataSource(sharedAs<SectionVC>());
    sectionTV_->setDelegate(sharedAs<SectionVC>());
}

void SectionVC::later(double delay, const char* action, void (SectionVC::*step)()) {
    std::weak_ptr<SectionVC> weak = sharedAs<SectionVC>();
    fnd::RunLoop::main().performAfterDelay(delay, this, action, [weak, step] {
        if (auto self = weak.lock()) ((*self).*step)();
    });
}

// ---- The list

const std::vector<std::shared_ptr<MQuestion>>& SectionVC::questions() const {
    return showFilteredQSet_ ? filteredQSet_ : mainSection_->questions();
}

int SectionVC::numberOfSections(ui::TableView&) {
    int count = int(questions().size());
    return count == 0 ? 0 : 1 + (count - 1) / kGroupSize;
}

int SectionVC::numberOfRows(ui::TableView&, int section) {
    int count = int(questions().size());
    return count == 0 ? 0 : std::clamp(count - kGroupSize * section, 0, kGroupSize);
}

std::vector<std::string> SectionVC::sectionIndexTitles(ui::TableView& table) {
    std::vector<std::string> titles;
    for (int s = 0; s < numberOfSections(table); ++s) titles.push_back(std::to_string(s * kGroupSize + 1));
    return titles;
}

std::string SectionVC::titleForHeader(ui::TableView& table, int section) {
    const auto& list = questions();
    if (list.size() <= std::size_t(kGroupSize)) return {};
    int first = kGroupSize * section;
    int last = first + numberOfRows(table, section) - 1;
    if (last < first) return {};
    std::string title = "#" + std::to_string(first + 1) + " - #" + std::to_string(last + 1);
    const MQuestion& a = *list[std::size_t(first)];
    const MQuestion& b = *list[std::size_t(last)];
    // A page that the key does not give is not shown.
    if (a.pageKnown() && b.pageKnown())
        title += " (p. " + std::to_string(a.page()) + " - " + std::to_string(b.page()) + ")";
    return title;
}

std::shared_ptr<ui::TableViewCell> SectionVC::cellForRow(ui::TableView& table,
                                                         const ui::IndexPath& indexPath) {
    auto cell = table.dequeueReusableCell(kCellIdentifier);
    if (!cell) {
        ui::Nib::load(cellNibName(), *this);
        cell = std::dynamic_pointer_cast<ui::TableViewCell>(theCell_);
        theCell_.reset();
        if (!cell) cell = ui::make<ui::TableViewCell>(ui::TableViewCellStyle::Default, kCellIdentifier);
    }
    int index = indexOf(indexPath);
    const auto& list = questions();
    if (index < 0 || index >= int(list.size())) return cell;
    const auto& question = list[std::size_t(index)];
    std::shared_ptr<TrackerCellState> state;
    if (index == timer_->index())
        state = std::make_shared<TrackerCellStateSelected>(cell, index, timer_, question);
    else
        state = std::make_shared<TrackerCellStatePlain>(cell, index, timer_, question);
    state->setMainSection(mainSection_);
    state->handle();
    if (auto oa = state->oaBtn()) {
        bool revealed = oaIndexPath_ && *oaIndexPath_ == indexPath;
        // A question without a key has no letter to reveal.
        oa->setTitle(revealed ? question->stringWithRightAnswer().value_or("?") : "OA");
    }
    updateExplanationButton(cell->viewWithTag(TrackerCellState::kExplanationTag), *question, *cell);
    return cell;
}

void SectionVC::reloadRow(int index) {
    if (index < 0 || index >= int(questions().size())) return;
    sectionTV_->reloadRows({indexPathOf(index)}, ui::TableViewRowAnimation::Fade);
}

void SectionVC::didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) {
    table.deselectRow(indexPath, false);
    showOA(nullptr);
    int index = indexOf(indexPath);
    if (index < 0 || index >= int(questions().size())) return;
    int state = timer_->state();
    if (index == timer_->index() && (state == MSetTimer::kIdle || state == MSetTimer::kFinished)) {
        timer_->setIndex(-1);
        reloadRow(index);
        return;
    }
    int old = timer_->index();
    timer_->setIndex(index);
    if (old >= 0) reloadRow(old);
    reloadRow(index);
}

// ---- The run

std::string SectionVC::stringWithTime(double seconds) const { return MSetTimer::stringWithTime(seconds); }

void SectionVC::updateTime() {
    if (timer_->state() != MSetTimer::kRunning) return;
    int index = timer_->index();
    std::shared_ptr<ui::Label> time;
    if (index >= 0)
        if (auto cell = sectionTV_->cellForRow(indexPathOf(index)))
            time = std::dynamic_pointer_cast<ui::Label>(cell->viewWithTag(TrackerCellState::kTimeTag));
    if (time && index >= 0) {
        double t = timer_->timeForIndex(index);
        time->setText(stringWithTime(t));
        time->setTextColor(ui::Color::blackColor());
        auto delegate = AbstractAppDelegate::shared();
        double hue = t < kSlowTime ? (delegate ? delegate->mainHue() : 0) : t < kLateTime ? 0.15 : 0.0;
        time->setBackgroundColor(ui::Color::hsb(hue, 0.3, 1.0, 1.0));
    }
    showInfo();
    later(kRefreshInterval, "updateTime", &SectionVC::updateTime);
}

std::shared_ptr<ui::BarButtonItem> SectionVC::item(const std::string& titleOrImage,
                                                   void (SectionVC::*action)(const Sender&), bool bordered) {
    bool isImage = titleOrImage.ends_with(".png");
    auto item = isImage ? ui::BarButtonItem::withImage(ui::Image::named(titleOrImage))
                        : ui::BarButtonItem::withTitle(titleOrImage);
    if (bordered) item->setStyle(ui::BarButtonItemStyle::Bordered);
    std::weak_ptr<SectionVC> weak = sharedAs<SectionVC>();
    item->setAction([weak, action](const std::shared_ptr<ui::BarButtonItem>& sender) {
        if (auto self = weak.lock()) ((*self).*action)(sender);
    });
    return item;
}

void SectionVC::showIdleToolBar() {
    if (!toolB()) return;
    toolB()->setItems(
        {item("Book", &SectionVC::doneClick, true), ui::BarButtonItem::flexibleSpace(),
         item("tb_clear.png", &SectionVC::clearHistory), ui::BarButtonItem::fixedSpace(fxspace_),
         item("tb_calc.png", &SectionVC::openCalculator), ui::BarButtonItem::fixedSpace(fxspace_),
         item("tb_scratch.png", &SectionVC::openScratchpad), ui::BarButtonItem::fixedSpace(fxspace_),
         item("tb_sort.png", &SectionVC::sortSection), ui::BarButtonItem::fixedSpace(fxspace_),
         item("tb_search.png", &SectionVC::tagsQuickSearch)},
        true);
    if (sortTypeLbl_) sortTypeLbl_->setHidden(false);
    if (searchResultLbl_) searchResultLbl_->setHidden(false);
}

std::vector<std::shared_ptr<ui::BarButtonItem>> SectionVC::runningItems() {
    return {item("Sections", &SectionVC::doneClick, true), ui::BarButtonItem::flexibleSpace(),
            item("tb_scratch.png", &SectionVC::openScratchpad), ui::BarButtonItem::fixedSpace(13),
            item("tb_stop.png", &SectionVC::stopTimer, true)};
}

void SectionVC::showToolBar() {
    if (toolB()) toolB()->setItems(runningItems(), true);
    if (sortTypeLbl_) sortTypeLbl_->setHidden(true);
    if (searchResultLbl_) searchResultLbl_->setHidden(true);
}

void SectionVC::startStopTimer(const Sender&) {
    if (timer_->state() == MSetTimer::kFinished) recreateTimer();
    switch (timer_->state()) {
        case MSetTimer::kIdle:
            if (searchBar_ && !searchBar_->isHidden()) searchBar_->resignFirstResponder();
            timer_->startWithIndex(timer_->index());
            oaIndexPath_.reset();
            sectionTV_->reloadData();
            showToolBar();
            showInfo();
            later(kRefreshInterval, "updateTime", &SectionVC::updateTime);
            break;
        case MSetTimer::kRunning:
            if (!answersVC_) openAnswersDialog();
            break;
        default:
            break;
    }
}

void SectionVC::pauseTimer(const Sender&) {
    if (timer_->state() != MSetTimer::kPaused) {
        timer_->pause();
        fnd::RunLoop::main().cancelPerforms(this);
    } else {
        timer_->run();
        later(kRefreshInterval, "updateTime", &SectionVC::updateTime);
    }
    sectionTV_->reloadData();
    // One refresh now; it schedules no second one while paused.
    if (timer_->state() == MSetTimer::kRunning) {
        fnd::RunLoop::main().cancelPerforms(this, "updateTime");
        updateTime();
    } else {
        showInfo();
    }
}

void SectionVC::stopTimer(const Sender&) {
    fnd::RunLoop::main().cancelPerforms(this);
    timer_->finish();
    sectionTV_->reloadData();
    showIdleToolBar();
    closeAnswersDialog();
}

void SectionVC::closeAnswersDialog() {
    if (!answersVC_) return;
    proceedDoneNotification(nullptr, answersVC_);
    answersVC_.reset();
}

void SectionVC::showInfo() {
    if (timer_->state() == MSetTimer::kIdle) {
        for (const auto& label : {solvedLbl_, qTimeLbl_, totalTimeLbl_})
            if (label) label->setText("");
        if (captionsV_) captionsV_->setHidden(true);
        return;
    }
    const auto& list = questions();
    int solved = 0;
    if (auto start = timer_->startDate())
        for (const auto& question : list) {
            const MHRecord* last = question->lastAttempt();
            if (last && last->date() && *last->date() >= *start) ++solved;
        }
    double total = timer_->totalTime();
    if (solvedLbl_) solvedLbl_->setText(std::to_string(solved) + "/" + std::to_string(list.size()));
    if (totalTimeLbl_) totalTimeLbl_->setText(stringWithTime(total));
    if (qTimeLbl_) qTimeLbl_->setText(solved >= 1 && total > 0.01 ? stringWithTime(total / solved) : "--:--");
    if (captionsV_) captionsV_->setHidden(false);
}

void SectionVC::openAnswersDialog() {
    answersVC_ = ui::make<AnswersVC>();
    registerDoneHandler(&SectionVC::answersNotifications, std::nullopt, answersVC_);
}

void SectionVC::answersNotifications(const fnd::Notification& notification) {
    if (!proceedDoneNotification(&notification, answersVC_)) return;
    answersVC_.reset();
    int value = 0;
    try {
        value = std::stoi(notification.name);
    } catch (const std::exception&) {
        return;
    }
    recordAnswer(value);
}

void SectionVC::recordAnswer(int value) {
    int index = timer_->index();
    const auto& list = questions();
    int answer = value % 100;
    if (index < 0 || index >= int(list.size()) || answer < 1 || answer > 5 || !timer_->startDate()) return;
    auto record =
        MHRecord::initWithDate(*timer_->startDate(), timer_->timeForIndex(index), answer, value > 99);
    const auto& question = list[std::size_t(index)];
    if (!question->history()) question->setHistory(MQuestion::History{});
    question->addHRecord(record);
    mainSection_->syncInfo()->updated();
    showInfo();
    timer_->setIndex(index + 1);
    if (timer_->index() == -1) {
        stopTimer(nullptr);
        reloadRow(index);
        return;
    }
    auto visible = sectionTV_->indexPathsForVisibleRows();
    if (!visible.empty() && indexOf(visible.back()) - timer_->index() <= 2)
        sectionTV_->scrollToRow(indexPathOf(index), ui::TableViewScrollPosition::Middle, true);
    sectionTV_->reloadRows({indexPathOf(index), indexPathOf(timer_->index())},
                           ui::TableViewRowAnimation::Fade);
}

// ---- The rows' keys

std::shared_ptr<ui::TableViewCell> SectionVC::cellOfSender(const Sender& sender) const {
    auto view = std::dynamic_pointer_cast<ui::View>(sender);
    for (; view; view = view->superview())
        if (auto cell = std::dynamic_pointer_cast<ui::TableViewCell>(view)) return cell;
    return nullptr;
}

void SectionVC::showOA(const Sender& sender) {
    std::vector<ui::IndexPath> rows;
    if (oaIndexPath_) rows.push_back(*oaIndexPath_);
    std::optional<ui::IndexPath> path;
    if (auto cell = cellOfSender(sender)) {
        for (const auto& p : sectionTV_->indexPathsForVisibleRows())
            if (sectionTV_->cellForRow(p) == cell) path = p;
    }
    if (path && oaIndexPath_ != path) {
        oaIndexPath_ = path;
        rows.push_back(*path);
    } else {
        oaIndexPath_.reset();
    }
    if (!rows.empty()) sectionTV_->reloadRows(rows, ui::TableViewRowAnimation::None);
}

void SectionVC::showExplanation(const Sender& sender) {
    if (!canOpenSubview()) return;
    auto cell = cellOfSender(sender);
    if (!cell) return;
    for (const auto& p : sectionTV_->indexPathsForVisibleRows()) {
        int index = indexOf(p);
        if (sectionTV_->cellForRow(p) != cell || index >= int(questions().size())) continue;
        presentExplanationForQuestion(questions()[std::size_t(index)]);
        registerMainChildDoneHandler(&SectionVC::explanationNotifications, std::nullopt, explanationVC_);
        return;
    }
}

void SectionVC::presentExplanationForQuestion(const std::shared_ptr<MQuestion>& question) {
    explanationVC_ = ui::make<ExplanationVC>(explanationPathForQuestion(*question),
                                             companionExplanationPathForQuestion(*question),
                                             question->stringWithRightAnswer());
    if (auto title = explanationVC_->titleLbl())
        title->setText(question->book()->shortName() + " " + question->section()->shortName() + " #" +
                       std::to_string(question->number()));
}

void SectionVC::explanationNotifications(const fnd::Notification& notification) {
    if (!proceedDoneNotification(&notification, explanationVC_)) return;
    explanationVC_.reset();
    oaIndexPath_.reset();
    sectionTV_->reloadData();
}

namespace {

// The companion e-book's explanation files by question key: the path, or empty when there is none.
// An e-book install may bring the companion, so the answers are forgotten when one ends.
std::map<std::string, std::string>& companionPaths() {
    static std::map<std::string, std::string> paths;
    static bool observing = false;
    if (!observing) {
        observing = true;
        fnd::NotificationCenter::defaultCenter().addObserver(
            &paths, MRepository::kEBookInstallEndedNotification, nullptr,
            [](const fnd::Notification&) { companionPaths().clear(); });
    }
    return paths;
}

// "book_section_number_type", the number with three digits.
std::string explanationStem(const MQuestion& question) {
    char number[16];
    std::snprintf(number, sizeof number, "%03d", question.number());
    return question.book()->shortName() + "_" + question.section()->shortName() + "_" + number + "_" +
           question.stringWithType().value_or("");
}

}  // namespace

std::string SectionVC::explanationPathForQuestion(const MQuestion& question) {
    return explanationStem(question) + "_done";
}

std::optional<std::string> SectionVC::companionExplanationPathForQuestion(const MQuestion& question) {
    auto& paths = companionPaths();
    auto it = paths.find(question.key());
    if (it == paths.end()) {
        fs::path path =
            MRepository::companionExplanationHomePath() / (explanationStem(question) + "_comp.html");
        std::error_code ec;
        it = paths.emplace(question.key(), fs::is_regular_file(path, ec) ? path.string() : std::string())
                 .first;
    }
    if (it->second.empty()) return std::nullopt;
    return it->second;
}

bool SectionVC::hasExplanation(const MQuestion& question) {
    return fnd::Bundle::main().pathForResource(explanationPathForQuestion(question), "html") ||
           companionExplanationPathForQuestion(question);
}

void SectionVC::updateExplanationButton(const std::shared_ptr<ui::View>& button, const MQuestion& question,
                                        ui::View& cell) {
    bool idle = !timer_->isActiveState();
    bool explained = hasExplanation(question);
    if (button) button->setHidden(!(explained && idle));
    if (auto oa = cell.viewWithTag(TrackerCellState::kOATag)) oa->setHidden(explained || !idle);
}

// ---- The toolbar's tools

void SectionVC::clearHistory(const Sender&) {
    BookVC::askToClearHistory(kClearTitle, sharedAs<SectionVC>(), view());
}

void SectionVC::actionSheetClickedButton(ui::ActionSheet& sheet, int buttonIndex) {
    if (buttonIndex != sheet.destructiveButtonIndex()) return;
    mainSection_->clearHistory();
    sectionTV_->reloadData();
}

void SectionVC::sortSection(const Sender&) {
    if (timer_->isActiveState() || mainSection_->questions().empty()) return;
    int next = mainSection_->sortType() % 4 + 1;
    mainSection_->sortSection(next);
    double xs[] = {0, sortIVcenterN(), sortIVcenterT(), sortIVcenterA(), sortIVcenterG()};
    if (sortIV_) {
        sortIV_->setHidden(false);
        double infoHeight = infoV_ ? infoV_->frame().size.height : 0;
        sortIV_->setCenter({xs[next], infoHeight + kSortMarkerBelowInfo + deltaSortIV_});
    }
    if (sortTypeLbl_) sortTypeLbl_->setText(kSortNames[next]);
    if (showFilteredQSet_) searchDelay(searchPieces(searchBar_ ? searchBar_->text() : ""));
    sectionTV_->reloadData();
    if (!questions().empty()) sectionTV_->scrollToRow({0, 0}, ui::TableViewScrollPosition::Top, false);
}

std::vector<std::string> SectionVC::searchPieces(const std::string& text) {
    return ostrand::Regex::split(text, kSearchSeparator);
}

void SectionVC::tagsQuickSearch(const Sender&) {
    if (timer_->isActiveState() || mainSection_->questions().empty() || !searchBar_) return;
    bool shows = searchBar_->isHidden();
    searchBar_->setHidden(!shows);
    fnd::RunLoop::main().cancelPerforms(this);
    int h = int(searchBar_->frame().size.height);
    int shift = shows ? h : -h;
    ui::Rect list = sectionTV_->frame();
    sectionTV_->setFrame({list.origin.x, list.origin.y + shift, list.size.width, list.size.height - shift});
    deltaSortIV_ = shows ? h : 0;
    for (const auto& view : {std::shared_ptr<ui::View>(sortIV_), infoV_})
        if (view) view->setCenter({view->center().x, view->center().y + shift});
    if (!shows) {
        searchBar_->resignFirstResponder();
        showFilteredQSet_ = false;
        recreateTimer();
        showInfo();
        if (searchResultLbl_) searchResultLbl_->setText("");
        searchBar_->setText("");
    }
    sectionTV_->reloadData();
    if (!questions().empty()) sectionTV_->scrollToRow({0, 0}, ui::TableViewScrollPosition::Top, false);
}

void SectionVC::searchBarTextDidBeginEditing(ui::SearchBar&) { stopTimer(nullptr); }

void SectionVC::searchBarSearchButtonClicked(ui::SearchBar& bar) {
    searchDelay(searchPieces(bar.text()));
    bar.resignFirstResponder();
}

void SectionVC::searchBarTextDidChange(ui::SearchBar&, const std::string& text) {
    std::vector<std::string> pieces = searchPieces(text);
    fnd::RunLoop::main().cancelPerforms(this);
    bool longEnough = std::all_of(pieces.begin(), pieces.end(), [](const std::string& piece) {
        return fnd::utf16Length(piece) >= std::size_t(kLeastSearchLength);
    });
    if (!longEnough) return;
    std::weak_ptr<SectionVC> weak = sharedAs<SectionVC>();
    fnd::RunLoop::main().performAfterDelay(kSearchWait, this, "searchDelay", [weak, pieces] {
        if (auto self = weak.lock()) self->searchDelay(pieces);
    });
}

void SectionVC::searchDelay(const std::vector<std::string>& pieces) {
    filteredQSet_ = mainSection_->searchTags(pieces);
    showFilteredQSet_ = true;
    if (searchResultLbl_) searchResultLbl_->setText(std::to_string(filteredQSet_.size()));
    sectionTV_->reloadData();
    if (!filteredQSet_.empty()) sectionTV_->scrollToRow({0, 0}, ui::TableViewScrollPosition::Top, false);
    recreateTimer();
    showInfo();
}

void SectionVC::openCalculator(const Sender&) {
    if (!canOpenSubview()) return;
    calculatorVC_ = ui::make<CalculatorVC>();
    registerMainChildDoneHandler(&SectionVC::calculatorNotifications,
                                 std::string(CalculatorVC::kDoneNotification), calculatorVC_);
}

void SectionVC::calculatorNotifications(const fnd::Notification& notification) {
    if (calculatorVC_ && proceedDoneNotification(&notification, calculatorVC_)) calculatorVC_.reset();
}

void SectionVC::openScratchpad(const Sender&) {
    if (scratchpadVC_) {
        scratchpadVC_->animation();
        return;
    }
    scratchpadVC_ = ui::make<ScratchpadVC>();
    registerDoneHandler(&SectionVC::scratchpadNotifications, std::string(ScratchpadVC::kDoneNotification),
                        scratchpadVC_);
}

void SectionVC::scratchpadNotifications(const fnd::Notification& notification) {
    if (scratchpadVC_ && notification.objectId == notificationId(scratchpadVC_.get()))
        scratchpadVC_->moveOut();
}

void SectionVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post("Done", sharedAs<SectionVC>());
}

void SectionVC::back() {
    fnd::RunLoop::main().cancelPerforms(this);
    if (searchBar_) {
        searchBar_->removeFromSuperview();
        searchBar_.reset();
    }
    closeAnswersDialog();
    for (auto* panel : {&calculatorVC_, &scratchpadVC_}) closeChild(*panel);
    SliddenViewController::back();
}

void SectionVC::appDidEnterBackground() {
    auto rep = AbstractAppDelegate::sharedRep();
    if (rep && rep->stopTrackerInBackground() && timer_->state() == MSetTimer::kRunning) pauseTimer(nullptr);
}

void SectionVC::recreateTimer() {
    int index = timer_->index();
    timer_ = std::make_shared<MSetTimer>(int(questions().size()));
    timer_->setIndex(index);
}

void SectionVC::createSearchBar() {
    searchBar_ = ui::make<ui::SearchBar>(ui::Rect{0, 45, 320, 44});
    searchBar_->setPlaceholder("Enter tags (e.g., Tag1, Tag2, Tag3)");
    searchBar_->setBarStyle(ui::BarStyle::BlackTranslucent);
    searchBar_->setTranslucent(true);
    searchBar_->setKeyboardType(ui::KeyboardType::ASCIICapable);
    if (auto field = searchBar_->textField()) {
        field->setAutocapitalizationType(ui::TextAutocapitalization::None);
        field->setAutocorrectionType(ui::TextAutocorrection::No);
        field->setKeyboardAppearance(ui::KeyboardAppearance::Alert);
        field->setReturnKeyType(ui::ReturnKeyType::Done);
        field->setEnablesReturnKeyAutomatically(false);
    }
    searchBar_->setDelegate(sharedAs<SectionVC>());
    searchBar_->setHidden(true);
    view()->addSubview(searchBar_);
}
