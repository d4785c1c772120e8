#pragma once
// The question screen: practice questions one at a time on their HTML page (QuestionPage), with
// the position, count, success rate, type and time above it, the attempt icons, keys to step,
// pick at random or go to a number, and a bottom toolbar (bookmark, passage, calculator,
// scratchpad, font size, keyword marks and their editor).
//
// It opens in one of two modes. Set mode (a set from the sets tool, whose practice session runs):
// the clock runs while the question is unanswered, and the answer submitted on the page is
// recorded in the question's history, and so in the session. Session mode (a stored session from
// the review): it steps through the session's answers, each shown with its recorded choice and
// time, and records nothing. It posts "Done" when its done key is pressed; the opener closes it.
//
// Change modes, the keys' tags: -1 previous, 0 random, 1 next, 2 go to a number. A shake repeats
// the last one (phone only).

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Classes/core/SliddenViewController.h"
#include "Classes/practice/QuestionPage.h"
#include "platform/foundation/Date.h"
#include "platform/ui/Accelerometer.h"
#include "platform/ui/ActionSheet.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/WebView.h"

class CourseVC;
class MCourse;
class MQSet;
class MQSetHRecord;
class MQSetQuestion;
class MRepository;
class MSession;

namespace ui {
class BarButtonItem;
class ImageView;
class Label;
class TextField;
class Toolbar;
}  // namespace ui

class QuestionVC : public SliddenViewController,
                   public ui::WebViewDelegate,
                   public ui::AlertViewDelegate,
                   public ui::ActionSheetDelegate,
                   public ui::AccelerometerDelegate {
  public:
    enum ChangeMode { kPrevious = -1, kRandom = 0, kNext = 1, kGoTo = 2 };
    enum QuestionMode { kUnanswered = 1, kAnswered = 2 };

    static constexpr const char* kDoneNotification = "Done";
    static constexpr const char* kOpenedTip = "TipsEvent_QuestionOpend";
    static constexpr const char* kDiceTip = "TipsEvent_QuestionDicePressed";
    static constexpr const char* kSolvedTip = "TipsEvent_QuestionSolved";
    static constexpr const char* kGoToTitle = "Go to question number";
    static constexpr const char* kCourseBackTitle = "Back";
    // The clock: white, then yellow from 90 s, red from 120 s; the display may sleep from 240 s.
    static constexpr double kYellowTime = 90;
    static constexpr double kRedTime = 120;
    static constexpr double kAwakeTime = 240;
    static constexpr double kClockInterval = 0.2;
    static constexpr double kForumDelay = 0.6;
    // A shake: a deviation of at least 2.4 g, at most one per 0.8 s.
    static constexpr double kShakeDeviation = 2.4;
    static constexpr double kShakeInterval = 0.8;
    static constexpr double kAccelerometerInterval = 0.04;
    static constexpr double kShakeMarkerX[4] = {238, 114, 291, 179};  // by mode + 1

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    static void registerOwners();

    std::string nibIdentifier() const override { return "QuestionView"; }

    using SliddenViewController::init;
    // Set mode on the set, at its cursor.
    virtual void init(std::shared_ptr<MQSet> set);
    // Session mode on the stored session, at its cursor.
    virtual void init(std::shared_ptr<MSession> session);

    void viewDidLoad() override;
    void back() override;

    // ---- Device variants
    virtual QuestionPage::Device pageDevice() const { return QuestionPage::phone(); }
    virtual void showToolBar();
    virtual void switchToolBar();
    virtual void openCalculator(const Sender& sender);
    virtual void openKWEdit(const Sender& sender);
    // The page of the current set's course, its done key titled kCourseBackTitle.
    void openCourse();
    virtual void showForumWithUrlString(const std::string& address);
    void accelerometerDidAccelerate(double x, double y, double z) override;

    // ---- State
    int cursor() const;
    int shakeMode() const;
    std::shared_ptr<MQSetQuestion> currentQuestion() const;
    static std::string stringWithTime(double seconds);

    // ---- Showing
    void showCurrentQuestion();
    void showIR(const MQSetQuestion& question);
    void showHistoryRecord(const MQSetHRecord* record);

    // ---- Changing the question
    void changeQuestion(const Sender& sender);
    void changeQuestionAction(int mode);
    void moveSetCursor(int position);
    void moveSessionCursor(int position);
    void alertViewClickedButton(ui::AlertView& alert, int buttonIndex) override;

    // ---- Clock and answers
    void updateTime();
    // The page submitted an answer (1..5) while the question is unanswered.
    void recordAnswer(int choice);
    void addRemoveBookmark(const Sender& sender);
    void deleteQuestion();
    void sendFeedback();
    // The mail link of a report (key 0 wrong answer, 1 formatting, 2 other) about the question;
    // empty without a support address.
    static std::string reportMail(const std::string& supportAddress, int key, const MQSetQuestion& question);
    void actionSheetClickedButton(ui::ActionSheet& sheet, int buttonIndex) override;

    // ---- Page
    bool webViewShouldStartLoad(ui::WebView& view, const fnd::URLRequest& request,
                                fnd::URLRequest::NavigationType navigation) override;
    void webViewDidFinishLoad(ui::WebView& view) override;
    void showFullShortCommonText(const Sender& sender);
    void changeFontSize(const Sender& sender);
    void showHideKW(const Sender& sender);

    // ---- Children
    void openScratchpad(const Sender& sender);
    void childNotifications(const fnd::Notification& notification);
    void scratchpadNotifications(const fnd::Notification& notification);
    void fontAdjustNotifications(const fnd::Notification& notification);
    void kWEditNotifications(const fnd::Notification& notification);

    void doneClick(const Sender& sender);
    void appDidEnterBackground(const fnd::Notification& notification);
    void appDidBecomeActive(const fnd::Notification& notification);

    // ---- Read by tests and by the opener
    const std::shared_ptr<MQSet>& qSet() const { return qSet_; }
    const std::shared_ptr<MSession>& qSession() const { return qSession_; }
    int questionMode() const { return questionMode_; }
    fnd::Date beginDate() const { return beginDate_; }
    int currentToolBar() const { return currentToolBar_; }
    bool fullPassageShown() const { return fBlockCommonTextFullShow_; }
    const std::vector<std::shared_ptr<MQSetQuestion>>& unansweredQuestions() const {
        return unansweredQuestions_;
    }
    const std::shared_ptr<ui::WebView>& webView() const { return webView_; }
    const std::shared_ptr<ui::Label>& timerLbl() const { return timerLbl_; }
    const std::shared_ptr<ui::Label>& rateLbl() const { return rateLbl_; }
    const std::shared_ptr<ui::Label>& currentQuestionLbl() const { return currentQuestionLbl_; }
    const std::shared_ptr<ui::Label>& numberQuestionLbl() const { return numberQuestionLbl_; }
    const std::shared_ptr<ui::Label>& typeLbl() const { return typeLbl_; }
    const std::shared_ptr<ui::Label>& shakeToolBarLbl() const { return shakeToolBarLbl_; }
    const std::shared_ptr<ui::ImageView>& bookmarkedIV() const { return bookmarkedIV_; }
    const std::shared_ptr<ui::ImageView>& kWIV() const { return kWIV_; }
    std::shared_ptr<ui::ImageView> irIV(int k) const;
    const std::shared_ptr<ui::Toolbar>& bottomTB() const { return bottomTB_; }
    const std::shared_ptr<ui::BarButtonItem>& randomQBtn() const { return randomQBtn_; }
    const std::shared_ptr<ui::BarButtonItem>& passageKey() const { return showFullShortCommonTextBtn_; }
    const std::shared_ptr<ui::AlertView>& goToAlert() const { return goToAlert_; }
    const std::shared_ptr<ui::ActionSheet>& reportSheet() const { return reportSheet_; }
    const std::shared_ptr<ui::TextField>& numberField() const { return numberField_; }
    const std::shared_ptr<CommonViewController>& fontAdjustVC() const { return fontAdjustVC_; }
    const std::shared_ptr<CommonViewController>& calculatorVC() const { return calculatorVC_; }

  protected:
    // The forum browser of the device on the address, opened over this screen.
    virtual std::shared_ptr<CommonViewController> makeForumVC(const std::string& address);
    // The page of the course, shown over this screen.
    virtual std::shared_ptr<CourseVC> makeCourseVC(const std::shared_ptr<MCourse>& course);
    // Opens a child of that class name as the main child, or as a plain one.
    std::shared_ptr<CommonViewController> openChild(const std::string& className, bool asMainChild);
    void setTableWidth(int width) { tableWidth_ = width; }
    // The keyword editor for the question type, shown; the tablet's is its own.
    virtual std::shared_ptr<CommonViewController> makeKWEditVC(std::int32_t type);
    std::shared_ptr<CommonViewController> calculatorVC_;
    std::shared_ptr<CommonViewController> kWEditVC_;
    std::shared_ptr<CommonViewController> courseVC_;
    std::shared_ptr<CommonViewController> forumVC_;

  private:
    void commonSetup();
    void restartClock();
    void recordRateLabel();
    void runScripts(const std::vector<std::string>& scripts);
    void runScript(const std::string& script);
    std::shared_ptr<MRepository> rep() const;
    // Keeps the cursor inside the open set (or session) after a removal and shows the question
    // there, or closes the screen when nothing is left.
    void showAfterRemoval(int count);

    std::shared_ptr<ui::WebView> webView_;
    std::shared_ptr<ui::Label> currentQuestionLbl_, numberQuestionLbl_, typeLbl_, timerLbl_, rateLbl_;
    std::shared_ptr<ui::Label> backgroundLbl_, shakeToolBarLbl_, currentToolBarLbl_;
    std::shared_ptr<ui::Toolbar> bottomTB_;
    int currentToolBar_ = 1;
    std::shared_ptr<ui::ImageView> bookmarkedIV_, kWIV_, ir1IV_, ir2IV_, ir3IV_;
    std::shared_ptr<MQSet> qSet_;
    std::vector<std::shared_ptr<MQSetQuestion>> unansweredQuestions_;
    std::shared_ptr<ui::TextField> numberField_;
    std::shared_ptr<ui::AlertView> goToAlert_;
    int questionMode_ = kUnanswered;
    fnd::Date beginDate_;
    int totalNumberOfAnsweredQ_ = 0;
    int totalNumberOfAnsweredRightQ_ = 0;
    double accelerometer_[3] = {0, 0, 0};
    double lastTime_ = 0;
    std::shared_ptr<CommonViewController> scratchpadVC_;
    std::shared_ptr<CommonViewController> fontAdjustVC_;
    std::shared_ptr<ui::BarButtonItem> showFullShortCommonTextBtn_;
    bool fBlockCommonTextFullShow_ = true;
    int tableWidth_ = 310;
    std::shared_ptr<MSession> qSession_;
    std::shared_ptr<ui::BarButtonItem> randomQBtn_;
    std::optional<fnd::Date> enteringBackgroundDate_;
    double timeInBackground_ = 0;
    std::shared_ptr<ui::ActionSheet> reportSheet_;
};
