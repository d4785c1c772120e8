#include "Classes/core/OptionsViewController.h"

#include "platform/ui/Image.h"

const ui::ConnectionTable& OptionsViewController::classConnections() {
    static const ui::ConnectionTable table("OptionsViewController",
                                           &SliddenViewController::classConnections());
    return table;
}

std::string OptionsViewController::optionStatus() { return {}; }

std::string OptionsViewController::optionTitle() { return kDefaultTitle; }

std::shared_ptr<const ui::Image> OptionsViewController::optionImage() {
    return ui::Image::named(kDefaultImage);
}
