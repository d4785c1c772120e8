#pragma once
// One record of the store catalogue: a product's identifier, display order, content version,
// texts, icon stem, kind of book, and the description and price the store adds.

#include <optional>
#include <string>

#include "platform/foundation/Object.h"

class MProductInfo : public fnd::Object {
  public:
    MProductInfo(std::string productId, int orderNumber, int version, std::string title, std::string subTitle,
                 std::string author, std::string picId);

    const std::string& productId() const { return productId_; }
    void setProductId(std::string id) { productId_ = std::move(id); }
    int orderNumber() const { return orderNumber_; }
    void setOrderNumber(int number) { orderNumber_ = number; }
    int version() const { return version_; }
    void setVersion(int version) { version_ = version; }
    const std::string& title() const { return title_; }
    void setTitle(std::string title) { title_ = std::move(title); }
    const std::string& subTitle() const { return subTitle_; }
    void setSubTitle(std::string subTitle) { subTitle_ = std::move(subTitle); }
    const std::string& author() const { return author_; }
    void setAuthor(std::string author) { author_ = std::move(author); }
    const std::string& picId() const { return picId_; }
    void setPicId(std::string picId) { picId_ = std::move(picId); }
    // From the store, once prices have been asked for.
    const std::optional<std::string>& description() const { return description_; }
    void setDescription(std::optional<std::string> text) { description_ = std::move(text); }
    const std::optional<std::string>& special() const { return special_; }
    void setSpecial(std::optional<std::string> text) { special_ = std::move(text); }
    // 0 plain e-book, 1 interactive with question index and history, 2 interactive without.
    int smartBookMode() const { return smartBookMode_; }
    void setSmartBookMode(int mode) { smartBookMode_ = mode; }
    const std::optional<std::string>& priceString() const { return priceString_; }
    void setPriceString(std::optional<std::string> text) { priceString_ = std::move(text); }
    bool isNew() const { return isNew_; }
    void setIsNew(bool isNew) { isNew_ = isNew; }

    // Compares by order number: the answer is negative when this product comes first, 0 when both
    // share a place, and positive when the other comes first.
    int compare(const MProductInfo& other) const;

    // The icon "<pattern of type>.png" for picId when the resources hold it, else for the default
    // stem, else nothing. Types: 1 "Product_%@", 2 "Store_%@_b", 3 "Store_%@_a".
    std::optional<std::string> buildIconNameForType(int type,
                                                    const std::optional<std::string>& defaultId) const;

  private:
    std::string productId_;
    int orderNumber_;
    int version_;
    std::string title_;
    std::string subTitle_;
    std::string author_;
    std::string picId_;
    std::optional<std::string> description_;
    std::optional<std::string> special_;
    int smartBookMode_ = 0;
    std::optional<std::string> priceString_;
    bool isNew_ = false;
};
