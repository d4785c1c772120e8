#pragma once
// The feedback tool: rate the kit on the store's review page, or write to the maker's support
// address. Every opening adds one to the repository's feedbackOpenCounter, which the home screen
// reads to decide when to show the feedback button (and to open this tool by itself once).
//
// The addresses are keys of the bundle's information file; with one of them empty the key opens
// nothing and the log says so.

#include <memory>
#include <string>

#include "Classes/core/ToolViewController.h"

namespace ui {
class Button;
}

class FeedbackVC : public ToolViewController {
  public:
    static constexpr const char* kStoreWebAddressKey = "StoreWebAddress";
    static constexpr const char* kStoreProductIdentifierKey = "StoreProductIdentifier";
    static constexpr const char* kSupportMailKey = "SupportMailAddress";
    static constexpr const char* kReviewPath = "/WebObjects/MZStore.woa/wa/viewContentsUserReviews";
    static constexpr const char* kReviewQueryTail = "&pageNumber=0&sortOrdering=1&type=Purple+Software&mt=8";
    static constexpr const char* kMailBody = "Hello!";

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    static void registerOwners();

    std::string nibIdentifier() const override { return "FeedbackView"; }

    using ToolViewController::init;
    // The screen, its entrance, then setup.
    void init() override;
    // Counts the opening and gives both keys the light look.
    void setup();
    void rate(const Sender& sender);
    void tellus(const Sender& sender);
    void doneClick(const Sender& sender);

    // The store's review page of the product on the store's web address; empty without either.
    static std::string reviewPageAddress(const std::string& storeAddress, const std::string& productId);
    // "mailto://ADDRESS?subject=Tovrida%20(vVERSION)&body=Hello!"; empty without an address.
    static std::string supportMail(const std::string& address, const std::string& version);

    const std::shared_ptr<ui::Button>& rateBtn() const { return rateBtn_; }
    const std::shared_ptr<ui::Button>& tellusBtn() const { return tellusBtn_; }

  private:
    std::shared_ptr<ui::Button> rateBtn_, tellusBtn_;
};

class FeedbackVC_iPad : public FeedbackVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return tabletName(FeedbackVC::nibIdentifier()); }
};
