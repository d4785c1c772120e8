#pragma once
// Header fields of a request or a reply, in their order. Names compare without regard to case.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fnd {

class HTTPHeaders {
  public:
    using Field = std::pair<std::string, std::string>;

    // Replaces every field of that name by one (in the first one's place).
    void set(std::string_view name, std::string value);
    // Adds a field, keeping others of the same name (a reply's several "Set-Cookie").
    void add(std::string name, std::string value);
    void remove(std::string_view name);
    // The first field of that name.
    std::optional<std::string> value(std::string_view name) const;
    bool contains(std::string_view name) const { return value(name).has_value(); }

    bool empty() const { return fields_.empty(); }
    std::size_t size() const { return fields_.size(); }
    std::vector<Field>::const_iterator begin() const { return fields_.begin(); }
    std::vector<Field>::const_iterator end() const { return fields_.end(); }

    static bool sameName(std::string_view a, std::string_view b);

  private:
    std::vector<Field> fields_;
};

}  // namespace fnd
