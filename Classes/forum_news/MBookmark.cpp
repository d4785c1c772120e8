#include "Classes/forum_news/MBookmark.h"

#include "platform/foundation/ArchiveValue.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"

void MBookmark::encodeWithCoder(fnd::KeyedArchiver& coder) const {
    coder.encodeObject("bID", fnd::ArchiveValue::integer(id_));
    coder.encodeString("bName", name_);
    coder.encodeString("bURL", url_);
}

void MBookmark::initWithCoder(fnd::KeyedUnarchiver& coder) {
    // A number that does not fit the 32-bit range of bookmark numbers reads as 0.
    std::optional<std::uint64_t> id = coder.decodeNumber("bID").uint64Value();
    id_ = id && *id <= UINT32_MAX ? static_cast<std::uint32_t>(*id) : 0;
    name_ = coder.decodeString("bName").value_or("");
    url_ = coder.decodeString("bURL").value_or("");
}
