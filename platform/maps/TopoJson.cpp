#include "platform/maps/TopoJson.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <utility>

#include "platform/foundation/Json.h"

namespace maps {

namespace {

using fnd::JsonValue;

// Quantization rounds places a hair beyond the poles and the date line; more than this is not a
// place on the earth.
constexpr double kSlack = 1e-6;

std::string arcText(std::int64_t index) { return "arc " + std::to_string(index); }

// A pair of numbers from a transform's member, or nothing.
std::optional<std::pair<double, double>> numberPair(const JsonValue& value) {
    const auto& list = value.asArray();
    if (list.size() != 2 || !list[0].isNumber() || !list[1].isNumber()) return std::nullopt;
    double a = list[0].asReal(), b = list[1].asReal();
    if (!std::isfinite(a) || !std::isfinite(b)) return std::nullopt;
    return std::make_pair(a, b);
}

// Walks the leaf geometries of an object (polygons, multi-polygons, lines), numbering them in the
// order met; points and empty geometries have no arcs and are passed over.
class GeometryWalk {
  public:
    using Leaf = std::function<bool(int id, const std::string& type, const JsonValue& arcs)>;

    GeometryWalk(std::string& error, Leaf leaf) : error_(error), leaf_(std::move(leaf)) {}

    bool visit(const JsonValue& geometry) {
        if (!geometry.isMap()) return fail("a geometry is not an object");
        const JsonValue& type = geometry["type"];
        if (type.isNull()) return true;
        const std::string& name = type.asString();
        if (name == "GeometryCollection") {
            if (!geometry["geometries"].isArray()) return fail("a collection has no geometries");
            for (const JsonValue& member : geometry["geometries"].asArray())
                if (!visit(member)) return false;
            return true;
        }
        if (name == "Point" || name == "MultiPoint") return true;
        if (name == "Polygon" || name == "MultiPolygon" || name == "LineString" ||
            name == "MultiLineString") {
            if (!geometry["arcs"].isArray()) return fail("a " + name + " has no arcs");
            return leaf_(next_++, name, geometry["arcs"]);
        }
        return fail("unknown geometry type \"" + name + "\"");
    }

  private:
    bool fail(std::string reason) {
        error_ = std::move(reason);
        return false;
    }
    std::string& error_;
    Leaf leaf_;
    int next_ = 0;
};

// The lists nested in an arcs member, down to lists of arc indices: one level for a line, two for
// a polygon or several lines, three for several polygons.
bool forEachIndexList(const JsonValue& arcs, int depth, std::string& error,
                      const std::function<bool(const JsonValue::Array&)>& each) {
    if (!arcs.isArray()) {
        error = "arcs are not nested as the geometry says";
        return false;
    }
    if (depth == 1) return each(arcs.asArray());
    for (const JsonValue& inner : arcs.asArray())
        if (!forEachIndexList(inner, depth - 1, error, each)) return false;
    return true;
}

int nestingOf(const std::string& type) {
    if (type == "LineString") return 1;
    if (type == "MultiPolygon") return 3;
    return 2;  // a polygon's rings, or a multi-line's lines
}

}  // namespace

void GeoBox::add(const Coordinate& c) {
    west = std::min(west, c.longitude);
    east = std::max(east, c.longitude);
    south = std::min(south, c.latitude);
    north = std::max(north, c.latitude);
}

namespace {

GeoBox boxOf(const std::vector<Coordinate>& points) {
    GeoBox box{points.front().longitude, points.front().latitude, points.front().longitude,
               points.front().latitude};
    for (const Coordinate& c : points) box.add(c);
    return box;
}

}  // namespace

std::optional<TopoJson> TopoJson::parse(std::string_view text, std::string& error) {
    std::optional<JsonValue> root = fnd::Json::parse(text);
    if (!root) {
        error = "the text is not JSON";
        return std::nullopt;
    }
    if ((*root)["type"].asString() != "Topology") {
        error = "the text is not a topology";
        return std::nullopt;
    }
    if (!(*root)["objects"].isMap() || !(*root)["arcs"].isArray()) {
        error = "the topology has no objects or no arcs";
        return std::nullopt;
    }
    TopoJson topology;
    if (!topology.decodeArcs((*root)["arcs"], (*root)["transform"], error)) return std::nullopt;
    if (JsonValue::Map* map = root->mutableMap()) topology.objects_ = std::move((*map)["objects"]);
    return topology;
}

bool TopoJson::decodeArcs(const JsonValue& arcs, const JsonValue& transform, std::string& error) {
    std::pair<double, double> scale{1, 1}, translate{0, 0};
    bool quantized = !transform.isNull();
    if (quantized) {
        auto s = numberPair(transform["scale"]), t = numberPair(transform["translate"]);
        if (!s || !t || s->first == 0 || s->second == 0) {
            error = "the transform is not two scales and two offsets";
            return false;
        }
        scale = *s;
        translate = *t;
    }
    const JsonValue::Array& list = arcs.asArray();
    arcs_.reserve(list.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
        const JsonValue::Array& positions = list[i].asArray();
        if (positions.size() < 2) {
            error = arcText(std::int64_t(i)) + " has fewer than two positions";
            return false;
        }
        points_ += positions.size();
        if (points_ > kMostPoints) {
            error = "the topology has more positions than a map draws";
            return false;
        }
        std::vector<Coordinate> arc;
        arc.reserve(positions.size());
        double x = 0, y = 0;
        for (const JsonValue& position : positions) {
            const JsonValue::Array& p = position.asArray();
            if (p.size() < 2 || !p[0].isNumber() || !p[1].isNumber()) {
                error = arcText(std::int64_t(i)) + " has a position that is not two numbers";
                return false;
            }
            if (quantized) {
                x += p[0].asReal();
                y += p[1].asReal();
            } else {
                x = p[0].asReal();
                y = p[1].asReal();
            }
            Coordinate c{y * scale.second + translate.second, x * scale.first + translate.first};
            if (!std::isfinite(c.latitude) || !std::isfinite(c.longitude) ||
                std::fabs(c.latitude) > 90 + kSlack || std::fabs(c.longitude) > 180 + kSlack) {
                error = arcText(std::int64_t(i)) + " leaves the globe";
                return false;
            }
            arc.push_back({std::clamp(c.latitude, -90.0, 90.0), std::clamp(c.longitude, -180.0, 180.0)});
        }
        arcs_.push_back(std::move(arc));
    }
    return true;
}

bool TopoJson::hasObject(std::string_view name) const { return objects_.contains(name); }

const JsonValue* TopoJson::object(std::string_view name, std::string& error) const {
    if (!objects_.contains(name)) {
        error = "the topology has no object \"" + std::string(name) + "\"";
        return nullptr;
    }
    return &objects_[name];
}

std::optional<std::vector<GeoPolygon>> TopoJson::polygons(std::string_view name, std::string& error) const {
    const JsonValue* root = object(name, error);
    if (!root) return std::nullopt;
    std::vector<GeoPolygon> out;
    std::size_t budget = kMostPoints;
    // A ring: its arcs joined, each arc after the first without its first position (the one
    // before ended there).
    auto ring = [&](const JsonValue::Array& indices, std::vector<Coordinate>& points) {
        for (const JsonValue& index : indices) {
            if (index.kind() != JsonValue::Kind::Integer) {
                error = "an arc index is not a whole number";
                return false;
            }
            std::int64_t i = index.asInteger();
            std::int64_t arc = i >= 0 ? i : ~i;
            if (arc >= std::int64_t(arcs_.size())) {
                error = arcText(i) + " is not in the topology";
                return false;
            }
            const std::vector<Coordinate>& positions = arcs_[std::size_t(arc)];
            if (positions.size() > budget) {
                error = "the polygons have more positions than a map draws";
                return false;
            }
            budget -= positions.size();
            std::size_t skip = points.empty() ? 0 : 1;
            if (i >= 0)
                points.insert(points.end(), positions.begin() + skip, positions.end());
            else
                points.insert(points.end(), positions.rbegin() + skip, positions.rend());
        }
        return true;
    };
    GeometryWalk walk(error, [&](int, const std::string& type, const JsonValue& arcs) {
        if (type != "Polygon" && type != "MultiPolygon") return true;
        // A polygon is a list of rings, each a list of indices: hand over one polygon at a time.
        return forEachIndexList(arcs, nestingOf(type) - 1, error, [&](const JsonValue::Array& rings) {
            GeoPolygon polygon;
            for (const JsonValue& r : rings) {
                std::vector<Coordinate> points;
                if (!r.isArray()) {
                    error = "a ring is not a list of arcs";
                    return false;
                }
                if (!ring(r.asArray(), points)) return false;
                if (points.size() >= 3) polygon.rings.push_back(std::move(points));
            }
            if (polygon.rings.empty()) return true;
            // Holes lie inside the outline in a sound file; all rings count, so that a hole that
            // does not is still drawn where it lies.
            polygon.box = boxOf(polygon.rings.front());
            for (const auto& r : polygon.rings)
                for (const Coordinate& c : r) polygon.box.add(c);
            out.push_back(std::move(polygon));
            return true;
        });
    });
    if (!walk.visit(*root)) return std::nullopt;
    return out;
}

std::optional<std::vector<GeoLine>> TopoJson::mesh(std::string_view name, bool sharedOnly,
                                                   std::string& error) const {
    const JsonValue* root = object(name, error);
    if (!root) return std::nullopt;
    // For each arc: how often it is used, and by which geometries (the first and the last).
    struct Use {
        int count = 0, first = -1, last = -1;
    };
    std::vector<Use> uses(arcs_.size());
    GeometryWalk walk(error, [&](int id, const std::string& type, const JsonValue& arcs) {
        return forEachIndexList(arcs, nestingOf(type), error, [&](const JsonValue::Array& indices) {
            for (const JsonValue& index : indices) {
                std::int64_t i = index.asInteger(-1);
                std::int64_t arc = i >= 0 ? i : ~i;
                if (index.kind() != JsonValue::Kind::Integer || arc >= std::int64_t(arcs_.size())) {
                    error = "an arc index is not in the topology";
                    return false;
                }
                Use& use = uses[std::size_t(arc)];
                if (use.count++ == 0) use.first = id;
                use.last = id;
            }
            return true;
        });
    });
    if (!walk.visit(*root)) return std::nullopt;
    std::vector<GeoLine> out;
    for (std::size_t i = 0; i < arcs_.size(); ++i) {
        const Use& use = uses[i];
        bool wanted = sharedOnly ? use.count >= 2 && use.first != use.last : use.count == 1;
        if (wanted) out.push_back({arcs_[i], boxOf(arcs_[i])});
    }
    return out;
}

}  // namespace maps
