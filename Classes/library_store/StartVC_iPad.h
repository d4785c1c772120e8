#pragma once
// The library on the tablet: its own interface file, larger fonts and rows, texts as wide as the
// home screen allows, the tablet's set, interactive book and maths-review screens, and no statistics mark
// when an interactive book opens.

#include "Classes/library_store/StartVC.h"

class StartVC_iPad : public StartVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return tabletName(StartVC::nibIdentifier()); }

  protected:
    LibraryCells::Layout deviceLayout() const override;
    std::shared_ptr<StartSetVC> makeSmartBookVC(const std::shared_ptr<MEBook>& book) const override;
    std::shared_ptr<StartSetVC> makeStartSetVC(const std::shared_ptr<MStartSet>& set) const override;
    std::shared_ptr<CommonViewController> makeMathVC() const override;
    bool marksStatisticsForBooks() const override { return false; }
};
