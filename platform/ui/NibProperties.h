#pragma once
// The values of one object of an interface file (a JSON object), read by key as the type the
// reader expects. Every read marks its key as read, so that keys nobody read can be reported as
// unknown; a value of another type than asked for is reported as a problem and reads as absent.
// Problems go to the sink given at parsing, prefixed with where the value is in the file.

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/Color.h"
#include "platform/ui/Font.h"
#include "platform/ui/Image.h"
#include "platform/ui/Rect.h"

namespace ui {

class NibProperties {
  public:
    using ProblemSink = std::function<void(const std::string& problem)>;

    // The JSON text's top-level object; nothing (and a problem) when the text is no JSON object.
    static std::optional<NibProperties> parse(std::string_view text, ProblemSink sink);
    // No values.
    NibProperties();
    ~NibProperties();
    NibProperties(const NibProperties&);
    NibProperties& operator=(const NibProperties&);

    // Where later problems go (an interface file is parsed once and read by every loading).
    void setProblemSink(ProblemSink sink) { sink_ = std::move(sink); }

    // Where the object is in the file ("objects[0].subviews[2]"), for problems.
    const std::string& location() const { return location_; }

    bool has(std::string_view key) const;
    std::vector<std::string> keys() const;
    // Keys present that no read has asked for.
    std::vector<std::string> unreadKeys() const;
    // Reports a problem with the value of a key (or of the object, for an empty key).
    void problem(std::string_view key, const std::string& text) const;

    std::optional<bool> boolean(std::string_view key);
    std::optional<double> number(std::string_view key);
    std::optional<int> integer(std::string_view key);
    std::optional<std::string> string(std::string_view key);
    std::optional<std::vector<std::string>> strings(std::string_view key);
    // [x, y], [width, height], [x, y, width, height].
    std::optional<Point> point(std::string_view key);
    std::optional<Size> size(std::string_view key);
    std::optional<Rect> rect(std::string_view key);
    // [red, green, blue] or [red, green, blue, alpha], each 0..1.
    std::optional<Color> color(std::string_view key);
    // {"family": ..., "size": ..., "bold": ..., "italic": ...}; family and the flags are optional.
    std::optional<Font> font(std::string_view key);
    // A bundle image's name, or {"name": ..., "leftCap": ..., "topCap": ...} for a stretchable one.
    // A null value reads as an empty image pointer; a missing image is a problem.
    std::optional<std::shared_ptr<const Image>> image(std::string_view key);
    // A string naming one of the choices; any other string is a problem and reads as absent.
    template <class E, std::size_t N>
    std::optional<E> choice(std::string_view key, const std::array<std::pair<E, const char*>, N>& choices) {
        std::optional<std::string> name = string(key);
        if (!name) return std::nullopt;
        std::string expected;
        for (std::size_t i = 0; i < N; ++i) {
            if (*name == choices[i].second) return choices[i].first;
            expected += std::string(i == 0       ? ""
                                    : i + 1 == N ? " or "
                                                 : ", ") +
                        "\"" + choices[i].second + "\"";
        }
        problem(key, "expected " + expected);
        return std::nullopt;
    }
    // A nested object, or an array of objects.
    std::optional<NibProperties> object(std::string_view key);
    std::optional<std::vector<NibProperties>> objects(std::string_view key);

  private:
    struct Node;
    NibProperties(std::shared_ptr<const Node> node, std::string location, ProblemSink sink);
    const void* find(std::string_view key);
    std::string where(std::string_view key) const;

    std::shared_ptr<const Node> node_;
    std::string location_;
    ProblemSink sink_;
    std::vector<std::string> read_;
};

}  // namespace ui
