#pragma once
// One topic of the maths review: its name, icon and study page.

#include <memory>
#include <string>

#include "platform/foundation/Object.h"

namespace ui {
class Image;
}

class MConcept : public fnd::Object {
  public:
    using Image = std::shared_ptr<const ui::Image>;

    MConcept(std::string fullName, Image iconIM, std::string fileName)
        : fullName_(std::move(fullName)), iconIM_(std::move(iconIM)), fileName_(std::move(fileName)) {}

    // The name in the list and above the page.
    const std::string& fullName() const { return fullName_; }
    // Null when the bundle has no such image.
    const Image& iconIM() const { return iconIM_; }
    void setIconIM(Image image) { iconIM_ = std::move(image); }
    // The stem of the topic's page, a bundle resource of the type "htm".
    const std::string& fileName() const { return fileName_; }
    void setFileName(std::string name) { fileName_ = std::move(name); }

  private:
    std::string fullName_;
    Image iconIM_;
    std::string fileName_;
};
