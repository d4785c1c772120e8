#pragma once
// One forum bookmark: its number within the list, the name shown and the page address.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/foundation/Coding.h"
#include "platform/foundation/Object.h"

class MBookmark : public fnd::Object, public fnd::Coding {
  public:
    MBookmark() = default;
    MBookmark(std::uint32_t id, std::string name, std::string url)
        : id_(id), name_(std::move(name)), url_(std::move(url)) {}

    void encodeWithCoder(fnd::KeyedArchiver& coder) const override;
    void initWithCoder(fnd::KeyedUnarchiver& coder) override;

    std::uint32_t ID() const { return id_; }
    void setID(std::uint32_t id) { id_ = id; }
    const std::string& name() const { return name_; }
    void setName(std::string name) { name_ = std::move(name); }
    const std::string& url() const { return url_; }
    void setUrl(std::string url) { url_ = std::move(url); }

  private:
    std::uint32_t id_ = 0;
    std::string name_;
    std::string url_;
};
