#pragma once
// Values of the sharing service's replies, read so that nothing the service sends can go wrong in
// the program: a value of another kind reads as absent (an empty text, 0, false) and a number
// outside the range of what it is read as reads as 0, never through an undefined conversion.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/JsonValue.h"

class MQuizletValues {
  public:
    // The member of the object; an empty text for anything but a text.
    static const std::string& text(const fnd::JsonValue& object, std::string_view key);
    // A whole number from 0 to 4294967295 (a real is cut to its whole part).
    static std::uint32_t unsignedNumber(const fnd::JsonValue& object, std::string_view key);
    // A whole number from 0 to 2147483647.
    static int positiveInt(const fnd::JsonValue& object, std::string_view key);
    static double real(const fnd::JsonValue& object, std::string_view key);
    // true, or a number other than 0.
    static bool flag(const fnd::JsonValue& object, std::string_view key);
    // The texts of an array, in order; members of other kinds are left out.
    static std::vector<std::string> texts(const fnd::JsonValue& object, std::string_view key);
};
