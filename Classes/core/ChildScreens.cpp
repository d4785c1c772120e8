#include "Classes/core/ChildScreens.h"

#include <map>

#include "Classes/core/PendingToolVC.h"
#include "platform/ui/Make.h"

namespace {

struct Entry {
    const char* title;
    const char* doneNotification;
};

const std::map<std::string, Entry>& table() {
    static const std::map<std::string, Entry> entries{
        {"CalculatorVC", {"Calculator", "Done"}},
        {"ScratchpadVC", {"Scratchpad", "Done"}},
    };
    return entries;
}

}  // namespace

std::shared_ptr<CommonViewController> ChildScreens::make(const std::string& className) {
    auto it = table().find(className);
    if (it == table().end()) return nullptr;
    return ui::make<PendingToolVC>(className, std::string(it->second.title),
                                   std::string(it->second.doneNotification));
}

std::string ChildScreens::doneNotification(const std::string& className) {
    auto it = table().find(className);
    return it == table().end() ? std::string() : it->second.doneNotification;
}
