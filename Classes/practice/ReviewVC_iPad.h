#pragma once
// The tablet's review list: its own interface file, the bar's parts at their tablet frames and the
// tablet's session screen.

#include "Classes/practice/ReviewVC.h"

class ReviewVC_iPad : public ReviewVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return tabletName(ReviewVC::nibIdentifier()); }

    ui::Rect rightFrame() const override { return {0, 0, 500, 10}; }
    ui::Rect wrongFrame() const override { return {500, 0, 140, 10}; }

  protected:
    std::shared_ptr<CommonViewController> makeReviewSessionVC(
        const std::shared_ptr<MSession>& session) override;
};
