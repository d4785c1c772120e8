#include "Classes/core/MTipHistory.h"

#include <algorithm>

#include "platform/foundation/ClassRegistry.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"

void MTipHistory::registerClass() { fnd::ClassRegistry::shared().registerClass<MTipHistory>("MTipHistory"); }

void MTipHistory::initWithCoder(fnd::KeyedUnarchiver& coder) {
    // A count is never negative; a damaged one counts from zero again.
    auto count = [&coder](const char* key) { return std::max(0, static_cast<int>(coder.decodeInt32(key))); };
    impressionsCount = count("impressionsCount");
    activationCount = count("activationCount");
    deactivationCount = count("deactivationCount");
}

void MTipHistory::encodeWithCoder(fnd::KeyedArchiver& coder) const {
    coder.encodeInt32("impressionsCount", impressionsCount);
    coder.encodeInt32("deactivationCount", deactivationCount);
    coder.encodeInt32("activationCount", activationCount);
}
