// Mail addresses are made from the user's data (a backup's body): any text must read as a mail
// or as none, never crash.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/display/MailDraft.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    display::MailDraft::parse(input);
    return 0;
}
