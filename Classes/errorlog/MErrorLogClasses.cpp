#include "Classes/errorlog/MErrorLogClasses.h"

#include <mutex>

#include "Classes/errorlog/MHRecord.h"
#include "Classes/errorlog/MOGTrackerRepository.h"
#include "Classes/errorlog/SyncInfo.h"
#include "platform/foundation/ClassRegistry.h"

void MErrorLogClasses::registerAll() {
    static std::once_flag once;
    std::call_once(once, [] {
        auto& registry = fnd::ClassRegistry::shared();
        registry.registerClass<MHRecord>(MHRecord::kClassName);
        registry.registerClass<SyncInfo>(SyncInfo::kClassName);
        registry.registerClass<MOGTrackerRepository>(MOGTrackerRepository::kClassName,
                                                     {"MSubRepository", "NSObject"});
    });
}
