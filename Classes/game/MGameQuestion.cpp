#include "Classes/game/MGameQuestion.h"

#include <algorithm>
#include <mutex>

#include "platform/foundation/ClassRegistry.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"

namespace {

std::shared_ptr<fnd::ArchiveArray> stringArray(const MGameQuestion::Strings& strings) {
    auto array = fnd::ArchiveValue::makeArray();
    for (const auto& s : strings) array->emplace_back(s);
    return array;
}

// A list element that is not a string reads as an empty text, so the option positions (and so the
// right answer's index) stay where they were.
MGameQuestion::Strings decodeStrings(fnd::KeyedUnarchiver& coder, const char* key) {
    MGameQuestion::Strings strings;
    if (auto array = coder.decodeArray(key)) {
        strings.reserve(array->size());
        for (const auto& item : *array) strings.push_back(item.string() ? *item.string() : std::string());
    }
    return strings;
}

}  // namespace

MGameQuestion::MGameQuestion() { registerArchiveClass(); }

MGameQuestion::MGameQuestion(Strings tags, std::string body, Strings answerOptions, int rightAnswer,
                             double readTime, double totalTime)
    : tags_(std::move(tags)),
      body_(std::move(body)),
      answerOptions_(std::move(answerOptions)),
      rightAnswer_(rightAnswer),
      userAnswer_(-1),
      readTime_(readTime),
      totalTime_(totalTime) {
    registerArchiveClass();
}

void MGameQuestion::registerArchiveClass() {
    static std::once_flag once;
    std::call_once(once, [] { fnd::ClassRegistry::shared().registerClass<MGameQuestion>("MGameQuestion"); });
}

void MGameQuestion::encodeWithCoder(fnd::KeyedArchiver& coder) const {
    coder.encodeObject("tags", stringArray(tags_));
    coder.encodeString("body", body_);
    coder.encodeObject("answerOptions", stringArray(answerOptions_));
    coder.encodeInt32("rightAnswer", rightAnswer_);
    coder.encodeInt32("userAnswer", userAnswer_);
    coder.encodeDouble("readTime", readTime_);
    coder.encodeDouble("totalTime", totalTime_);
    coder.encodeDouble("userTime", userTime_);
}

void MGameQuestion::initWithCoder(fnd::KeyedUnarchiver& coder) {
    tags_ = decodeStrings(coder, "tags");
    body_ = coder.decodeString("body").value_or("");
    answerOptions_ = decodeStrings(coder, "answerOptions");
    rightAnswer_ = coder.decodeInt32("rightAnswer");
    userAnswer_ = coder.decodeInt32("userAnswer");
    readTime_ = coder.decodeDouble("readTime");
    totalTime_ = coder.decodeDouble("totalTime");
    userTime_ = coder.decodeDouble("userTime");
}

void MGameQuestion::insertIntoReviewList(List& list, std::shared_ptr<MGameQuestion> question) {
    list.insert(list.begin(), std::move(question));
    if (list.size() > kReviewListLimit) list.resize(kReviewListLimit);
}

void MGameQuestion::encodeReviewQuestions(fnd::KeyedArchiver& coder, const List& list) {
    registerArchiveClass();
    auto array = fnd::ArchiveValue::makeArray();
    std::size_t count = std::min(list.size(), kReviewListLimit);
    for (std::size_t i = 0; i < count; ++i) array->emplace_back(list[i]);
    coder.encodeObject(kReviewQuestionsKey, array);
}

MGameQuestion::List MGameQuestion::decodeReviewQuestions(fnd::KeyedUnarchiver& coder) {
    registerArchiveClass();
    List list;
    if (auto array = coder.decodeArray(kReviewQuestionsKey))
        for (const auto& item : *array) {
            if (list.size() == kReviewListLimit) break;
            if (auto question = item.object<MGameQuestion>()) list.push_back(std::move(question));
        }
    return list;
}
