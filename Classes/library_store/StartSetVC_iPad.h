#pragma once
// The contents of a set on the tablet: its own interface file, larger fonts, wider titles and the
// tablet's page reader.

#include "Classes/library_store/StartSetVC.h"

class StartSetVC_iPad : public StartSetVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifierForSet(const MStartSet& set) const override;
    void setupFonts() override;
    ui::Rect titleFrame(int depth) const override;

  protected:
    std::shared_ptr<StartItemVC> makeStartItemVC(const std::shared_ptr<MStartItem>& item) override;
};
