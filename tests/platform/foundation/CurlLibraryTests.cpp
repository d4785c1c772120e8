// The transfer library loaded at its first use: the program does not need it to start, and the
// calls handed on keep their values whatever type each option takes (the transfers themselves are
// tested in URLLoadingTests).

#include <gtest/gtest.h>
#include <link.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/foundation/CurlLibrary.h"
#include "platform/foundation/Log.h"

#define CURL_DISABLE_TYPECHECK
#include <curl/curl.h>

extern ElfW(Dyn) _DYNAMIC[];

namespace {

// The libraries the running program names as needed at its start.
std::vector<std::string> neededAtStart() {
    // The loader may or may not have moved the table's address by the program's load address.
    ElfW(Addr) base = 0;
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* out) {
            *static_cast<ElfW(Addr)*>(out) = info->dlpi_addr;  // the program comes first
            return 1;
        },
        &base);
    const char* strings = nullptr;
    for (const ElfW(Dyn)* entry = _DYNAMIC; entry->d_tag != DT_NULL; ++entry)
        if (entry->d_tag == DT_STRTAB)
            strings = reinterpret_cast<const char*>(entry->d_un.d_ptr < base ? entry->d_un.d_ptr + base
                                                                             : entry->d_un.d_ptr);
    std::vector<std::string> needed;
    for (const ElfW(Dyn)* entry = _DYNAMIC; strings && entry->d_tag != DT_NULL; ++entry)
        if (entry->d_tag == DT_NEEDED) needed.emplace_back(strings + entry->d_un.d_val);
    return needed;
}

std::size_t writeNothing(char*, std::size_t size, std::size_t count, void*) { return size * count; }

TEST(CurlLibrary, NotNeededAtStartAndLoadedByTheFirstCall) {
    std::vector<std::string> needed = neededAtStart();
    ASSERT_FALSE(needed.empty());  // the program is read right: it needs the C library at least
    for (const std::string& name : needed) EXPECT_EQ(name.find("libcurl"), std::string::npos) << name;

    CURL* easy = curl_easy_init();
    ASSERT_NE(easy, nullptr);
    EXPECT_TRUE(fnd::CurlLibrary::isLoaded());
    curl_easy_cleanup(easy);
}

TEST(CurlLibrary, SettersTakeLongsPointersFunctionsAndOffsets) {
    CURL* easy = curl_easy_init();
    ASSERT_NE(easy, nullptr);
    const struct {
        const char* what;
        CURLcode code;
    } calls[] = {
        {"long", curl_easy_setopt(easy, CURLOPT_MAXREDIRS, 3L)},
        {"text", curl_easy_setopt(easy, CURLOPT_URL, "http://127.0.0.1:9/")},
        {"function", curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &writeNothing)},
        {"offset", curl_easy_setopt(easy, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(1) << 40)},
        // A value the library checks: a negative redirect count other than -1 is refused.
        {"long, checked", curl_easy_setopt(easy, CURLOPT_MAXREDIRS, -2L) == CURLE_BAD_FUNCTION_ARGUMENT
                              ? CURLE_OK
                              : CURLE_FAILED_INIT},
    };
    for (const auto& call : calls) EXPECT_EQ(call.code, CURLE_OK) << call.what;
    long status = -1;
    EXPECT_EQ(curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status), CURLE_OK);
    EXPECT_EQ(status, 0);
    EXPECT_STRNE(curl_easy_strerror(CURLE_COULDNT_CONNECT), "");
    curl_easy_cleanup(easy);

    CURLSH* share = curl_share_init();
    ASSERT_NE(share, nullptr);
    EXPECT_EQ(curl_share_setopt(share, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE), CURLSHE_OK);
    EXPECT_EQ(curl_share_setopt(share, CURLSHOPT_USERDATA, nullptr), CURLSHE_OK);
    EXPECT_EQ(curl_share_cleanup(share), CURLSHE_OK);
}

TEST(CurlLibrary, AFunctionTheLibraryLacksIsNullAndSaidSo) {
    std::string logged;
    auto previous = fnd::Log::setSink([&logged](fnd::Log::Level, std::string_view line) { logged += line; });
    EXPECT_EQ(fnd::CurlLibrary::symbol("curl_no_such_function"), nullptr);
    EXPECT_NE(fnd::CurlLibrary::symbol("curl_version"), nullptr);
    fnd::Log::setSink(previous);
    EXPECT_NE(logged.find("curl_no_such_function"), std::string::npos) << logged;
}

}  // namespace
