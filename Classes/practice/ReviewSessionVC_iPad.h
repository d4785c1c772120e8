#pragma once
// The tablet's list of a session's answers: its own interface file, the row's parts spread wider
// and the tablet's question screen.

#include "Classes/practice/ReviewSessionVC.h"

class ReviewSessionVC_iPad : public ReviewSessionVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return tabletName(ReviewSessionVC::nibIdentifier()); }

    ui::Rect numberFrame() const override { return {15, 24, 35, 20}; }
    ui::Rect timeFrame() const override { return {100, 24, 50, 20}; }
    ui::Rect conceptNamesFrame() const override { return {100, 44, 190, 20}; }
    ui::Rect questionTypeFrame() const override { return {280, 24, 40, 20}; }
    ui::Point checkAnswerIVcenter() const override { return {440, 34}; }

  protected:
    std::shared_ptr<QuestionVC> makeQuestionVC(const std::shared_ptr<MSession>& session) override;
};
