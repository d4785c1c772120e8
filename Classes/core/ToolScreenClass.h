#pragma once
// A tool screen class as the home screen's buttons carry it: its name and how a fresh screen of it
// is made (the made screen shows itself). An empty class makes nothing.

#include <functional>
#include <memory>
#include <string>

class ToolViewController;

struct ToolScreenClass {
    using Factory = std::function<std::shared_ptr<ToolViewController>()>;

    std::string name;
    Factory make;

    explicit operator bool() const { return static_cast<bool>(make); }
};
