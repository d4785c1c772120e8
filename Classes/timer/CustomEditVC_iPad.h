#pragma once

#include "Classes/timer/CustomEditVC.h"

// The tablet's editor: it fills the home screen's view and slides in from its right edge.
class CustomEditVC_iPad : public CustomEditVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return "CustomEditView-iPad"; }

  protected:
    void placeForEntrance() override;
    ui::Point restPoint() const override;
    ui::Point outPoint() const override;
};
