#pragma once
// One row of the settings list: an option screen's class with the picture, title and status text
// it gave, and the screen while it is open. A row without a class shows nothing and opens nothing.

#include <memory>
#include <optional>
#include <string>

#include "Classes/core/OptionsClass.h"
#include "platform/foundation/Object.h"

class MSetting : public fnd::Object {
  public:
    // Asks the class for its picture, title and status.
    explicit MSetting(std::optional<OptionsClass> vcClass);

    const std::shared_ptr<const ui::Image>& picture() const { return picture_; }
    const std::string& title() const { return title_; }
    const std::string& status() const { return status_; }
    void setStatus(std::string status) { status_ = std::move(status); }
    // Reads the class's status again (its option screen may have changed it).
    void readStatus();

    const std::optional<OptionsClass>& vcClass() const { return vcClass_; }
    // The option screen while it is open.
    const std::shared_ptr<OptionsViewController>& vc() const { return vc_; }
    void setVc(std::shared_ptr<OptionsViewController> vc) { vc_ = std::move(vc); }

  private:
    std::shared_ptr<const ui::Image> picture_;
    std::string title_;
    std::string status_;
    std::optional<OptionsClass> vcClass_;
    std::shared_ptr<OptionsViewController> vc_;
};
