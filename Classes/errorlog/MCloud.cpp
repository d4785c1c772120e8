#include "Classes/errorlog/MCloud.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/View.h"

MCloud::MCloud(ui::Size size) : size_(size) {
    cloudView_ = ui::make<ui::View>(ui::Rect{0, kTop, size.width, size.height});
    cloudView_->setBackgroundColor(ui::Color::white(1, 0));
    cloudView_->setAutoresizingMask(kViewMask);
}

int MCloud::fontSizeForCount(std::size_t count, std::size_t countMax, float fontSizeMax) {
    if (countMax == 0) return 0;
    return int(fontSizeMax * std::pow(double(count) / double(countMax), 1.0 / 3.0));
}

float MCloud::alphaForFontSize(int& fontSize, float nMax) {
    if (fontSize >= nMax) return 1.0f;
    float alpha = 0.2f + 0.8f * float(fontSize) / nMax;
    fontSize = int(nMax);
    return alpha;
}

std::shared_ptr<MCloudTag> MCloud::addTagAtPoint(ui::Point point, float fontSize, float alpha,
                                                 const ui::Color& color, const std::string& text) {
    tags_.push_back(std::make_shared<MCloudTag>(text, fontSize, point, alpha, color));
    cloudView_->addSubview(tags_.back()->tagLbl());
    return tags_.back();
}

void MCloud::optimazeTags() {
    for (int pass = 0; pass < kPasses; ++pass) layoutPass(pass);
    for (const auto& tag : tags_) tag->updateView();
}

namespace {

// How a tag would move away from one neighbour, and how pressing that neighbour is: the overlap
// area negated when the two overlap on both axes (so any overlap beats any gap), else the larger gap.
struct Push {
    double metric;
    ui::Point move;
};

Push pushAway(const MCloudTag& a, const MCloudTag& b, double step) {
    double dx = a.center().x - b.center().x, dy = a.center().y - b.center().y;
    double sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
    double gapX = std::abs(dx) - (a.size().width + b.size().width) / 2;
    double gapY = std::abs(dy) - (a.size().height + b.size().height) / 2;
    bool overlap = gapX < 0 && gapY < 0;
    double metric = overlap ? -(gapX * gapY) : std::max(gapX, gapY);
    double nudge = 20 * step / (std::max(0.0, gapX) + std::max(0.0, gapY) + 5);
    ui::Point move{sx * nudge, sy * nudge};
    if (overlap) {
        move.x += 0.1 * sx * std::abs(gapX);
        move.y += 0.7 * sy * std::abs(gapY);
    }
    return {metric, move};
}

}  // namespace

void MCloud::layoutPass(int pass) {
    double step = 5.0 / (pass + 5);
    for (const auto& a : tags_) {
        // Only the most pressing neighbour moves the tag; one farther than 1000 points moves nothing.
        Push best{1000, {0, 0}};
        for (const auto& b : tags_) {
            if (b == a) continue;
            Push push = pushAway(*a, *b, step);
            if (push.metric < best.metric) best = push;
        }
        a->setCenter({a->center().x + best.move.x, a->center().y + best.move.y});
        clamp(*a);
    }
}

void MCloud::clamp(MCloudTag& tag) const {
    ui::Point c = tag.center();
    double w = tag.size().width, h = tag.size().height;
    if (c.x - w / 2 < 0) c.x = w / 2;
    if (c.x + w / 2 > size_.width) c.x = size_.width - w / 2;
    if (c.y - h / 2 < 0) c.y = h / 2;
    if (c.y + h / 2 > size_.height) c.y = size_.height - h / 2;
    tag.setCenter(c);
}
