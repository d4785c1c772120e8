#pragma once
// A course provider's page, from the bundle, in a slide-in screen. Its toolbar offers the
// provider's centre list when the provider has centres. Link taps on the page open outside the
// program (store and video addresses are opened outside whatever started them); the page's own
// loads go ahead. Opened by the courses tool and by the practice question screen, which retitles
// the done key "Back". Posts "Done" when the done key is tapped.

#include <memory>
#include <string>

#include "Classes/core/SliddenViewController.h"
#include "platform/ui/WebView.h"

class CentersVC;
class MCourse;
namespace ui {
class BarButtonItem;
}

class CourseVC : public SliddenViewController, public ui::WebViewDelegate {
  public:
    static constexpr const char* kDoneNotification = "Done";
    static constexpr const char* kDoneAction = "doneClick:";
    static constexpr const char* kCentersAction = "showCenters:";

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return "CourseView"; }

    using SliddenViewController::init;
    void init(std::shared_ptr<MCourse> course);
    void viewDidLoad() override;
    // The toolbar for the provider, then its page.
    void showCourse();
    bool webViewShouldStartLoad(ui::WebView& webView, const fnd::URLRequest& request,
                                fnd::URLRequest::NavigationType navigation) override;

    void showCenters(const Sender& sender);
    void centersNotifications(const fnd::Notification& notification);
    void doneClick(const Sender& sender);
    // Lets go of the page, then the base's back.
    void back() override;

    const std::shared_ptr<MCourse>& course() const { return course_; }
    const std::shared_ptr<ui::WebView>& webView() const { return webView_; }
    const std::shared_ptr<ui::BarButtonItem>& doneBtn() const { return doneBtn_; }
    const std::shared_ptr<ui::BarButtonItem>& flexibleSpaceBtn() const { return flexibleSpaceBtn_; }
    const std::shared_ptr<ui::BarButtonItem>& centersBtn() const { return centersBtn_; }
    const std::shared_ptr<CentersVC>& centersVC() const { return centersVC_; }

  protected:
    virtual std::shared_ptr<CentersVC> makeCentersVC() const;

  private:
    void findToolbarItems();

    std::shared_ptr<MCourse> course_;
    std::shared_ptr<ui::WebView> webView_;
    std::shared_ptr<ui::BarButtonItem> doneBtn_, flexibleSpaceBtn_, centersBtn_;
    std::shared_ptr<CentersVC> centersVC_;
};
