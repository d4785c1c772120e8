#pragma once
// The maths review on the tablet: its own interface file, taller rows with the name further in, and
// the tablet's page viewer.

#include "Classes/study_aids/MathVC.h"

class MathVC_iPad : public MathVC {
  public:
    static constexpr double kTabletRowHeight = 94;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return tabletName(MathVC::nibIdentifier()); }

    void setupTV() override;
    ui::Rect fullNameFrame() const override { return {115, 37, 220, 20}; }

  protected:
    std::shared_ptr<ConceptVC> makeConceptVC(const std::shared_ptr<MConcept>& topic) const override;
};
