#pragma once
// A table's section index: short titles down its right edge, one per section (or group of
// sections). A finger on a title, or dragged along them, asks the table to show that title's
// section. It stays in place while the rows scroll under it.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Label.h"
#include "platform/ui/View.h"

namespace ui {

class SectionIndex : public View {
  public:
    static constexpr double kWidth = 30;
    static constexpr double kTitleHeight = 16;

    using View::init;
    void init(const Rect& frame) override;

    const std::vector<std::string>& titles() const { return titles_; }
    void setTitles(std::vector<std::string> titles);
    // Told the title's position in the list when a finger lands on it or moves to it.
    void setOnChoose(std::function<void(int index)> onChoose) { onChoose_ = std::move(onChoose); }
    // The title at a point of the index; -1 off the titles.
    int titleAt(Point point) const;

    void layoutSubviews() override;
    void touchesBegan(const Touches& touches) override;
    void touchesMoved(const Touches& touches) override;
    void touchesEnded(const Touches& touches) override;
    void touchesCancelled(const Touches& touches) override;

  private:
    double top() const;
    double step() const;
    void choose(const Touches& touches);
    void setTouched(bool touched);

    std::vector<std::string> titles_;
    std::vector<std::shared_ptr<Label>> labels_;
    std::function<void(int)> onChoose_;
    int chosen_ = -1;
};

}  // namespace ui
