#pragma once
// A maths-review topic's page, from the bundle, under the topic's name, in a slide-in screen. A
// topic whose page is missing shows the name over an empty page. Posts "Done" from its done key.

#include <memory>
#include <string>

#include "Classes/core/SliddenViewController.h"

class MConcept;
namespace ui {
class Label;
class WebView;
}  // namespace ui

class ConceptVC : public SliddenViewController {
  public:
    static constexpr const char* kDoneNotification = "Done";

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return "ConceptView"; }

    using SliddenViewController::init;
    void init(std::shared_ptr<MConcept> topic);
    void viewDidLoad() override;
    void showConcept();
    void doneClick(const Sender& sender);

    const std::shared_ptr<MConcept>& shownConcept() const { return concept_; }
    const std::shared_ptr<ui::WebView>& webView() const { return webView_; }
    const std::shared_ptr<ui::Label>& fullNameLbl() const { return fullNameLbl_; }

  private:
    std::shared_ptr<MConcept> concept_;
    std::shared_ptr<ui::WebView> webView_;
    std::shared_ptr<ui::Label> fullNameLbl_;
};

class ConceptVC_iPad : public ConceptVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return tabletName(ConceptVC::nibIdentifier()); }
};
