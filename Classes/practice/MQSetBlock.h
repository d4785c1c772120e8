#pragma once
// A reading passage that several questions of a set share. The set owns the questions; the passage
// only lists them, so it holds them weakly.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Coding.h"
#include "platform/foundation/Object.h"

class MQSetQuestion;

class MQSetBlock : public fnd::Object, public fnd::Coding {
  public:
    void encodeWithCoder(fnd::KeyedArchiver& coder) const override;
    void initWithCoder(fnd::KeyedUnarchiver& coder) override;

    // Whether the passage has at most n characters (UTF-16 units, as the page counts them).
    bool isCommonTextShort(std::size_t n) const;
    // The passage when short; else the passage without its tags, cut to n characters when still long.
    std::string shortCommonString(std::size_t n) const;

    const std::optional<std::string>& commonText() const { return commonText_; }
    void setCommonText(std::optional<std::string> text) { commonText_ = std::move(text); }
    // The passage's questions that still exist, in order.
    std::vector<std::shared_ptr<MQSetQuestion>> questions() const;
    void addQuestion(const std::shared_ptr<MQSetQuestion>& question) { questions_.push_back(question); }
    std::size_t questionCount() const { return questions_.size(); }

  private:
    std::optional<std::string> commonText_;
    std::vector<std::weak_ptr<MQSetQuestion>> questions_;
};
