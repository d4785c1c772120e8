#pragma once
// The loading overlay: a spinner, a message and a cancel key over the whole of a host view, which
// it keeps from being touched. It shows at once and goes without animation. Its key posts
// "MNotificationLoadingViewCanceled" with the overlay as object and leaves the rest to the owner,
// which may retitle the key (the tool base's "Close").

#include <memory>
#include <string>

#include "Classes/core/CommonViewController.h"

namespace ui {
class ActivityIndicator;
class Button;
class Label;
}  // namespace ui

class LoadingVC : public CommonViewController {
  public:
    static constexpr const char* kCanceledNotification = "MNotificationLoadingViewCanceled";

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    ~LoadingVC() override;

    // "LoadingView", on the tablet "LoadingView-iPad".
    std::string nibIdentifier() const override;

    // Loads the overlay over the host view (its bounds as frame) with the message shown.
    using CommonViewController::init;
    void init(const std::string& message, const std::shared_ptr<ui::View>& host);

    // The cancel key's action.
    void doneClick(const Sender& sender);
    // The overlay goes at once.
    void outAnimation() override {}
    // The spinner turns.
    void viewDidLoad() override;

    const std::shared_ptr<ui::ActivityIndicator>& indicator() const { return indicator_; }
    const std::shared_ptr<ui::Label>& label() const { return label_; }
    const std::shared_ptr<ui::Button>& cancelBtn() const { return cancelBtn_; }
    void setCancelBtn(std::shared_ptr<ui::Button> button) { cancelBtn_ = std::move(button); }

  private:
    std::shared_ptr<ui::ActivityIndicator> indicator_;
    std::shared_ptr<ui::Label> label_;
    std::shared_ptr<ui::Button> cancelBtn_;
};
