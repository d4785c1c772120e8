#pragma once
// The page reader on the tablet: its own interface file, the page reloaded when the home screen
// turns, the short page script (pictures and margins stay as the page has them), and a calculator
// key that opens and closes the panel.

#include "Classes/library_store/StartItemVC.h"

class StartItemVC_iPad : public StartItemVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return tabletName(StartItemVC::nibIdentifier()); }
    void processOrientationChange() override;
    void openCalculator(const Sender& sender) override;

  protected:
    std::string pageScript(int fontSize) const override;
};
