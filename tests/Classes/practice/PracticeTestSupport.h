#pragma once
// Small helpers of the practice tests: an archive round trip and questions made to order.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Classes/practice/MPracticeClasses.h"
#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetHRecord.h"
#include "Classes/practice/MQSetSimpleAnswer.h"
#include "Classes/practice/MQSetSimpleQuestion.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "tests/support/TestEnvironment.h"

namespace practice_test {

// Archives the value under a root key and reads it back.
template <class T>
std::shared_ptr<T> roundTrip(const std::shared_ptr<T>& value) {
    MPracticeClasses::registerAll();
    std::string error;
    auto bytes = fnd::KeyedArchiver::archive("root", value, &error);
    EXPECT_TRUE(bytes) << error;
    if (!bytes) return nullptr;
    return fnd::KeyedUnarchiver::unarchive(*bytes, "root", &error).template object<T>();
}

inline std::shared_ptr<MQSetSimpleQuestion> addQuestion(const std::shared_ptr<MQSet>& set, int number,
                                                        int type, int right,
                                                        std::vector<std::string> tags = {}) {
    auto q = MQSetSimpleQuestion::make(set, number, type, right, std::move(tags),
                                       "<p>Question " + std::to_string(number) + "</p>",
                                       {"a", "b", "c", "d", "e"}, "<p>Because.</p>", std::nullopt);
    set->questions().push_back(q);
    return q;
}

inline std::shared_ptr<MQSetHRecord> answer(const std::shared_ptr<MQSetQuestion>& q, int choice,
                                            double seconds, double when = 1000) {
    auto record =
        std::make_shared<MQSetHRecord>(fnd::Date(when), seconds, std::make_shared<MQSetSimpleAnswer>(choice));
    q->addHistoryRecord(record);
    return record;
}

}  // namespace practice_test
