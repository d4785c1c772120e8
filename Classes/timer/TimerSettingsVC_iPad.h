#pragma once

#include "Classes/timer/TimerSettingsVC.h"

// The tablet's options panel: the colour alert only; the vibration values it is given are ignored.
class TimerSettingsVC_iPad : public TimerSettingsVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return "TimerSettingsView-iPad"; }

    using TimerSettingsVC::init;
    void init(bool vibrate130, bool vibrate200, bool vibrateAnswer, bool color) override;
    void initWithColor(bool color);
    void updateViews() override;
};
