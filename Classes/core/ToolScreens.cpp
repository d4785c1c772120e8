#include "Classes/core/ToolScreens.h"

#include <map>

#include "Classes/core/InfoVC.h"
#include "Classes/core/SettingsVC.h"
#include "Classes/errorlog/BooksVC.h"
#include "Classes/flashcards/FlashcardsVC.h"
#include "Classes/forum_news/ForumVC.h"
#include "Classes/forum_news/NewsVC.h"
#include "Classes/game/GameVC.h"
#include "Classes/library_store/ShopVC_iPad.h"
#include "Classes/library_store/StartVC_iPad.h"
#include "Classes/practice/SetsVC.h"
#include "Classes/statistics/EditTestDateVC.h"
#include "Classes/statistics/StatisticsVC.h"
#include "Classes/study_aids/CoursesVC_iPad.h"
#include "Classes/study_aids/FeedbackVC.h"
#include "Classes/timer/TimerV2VC.h"
#include "Classes/timer/TimerV2VC_iPad.h"
#include "platform/ui/Make.h"

namespace {

using Factory = ToolScreenClass::Factory;

// A screen class of the program's.
template <class T>
Factory screen() {
    return []() -> std::shared_ptr<ToolViewController> { return ui::make<T>(); };
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
        {"CoursesVC", screen<CoursesVC>()},
        {"CoursesVC_iPad", screen<CoursesVC_iPad>()},
        {"ShopVC", screen<ShopVC>()},
        {"ShopVC_iPad", screen<ShopVC_iPad>()},
        {"SettingsVC", screen<SettingsVC>()},
        {"SettingsVC_iPad", screen<SettingsVC_iPad>()},
        {"FeedbackVC", screen<FeedbackVC>()},
        {"FeedbackVC_iPad", screen<FeedbackVC_iPad>()},
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
