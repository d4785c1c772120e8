#pragma once
// A view that takes text typed on the display. The display shows the view's input element and
// reports what the person does in it; positions count UTF-16 units of the value. The view answers
// by setting its own value and selection, which the display then shows.

#include <cstddef>
#include <string>

namespace ui {

class TextInputClient {
  public:
    virtual ~TextInputClient() = default;

    // The person changed the text; the selection is where the caret is now.
    virtual void displayDidEditText(const std::string& value, std::size_t selectionStart,
                                    std::size_t selectionLength) = 0;
    // The caret moved or a range was selected, the text unchanged; `text` is what the display has
    // in that range (a report made before the display had the view's latest value may not match).
    virtual void displayDidChangeSelection(std::size_t start, std::size_t length,
                                           const std::string& text) = 0;
    // The return key.
    virtual void displayDidPressReturn() {}
};

}  // namespace ui
