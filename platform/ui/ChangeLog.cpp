#include "platform/ui/ChangeLog.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "platform/foundation/Base64.h"
#include "platform/graphics/TileChanges.h"
#include "platform/ui/View.h"

using json = nlohmann::json;

namespace ui {

namespace {

// The live logs, latest last: the latest is the active one.
std::vector<ChangeLog*>& liveLogs() {
    static std::vector<ChangeLog*> logs;
    return logs;
}
std::uint64_t lastGeneration = 0;

json toJson(const Image& image) {
    json j;
    j["name"] = image.name();
    if (image.pngData().empty())
        j["src"] = image.resourcePath();
    else
        j["png"] = fnd::base64Encode(image.pngData());
    j["size"] = {image.size().width, image.size().height};
    j["scale"] = image.scale();
    if (image.isStretchable())
        j["caps"] = {image.topCap(), image.rightCap(), image.bottomCap(), image.leftCap()};
    else
        j["caps"] = nullptr;
    return j;
}

json toJson(const Font& font) {
    return {{"family", font.family()},
            {"file", font.fileName()},
            {"size", font.size()},
            {"weight", font.weight() == Font::Weight::Bold ? "bold" : "normal"},
            {"style", font.slant() == Font::Slant::Italic ? "italic" : "normal"},
            {"ascender", font.ascender()},
            {"lineHeight", font.lineHeight()}};
}

struct ToJson {
    json operator()(std::monostate) const { return nullptr; }
    json operator()(bool v) const { return v; }
    json operator()(std::int64_t v) const { return v; }
    json operator()(double v) const { return v; }
    json operator()(const std::string& v) const { return v; }
    json operator()(const Point& p) const { return {p.x, p.y}; }
    json operator()(const Size& s) const { return {s.width, s.height}; }
    json operator()(const Rect& r) const { return {r.origin.x, r.origin.y, r.size.width, r.size.height}; }
    json operator()(const AffineTransform& t) const { return {t.a, t.b, t.c, t.d, t.tx, t.ty}; }
    json operator()(const Color& c) const { return {c.red, c.green, c.blue, c.alpha}; }
    json operator()(const Font& f) const { return toJson(f); }
    json operator()(const PrimitiveValue::ImageRef& image) const {
        return image ? toJson(*image) : json(nullptr);
    }
};

json toJson(const PrimitiveValue& value) { return std::visit(ToJson{}, value.value()); }

json toJson(const AnimatedValue& value) {
    return std::visit([](const auto& v) { return ToJson{}(v); }, value);
}

// The animation entry of a property: from where, after how long from now, for how long, on which curve.
json animationEntry(const PropertyAnimation& a, double now) {
    return {{"from", toJson(a.from)},
            {"delay", a.animation->startTime() - now},
            {"duration", a.animation->duration()},
            {"curve", curveName(a.animation->curve())}};
}

const PrimitiveValue* findProperty(const PrimitiveProperties& props, std::size_t hint,
                                   const std::string& name) {
    if (hint < props.size() && props[hint].first == name) return &props[hint].second;
    for (const auto& [n, v] : props)
        if (n == name) return &v;
    return nullptr;
}

// A drawing that changes in less than this share of its area is sent as the tiles that changed;
// past it, one PNG of the whole is smaller and quicker to make than many pieces.
constexpr double kMostTiledShare = 0.5;

// The change of a drawn view's drawing as its changed tiles: {"tiles": [{"rect", "png"}, ...]}.
// Null when the whole is the better message (different sizes or scales, pictures that are not
// both drawn here, or most of it changed); an empty array when nothing changed.
json changedTiles(const PrimitiveValue& before, const PrimitiveValue& now) {
    const auto* a = before.get<PrimitiveValue::ImageRef>();
    const auto* b = now.get<PrimitiveValue::ImageRef>();
    if (!a || !b || !*a || !*b || !(*a)->isDrawn() || !(*b)->isDrawn() || (*a)->scale() != (*b)->scale())
        return nullptr;
    std::shared_ptr<const gfx::Bitmap> old = (*a)->bitmap(), fresh = (*b)->bitmap();
    if (!old || !fresh || old->width() != fresh->width() || old->height() != fresh->height()) return nullptr;
    std::vector<gfx::PixelRect> rects = gfx::TileChanges::between(*old, *fresh);
    if (gfx::TileChanges::coverage(rects, *fresh) > kMostTiledShare) return nullptr;
    json tiles = json::array();
    for (const gfx::PixelRect& r : rects)
        tiles.push_back({{"rect", {r.x, r.y, r.width, r.height}},
                         {"png", fnd::base64Encode(fresh->cropped(r).encodePNG())}});
    return tiles;
}

std::vector<std::uint64_t> childIds(const View& view) {
    std::vector<std::uint64_t> ids;
    ids.reserve(view.subviews().size());
    for (const auto& sub : view.subviews()) ids.push_back(sub->elementId());
    return ids;
}

}  // namespace

struct ChangeLog::Patch {
    json create = json::array();
    json children = json::array();
    json remove = json::array();
    json update = json::array();
    std::vector<std::uint64_t> leftChildren;  // children dropped from a list: removed unless they moved
    double now = 0;

    bool empty() const { return create.empty() && children.empty() && remove.empty() && update.empty(); }
};

ChangeLog::ChangeLog(std::shared_ptr<View> root) : root_(std::move(root)), generation_(++lastGeneration) {
    liveLogs().push_back(this);
    std::shared_ptr<fnd::RunLoop> loop = fnd::RunLoop::mainShared();
    loop_ = loop;
    if (loop) observer_ = loop->addTurnObserver([this] { flush(); });
}

ChangeLog::~ChangeLog() {
    if (auto loop = loop_.lock()) loop->removeTurnObserver(observer_);
    std::erase(liveLogs(), this);
}

ChangeLog* ChangeLog::active() { return liveLogs().empty() ? nullptr : liveLogs().back(); }

void ChangeLog::noteChange(View& view) {
    ChangeLog* log = active();
    if (!log || view.loggedGeneration_ == log->generation_) return;
    std::shared_ptr<View> self = view.sharedAs<View>();
    if (!self) return;  // not owned yet, so in no tree
    view.loggedGeneration_ = log->generation_;
    log->dirty_.push_back(self);
}

void ChangeLog::setRoot(std::shared_ptr<View> root) {
    root_ = std::move(root);
    rootChanged_ = true;
}

int ChangeLog::addListener(Listener listener) {
    int id = nextListener_++;
    listeners_.emplace_back(id, std::move(listener));
    return id;
}

void ChangeLog::removeListener(int id) {
    std::erase_if(listeners_, [id](const auto& l) { return l.first == id; });
}

void ChangeLog::deliver(const std::string& message) {
    auto listeners = listeners_;  // a listener may remove itself
    for (auto& [id, listener] : listeners) listener(message);
}

bool ChangeLog::inTree(const View& view) const {
    for (const View* v = &view; v; v = v->superview_)
        if (v == root_.get()) return true;
    return false;
}

void ChangeLog::settle(View& view) {
    view.forced_ = 0;
    view.resent_.clear();
    view.subviewsChanged_ = false;
}

void ChangeLog::create(View& view, Patch& patch) {
    json element;
    element["id"] = view.id_;
    element["kind"] = primitiveKindName(view.primitiveKind());
    Sent& sent = sent_[view.id_];
    sent.view = view.sharedAs<View>();
    sent.kind = view.primitiveKind();
    sent.properties.clear();
    view.describe(sent.properties);
    json props = json::object();
    for (const auto& [name, value] : sent.properties) props[name] = toJson(value);
    element["props"] = std::move(props);
    json animate = json::object();
    for (auto& slot : view.animations_) {
        if (!slot || !slot->animation->isCommitted() || slot->isFinishedAt(patch.now)) continue;
        animate[animatedPropertyName(slot->property)] = animationEntry(*slot, patch.now);
        slot->sent = true;
    }
    if (!animate.empty()) element["animate"] = std::move(animate);
    sent.children = childIds(view);
    element["children"] = sent.children;
    settle(view);
    patch.create.push_back(std::move(element));
    for (const auto& sub : view.subviews_)
        if (!sent_.contains(sub->id_)) create(*sub, patch);
}

void ChangeLog::update(View& view, Sent& sent, Patch& patch) {
    PrimitiveProperties now;
    view.describe(now);
    json props = json::object();
    json animate = json::object();
    std::vector<std::string> animatedNow;
    for (auto& slot : view.animations_) {
        if (!slot || slot->sent || !slot->animation->isCommitted()) continue;
        slot->sent = true;
        if (slot->isFinishedAt(patch.now)) continue;
        animate[animatedPropertyName(slot->property)] = animationEntry(*slot, patch.now);
    }
    for (std::size_t i = 0; i < now.size(); ++i) {
        const auto& [name, value] = now[i];
        const PrimitiveValue* before = findProperty(sent.properties, i, name);
        bool forced = false;
        for (int p = 0; p < kAnimatedPropertyCount; ++p)
            if ((view.forced_ & (1u << p)) && name == animatedPropertyName(static_cast<AnimatedProperty>(p)))
                forced = true;
        for (const char* resent : view.resent_)
            if (name == resent) forced = true;
        if (before && sent.kind == PrimitiveKind::Bitmap && name == "image") {
            if (json tiles = changedTiles(*before, value); !tiles.is_null()) {
                if (!tiles.empty()) props["tiles"] = std::move(tiles);
                continue;
            }
        }
        if (!before || !(*before == value) || forced || animate.contains(name)) props[name] = toJson(value);
    }
    sent.properties = std::move(now);
    if (view.subviewsChanged_) {
        std::vector<std::uint64_t> ids = childIds(view);
        if (ids != sent.children) {
            patch.children.push_back({{"id", view.id_}, {"children", ids}});
            for (std::uint64_t old : sent.children)
                if (std::find(ids.begin(), ids.end(), old) == ids.end()) patch.leftChildren.push_back(old);
            sent.children = std::move(ids);
            for (const auto& sub : view.subviews_)
                if (!sent_.contains(sub->id_)) create(*sub, patch);
        }
    }
    settle(view);
    if (props.empty() && animate.empty()) return;
    json entry = {{"id", view.id_}, {"props", std::move(props)}};
    if (!animate.empty()) entry["animate"] = std::move(animate);
    patch.update.push_back(std::move(entry));
}

void ChangeLog::remove(std::uint64_t id, Patch& patch) {
    auto it = sent_.find(id);
    if (it == sent_.end()) return;
    std::shared_ptr<View> view = it->second.view.lock();
    if (view && inTree(*view)) return;  // it moved within the tree
    std::vector<std::uint64_t> children = std::move(it->second.children);
    sent_.erase(it);
    patch.remove.push_back(id);
    for (std::uint64_t child : children) remove(child, patch);
}

std::string ChangeLog::treeMessage() {
    sent_.clear();
    rootChanged_ = false;
    Patch patch;
    patch.now = fnd::RunLoop::main().now();
    if (root_) create(*root_, patch);
    json message = {{"type", "tree"},
                    {"seq", ++seq_},
                    {"root", root_ ? json(root_->id_) : json(nullptr)},
                    {"elements", std::move(patch.create)}};
    return message.dump();
}

bool ChangeLog::flush() {
    generation_ = ++lastGeneration;  // views note their next change afresh
    std::vector<std::weak_ptr<View>> dirty = std::move(dirty_);
    dirty_.clear();
    if (rootChanged_) {
        deliver(treeMessage());
        return true;
    }
    if (!root_) return false;
    Patch patch;
    patch.now = fnd::RunLoop::main().now();
    for (auto& weak : dirty) {
        std::shared_ptr<View> view = weak.lock();
        if (!view || !inTree(*view)) continue;
        auto it = sent_.find(view->id_);
        if (it == sent_.end()) continue;  // new: its superview's update creates it
        update(*view, it->second, patch);
    }
    for (std::uint64_t id : patch.leftChildren) remove(id, patch);
    if (patch.empty()) return false;
    json message = {{"type", "patch"},
                    {"seq", ++seq_},
                    {"create", std::move(patch.create)},
                    {"children", std::move(patch.children)},
                    {"remove", std::move(patch.remove)},
                    {"update", std::move(patch.update)}};
    deliver(message.dump());
    return true;
}

std::string ChangeLog::snapshot() {
    flush();
    return treeMessage();
}

}  // namespace ui
