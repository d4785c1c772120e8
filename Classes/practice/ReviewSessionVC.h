#pragma once
// The answers of one practice session, in the order given: each row shows its number, the time
// taken, the question's tags, a right or wrong mark and the question's type. A tap opens the
// question screen in session mode at that answer; when the session has no answer left after it
// closes (its questions were deleted there), this screen closes too. It posts "Done" when its done
// key is pressed.

#include <memory>
#include <string>

#include "Classes/core/SliddenViewController.h"
#include "platform/ui/Rect.h"
#include "platform/ui/TableView.h"

class MSession;
class MSessionRecord;
class QuestionVC;

namespace ui {
class Label;
}  // namespace ui

class ReviewSessionVC : public SliddenViewController,
                        public ui::TableViewDataSource,
                        public ui::TableViewDelegate {
  public:
    static constexpr const char* kDoneNotification = "Done";
    static constexpr const char* kCellIdentifier = "Cell";
    static constexpr double kRowHeight = 68;
    static constexpr const char* kRightImage = "Section_right.png";
    static constexpr const char* kWrongImage = "Section_wrong.png";
    static constexpr const char* kEmptyImage = "empty.png";
    // The parts of a row.
    enum Tag { kNumberTag = 200, kTimeTag = 201, kTagsTag = 202, kCheckTag = 203, kTypeTag = 204 };

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    static void registerOwners();

    std::string nibIdentifier() const override { return "ReviewSessionView"; }

    using SliddenViewController::init;
    virtual void init(std::shared_ptr<MSession> session);
    void viewDidLoad() override;
    void setupTV();

    // ---- Layout of a row
    virtual ui::Rect numberFrame() const { return {10, 24, 35, 20}; }
    virtual ui::Rect timeFrame() const { return {85, 24, 50, 20}; }
    virtual ui::Rect conceptNamesFrame() const { return {85, 44, 190, 20}; }
    virtual ui::Rect questionTypeFrame() const { return {154, 24, 40, 20}; }
    virtual ui::Point checkAnswerIVcenter() const { return {250, 34}; }

    // The question's tags, each followed by "; ".
    static std::string tagsText(const MSessionRecord& record);
    // Whether the recorded answer is the question's right one.
    static bool isRight(const MSessionRecord& record);

    // ---- Table
    int numberOfRows(ui::TableView&, int section) override;
    std::shared_ptr<ui::TableViewCell> cellForRow(ui::TableView& table,
                                                  const ui::IndexPath& indexPath) override;
    void didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) override;

    void questionNotifications(const fnd::Notification& notification);
    void doneClick(const Sender& sender);

    const std::shared_ptr<MSession>& session() const { return session_; }
    const std::shared_ptr<ui::Label>& sessionDateLbl() const { return sessionDateLbl_; }
    const std::shared_ptr<ui::TableView>& sessionTV() const { return sessionTV_; }
    const std::shared_ptr<QuestionVC>& questionVC() const { return questionVC_; }

  protected:
    // The tablet opens the tablet's question screen.
    virtual std::shared_ptr<QuestionVC> makeQuestionVC(const std::shared_ptr<MSession>& session);

  private:
    std::shared_ptr<ui::TableViewCell> makeCell();

    std::shared_ptr<ui::Label> sessionDateLbl_;
    std::shared_ptr<ui::TableView> sessionTV_;
    std::shared_ptr<MSession> session_;
    std::shared_ptr<QuestionVC> questionVC_;
};
