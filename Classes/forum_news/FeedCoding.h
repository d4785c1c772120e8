#pragma once
// Archive helper of the news models: a string that may be absent is written only when present, so
// that it reads back as absent.

#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/KeyedArchiver.h"

class FeedCoding {
  public:
    static void encodeString(fnd::KeyedArchiver& coder, std::string_view key,
                             const std::optional<std::string>& text) {
        if (text) coder.encodeString(key, *text);
    }
};
