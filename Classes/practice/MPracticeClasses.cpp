#include "Classes/practice/MPracticeClasses.h"

#include <mutex>

#include "Classes/practice/MKeyWordsSet.h"
#include "Classes/practice/MPracticeRepository.h"
#include "Classes/practice/MQFilter.h"
#include "Classes/practice/MQFilterItem.h"
#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetBlock.h"
#include "Classes/practice/MQSetHRecord.h"
#include "Classes/practice/MQSetSimpleAnswer.h"
#include "Classes/practice/MQSetSimpleQuestion.h"
#include "Classes/practice/MSession.h"
#include "Classes/practice/MSessions.h"
#include "platform/foundation/ClassRegistry.h"

void MPracticeClasses::registerAll() {
    static std::once_flag once;
    std::call_once(once, [] {
        auto& registry = fnd::ClassRegistry::shared();
        registry.registerClass<MQSet>("MQSet");
        registry.registerClass<MQSetBlock>("MQSetBlock");
        registry.registerPooledClass<MQSetHRecord>("MQSetHRecord");
        registry.registerClass<MQSetSimpleAnswer>("MQSetSimpleAnswer", {"MQSetAnswer", "NSObject"});
        registry.registerClass<MQSetSimpleQuestion>("MQSetSimpleQuestion", {"MQSetQuestion", "NSObject"});
        registry.registerClass<MQFilter>("MQFilter");
        registry.registerClass<MQFilterItem>("MQFilterItem");
        registry.registerClass<MKeyWordsSet>("MKeyWordsSet");
        registry.registerClass<MSession>("MSession");
        registry.registerClass<MSessions>("MSessions");
        registry.registerClass<MPracticeRepository>("MPracticeRepository", {"MSubRepository", "NSObject"});
    });
}
