#pragma once
// The keyboard. It is up while the first responder takes typed text (a text field or text view
// being edited) and goes when none does; moving from one input to another keeps it up. The person
// types on the display's own keyboard; this side keeps the keyboard's place at the bottom of the
// interface, so that screens can make room for it, and tells them when it comes and goes:
//
//   will-show and will-hide at once, did-show and did-hide when its slide of kAnimationDuration
//   is over; each with the frame it starts from and the frame it ends at (screen-view
//   coordinates, Rect values) and the slide's duration (a double).
//
// The kinds of keyboard and of return key an input asks the display for are numbered as stored
// values expect.

#include <array>
#include <utility>

#include "platform/ui/Rect.h"

namespace ui {

enum class KeyboardType {
    Default = 0,
    ASCIICapable = 1,
    URL = 3,
    NumberPad = 4,
    PhonePad = 5,
    EmailAddress = 7,
    DecimalPad = 8,
};

enum class ReturnKeyType { Default = 0, Go = 1, Next = 4, Search = 6, Send = 7, Done = 9 };

// Alert is the dark keyboard.
enum class KeyboardAppearance { Default = 0, Alert = 1 };

// Their names in the change log and in interface files.
inline constexpr std::array<std::pair<KeyboardType, const char*>, 7> kKeyboardTypeNames{{
    {KeyboardType::Default, "default"},
    {KeyboardType::ASCIICapable, "ascii"},
    {KeyboardType::NumberPad, "numberPad"},
    {KeyboardType::DecimalPad, "decimalPad"},
    {KeyboardType::PhonePad, "phonePad"},
    {KeyboardType::EmailAddress, "email"},
    {KeyboardType::URL, "url"},
}};
inline constexpr std::array<std::pair<ReturnKeyType, const char*>, 6> kReturnKeyTypeNames{{
    {ReturnKeyType::Default, "default"},
    {ReturnKeyType::Done, "done"},
    {ReturnKeyType::Go, "go"},
    {ReturnKeyType::Search, "search"},
    {ReturnKeyType::Next, "next"},
    {ReturnKeyType::Send, "send"},
}};
const char* keyboardTypeName(KeyboardType type);
const char* returnKeyTypeName(ReturnKeyType type);

class Keyboard {
  public:
    // Whether the display draws a keyboard of its own. The browser display draws none: the person
    // types on the keyboard of their own device, which comes and goes (and hides) by itself, so a
    // screen offers no key that only works that keyboard.
    static constexpr bool kDrawnByDisplay = false;

    static constexpr const char* kWillShowNotification = "KeyboardWillShowNotification";
    static constexpr const char* kDidShowNotification = "KeyboardDidShowNotification";
    static constexpr const char* kWillHideNotification = "KeyboardWillHideNotification";
    static constexpr const char* kDidHideNotification = "KeyboardDidHideNotification";
    static constexpr const char* kFrameBeginKey = "KeyboardFrameBeginUserInfoKey";
    static constexpr const char* kFrameEndKey = "KeyboardFrameEndUserInfoKey";
    static constexpr const char* kAnimationDurationKey = "KeyboardAnimationDurationUserInfoKey";

    static constexpr double kAnimationDuration = 0.25;

    static Keyboard& shared();
    // Down, with nothing pending, and no notification posted.
    void reset();

    bool isVisible() const { return visible_; }
    // Where it is in screen-view coordinates; empty while it is down.
    Rect frame() const;
    // Its height in the interface's present orientation on this device.
    static double height();

    // The first responder changed: the keyboard comes up or goes as the new one takes typed text.
    void firstResponderChanged(bool takesTypedText);

  private:
    Keyboard() = default;
    // Up: the strip at the interface's bottom; down: the same strip just below it.
    static Rect frameShown(bool shown);
    void slide(bool show);

    bool visible_ = false;
};

}  // namespace ui
