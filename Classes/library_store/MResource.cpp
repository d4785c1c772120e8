#include "Classes/library_store/MResource.h"

#include "platform/ui/Image.h"

MResource::MResource(std::string shortName, std::string longName, std::shared_ptr<const ui::Image> image,
                     std::string link)
    : shortName_(std::move(shortName)),
      longName_(std::move(longName)),
      image_(std::move(image)),
      link_(std::move(link)) {}
