#pragma once
// Signal words per question type that the question page marks. Each entry is a word or a pattern
// fragment, matched in any letter case at word boundaries. Problem solving and data sufficiency
// share one list: a change through either type shows under both.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/Coding.h"
#include "platform/foundation/Object.h"

class MKeyWordsSet : public fnd::Object, public fnd::Coding {
  public:
    using KeyWords = std::vector<std::string>;
    using Lists = std::map<std::int32_t, std::shared_ptr<KeyWords>>;

    // The default lists.
    MKeyWordsSet();

    void encodeWithCoder(fnd::KeyedArchiver& coder) const override;
    void initWithCoder(fnd::KeyedUnarchiver& coder) override;

    // The type's list, or null.
    std::shared_ptr<KeyWords> keyWordsForQType(std::int32_t type) const;
    // Stores the type's list. Problem solving and data sufficiency (1 and 2) get one list between
    // them, as do reading comprehension and its passage-opening questions (5 and 6): setting either
    // type sets both to the same list object, which a save and a load keep shared.
    void setKeyWordsForQType(std::int32_t type, KeyWords list);
    Lists& kws() { return kws_; }
    const Lists& kws() const { return kws_; }

    // The HTML with the type's keywords in its text wrapped in spans of class "kwselected" (active)
    // or "kwdeselected". Tags and attributes, the marks already made included, are never touched;
    // a keyword shorter than two characters, or one that is not a valid pattern, marks nothing.
    std::string addKeyWordsTagsToString(const std::string& html, std::int32_t type, bool isActive) const;

  private:
    Lists kws_;
};
