// Addresses come from pages and outside services: any bytes must parse and resolve without harm.
// The input is a base address, a line break, then a reference to resolve against it.
#include "platform/foundation/URL.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    auto newline = input.find('\n');
    std::string_view baseText = input.substr(0, newline);
    std::string_view reference =
        newline == std::string_view::npos ? std::string_view() : input.substr(newline + 1);

    fnd::URL base(baseText);
    fnd::URL resolved(reference, base);
    for (const fnd::URL* url : {&base, &resolved}) {
        (void)url->scheme();
        (void)url->host();
        (void)url->port();
        (void)url->path();
        (void)url->query();
        (void)url->fragment();
        (void)url->resourceSpecifier();
        (void)url->filePath();
        // What was written can be read again to the same address.
        if (fnd::URL(url->absoluteString()).absoluteString() != url->absoluteString()) __builtin_trap();
    }
    return 0;
}
