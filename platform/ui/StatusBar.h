#pragma once
// The status bar along the top of the interface: a dark strip of 20 points that shows a small
// mark while the network is in use. The application places, turns, hides and shows it.

#include <memory>

#include "platform/ui/View.h"

namespace ui {

class StatusBar : public View {
  public:
    static constexpr double kHeight = 20;

    void init(const Rect& frame) override;
    using View::init;

    bool isActivityIndicatorVisible() const;
    void setActivityIndicatorVisible(bool visible);

  private:
    std::shared_ptr<View> activity_;
};

}  // namespace ui
