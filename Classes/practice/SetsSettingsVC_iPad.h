#pragma once
// The tablet's option screen of practice: only the two options of the forum scan, shown from and
// written to the repository by the done key; the shake and vibration options stay as they are.

#include <string>

#include "Classes/practice/SetsSettingsVC.h"

class SetsSettingsVC_iPad : public SetsSettingsVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return tabletName(SetsSettingsVC::nibIdentifier()); }
    // The scan options only.
    void updateViews() override;
    void doneClick(const ui::ConnectionTable::Sender& sender) override;
};
