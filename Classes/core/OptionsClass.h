#pragma once
// An option screen's class as the settings list holds it: the class's own title, status text and
// picture, and the making of a fresh screen of the class, which shows it. The class operations are
// the static optionTitle(), optionStatus() and optionImage() of the screen class; a class that does
// not declare one has its base's.

#include <functional>
#include <memory>
#include <string>

#include "platform/ui/Image.h"
#include "platform/ui/Make.h"

class OptionsViewController;

class OptionsClass {
  public:
    template <class T>
    static OptionsClass of() {
        OptionsClass c;
        c.title_ = [] { return T::optionTitle(); };
        c.status_ = [] { return T::optionStatus(); };
        c.image_ = [] { return T::optionImage(); };
        c.make_ = []() -> std::shared_ptr<OptionsViewController> { return ui::make<T>(); };
        return c;
    }

    std::string optionTitle() const { return title_(); }
    std::string optionStatus() const { return status_(); }
    std::shared_ptr<const ui::Image> optionImage() const { return image_(); }
    // A new screen of the class, on screen.
    std::shared_ptr<OptionsViewController> make() const { return make_(); }

  private:
    OptionsClass() = default;
    std::function<std::string()> title_;
    std::function<std::string()> status_;
    std::function<std::shared_ptr<const ui::Image>()> image_;
    std::function<std::shared_ptr<OptionsViewController>()> make_;
};
