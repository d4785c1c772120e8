#include "platform/maps/AnnotationView.h"

namespace maps {

void AnnotationView::init(std::shared_ptr<Annotation> annotation, std::string reuseIdentifier) {
    View::init(ui::Rect{});
    annotation_ = std::move(annotation);
    reuseIdentifier_ = std::move(reuseIdentifier);
}

ui::Point AnnotationView::calloutAnchor() const { return {bounds().size.width / 2, 0}; }

void AnnotationView::prepareForReuse() { selected_ = false; }

}  // namespace maps
