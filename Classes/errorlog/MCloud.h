#pragma once
// A tag cloud: a transparent view holding the tags' labels, and the layout that pushes the tags
// apart until they barely overlap, inside the cloud's size. It knows nothing of what the words
// mean: its user decides which tags exist, where each starts and how big, opaque and coloured it
// is.
//
// Use: make the cloud, add cloudView() to a screen, add the tags at their start points, then call
// optimazeTags() inside a view animation so that the labels glide to their places. A later call
// continues from the current places. A new arrangement is made with a new cloud.
//
//     auto cloud = std::make_shared<MCloud>(ui::Size{320, 300});
//     screen->addSubview(cloud->cloudView());
//     cloud->addTagAtPoint({100, 80}, 18, 1.0f, ui::Color::whiteColor(), "Algebra");
//     cloud->optimazeTags();

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "Classes/errorlog/MCloudTag.h"
#include "platform/foundation/Object.h"
#include "platform/ui/Size.h"

namespace ui {
class View;
}

class MCloud : public fnd::Object {
  public:
    // The cloud view's place in its screen and its mask (flexible width and height).
    static constexpr double kTop = 59;
    static constexpr unsigned kViewMask = 18;
    static constexpr int kPasses = 15;

    explicit MCloud(ui::Size size);

    // A tag's font size from its number of questions: fontSizeMax times the cube root of its share
    // of the largest number, in whole points (0 when there is no largest).
    static int fontSizeForCount(std::size_t count, std::size_t countMax, float fontSizeMax);
    // A tag's opacity: a size below nMax is raised to nMax (whole points) and drawn fainter.
    static float alphaForFontSize(int& fontSize, float nMax);

    // A new tag at the point, its label on top of the cloud view at once.
    std::shared_ptr<MCloudTag> addTagAtPoint(ui::Point point, float fontSize, float alpha,
                                             const ui::Color& color, const std::string& text);
    // Fifteen passes of the layout over the tags' places, then each label is moved once.
    void optimazeTags();
    // One pass (0 to 14) over the tags' places, the labels left where they are.
    void layoutPass(int pass);

    const std::shared_ptr<ui::View>& cloudView() const { return cloudView_; }
    void setCloudView(std::shared_ptr<ui::View> view) { cloudView_ = std::move(view); }
    const std::vector<std::shared_ptr<MCloudTag>>& tags() const { return tags_; }
    void setTags(std::vector<std::shared_ptr<MCloudTag>> tags) { tags_ = std::move(tags); }
    ui::Size size() const { return size_; }
    // Changes the area the layout keeps the tags in; the cloud view keeps its size.
    void setSize(ui::Size size) { size_ = size; }

  private:
    void clamp(MCloudTag& tag) const;

    std::shared_ptr<ui::View> cloudView_;
    std::vector<std::shared_ptr<MCloudTag>> tags_;
    ui::Size size_;
};
