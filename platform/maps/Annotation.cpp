#include "platform/maps/Annotation.h"

#include "platform/foundation/Log.h"

namespace maps {

Annotation::Annotation(Coordinate coordinate) : coordinate_(MapProjection::clamped(coordinate)) {
    if (!MapProjection::isValid(coordinate))
        fnd::Log::warning("map: an annotation off the globe was moved onto it: ", coordinate.latitude, ",",
                          coordinate.longitude);
}

}  // namespace maps
