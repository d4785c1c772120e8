#include "tests/support/ViewTestSupport.h"

#include <cxxabi.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <typeinfo>

#include "platform/ui/ScrollWheelTarget.h"

namespace testing_support {

namespace {

OutletResolver& outletResolver() {
    static OutletResolver resolver;
    return resolver;
}

const std::string* stringProperty(const ui::PrimitiveProperties& props, const char* name) {
    for (const auto& [n, v] : props)
        if (n == name) return v.get<std::string>();
    return nullptr;
}

std::string number(double v) {
    if (std::abs(v) < 5e-5) v = 0;
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", v);
    std::string s = text;
    s.erase(s.find_last_not_of('0') + 1);
    if (s.back() == '.') s.pop_back();
    return s;
}

std::string className(const ui::View& view) {
    int status = 0;
    char* name = abi::__cxa_demangle(typeid(view).name(), nullptr, nullptr, &status);
    std::string out = status == 0 && name ? name : typeid(view).name();
    std::free(name);
    auto colons = out.rfind("::");
    return colons == std::string::npos ? out : out.substr(colons + 2);
}

void dump(const ui::View& view, int depth, std::string& out) {
    out.append(std::size_t(depth) * 2, ' ');
    out += className(view);
    if (view.tag() != 0) out += " #" + std::to_string(view.tag());
    ui::Rect f = view.frame();
    out += " (" + number(f.origin.x) + ", " + number(f.origin.y) + ", " + number(f.size.width) + ", " +
           number(f.size.height) + ")";
    if (view.alpha() != 1) out += " alpha=" + number(view.alpha());
    if (view.isHidden()) out += " hidden";
    const ui::AffineTransform& t = view.transform();
    if (!t.isIdentity())
        out += " transform=[" + number(t.a) + " " + number(t.b) + " " + number(t.c) + " " + number(t.d) +
               " " + number(t.tx) + " " + number(t.ty) + "]";
    ui::PrimitiveProperties props;
    view.describe(props);
    if (const std::string* text = stringProperty(props, "text")) out += " \"" + *text + "\"";
    out += "\n";
    for (const auto& sub : view.subviews()) dump(*sub, depth + 1, out);
}

}  // namespace

std::shared_ptr<ui::View> findByTag(const std::shared_ptr<ui::View>& root, int tag) {
    return root ? root->viewWithTag(tag) : nullptr;
}

std::shared_ptr<ui::View> findByText(const std::shared_ptr<ui::View>& root, const std::string& text) {
    if (!root) return nullptr;
    ui::PrimitiveProperties props;
    root->describe(props);
    for (const char* name : {"text", "value"}) {
        const std::string* s = stringProperty(props, name);
        if (s && *s == text) return root;
    }
    for (const auto& sub : root->subviews())
        if (auto found = findByText(sub, text)) return found;
    return nullptr;
}

void setOutletResolver(OutletResolver resolver) { outletResolver() = std::move(resolver); }

std::shared_ptr<ui::View> findByOutlet(const fnd::Object& owner, const std::string& name) {
    if (outletResolver()) return outletResolver()(owner, name);
    const auto* responder = dynamic_cast<const ui::Responder*>(&owner);
    const ui::ConnectionTable::Outlet* outlet =
        responder ? responder->connections().outletNamed(name) : nullptr;
    if (!outlet) {
        ADD_FAILURE() << "the owner has no outlet " << name;
        return nullptr;
    }
    return outlet->get(*responder);
}

std::shared_ptr<ui::View> rootOf(const ui::View& view) {
    return const_cast<ui::View*>(view.topmost())->sharedAs<ui::View>();
}

ui::Point centreInRoot(const ui::View& view) { return view.convertTo(view.bounds().mid(), nullptr); }

std::shared_ptr<ui::View> Finger::down(ui::Point location) {
    at_ = location;
    return router_.began(id_, location);
}

void Finger::moveTo(ui::Point location) {
    at_ = location;
    router_.moved(id_, location);
}

void Finger::moveBy(ui::Point delta, int steps) {
    ui::Point start = at_;
    steps = std::max(1, steps);
    for (int i = 1; i <= steps; ++i) moveTo(start + delta * (double(i) / steps));
}

void Finger::wheel(ui::Point location, ui::Point delta) {
    ui::ScrollWheelTarget::deliver(root_, location, delta.x, delta.y);
}

void Finger::up() { router_.ended(id_, at_); }

void Finger::cancel() { router_.cancelled(id_); }

std::shared_ptr<ui::View> tap(const ui::View& view) {
    Finger finger(rootOf(view));
    auto hit = finger.down(centreInRoot(view));
    finger.up();
    return hit;
}

std::shared_ptr<ui::View> drag(const ui::View& view, ui::Point delta, int steps) {
    Finger finger(rootOf(view));
    auto hit = finger.down(centreInRoot(view));
    finger.moveBy(delta, steps);
    finger.up();
    return hit;
}

std::string dumpTree(const ui::View& view) {
    std::string out;
    dump(view, 0, out);
    return out;
}

}  // namespace testing_support
