#pragma once
// An interface file: a JSON file "NAME.json" in the bundle's "nibs" folder that names its owner's
// class and describes views (class, frame, tag, autoresizing, properties, subviews), the owner's
// outlets bound to them by name, and the control events that call the owner's actions. The format
// is described in INTERFACE_FILE_SCHEMA.md beside this file.
//
// A file is read once and kept; every loading makes new views from it. Loading never throws: a
// problem (an unknown class, outlet or action, a value of the wrong type) is logged and that part
// is left out.

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/ui/Control.h"
#include "platform/ui/NibProperties.h"
#include "platform/ui/Rect.h"

namespace ui {

class ConnectionTable;
class Responder;
class View;

class Nib {
  public:
    using Problems = std::vector<std::string>;

    struct Object {
        std::string className;
        std::string id;        // empty when nothing refers to the object
        std::string location;  // "objects[0].subviews[2]", for problems
        Rect frame;
        int tag = 0;
        unsigned autoresizing = 0;
        NibProperties properties;
        std::vector<std::pair<ControlEvent, std::string>> actions;
        std::vector<Object> subviews;
    };
    struct Outlet {
        std::string name;
        std::string objectId;
    };
    // What a loading made.
    struct Contents {
        std::vector<std::shared_ptr<View>> topLevelObjects;
        std::map<std::string, std::shared_ptr<View>, std::less<>> objectsById;
    };

    // The folder of the bundle's interface files, and the path of one by name.
    static std::filesystem::path folder();
    static std::filesystem::path pathFor(const std::string& name);

    // Reads an interface file. Problems of its structure are added; null when it cannot be used
    // at all (no JSON object, no owner class).
    static std::shared_ptr<const Nib> parse(std::string_view text, std::string name, Problems& problems);
    static std::shared_ptr<const Nib> read(const std::filesystem::path& path, Problems& problems);
    // The named file of the bundle, read once; null (logged) when it is missing or unusable.
    static std::shared_ptr<const Nib> named(const std::string& name);

    // Loads the named file for an owner: its views are made and connected to the owner's outlets
    // and actions. Answers the top-level objects in file order (empty when the file is missing).
    static std::vector<std::shared_ptr<View>> load(const std::string& name, Responder& owner);
    // The same, answering every object made, by its id as well.
    static Contents loadContents(const std::string& name, Responder& owner);

    // The frame of every object that has an id, each in its superview's coordinates: the layout of
    // a file whose views are another file's with the same ids, placed otherwise.
    std::map<std::string, Rect, std::less<>> framesById() const;

    const std::string& name() const { return name_; }
    const std::string& ownerClass() const { return ownerClass_; }
    const std::vector<Object>& objects() const { return objects_; }
    const std::vector<Outlet>& outlets() const { return outlets_; }

    // Makes the views and, with an owner, connects them to its outlets and actions.
    Contents instantiate(Responder* owner, Problems& problems) const;
    // Makes the views and checks every outlet and action against an owner class's table.
    Contents check(const ConnectionTable& ownerTable, Problems& problems) const;

  private:
    Nib() = default;
    Contents build(const ConnectionTable* table, Responder* owner, Problems& problems) const;

    std::string name_;
    std::string ownerClass_;
    std::vector<Object> objects_;
    std::vector<Outlet> outlets_;
};

}  // namespace ui
