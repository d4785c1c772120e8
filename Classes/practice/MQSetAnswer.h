#pragma once
// An answer to a practice question, official or given. The base is abstract: it archives nothing
// and a concrete answer (MQSetSimpleAnswer) supplies the comparison and the texts.

#include <optional>
#include <string>

#include "platform/foundation/Coding.h"
#include "platform/foundation/Object.h"

class MQSetAnswer : public fnd::Object, public fnd::Coding {
  public:
    void encodeWithCoder(fnd::KeyedArchiver& coder) const override;
    void initWithCoder(fnd::KeyedUnarchiver& coder) override;

    // Whether the other answer says the same; statistics count an answer as right by it.
    virtual bool isTheSameAs(const MQSetAnswer* other) const;
    // The answer as the user reads it ("A" to "E"); nothing when it has no such form.
    virtual std::optional<std::string> stringWithAnswer() const;
    // The answer as the question page and the text backup write it; nothing in the base.
    virtual std::optional<std::string> jsString() const;

    // Whether this is one of the answers that equal answers of many records share
    // (MQSetSimpleAnswer::common): archived as a copy wherever it is used.
    bool isCommon() const { return common_; }

  protected:
    bool common_ = false;
};
