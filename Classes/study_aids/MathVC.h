#pragma once
// The maths review: the eight topics of the repository's topic set in a table, each with its icon
// and name (odd rows light grey). A row opens the topic's page (ConceptVC); the list reloads when
// the page closes. Opened by the library with initSafe, which tells the tips that the maths review
// was opened; its done key posts "MNotificationMathDone".

#include <memory>
#include <string>

#include "Classes/core/SliddenViewController.h"
#include "platform/ui/Rect.h"
#include "platform/ui/TableView.h"

class ConceptVC;
class MConcept;

class MathVC : public SliddenViewController, public ui::TableViewDataSource, public ui::TableViewDelegate {
  public:
    static constexpr const char* kDoneNotification = "MNotificationMathDone";
    static constexpr const char* kOpenedEvent = "TipsEvent_MathBookOpened";
    static constexpr const char* kCellIdentifier = "any-cell";
    static constexpr int kNameTag = 201;
    static constexpr double kRowHeight = 74;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    // The owner tables of the maths review's screens, for the interface files.
    static void registerOwners();

    std::string nibIdentifier() const override { return "MathView"; }

    using SliddenViewController::init;
    // The way the library opens the list: initSafe.
    void init() override { initSafe(); }
    // The screen, shown.
    void initWithData();
    // initWithData, then the tips hear that the maths review was opened.
    void initSafe();
    void viewDidLoad() override;
    virtual void setupTV();
    virtual ui::Rect fullNameFrame() const { return {95, 27, 220, 20}; }

    int numberOfRows(ui::TableView&, int section) override;
    std::shared_ptr<ui::TableViewCell> cellForRow(ui::TableView& table,
                                                  const ui::IndexPath& indexPath) override;
    void didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) override;

    void conceptNotifications(const fnd::Notification& notification);
    void doneClick(const Sender& sender);

    const std::shared_ptr<ui::TableView>& mathTV() const { return mathTV_; }
    const std::shared_ptr<ConceptVC>& conceptVC() const { return conceptVC_; }

  protected:
    virtual std::shared_ptr<ConceptVC> makeConceptVC(const std::shared_ptr<MConcept>& topic) const;

  private:
    std::shared_ptr<MConcept> conceptAt(int row) const;

    std::shared_ptr<ui::TableView> mathTV_;
    std::shared_ptr<ConceptVC> conceptVC_;
};
