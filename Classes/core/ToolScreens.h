#pragma once
// The tool screen classes the home screen's buttons open, by class name ("SetsVC",
// "SetsVC_iPad"): the one place where a tool's screen class is tied to its name. A name that is not
// in the table gives a class without a factory, whose button stays inert.

#include <memory>
#include <string>

#include "Classes/core/ToolScreenClass.h"

class ToolScreens {
  public:
    // The class of that name; an empty class (it makes nothing) for a name the table lacks.
    static ToolScreenClass named(const std::string& className);
    // A fresh forum tool of that class ("ForumVC", "ForumVC_iPad") on the address, shown as the
    // home screen's tool; null for another name.
    static std::shared_ptr<ToolViewController> forumAt(const std::string& className,
                                                       const std::string& address);
};
