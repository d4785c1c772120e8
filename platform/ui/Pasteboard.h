#pragma once
// The general pasteboard: text kept in the process and offered to the display.

#include <functional>
#include <mutex>
#include <optional>
#include <string>

namespace ui {

class Pasteboard {
  public:
    static Pasteboard& general();

    // The text, or nothing when the pasteboard holds none.
    std::optional<std::string> string() const;
    void setString(std::optional<std::string> text);
    // Counts every change, so a caller can tell whether an operation wrote to the pasteboard.
    long changeCount() const;
    // Called after each change (the display mirrors the text to the browser's clipboard).
    void setOnChange(std::function<void(const std::optional<std::string>&)> listener);

  private:
    mutable std::mutex mutex_;
    std::optional<std::string> text_;
    long changes_ = 0;
    std::function<void(const std::optional<std::string>&)> listener_;
};

}  // namespace ui
