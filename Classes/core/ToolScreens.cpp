#include "Classes/core/ToolScreens.h"

#include <map>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/InfoVC.h"
#include "Classes/core/MRepository.h"
#include "Classes/core/PendingToolVC.h"
#include "Classes/core/SettingsVC.h"
#include "Classes/errorlog/BooksVC.h"
#include "Classes/flashcards/FlashcardsVC.h"
#include "Classes/forum_news/ForumVC.h"
#include "Classes/forum_news/NewsVC.h"
#include "Classes/game/GameVC.h"
#include "Classes/library_store/StartVC_iPad.h"
#include "Classes/practice/SetsVC.h"
#include "Classes/statistics/EditTestDateVC.h"
#include "Classes/statistics/StatisticsVC.h"
#include "Classes/timer/TimerV2VC.h"
#include "Classes/timer/TimerV2VC_iPad.h"
#include "platform/ui/Make.h"

namespace {

using Factory = ToolScreenClass::Factory;

// A tool shown by name only; `opened` runs at each opening, as the tool's own screen would.
Factory pending(const char* className, const char* toolName, void (*opened)() = nullptr) {
    return [className, toolName, opened]() -> std::shared_ptr<ToolViewController> {
        if (opened) opened();
        return ui::make<PendingToolVC>(std::string(className), std::string(toolName));
    };
}

// A screen class of the program's.
template <class T>
Factory screen() {
    return []() -> std::shared_ptr<ToolViewController> { return ui::make<T>(); };
}

// The feedback tool counts its openings; the home screen's feedback button depends on the count.
void countFeedbackOpening() {
    if (auto rep = AbstractAppDelegate::sharedRep())
        rep->setFeedbackOpenCounter(rep->feedbackOpenCounter() + 1);
}

const std::map<std::string, Factory>& table() {
    static const std::map<std::string, Factory> entries{
        {"StartVC", screen<StartVC>()},
        {"StartVC_iPad", screen<StartVC_iPad>()},
        {"BooksVC", screen<BooksVC>()},
        {"BooksVC_iPad", screen<BooksVC_iPad>()},
        {"TimerV2VC", screen<TimerV2VC>()},
        {"TimerV2VC_iPad", screen<TimerV2VC_iPad>()},
        {"FlashcardsVC", screen<FlashcardsVC>()},
        {"FlashcardsVC_iPad", screen<FlashcardsVC_iPad>()},
        {"SetsVC", screen<SetsVC>()},
        {"SetsVC_iPad", screen<SetsVC_iPad>()},
        {"StatisticsVC", screen<StatisticsVC>()},
        {"EditTestDateVC_iPad", screen<EditTestDateVC_iPad>()},
        {"NewsVC", screen<NewsVC>()},
        {"NewsVC_iPad", screen<NewsVC_iPad>()},
        {"ForumVC", screen<ForumVC>()},
        {"ForumVC_iPad", screen<ForumVC_iPad>()},
        {"CoursesVC", pending("CoursesVC", "Courses")},
        {"CoursesVC_iPad", pending("CoursesVC_iPad", "Courses")},
        {"ShopVC", pending("ShopVC", "Store")},
        {"ShopVC_iPad", pending("ShopVC_iPad", "Store")},
        {"SettingsVC", screen<SettingsVC>()},
        {"SettingsVC_iPad", screen<SettingsVC_iPad>()},
        {"FeedbackVC", pending("FeedbackVC", "Feedback", countFeedbackOpening)},
        {"FeedbackVC_iPad", pending("FeedbackVC_iPad", "Feedback", countFeedbackOpening)},
        {"GameVC", screen<GameVC>()},
        {"GameVC_iPad", screen<GameVC_iPad>()},
        {"InfoVC", screen<InfoVC>()},
        {"InfoVC_iPad", screen<InfoVC_iPad>()},
    };
    return entries;
}

}  // namespace

ToolScreenClass ToolScreens::named(const std::string& className) {
    auto it = table().find(className);
    if (it == table().end()) return {className, {}};
    return {className, it->second};
}

std::shared_ptr<ToolViewController> ToolScreens::forumAt(const std::string& className,
                                                         const std::string& address) {
    if (className == "ForumVC") return ui::make<ForumVC>(address, true);
    if (className == "ForumVC_iPad") return ui::make<ForumVC_iPad>(address, true);
    return nullptr;
}
