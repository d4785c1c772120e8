#pragma once
// The view that marks an annotation on a map. The map places it so that its centre, moved by
// `centerOffset`, lies on the annotation's point, and reuses views of the same reuse identifier for
// new annotations once their annotation has gone (MapView::dequeueReusableAnnotationView). A view
// that can show a callout shows the annotation's title and subtitle above itself while selected,
// with the left accessory view, when one is set, at the callout's left.

#include <memory>
#include <string>

#include "platform/maps/Annotation.h"
#include "platform/ui/View.h"

namespace maps {

class AnnotationView : public ui::View {
  public:
    using ui::View::init;
    virtual void init(std::shared_ptr<Annotation> annotation, std::string reuseIdentifier);

    const std::shared_ptr<Annotation>& annotation() const { return annotation_; }
    // A reused view is given its new annotation.
    void setAnnotation(std::shared_ptr<Annotation> annotation) { annotation_ = std::move(annotation); }
    const std::string& reuseIdentifier() const { return reuseIdentifier_; }

    ui::Point centerOffset() const { return centerOffset_; }
    void setCenterOffset(ui::Point offset) { centerOffset_ = offset; }
    bool canShowCallout() const { return canShowCallout_; }
    void setCanShowCallout(bool can) { canShowCallout_ = can; }
    const std::shared_ptr<ui::View>& leftCalloutAccessoryView() const { return leftAccessory_; }
    void setLeftCalloutAccessoryView(std::shared_ptr<ui::View> view) { leftAccessory_ = std::move(view); }
    // Where the callout's arrow points, in the view's own coordinates: the middle of its top edge.
    virtual ui::Point calloutAnchor() const;

    // Set by the map as the annotation is selected and deselected.
    bool isSelected() const { return selected_; }
    void setSelected(bool selected) { selected_ = selected; }

    // Told by the map when it has placed a view it has just given an annotation, with the top of the
    // map in the same coordinates; a view that drops in animates from above it to its place.
    virtual void didAppear(ui::Point place, double mapTop) {
        (void)place;
        (void)mapTop;
    }

    // Made ready to be given another annotation: no longer selected.
    virtual void prepareForReuse();

  private:
    std::shared_ptr<Annotation> annotation_;
    std::string reuseIdentifier_;
    ui::Point centerOffset_;
    bool canShowCallout_ = false;
    std::shared_ptr<ui::View> leftAccessory_;
    bool selected_ = false;
};

}  // namespace maps
