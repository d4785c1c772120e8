#include "Classes/practice/MQSetBlock.h"

#include "Classes/practice/MQSetQuestion.h"
#include "Classes/practice/PracticeCoding.h"
#include "Ostrand_Library/Classes/Regex.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "platform/foundation/Unicode.h"

void MQSetBlock::encodeWithCoder(fnd::KeyedArchiver& coder) const {
    if (commonText_) coder.encodeString("commonText", *commonText_);
    coder.encodeObject("questions", PracticeCoding::objectArray(questions()));
}

void MQSetBlock::initWithCoder(fnd::KeyedUnarchiver& coder) {
    commonText_ = coder.decodeString("commonText");
    questions_.clear();
    for (auto& q : PracticeCoding::objects<MQSetQuestion>(coder.decodeObject("questions")))
        questions_.push_back(q);
}

bool MQSetBlock::isCommonTextShort(std::size_t n) const {
    return fnd::utf16Length(commonText_.value_or("")) <= n;
}

std::string MQSetBlock::shortCommonString(std::size_t n) const {
    std::string text = commonText_.value_or("");
    if (isCommonTextShort(n)) return text;
    std::string plain = ostrand::Regex::replaceAll(text, "<[^<]*>", "");
    if (fnd::utf16Length(plain) > n) plain = fnd::utf16Prefix(plain, n);
    return plain;
}

std::vector<std::shared_ptr<MQSetQuestion>> MQSetBlock::questions() const {
    std::vector<std::shared_ptr<MQSetQuestion>> result;
    result.reserve(questions_.size());
    for (const auto& weak : questions_)
        if (auto q = weak.lock()) result.push_back(std::move(q));
    return result;
}
