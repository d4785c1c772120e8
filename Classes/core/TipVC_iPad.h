#pragma once
// The tablet's tip band: the width of the home screen, above the statistics panel. It unfolds in
// place and folds down towards the panel.

#include <memory>
#include <string>

#include "Classes/core/TipVC.h"

class TipVC_iPad : public TipVC {
  public:
    // The band's height and how far its bottom edge is above the home screen's bottom.
    static constexpr double kBandHeight = 25;
    static constexpr double kBandLift = 262;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    using TipVC::init;
    void init(std::shared_ptr<MTip> tip) override;
    std::string nibIdentifier() const override { return tabletName(TipVC::nibIdentifier()); }
    void animation() override;
    void outAnimation() override;
    bool shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation orientation) override;
};
