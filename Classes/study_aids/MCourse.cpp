#include "Classes/study_aids/MCourse.h"

#include "Classes/study_aids/MCenter.h"
#include "platform/ui/Image.h"

MCourse::MCourse(std::string companyName, Image iconIM, Image mapIM, std::string fileName,
                 std::string logoName, std::optional<std::string> skype, std::optional<Centers> centers)
    : companyName_(std::move(companyName)),
      iconIM_(std::move(iconIM)),
      mapIM_(std::move(mapIM)),
      fileName_(std::move(fileName)),
      logoName_(std::move(logoName)),
      skype_(std::move(skype)),
      centers_(std::move(centers)) {}
