#include "Classes/library_store/MStartItem.h"

#include <mutex>

#include "platform/foundation/ClassRegistry.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"

MStartItem::MStartItem() { registerArchiveClass(); }

std::shared_ptr<MStartItem> MStartItem::initItemWithImage(std::string imageName,
                                                          std::optional<std::string> title,
                                                          std::string description, std::string fileName) {
    auto item = std::make_shared<MStartItem>();
    item->imageName_ = std::move(imageName);
    item->title_ = std::move(title);
    item->description_ = std::move(description);
    item->fileName_ = std::move(fileName);
    item->level_ = 1;
    item->isTocItem_ = true;
    return item;
}

void MStartItem::registerArchiveClass() {
    static std::once_flag once;
    std::call_once(once, [] { fnd::ClassRegistry::shared().registerClass<MStartItem>("MStartItem"); });
}

void MStartItem::encodeWithCoder(fnd::KeyedArchiver& coder) const {
    coder.encodeInt32("level", level_);
    coder.encodeBool("isTocItem", isTocItem_);
    coder.encodeBool("isHidden", isHidden_);
    coder.encodeString("imageName", imageName_);
    if (title_) coder.encodeString("title", *title_);
    coder.encodeString("description", description_);
    coder.encodeString("fileName", fileName_);
    if (anchor_) coder.encodeString("anchor", *anchor_);
}

void MStartItem::initWithCoder(fnd::KeyedUnarchiver& coder) {
    level_ = coder.decodeInt32("level");
    isTocItem_ = coder.decodeBool("isTocItem");
    isHidden_ = coder.decodeBool("isHidden");
    imageName_ = coder.decodeString("imageName").value_or("");
    title_ = coder.decodeString("title");
    description_ = coder.decodeString("description").value_or("");
    fileName_ = coder.decodeString("fileName").value_or("");
    anchor_ = coder.decodeString("anchor");
}
