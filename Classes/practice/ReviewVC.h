#pragma once
// The review list: the practice sessions, newest first, one row each with its type indicators,
// average time, number of answers, start date and a right/wrong bar (ReviewRow), on a picture that
// darkens as the session ages. A tap opens the session's answers (ReviewSessionVC); in edit mode a
// row's delete removes its session, whose answers stay in the questions' histories outside any
// session. It posts "Done" when its done key is pressed; the sets tool closes it.

#include <memory>
#include <string>

#include "Classes/core/SliddenViewController.h"
#include "platform/ui/Font.h"
#include "platform/ui/Label.h"
#include "platform/ui/Rect.h"
#include "platform/ui/TableView.h"

class MSession;
class MSessions;

namespace ui {
class BarButtonItem;
class Label;
}  // namespace ui

class ReviewVC : public SliddenViewController, public ui::TableViewDataSource, public ui::TableViewDelegate {
  public:
    static constexpr const char* kDoneNotification = "Done";
    static constexpr const char* kOpenedTip = "TipsEvent_ReviewOpened";
    static constexpr const char* kCellIdentifier = "any-cell";
    static constexpr double kRowHeight = 80;
    // The parts of a row.
    enum Tag {
        kFirstIndicatorTag = 201,  // to 205, the most frequent type first
        kAverageTag = 206,
        kCountTag = 207,
        kDateTag = 208,
        kPictureTag = 209,  // the picture behind the date, shaded by the session's age
        kBarTag = 300,
        kRightTag = 301,
        kWrongTag = 302,
    };
    // The number of answers sits this far left of the screen's right edge.
    static constexpr double kCountInset = 40;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    static void registerOwners();

    std::string nibIdentifier() const override { return "ReviewView"; }

    using SliddenViewController::init;
    virtual void init(std::shared_ptr<MSessions> sessions);
    void viewDidLoad() override;
    bool shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation) override { return true; }
    void setupTV();

    // ---- Layout of a row, at its creation
    ui::Rect indicatorFrame(int i) const;  // i from 0 to 4
    ui::Rect avgQuestionTimeFrame() const { return {85, 32, 215, 20}; }
    ui::Rect numberOfQuestionsFrame() const { return {280, 12, 30, 20}; }
    ui::Rect sessionDateFrame() const { return {10, 10, 60, 60}; }
    ui::Rect barFrame() const { return {85, 55, 635, 10}; }
    virtual ui::Rect rightFrame() const { return {85, 55, 70, 10}; }
    virtual ui::Rect wrongFrame() const { return {155, 55, 5, 10}; }
    static ui::Color rightLblShadowColor();
    static ui::Color rightLblBackgroundColor();
    // The bar's red: hue 0, saturation 1, brightness 0.88.
    static ui::Color barColor();

    // ---- Table
    int numberOfRows(ui::TableView&, int section) override;
    std::shared_ptr<ui::TableViewCell> cellForRow(ui::TableView& table,
                                                  const ui::IndexPath& indexPath) override;
    bool canEditRow(ui::TableView&, const ui::IndexPath&) override { return true; }
    void commitEditingStyle(ui::TableView& table, ui::TableViewCellEditingStyle style,
                            const ui::IndexPath& indexPath) override;
    void didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) override;

    void editDoneMode(const Sender& sender);
    void reviewSessionNotifications(const fnd::Notification& notification);
    void doneClick(const Sender& sender);

    // A label of a row's parts, clear behind its text, which keeps its colour in a selected row.
    static std::shared_ptr<ui::Label> addRowLabel(ui::View& parent, int tag, ui::Rect frame,
                                                  const ui::Font& font, ui::TextAlignment alignment,
                                                  const ui::Color& colour = ui::Color::blackColor());

    // The session a row shows (newest first); null for a row outside the list.
    std::shared_ptr<MSession> sessionAt(int row) const;

    const std::shared_ptr<MSessions>& recordSet() const { return recordSet_; }
    const std::shared_ptr<ui::TableView>& reviewTV() const { return reviewTV_; }
    const std::shared_ptr<ui::BarButtonItem>& editDoneBtn() const { return editDoneBtn_; }
    const std::shared_ptr<CommonViewController>& reviewSessionVC() const { return reviewSessionVC_; }

  protected:
    // The tablet opens the tablet's session screen.
    virtual std::shared_ptr<CommonViewController> makeReviewSessionVC(
        const std::shared_ptr<MSession>& session);

  private:
    std::shared_ptr<ui::TableViewCell> makeCell();

    std::shared_ptr<ui::TableView> reviewTV_;
    std::shared_ptr<ui::BarButtonItem> editDoneBtn_;
    std::shared_ptr<CommonViewController> reviewSessionVC_;
    std::shared_ptr<MSessions> recordSet_;
};
