#pragma once
// The results of one timed section, question by question: number, time spent, answer, guess mark
// and grade. The user names the section, grades each answer right or wrong (after one
// confirmation per screen), sorts the rows by number, time, guess or grade in turn, sees the share
// of right answers and mails a report. Name and grades are written into the record itself; a
// grade goes to the record's own answer (question number - start number) whatever the sort.

#include <memory>
#include <string>
#include <vector>

#include "Classes/core/SliddenViewController.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TextField.h"

class CommonConfirmVC;
class MTimerRecord;
namespace ui {
class Label;
}

class TimerResultsVC : public SliddenViewController,
                       public ui::TableViewDataSource,
                       public ui::TableViewDelegate,
                       public ui::TextFieldDelegate {
  public:
    static constexpr const char* kGradeQuestion = "Do you want to grade this section?";
    static constexpr const char* kNamePlaceholder = "enter a custom name";
    static constexpr const char* kHeadHint = "tap to customize";
    static constexpr double kRowHeight = 60;
    enum SortType { kByNumber = 1, kByTime = 2, kByGuess = 3, kByGrade = 4 };
    // The parts of an answer row, by tag.
    enum CellTag { kNumberTag = 11, kTimeTag, kAnswerTag, kGuessTag, kGradeTag, kSortMarkTag, kNameTag };

    // Where the columns stand: the phone's and the tablet's.
    struct Columns {
        double time, answer, guess, grade;
        double nameWidth;
        double sortMark[4];
    };

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return "TimerResultsView"; }

    using SliddenViewController::init;
    void init(const std::shared_ptr<MTimerRecord>& record, const std::string& returnKey);
    void viewDidLoad() override;

    void sortResults(const Sender& sender);
    void grade(const Sender& sender);
    void gradeConfirm(const fnd::Notification& notification);
    void showRate();
    void sendEmail(const Sender& sender);
    void doneClick(const Sender& sender);
    void back() override;

    // The results mail's text, in the record's own order.
    static std::string mailText(const MTimerRecord& record);
    // "mailto:" with the subject and the text as body, escaped so that it arrives whole.
    static std::string mailAddress(const std::string& body);

    int numberOfRows(ui::TableView&, int section) override;
    std::shared_ptr<ui::TableViewCell> cellForRow(ui::TableView& table,
                                                  const ui::IndexPath& indexPath) override;
    bool textFieldShouldReturn(ui::TextField& field) override;

    const std::shared_ptr<MTimerRecord>& record() const { return record_; }
    int timerSortType() const { return timerSortType_; }
    bool fallowGrading() const { return fallowGrading_; }
    const std::vector<int>& numbers() const { return numbers_; }
    const std::vector<double>& times() const { return times_; }
    const std::vector<int>& grades() const { return grades_; }
    const std::shared_ptr<ui::TableView>& rtableView() const { return rtableView_; }
    const std::shared_ptr<ui::Label>& rateLbl() const { return rateLbl_; }
    const std::shared_ptr<CommonConfirmVC>& confirmVC() const { return confirmVC_; }

  protected:
    virtual const Columns& columns() const;

  private:
    std::shared_ptr<ui::TableViewCell> headCell(ui::TableView& table);
    std::shared_ptr<ui::TableViewCell> answerCell(ui::TableView& table);
    // Whether rows i and j are out of order for the sort.
    bool outOfOrder(std::size_t i, std::size_t j) const;
    void exchange(std::size_t i, std::size_t j);
    // The row (from 1) of the cell holding the view; 0 when none.
    int rowOfView(const ui::View& view) const;

    std::shared_ptr<MTimerRecord> record_;
    std::string returnKey_;
    std::shared_ptr<ui::TableView> rtableView_;
    std::shared_ptr<ui::Label> rateLbl_;
    std::shared_ptr<CommonConfirmVC> confirmVC_;
    std::vector<int> numbers_;
    std::vector<double> times_;
    std::vector<std::string> userAnswers_;
    std::vector<bool> guesses_;
    std::vector<int> grades_;
    int timerSortType_ = kByNumber;
    bool fallowGrading_ = false;
};
