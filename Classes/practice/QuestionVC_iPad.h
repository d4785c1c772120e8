#pragma once
// The tablet's question screen: a wider page whose passages are shown whole up to 1500
// characters, the toolbar of its interface file, a calculator that a key opens and closes beside
// the page, the tablet's child screens, and no shake.

#include "Classes/practice/QuestionVC.h"

class QuestionVC_iPad : public QuestionVC {
  public:
    static constexpr int kTableWidth = 758;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return tabletName(QuestionVC::nibIdentifier()); }

    using QuestionVC::init;
    void init(std::shared_ptr<MQSet> set) override;
    void init(std::shared_ptr<MSession> session) override;

    QuestionPage::Device pageDevice() const override { return QuestionPage::tablet(); }
    void showToolBar() override {}
    void switchToolBar() override {}
    void openCalculator(const Sender& sender) override;
    std::shared_ptr<CommonViewController> makeForumVC(const std::string& address) override;
    void accelerometerDidAccelerate(double, double, double) override {}

  protected:
    std::shared_ptr<CommonViewController> makeKWEditVC(std::int32_t type) override;
    std::shared_ptr<CourseVC> makeCourseVC(const std::shared_ptr<MCourse>& course) override;
};
