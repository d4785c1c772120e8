#pragma once
// The interactive book's page reader on the tablet: the tablet reader's interface file, the page
// reloaded when the home screen turns, a calculator key that opens and closes the panel, the
// tablet's short page script (Zepto and the font size only) and the error log's tablet section
// screen.

#include "Classes/library_store/IBookItemVC.h"

class IBookItemVC_iPad : public IBookItemVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return tabletName(StartItemVC::nibIdentifier()); }
    void processOrientationChange() override { reloadFrontView(); }
    void openCalculator(const Sender&) override { toggleCalculator(); }

    // "out = 'Ok: ';" and the body's font size and bottom margin through Zepto.
    static std::string fontScript(int fontSize);

  protected:
    std::string pageScript(int fontSize) const override { return fontScript(fontSize); }
    std::shared_ptr<CommonViewController> makeSectionVC(const std::shared_ptr<MSection>& section) override;
};
