#pragma once
// One link row of the library's start screen: a bold short name, a grey description of up to two
// lines, an icon and the address the row opens. Set once when made.

#include <memory>
#include <string>

#include "platform/foundation/Object.h"

namespace ui {
class Image;
}

class MResource : public fnd::Object {
  public:
    MResource(std::string shortName, std::string longName, std::shared_ptr<const ui::Image> image,
              std::string link);

    const std::string& shortName() const { return shortName_; }
    const std::string& longName() const { return longName_; }
    const std::shared_ptr<const ui::Image>& image() const { return image_; }
    // Empty for a row that opens nothing.
    const std::string& link() const { return link_; }

  private:
    std::string shortName_;
    std::string longName_;
    std::shared_ptr<const ui::Image> image_;
    std::string link_;
};
