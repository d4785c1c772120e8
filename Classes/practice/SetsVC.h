#pragma once
// The practice tool: a dashboard of the practice data. It shows how many questions the sets hold,
// how many the work set (the questions the filter lets through), the bookmarks and the recorded
// sessions hold, and opens the question screen on the work set or the bookmarks, the filter editor
// and the review. It also harvests questions from the forum: four scanners (PS, DS, CR, SC) run
// while the tool polls them, each stopped once its type has enough unanswered questions.
//
// Leaving the tool stops the scanners, so that their harvest is in the forum set before the
// practice file is written, and cancels a pending poll.

#include <memory>
#include <string>
#include <vector>

#include "Classes/core/ToolViewController.h"
#include "platform/ui/AlertView.h"

class MForumScan;
class MQSet;
class MSessions;
class QuestionVC;

namespace ui {
class ActivityIndicator;
class Button;
class Label;
}  // namespace ui

class SetsVC : public ToolViewController, public ui::AlertViewDelegate {
  public:
    // A type starts scanning only with at most this many unanswered questions in the forum set, and
    // its scanner stops once unanswered and harvested questions reach kScanStop.
    static constexpr int kScanStartLimit = 99;
    static constexpr int kScanStop = 121;
    static constexpr double kFirstPollDelay = 0.3;
    static constexpr double kPollInterval = 0.5;
    static constexpr const char* kLimitTitle = "You have reached the limit!";
    static constexpr const char* kLimitMessage =
        "\nYou can keep up to 100 unread questions of each type (PS, DS, CR, SC)";
    static constexpr const char* kFilterEditDoneNotification = "MNotificationSetsFilterEditDone";

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    static void registerOwners();

    std::string nibIdentifier() const override { return "SetsView"; }

    using ToolViewController::init;
    void init() override;
    void preSetup();
    void setup();
    void viewDidLoad() override;
    // The counts and the keys they enable.
    void update();

    void openQuestion(const Sender& sender);
    void openBookmark(const Sender& sender);
    void openSetsFilterEdit(const Sender& sender);
    void openReview(const Sender& sender);
    void startStopScan(const Sender& sender);
    void doneClick(const Sender& sender);

    void questionNotifications(const fnd::Notification& notification);
    void setsFilterEditNotifications(const fnd::Notification& notification);
    void reviewNotifications(const fnd::Notification& notification);

    void updateScanInfo();
    void backupData();
    void back() override;
    void save() override;

    // Whether any scanner runs.
    bool isScanning() const;
    // The scanners in the order PS, DS, CR, SC; empty before setup.
    std::vector<std::shared_ptr<MForumScan>> scanners() const;

    const std::shared_ptr<QuestionVC>& questionVC() const { return questionVC_; }
    const std::shared_ptr<CommonViewController>& setsFilterEditVC() const { return setsFilterEditVC_; }
    const std::shared_ptr<CommonViewController>& reviewVC() const { return reviewVC_; }
    const std::shared_ptr<ui::Label>& workQSetNumberLbl() const { return workQSetNumberLbl_; }
    const std::shared_ptr<ui::Label>& bookmarkQSetNumberLbl() const { return bookmarkQSetNumberLbl_; }
    const std::shared_ptr<ui::Label>& totalNumberOfScannedThreadsLbl() const {
        return totalNumberOfScannedThreadsLbl_;
    }
    const std::shared_ptr<ui::Label>& reviewQSetNumberLbl() const { return reviewQSetNumberLbl_; }
    const std::shared_ptr<ui::Label>& totalNumberOfAllQuestionsLbl() const {
        return totalNumberOfAllQuestionsLbl_;
    }
    const std::shared_ptr<ui::Button>& bookmarkQSetBtn() const { return bookmarkQSetBtn_; }
    const std::shared_ptr<ui::Button>& reviewQSetBtn() const { return reviewQSetBtn_; }
    const std::shared_ptr<ui::Button>& startStopScanBtn() const { return startStopScanBtn_; }
    const std::shared_ptr<ui::ActivityIndicator>& scanIV() const { return scanIV_; }
    const std::shared_ptr<ui::AlertView>& limitAlert() const { return limitAlert_; }

  protected:
    // The tablet opens the tablet twins.
    virtual std::shared_ptr<QuestionVC> makeQuestionVC(const std::shared_ptr<MQSet>& set);
    virtual std::shared_ptr<CommonViewController> makeSetsFilterEditVC();
    virtual std::shared_ptr<CommonViewController> makeReviewVC(const std::shared_ptr<MSessions>& sessions);
    // A stopped scanner of the forum that the bundle's information file names.
    virtual std::shared_ptr<MForumScan> makeScanner() const;

  private:
    void refillWorkSet();
    void openQuestionOn(const std::shared_ptr<MQSet>& set);
    void endScan();
    // "harvested/requested" over the scanners of the latest scan, those already stopped included.
    void showScanCounts();

    std::shared_ptr<ui::Label> workQSetNumberLbl_, bookmarkQSetNumberLbl_, totalNumberOfScannedThreadsLbl_,
        reviewQSetNumberLbl_, totalNumberOfAllQuestionsLbl_;
    std::shared_ptr<ui::Button> workQSetBtn_, filterBtn_, bookmarkQSetBtn_, quickTourBtn_, startStopScanBtn_,
        reviewQSetBtn_;
    std::shared_ptr<ui::ActivityIndicator> scanIV_;
    std::shared_ptr<QuestionVC> questionVC_;
    std::shared_ptr<CommonViewController> setsFilterEditVC_;
    std::shared_ptr<CommonViewController> reviewVC_;
    std::shared_ptr<MForumScan> forumSCScan_, forumCRScan_, forumPSScan_, forumDSScan_;
    // The scanners the latest scan started: the others keep the counts of an earlier one.
    std::vector<std::shared_ptr<MForumScan>> startedScanners_;
    std::shared_ptr<ui::AlertView> limitAlert_;
};

class SetsVC_iPad : public SetsVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return tabletName(SetsVC::nibIdentifier()); }

  protected:
    std::shared_ptr<QuestionVC> makeQuestionVC(const std::shared_ptr<MQSet>& set) override;
    std::shared_ptr<CommonViewController> makeSetsFilterEditVC() override;
    std::shared_ptr<CommonViewController> makeReviewVC(const std::shared_ptr<MSessions>& sessions) override;
};
