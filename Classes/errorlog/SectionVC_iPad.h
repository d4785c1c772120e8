#pragma once
// The tablet's section tracker: its own layouts, wider toolbar spacing and sort columns, the
// section's short name in the header, the calculator in the running toolbar, and a search bar
// across the whole width.

#include "Classes/errorlog/SectionVC.h"

class SectionVC_iPad : public SectionVC {
  public:
    // The docked calculator rests this far above the bottom edge.
    static constexpr double kCalculatorAdjustment = 16.0;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return tabletName(SectionVC::nibIdentifier()); }
    std::string cellNibName() const override { return tabletName(SectionVC::cellNibName()); }
    void setup() override;

    double sortIVcenterN() const override { return 45; }
    double sortIVcenterT() const override { return 125.5; }
    double sortIVcenterA() const override { return 232.5; }
    double sortIVcenterG() const override { return 323.5; }

    // The calculator key opens a panel docked beside the list, or closes the open one.
    void openCalculator(const Sender& sender) override;
    void openAnswersDialog() override;
    void presentExplanationForQuestion(const std::shared_ptr<MQuestion>& question) override;

    const std::shared_ptr<ui::Label>& shortNameLbl() const { return shortNameLbl_; }

  protected:
    std::vector<std::shared_ptr<ui::BarButtonItem>> runningItems() override;
    void setupTV() override;
    void createSearchBar() override;

  private:
    std::shared_ptr<ui::Label> shortNameLbl_;
};
