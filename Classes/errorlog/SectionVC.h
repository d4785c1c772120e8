#pragma once
// The section tracker: one chapter of an official-guide book as a list of its questions, in
// groups of 20. The user works the printed questions on paper while the screen times each with the
// run's stopwatch (MSetTimer); the answer pad records the chosen letter, with an optional guess
// mark, as a new attempt dated at the run's start. Around that: the official answer of a row, its
// explanation, sorting, a search by concept tags, clearing the section's history, and the
// calculator and scratchpad panels.
//
// The current list is the search result while one is shown, else the section's questions; every
// row position, stopwatch position and attempt refers to it, and the stopwatch always has as many
// positions as it has rows. Opened by the book screen and the e-book reader, it posts "Done" from
// its first toolbar key and its opener closes it.
//
// The 0.2-second refresh and the 1-second search wait are delayed calls aimed at the screen;
// pausing, stopping, typing and leaving cancel them all, so none reaches a closed screen.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Classes/core/SliddenViewController.h"
#include "platform/ui/ActionSheet.h"
#include "platform/ui/SearchBar.h"
#include "platform/ui/TableView.h"

class AnswersVC;
class ExplanationVC;
class MQuestion;
class MSection;
class MSetTimer;
namespace ui {
class BarButtonItem;
class ImageView;
class Label;
}  // namespace ui

class SectionVC : public SliddenViewController,
                  public ui::TableViewDataSource,
                  public ui::TableViewDelegate,
                  public ui::SearchBarDelegate,
                  public ui::ActionSheetDelegate {
  public:
    static constexpr int kGroupSize = 20;
    static constexpr double kRefreshInterval = 0.2;
    static constexpr double kSearchWait = 1.0;
    static constexpr double kRowHeight = 68;
    // A question's time turns yellow, then red, past these seconds.
    static constexpr double kSlowTime = 90;
    static constexpr double kLateTime = 120;
    static constexpr const char* kSearchSeparator = "\\s*,\\s*";
    static constexpr const char* kCellIdentifier = "section-cell";
    static constexpr const char* kClearTitle =
        "You can delete the history of this section (this section only), but keep in mind that none of the "
        "records can be restored if deleted.\n\n Do you want to delete all history?";

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    static void registerOwners();

    std::string nibIdentifier() const override { return "SectionView"; }
    // The row layout's file.
    virtual std::string cellNibName() const { return "SectionCellView"; }
    // The device's settings: the toolbar's spacing.
    virtual void setup();

    // The section to show (questions with their book and section); then the slide-in.
    using SliddenViewController::init;
    void init(std::shared_ptr<MSection> section);
    void viewDidLoad() override;

    // The x of the sort marker over the column of each sort order.
    virtual double sortIVcenterN() const { return 34; }
    virtual double sortIVcenterT() const { return 76.5; }
    virtual double sortIVcenterA() const { return 135.5; }
    virtual double sortIVcenterG() const { return 187.5; }

    // ---- The list
    const std::vector<std::shared_ptr<MQuestion>>& questions() const;
    int numberOfSections(ui::TableView&) override;
    int numberOfRows(ui::TableView&, int section) override;
    std::vector<std::string> sectionIndexTitles(ui::TableView&) override;
    std::string titleForHeader(ui::TableView&, int section) override;
    std::shared_ptr<ui::TableViewCell> cellForRow(ui::TableView& table,
                                                  const ui::IndexPath& indexPath) override;
    void didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) override;
    static int indexOf(const ui::IndexPath& indexPath) {
        return indexPath.row + kGroupSize * indexPath.section;
    }
    static ui::IndexPath indexPathOf(int index) { return {index / kGroupSize, index % kGroupSize}; }

    // ---- The run
    std::string stringWithTime(double seconds) const;
    // The current row's time and its hue, the summary, and the next refresh.
    void updateTime();
    // The running toolbar.
    void showToolBar();
    void startStopTimer(const Sender& sender);
    void pauseTimer(const Sender& sender);
    // Ends the run: the idle toolbar, and an open answer pad goes without an answer.
    void stopTimer(const Sender& sender);
    // The summary: answered / rows, the run's time and the average per answer.
    void showInfo();
    virtual void openAnswersDialog();
    void answersNotifications(const fnd::Notification& notification);
    // The pad goes without an answer.
    void closeAnswersDialog();
    // Records an answer (1..5, 100 more for a guess) for the current position and moves on.
    void recordAnswer(int value);

    // ---- The rows' keys
    // Shows the row's right letter on its OA key, or hides it again (without a row: hides it).
    void showOA(const Sender& sender);
    void showExplanation(const Sender& sender);
    virtual void presentExplanationForQuestion(const std::shared_ptr<MQuestion>& question);
    void explanationNotifications(const fnd::Notification& notification);
    // The explanation key shows where the question has an explanation, else the OA key; both
    // hide while a run is active.
    void updateExplanationButton(const std::shared_ptr<ui::View>& button, const MQuestion& question,
                                 ui::View& cell);
    // The bundle page's name of the question's explanation, and the companion e-book's file (none
    // when the companion has none; the answer is kept for the process until an e-book install).
    static std::string explanationPathForQuestion(const MQuestion& question);
    static std::optional<std::string> companionExplanationPathForQuestion(const MQuestion& question);
    static bool hasExplanation(const MQuestion& question);

    // ---- The toolbar's tools
    void clearHistory(const Sender& sender);
    void actionSheetClickedButton(ui::ActionSheet& sheet, int buttonIndex) override;
    // The next sort order: number, time, answer, guess.
    void sortSection(const Sender& sender);
    // Shows or hides the tag search.
    void tagsQuickSearch(const Sender& sender);
    void searchBarTextDidBeginEditing(ui::SearchBar&) override;
    void searchBarSearchButtonClicked(ui::SearchBar& bar) override;
    void searchBarTextDidChange(ui::SearchBar&, const std::string& text) override;
    void searchDelay(const std::vector<std::string>& pieces);
    static std::vector<std::string> searchPieces(const std::string& text);
    // The calculator: a new panel each time, as main child; the tablet's key toggles a docked one.
    virtual void openCalculator(const Sender& sender);
    void calculatorNotifications(const fnd::Notification& notification);
    // The scratchpad: made once and kept; Done only moves it out, so its drawing is there again.
    void openScratchpad(const Sender& sender);
    void scratchpadNotifications(const fnd::Notification& notification);
    void doneClick(const Sender& sender);
    void back() override;
    void appDidEnterBackground();
    // A new stopwatch for the current list, keeping the selected position where it still exists.
    void recreateTimer();

    // ---- Fields
    const std::shared_ptr<MSection>& mainSection() const { return mainSection_; }
    const std::shared_ptr<MSetTimer>& timer() const { return timer_; }
    const std::shared_ptr<ui::TableView>& sectionTV() const { return sectionTV_; }
    const std::shared_ptr<ui::SearchBar>& searchBar() const { return searchBar_; }
    const std::shared_ptr<AnswersVC>& answersVC() const { return answersVC_; }
    const std::shared_ptr<ExplanationVC>& explanationVC() const { return explanationVC_; }
    const std::shared_ptr<CommonViewController>& calculatorVC() const { return calculatorVC_; }
    const std::shared_ptr<CommonViewController>& scratchpadVC() const { return scratchpadVC_; }
    const std::optional<ui::IndexPath>& oaIndexPath() const { return oaIndexPath_; }
    bool showFilteredQSet() const { return showFilteredQSet_; }
    const std::shared_ptr<ui::Label>& fullNameLbl() const { return fullNameLbl_; }
    const std::shared_ptr<ui::Label>& sortTypeLbl() const { return sortTypeLbl_; }
    const std::shared_ptr<ui::Label>& searchResultLbl() const { return searchResultLbl_; }
    const std::shared_ptr<ui::Label>& totalTimeLbl() const { return totalTimeLbl_; }
    const std::shared_ptr<ui::Label>& solvedLbl() const { return solvedLbl_; }
    const std::shared_ptr<ui::Label>& qTimeLbl() const { return qTimeLbl_; }
    const std::shared_ptr<ui::View>& infoV() const { return infoV_; }
    const std::shared_ptr<ui::View>& captionsV() const { return captionsV_; }
    const std::shared_ptr<ui::ImageView>& sortIV() const { return sortIV_; }
    int fxspace() const { return fxspace_; }

  protected:
    // The table: rows, header, the section's full name, page-and-number order.
    virtual void setupTV();
    virtual void createSearchBar();
    // The idle toolbar.
    void showIdleToolBar();
    // The running toolbar's items; the tablet's hold the calculator.
    virtual std::vector<std::shared_ptr<ui::BarButtonItem>> runningItems();
    std::shared_ptr<ui::BarButtonItem> item(const std::string& titleOrImage,
                                            void (SectionVC::*action)(const Sender&), bool bordered = false);
    std::shared_ptr<ui::TableViewCell> cellOfSender(const Sender& sender) const;
    void reloadRow(int index);
    void later(double delay, const char* action, void (SectionVC::*step)());

    std::shared_ptr<ui::Label> fullNameLbl_, sortTypeLbl_, searchResultLbl_, totalTimeLbl_, solvedLbl_,
        qTimeLbl_;
    std::shared_ptr<ui::View> captionsV_, infoV_;
    std::shared_ptr<ui::TableView> sectionTV_;
    std::shared_ptr<ui::View> theCell_;
    std::shared_ptr<ui::ImageView> sortIV_;
    std::shared_ptr<ui::SearchBar> searchBar_;
    std::shared_ptr<AnswersVC> answersVC_;
    std::shared_ptr<MSection> mainSection_;
    int deltaSortIV_ = 0;
    int fxspace_ = 8;
    bool showFilteredQSet_ = false;
    std::vector<std::shared_ptr<MQuestion>> filteredQSet_;
    std::shared_ptr<ExplanationVC> explanationVC_;
    std::shared_ptr<CommonViewController> calculatorVC_, scratchpadVC_;
    std::shared_ptr<MSetTimer> timer_;
    std::optional<ui::IndexPath> oaIndexPath_;
};
