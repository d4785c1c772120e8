#pragma once
// The editor of the custom section: the number of questions, the number of the first one and the
// time per question, which with the count direction gives the section's total time or no limit
// (-1). Values are typed on the editor's own keypad, one field at a time. The edited values stay
// here until the opener reads them on "Done" (key tagged 1); "Cancel" (-1) drops them.

#include <memory>
#include <string>

#include "Classes/core/CommonViewController.h"

class CustomEditKeyboardVC;
namespace ui {
class Label;
class SegmentedControl;
}  // namespace ui

class CustomEditVC : public CommonViewController {
  public:
    static constexpr const char* kDoneNotification = "Done";
    static constexpr double kNoLimit = -1;
    // The time per question the limit takes when it is switched back on.
    static constexpr double kDefaultTimePerQuestion = 121.0;
    // The paces of the fixed sections, as their keys give them.
    static const double kQuantPace;
    static const double kVerbalPace;
    static constexpr int kMostStartNumber = 1000;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return "CustomEditView"; }

    using CommonViewController::init;
    void init(int numberOfQuestions, double totalTime, int startNumber);
    void viewDidLoad() override;

    void showKeyboardForNumberOfQuestions(const Sender& sender);
    void showKeyboardForStartNumber(const Sender& sender);
    void showKeyboardForTimePerQuestion(const Sender& sender);
    void editNumberOfQuestions(const fnd::Notification& notification);
    void editStartNumber(const fnd::Notification& notification);
    void editTimePerQuestion(const fnd::Notification& notification);
    void changeTimeLimit(const Sender& sender);
    void updateViews();
    void doneCancelClick(const Sender& sender);
    // Closes an open keypad first.
    void back() override;
    void animation() override;
    void outAnimation() override;

    int customNumberOfQuestionTemp() const { return number_; }
    int customStartNumberTemp() const { return start_; }
    double customTotalTimeTemp() const { return total_; }
    double customTimePerQuestion() const { return timePerQuestion_; }
    const std::shared_ptr<CustomEditKeyboardVC>& keyboardVC() const { return keyboardVC_; }

  protected:
    // Where the editor rests and where it comes from (and goes back to).
    virtual void placeForEntrance();
    virtual ui::Point restPoint() const;
    virtual ui::Point outPoint() const;

  private:
    using Handler = void (CustomEditVC::*)(const fnd::Notification&);
    void openKeyboard(int kind, const std::shared_ptr<ui::Label>& field, Handler handler);
    // The keypad goes; the edited field takes its normal colour again.
    void closeKeyboard(const fnd::Notification* notification);
    // The key just pressed, when the notification is the open keypad's.
    std::string pressedKey(const fnd::Notification& notification) const;
    // A digit key's value, or -1.
    static int digitOf(const std::string& key);
    void slideTo(ui::Point centre, bool in);

    std::shared_ptr<ui::Label> numberOfQuestionsLbl_, startNumberLbl_, timePerQuestionLbl_, totalTimeLbl_;
    std::shared_ptr<ui::SegmentedControl> countDirectionSC_;
    std::shared_ptr<CustomEditKeyboardVC> keyboardVC_;
    std::shared_ptr<ui::Label> editedField_;
    int number_ = 1;
    int start_ = 1;
    double total_ = 0;
    double timePerQuestion_ = 0;
    bool feditBegan_ = false;

  public:
    const std::shared_ptr<ui::Label>& numberOfQuestionsLbl() const { return numberOfQuestionsLbl_; }
    const std::shared_ptr<ui::Label>& startNumberLbl() const { return startNumberLbl_; }
    const std::shared_ptr<ui::Label>& timePerQuestionLbl() const { return timePerQuestionLbl_; }
    const std::shared_ptr<ui::Label>& totalTimeLbl() const { return totalTimeLbl_; }
    const std::shared_ptr<ui::SegmentedControl>& countDirectionSC() const { return countDirectionSC_; }
};
