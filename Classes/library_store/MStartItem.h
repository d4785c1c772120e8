#pragma once
// One page of a library set: an HTML file with an optional anchor inside it, its table-of-contents
// title and depth, and whether the contents list it and paging skips it.

#include <optional>
#include <string>

#include "platform/foundation/Coding.h"
#include "platform/foundation/Object.h"

class MStartItem : public fnd::Object, public fnd::Coding {
  public:
    static constexpr const char* kPointerImage = "Start_pointer.png";

    // Every field empty, level 0, neither listed nor hidden.
    MStartItem();
    // A listed top-level page at the start of its file.
    static std::shared_ptr<MStartItem> initItemWithImage(std::string imageName,
                                                         std::optional<std::string> title,
                                                         std::string description, std::string fileName);

    const std::string& imageName() const { return imageName_; }
    void setImageName(std::string name) { imageName_ = std::move(name); }
    const std::optional<std::string>& title() const { return title_; }
    void setTitle(std::optional<std::string> title) { title_ = std::move(title); }
    const std::string& description() const { return description_; }
    void setDescription(std::string description) { description_ = std::move(description); }
    // Built-in set: the resource name without extension. E-book: the path relative to the package
    // folder, as URL text exactly as the package lists it.
    const std::string& fileName() const { return fileName_; }
    void setFileName(std::string name) { fileName_ = std::move(name); }
    const std::optional<std::string>& anchor() const { return anchor_; }
    void setAnchor(std::optional<std::string> anchor) { anchor_ = std::move(anchor); }
    int level() const { return level_; }
    void setLevel(int level) { level_ = level; }
    bool isTocItem() const { return isTocItem_; }
    void setIsTocItem(bool listed) { isTocItem_ = listed; }
    bool isHidden() const { return isHidden_; }
    void setIsHidden(bool hidden) { isHidden_ = hidden; }

    void encodeWithCoder(fnd::KeyedArchiver& coder) const override;
    void initWithCoder(fnd::KeyedUnarchiver& coder) override;
    static void registerArchiveClass();

  private:
    std::string imageName_;
    std::optional<std::string> title_;
    std::string description_;
    std::string fileName_;
    std::optional<std::string> anchor_;
    int level_ = 0;
    bool isTocItem_ = false;
    bool isHidden_ = false;
};
