#pragma once
// A slide-in screen that the settings list shows as one option row. The row's title, status and
// picture are class operations, asked before any screen exists: each option screen declares its
// own static optionTitle, optionStatus and optionImage, hiding the base's, and the settings list
// asks them of the class (T::optionTitle()).

#include <memory>
#include <string>

#include "Classes/core/SliddenViewController.h"

namespace ui {
class Image;
}

class OptionsViewController : public SliddenViewController {
  public:
    static constexpr const char* kDefaultTitle = "Unknown";
    static constexpr const char* kDefaultImage = "SettingsCellPict.png";

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    // The base screen has no status to show: the text is empty.
    static std::string optionStatus();
    // The base screen's title is "Unknown"; every option screen names itself.
    static std::string optionTitle();
    // The picture "SettingsCellPict.png".
    static std::shared_ptr<const ui::Image> optionImage();
};
