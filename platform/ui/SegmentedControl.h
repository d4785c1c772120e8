#pragma once
// A segmented control: a row of titled segments of which at most one is selected (-1: none). A tap
// on a segment selects it and sends value changed; a momentary control only sends the event and
// shows no lasting selection. Choosing a segment from code sends nothing.

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Control.h"
#include "platform/ui/Label.h"

namespace ui {

class NibProperties;

enum class SegmentedControlStyle { Plain, Bordered, Bar };

class SegmentedControl : public Control {
  public:
    static constexpr int kNoSegment = -1;

    using Control::init;
    void init(const Rect& frame) override;
    // Segments with these titles, sized as the platform's default control (44 points high).
    void init(const std::vector<std::string>& titles);

    int numberOfSegments() const { return int(titles_.size()); }
    void insertSegment(const std::string& title, int index);
    void removeSegment(int index);
    void removeAllSegments();
    void setTitle(const std::string& title, int segment);
    std::string titleForSegment(int segment) const;

    int selectedSegmentIndex() const { return selected_; }
    // An index outside the segments means none.
    void setSelectedSegmentIndex(int index);
    bool isMomentary() const { return momentary_; }
    void setMomentary(bool on) { momentary_ = on; }
    SegmentedControlStyle style() const { return style_; }
    void setStyle(SegmentedControlStyle style);
    const Color& tintColor() const { return tint_; }
    void setTintColor(const Color& color);

    // The segment under a point of the control; kNoSegment outside them.
    int segmentAt(Point point) const;
    void layoutSubviews() override;

    // Interface-file properties: "segments" (their titles), "selectedSegmentIndex", "momentary",
    // "style" ("plain", "bordered", "bar"), "tintColor".
    static void applyNibProperties(SegmentedControl& control, NibProperties& properties);

  protected:
    void endTracking(Point point, bool inside) override;

  private:
    struct Segment {
        std::shared_ptr<View> box;
        std::shared_ptr<Label> label;
    };
    void rebuild();
    void restyle();

    std::vector<std::string> titles_;
    std::vector<Segment> segments_;
    int selected_ = kNoSegment;
    bool momentary_ = false;
    SegmentedControlStyle style_ = SegmentedControlStyle::Plain;
    Color tint_ = Color::rgb(0.13, 0.44, 0.85);
};

}  // namespace ui
