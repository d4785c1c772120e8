#include "platform/ui/Nib.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <functional>
#include <mutex>
#include <set>
#include <sstream>

#include "platform/foundation/Log.h"
#include "platform/foundation/Paths.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Responder.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewClassRegistry.h"

namespace fs = std::filesystem;

namespace ui {

namespace {

constexpr int kMaxDepth = 64;

constexpr std::array<std::pair<const char*, Autoresizing>, 6> kAutoresizing{{
    {"flexibleLeftMargin", FlexibleLeftMargin},
    {"flexibleWidth", FlexibleWidth},
    {"flexibleRightMargin", FlexibleRightMargin},
    {"flexibleTopMargin", FlexibleTopMargin},
    {"flexibleHeight", FlexibleHeight},
    {"flexibleBottomMargin", FlexibleBottomMargin},
}};

struct Parser {
    std::set<std::string> ids;

    std::optional<Nib::Object> object(NibProperties& description, int depth) {
        Nib::Object o;
        o.location = description.location();
        auto className = description.string("class");
        if (!className || className->empty()) {
            description.problem("", "an object needs a \"class\"");
            return std::nullopt;
        }
        o.className = *className;
        if (auto id = description.string("id")) {
            if (id->empty() || !ids.insert(*id).second)
                description.problem("id", "ids must be non-empty and unique: \"" + *id + "\"");
            else
                o.id = *id;
        }
        o.frame = description.rect("frame").value_or(Rect{});
        o.tag = description.integer("tag").value_or(0);
        if (auto names = description.strings("autoresizing")) {
            for (const std::string& name : *names) {
                auto it = std::find_if(kAutoresizing.begin(), kAutoresizing.end(),
                                       [&](const auto& entry) { return name == entry.first; });
                if (it == kAutoresizing.end())
                    description.problem("autoresizing", "unknown resizing \"" + name + "\"");
                else
                    o.autoresizing |= it->second;
            }
        }
        if (auto properties = description.object("properties")) o.properties = *properties;
        if (auto actions = description.object("actions")) {
            for (const std::string& eventName : actions->keys()) {
                auto action = actions->string(eventName);
                auto event = Control::eventNamed(eventName);
                if (!event)
                    actions->problem(eventName, "unknown control event");
                else if (action && !action->empty())
                    o.actions.emplace_back(*event, *action);
            }
        }
        if (auto subviews = description.objects("subviews")) {
            if (depth >= kMaxDepth) {
                description.problem("subviews", "views nested too deeply");
            } else {
                for (NibProperties& sub : *subviews)
                    if (auto child = object(sub, depth + 1)) o.subviews.push_back(std::move(*child));
            }
        }
        for (const std::string& key : description.unreadKeys())
            description.problem(key, "unknown key of an object");
        o.properties.setProblemSink({});  // the parse's sink does not outlive the parse
        return o;
    }
};

struct Cache {
    std::mutex mutex;
    std::map<std::string, std::shared_ptr<const Nib>> byPath;
};

Cache& cache() {
    static Cache c;
    return c;
}

}  // namespace

fs::path Nib::folder() { return fnd::Paths::resources() / "nibs"; }

fs::path Nib::pathFor(const std::string& name) { return folder() / (name + ".json"); }

std::shared_ptr<const Nib> Nib::parse(std::string_view text, std::string name, Problems& problems) {
    auto sink = [&problems, name](const std::string& problem) { problems.push_back(name + ": " + problem); };
    auto root = NibProperties::parse(text, sink);
    if (!root) return nullptr;
    std::shared_ptr<Nib> nib(new Nib());
    nib->name_ = std::move(name);
    auto owner = root->string("owner");
    if (!owner || owner->empty()) {
        root->problem("owner", "the file needs the owner's class as \"owner\"");
        return nullptr;
    }
    nib->ownerClass_ = *owner;
    Parser parser;
    if (auto objects = root->objects("objects")) {
        for (NibProperties& description : *objects)
            if (auto o = parser.object(description, 0)) nib->objects_.push_back(std::move(*o));
    } else {
        root->problem("objects", "the file needs an array \"objects\"");
    }
    if (auto outlets = root->object("outlets")) {
        for (const std::string& outlet : outlets->keys()) {
            auto id = outlets->string(outlet);
            if (!id) continue;
            if (!parser.ids.contains(*id))
                outlets->problem(outlet, "no object has the id \"" + *id + "\"");
            else
                nib->outlets_.push_back({outlet, *id});
        }
    }
    for (const std::string& key : root->unreadKeys()) root->problem(key, "unknown key of the file");
    return nib;
}

std::shared_ptr<const Nib> Nib::read(const fs::path& path, Problems& problems) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        problems.push_back(path.filename().string() + ": cannot be read");
        return nullptr;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return parse(text.str(), path.stem().string(), problems);
}

std::shared_ptr<const Nib> Nib::named(const std::string& name) {
    if (name.empty() || name.find('/') != std::string::npos || name.starts_with(".")) {
        fnd::Log::error("interface file: not a file name: \"", name, "\"");
        return nullptr;
    }
    fs::path path = pathFor(name);
    Cache& c = cache();
    {
        std::lock_guard lock(c.mutex);
        auto it = c.byPath.find(path.string());
        if (it != c.byPath.end()) return it->second;
    }
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        fnd::Log::error("interface file ", name, " not found in ", folder().string());
        return nullptr;
    }
    Problems problems;
    std::shared_ptr<const Nib> nib = read(path, problems);
    for (const std::string& problem : problems) fnd::Log::warning("interface file ", problem);
    if (!nib) return nullptr;
    std::lock_guard lock(c.mutex);
    return c.byPath.emplace(path.string(), nib).first->second;
}

std::vector<std::shared_ptr<View>> Nib::load(const std::string& name, Responder& owner) {
    return std::move(loadContents(name, owner).topLevelObjects);
}

Nib::Contents Nib::loadContents(const std::string& name, Responder& owner) {
    std::shared_ptr<const Nib> nib = named(name);
    if (!nib) return {};
    Problems problems;
    Contents contents = nib->instantiate(&owner, problems);
    for (const std::string& problem : problems) fnd::Log::warning("interface file ", problem);
    return contents;
}

std::map<std::string, Rect, std::less<>> Nib::framesById() const {
    std::map<std::string, Rect, std::less<>> frames;
    std::vector<const Object*> pending;
    for (const Object& object : objects_) pending.push_back(&object);
    while (!pending.empty()) {
        const Object* object = pending.back();
        pending.pop_back();
        if (!object->id.empty()) frames.emplace(object->id, object->frame);
        for (const Object& sub : object->subviews) pending.push_back(&sub);
    }
    return frames;
}

Nib::Contents Nib::instantiate(Responder* owner, Problems& problems) const {
    return build(owner ? &owner->connections() : nullptr, owner, problems);
}

Nib::Contents Nib::check(const ConnectionTable& ownerTable, Problems& problems) const {
    return build(&ownerTable, nullptr, problems);
}

Nib::Contents Nib::build(const ConnectionTable* table, Responder* owner, Problems& problems) const {
    auto report = [&](const std::string& where, const std::string& text) {
        problems.push_back(name_ + ": " + (where.empty() ? text : where + ": " + text));
    };
    auto sink = [&](const std::string& problem) { problems.push_back(name_ + ": " + problem); };
    const ViewClassRegistry& classes = ViewClassRegistry::shared();
    Contents contents;
    struct PendingAction {
        std::shared_ptr<Control> control;
        ControlEvent event;
        std::string action;
        std::string location;
    };
    std::vector<PendingAction> actions;

    std::function<std::shared_ptr<View>(const Object&)> make = [&](const Object& o) -> std::shared_ptr<View> {
        std::shared_ptr<View> view = classes.make(o.className, o.frame);
        if (!view) {
            report(o.location, "unknown view class \"" + o.className + "\"");
            return nullptr;
        }
        view->setTag(o.tag);
        view->setAutoresizingMask(o.autoresizing);
        NibProperties properties = o.properties;
        properties.setProblemSink(sink);
        classes.applyProperties(o.className, *view, properties);
        for (const std::string& key : properties.unreadKeys())
            report(o.location + ".properties." + key, "not a property of \"" + o.className + "\"");
        if (!o.actions.empty()) {
            auto control = std::dynamic_pointer_cast<Control>(view);
            if (!control) report(o.location, "actions on a view that is not a control");
            for (const auto& [event, action] : o.actions)
                if (control) actions.push_back({control, event, action, o.location});
        }
        if (!o.id.empty()) contents.objectsById[o.id] = view;
        for (const Object& sub : o.subviews)
            if (auto subview = make(sub)) view->nibContentView().addSubview(subview);
        return view;
    };
    for (const Object& o : objects_)
        if (auto view = make(o)) contents.topLevelObjects.push_back(view);

    if (!table) return contents;
    if (owner && !table->isKindOf(ownerClass_))
        report("", "loaded by a " + table->className() + ", but the file is for a " + ownerClass_);
    for (const Outlet& outlet : outlets_) {
        const ConnectionTable::Outlet* entry = table->outletNamed(outlet.name);
        if (!entry) {
            report("outlets." + outlet.name, table->className() + " has no such outlet");
            continue;
        }
        auto it = contents.objectsById.find(outlet.objectId);
        if (it == contents.objectsById.end()) continue;  // its object was not made, already reported
        bool fits = owner ? entry->set(*owner, it->second) : entry->accepts(*it->second);
        if (!fits)
            report("outlets." + outlet.name,
                   "the outlet does not take the object \"" + outlet.objectId + "\"");
    }
    std::shared_ptr<Responder> target = owner ? owner->sharedAs<Responder>() : nullptr;
    if (owner && !target && !actions.empty())
        report("", "the owner is not shared, so no action is connected");
    for (const PendingAction& a : actions) {
        if (!table->actionNamed(a.action)) {
            report(a.location + ".actions." + Control::eventName(a.event),
                   table->className() + " has no action \"" + a.action + "\"");
            continue;
        }
        if (target) a.control->addTarget(target, a.action, a.event);
    }
    return contents;
}

}  // namespace ui
