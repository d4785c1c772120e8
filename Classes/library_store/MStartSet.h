#pragma once
// A set of library pages in reading order, with the title, description and icon of its row.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Coding.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/URL.h"

class MStartItem;

class MStartSet : public fnd::Object, public fnd::Coding {
  public:
    using Items = std::vector<std::shared_ptr<MStartItem>>;

    MStartSet();
    MStartSet(std::string imageName, std::string title, std::string description, Items items);

    const std::string& imageName() const { return imageName_; }
    void setImageName(std::string name) { imageName_ = std::move(name); }
    const std::string& title() const { return title_; }
    void setTitle(std::string title) { title_ = std::move(title); }
    const std::string& description() const { return description_; }
    void setDescription(std::string description) { description_ = std::move(description); }
    // Every page in reading order: listed, unlisted and hidden ones.
    Items& items() { return items_; }
    const Items& items() const { return items_; }
    void setItems(Items items) { items_ = std::move(items); }

    // A page's address: the resource "<fileName>.htm" of the bundle (the anchor is not used);
    // nothing when the resource is missing.
    virtual std::optional<fnd::URL> URLForFileName(const std::string& fileName,
                                                   const std::optional<std::string>& anchor) const;

    void encodeWithCoder(fnd::KeyedArchiver& coder) const override;
    void initWithCoder(fnd::KeyedUnarchiver& coder) override;
    static void registerArchiveClass();

  private:
    std::string imageName_;
    std::string title_;
    std::string description_;
    Items items_;
};
