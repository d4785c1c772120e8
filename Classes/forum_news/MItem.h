#pragma once
// One item of a news feed: its title and body as the feed gave them, its identity within the feed,
// date and link, and whether the user has opened it.

#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/Coding.h"
#include "platform/foundation/Date.h"
#include "platform/foundation/Object.h"

class MItem : public fnd::Object, public fnd::Coding {
  public:
    // List titles longer than this many characters are cut and end in "...".
    static constexpr std::size_t kShortTitleLength = 80;

    MItem() = default;

    void encodeWithCoder(fnd::KeyedArchiver& coder) const override;
    void initWithCoder(fnd::KeyedUnarchiver& coder) override;

    // The plain text of an HTML fragment: tags and line ends become blanks, runs of blanks one.
    static std::string htmlToText(std::string_view html);
    // The fragment with plain paragraphs, underlines for underlined spans, and no font markup.
    static std::string simpleHTML(std::string_view html);

    std::string txtTitle() const { return htmlToText(title_.value_or("")); }
    std::string txtDescription() const { return htmlToText(description_.value_or("")); }
    // The title as plain text without a trailing link, cut to kShortTitleLength characters.
    std::string shortTitle() const;

    const std::optional<std::string>& title() const { return title_; }
    void setTitle(std::optional<std::string> title) { title_ = std::move(title); }
    const std::optional<std::string>& description() const { return description_; }
    void setDescription(std::optional<std::string> text) { description_ = std::move(text); }
    const std::optional<std::string>& guid() const { return guid_; }
    void setGuid(std::optional<std::string> guid) { guid_ = std::move(guid); }
    const std::optional<fnd::Date>& pubDate() const { return pubDate_; }
    void setPubDate(std::optional<fnd::Date> date) { pubDate_ = date; }
    const std::optional<std::string>& link() const { return link_; }
    void setLink(std::optional<std::string> link) { link_ = std::move(link); }
    bool isRead() const { return isRead_; }
    void setIsRead(bool read) { isRead_ = read; }

  private:
    std::optional<std::string> title_;
    std::optional<std::string> description_;
    std::optional<std::string> guid_;
    std::optional<fnd::Date> pubDate_;
    std::optional<std::string> link_;
    bool isRead_ = false;
};
