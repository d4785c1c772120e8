#include "Classes/practice/MQFilterItem.h"

#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"

void MQFilterItem::encodeWithCoder(fnd::KeyedArchiver& coder) const {
    coder.encodeString("kitemName", itemName_);
    if (description_) coder.encodeString("kdescription", *description_);
    coder.encodeBool("kisActive", isActive_);
}

void MQFilterItem::initWithCoder(fnd::KeyedUnarchiver& coder) {
    itemName_ = coder.decodeString("kitemName").value_or("");
    description_ = coder.decodeString("kdescription");
    isActive_ = coder.decodeBool("kisActive");
}
