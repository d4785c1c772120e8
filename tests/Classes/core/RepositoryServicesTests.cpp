#include <gtest/gtest.h>

#include <fstream>

#include "Classes/core/MRepository.h"
#include "platform/foundation/Paths.h"
#include "tests/support/TestEnvironment.h"

namespace fs = std::filesystem;

class RepositoryServicesTest : public testing_support::TestEnvironment {};

TEST_F(RepositoryServicesTest, ValuesAreEscapedWholeAndComeBackAsTheyWere) {
    // A search or a form field that holds the characters that split an address.
    EXPECT_EQ(MRepository::urlEncodeValue("a b?c=d&e+f;g#h\nPx/y:z"),
              "a%20b%3Fc%3Dd%26e%2Bf%3Bg%23h%0APx/y:z");
    EXPECT_EQ(MRepository::urlEncodeValue("Caf\xC3\xA9 100%"), "Caf%C3%A9%20100%25");
    for (const char* text :
         {"", "plain", "q=1&r=2#top", "line\nbreak", "50% + \"quotes\"", "\xE2\x82\xAC uro"})
        EXPECT_EQ(MRepository::urlDecodeValue(MRepository::urlEncodeValue(text)), text) << text;

    // What a form may send that is not well made stays readable.
    EXPECT_EQ(MRepository::urlDecodeValue("100%"), "100%");
    EXPECT_EQ(MRepository::urlDecodeValue("%zz%4"), "%zz%4");
    EXPECT_EQ(MRepository::urlDecodeValue("a+b"), "a+b");
    EXPECT_EQ(MRepository::urlDecodeValue("%C3%28"), "\xEF\xBF\xBD(");
}

TEST_F(RepositoryServicesTest, ThePageScriptLibraryIsReadOnceItIsThere) {
    fs::path resources = temporary / "resources";
    fs::create_directories(resources);
    fnd::Paths::setResources(resources);
    MRepository rep;
    EXPECT_EQ(rep.jQuery(), std::nullopt);

    std::ofstream(resources / "zepto.min.js") << "/* library */";
    EXPECT_EQ(rep.jQuery(), "/* library */");
    // Kept: the file is not read again.
    fs::remove(resources / "zepto.min.js");
    EXPECT_EQ(rep.jQuery(), "/* library */");
}
