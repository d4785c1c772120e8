// Any bytes through the JSON reader: malformed text gives nothing, and whatever is read writes
// back to text that reads as the same value.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/foundation/Json.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    auto value = fnd::Json::parse(text);
    if (!value) return 0;
    auto written = fnd::Json::write(*value);
    if (!written) std::abort();
    auto again = fnd::Json::parse(*written);
    if (!again || !(*again == *value)) std::abort();
    return 0;
}
