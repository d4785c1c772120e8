#pragma once
// One criterion of the practice filter: a question type, an answer-history test or a tag.

#include <optional>
#include <string>

#include "platform/foundation/Coding.h"
#include "platform/foundation/Object.h"

class MQFilterItem : public fnd::Object, public fnd::Coding {
  public:
    MQFilterItem() = default;
    MQFilterItem(std::string itemName, std::optional<std::string> description, bool isActive)
        : itemName_(std::move(itemName)), description_(std::move(description)), isActive_(isActive) {}

    void encodeWithCoder(fnd::KeyedArchiver& coder) const override;
    void initWithCoder(fnd::KeyedUnarchiver& coder) override;

    const std::string& itemName() const { return itemName_; }
    void setItemName(std::string name) { itemName_ = std::move(name); }
    const std::optional<std::string>& description() const { return description_; }
    void setDescription(std::optional<std::string> text) { description_ = std::move(text); }
    bool isActive() const { return isActive_; }
    void setIsActive(bool active) { isActive_ = active; }

  private:
    std::string itemName_;
    std::optional<std::string> description_;
    bool isActive_ = false;
};
