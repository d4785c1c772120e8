#pragma once
// One test-preparation course provider: its name, images, page and logo, and its test centres when
// it has any.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Object.h"

class MCenter;
namespace ui {
class Image;
}

class MCourse : public fnd::Object {
  public:
    using Image = std::shared_ptr<const ui::Image>;
    using Centers = std::vector<std::shared_ptr<MCenter>>;

    // mapIM, skype and centers are absent for a provider without centres (centers then is no list
    // at all, not an empty one).
    MCourse(std::string companyName, Image iconIM, Image mapIM, std::string fileName, std::string logoName,
            std::optional<std::string> skype, std::optional<Centers> centers);

    // The name shown to the user; the key of MCourses::courseForName.
    const std::string& companyName() const { return companyName_; }
    void setCompanyName(std::string name) { companyName_ = std::move(name); }
    // The icon of the provider's rows; null when the bundle has no such image.
    const Image& iconIM() const { return iconIM_; }
    void setIconIM(Image image) { iconIM_ = std::move(image); }
    // The image in the callout of the provider's pins on the centre map.
    const Image& mapIM() const { return mapIM_; }
    void setMapIM(Image image) { mapIM_ = std::move(image); }
    // The stem of the provider's page, a bundle resource of the type "htm".
    const std::string& fileName() const { return fileName_; }
    void setFileName(std::string name) { fileName_ = std::move(name); }
    // The stem of the provider's logo, a "png" resource.
    const std::string& logoName() const { return logoName_; }
    void setLogoName(std::string name) { logoName_ = std::move(name); }
    const std::optional<std::string>& skype() const { return skype_; }
    void setSkype(std::optional<std::string> skype) { skype_ = std::move(skype); }
    const std::optional<Centers>& centers() const { return centers_; }
    std::optional<Centers>& centers() { return centers_; }
    void setCenters(std::optional<Centers> centers) { centers_ = std::move(centers); }

  private:
    std::string companyName_;
    Image iconIM_;
    Image mapIM_;
    std::string fileName_;
    std::string logoName_;
    std::optional<std::string> skype_;
    std::optional<Centers> centers_;
};
