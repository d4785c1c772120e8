#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <string>

#include "platform/display/AccessFile.h"
#include "platform/display/Server.h"
#include "tests/support/TestEnvironment.h"

namespace display {
namespace {

class AccessFileTest : public testing_support::TestEnvironment {
  protected:
    AccessFile::Access load(bool renew = false) {
        std::string error;
        auto access = AccessFile::loadOrMake(file, renew, error);
        EXPECT_TRUE(access) << error;
        return access.value_or(AccessFile::Access{});
    }
    unsigned mode() const {
        struct stat status {};
        EXPECT_EQ(::stat(file.c_str(), &status), 0);
        return status.st_mode & 0777;
    }
    void SetUp() override {
        TestEnvironment::SetUp();
        file = temporary / "data" / "access";
    }
    // Set once the test's own folder exists: a member initialiser would run before that and name a
    // file in the working folder, shared by every test.
    std::filesystem::path file;
};

TEST_F(AccessFileTest, TheFirstStartMakesAPrivateTokenThatLaterStartsKeep) {
    AccessFile::Access first = load();
    EXPECT_EQ(first.token.size(), 32u);
    EXPECT_EQ(first.port, 0);
    EXPECT_EQ(mode(), 0600u);
    EXPECT_EQ(load().token, first.token);

    std::string error;
    first.port = 4123;
    ASSERT_TRUE(AccessFile::save(file, first, error)) << error;
    EXPECT_EQ(load().port, 4123);

    AccessFile::Access renewed = load(true);
    EXPECT_NE(renewed.token, first.token);
    EXPECT_EQ(renewed.port, 4123);
    EXPECT_EQ(load().token, renewed.token);
    EXPECT_EQ(mode(), 0600u);
}

TEST_F(AccessFileTest, ADamagedOrReadableFileGetsAFreshPrivateToken) {
    const std::string first = load().token;
    ::chmod(file.c_str(), 0644);
    const std::string afterExposure = load().token;
    EXPECT_NE(afterExposure, first);
    EXPECT_EQ(mode(), 0600u);

    std::ofstream(file) << "short\n";
    const std::string afterDamage = load().token;
    EXPECT_NE(afterDamage, afterExposure);
    EXPECT_EQ(afterDamage.size(), 32u);

    std::string error;
    std::ofstream(temporary / "blocker") << "a file where a folder should be";
    EXPECT_FALSE(AccessFile::loadOrMake(temporary / "blocker" / "access", false, error));
    EXPECT_NE(error.find("blocker"), std::string::npos);
}

TEST_F(AccessFileTest, AServerUsesTheKeptTokenAndPortAndAnotherPortWhenThatOneIsTaken) {
    Server::Options options;
    options.webFolder = temporary;
    options.token = load().token;
    Server holder(options);
    ASSERT_TRUE(holder.start()) << holder.error();
    EXPECT_EQ(holder.token(), options.token);

    // The port of the last run is taken (by the holder): a free one serves instead.
    options.preferredPort = holder.port();
    Server second(options);
    ASSERT_TRUE(second.start()) << second.error();
    EXPECT_NE(second.port(), holder.port());
    unsigned short freed = holder.port();
    holder.stop();

    Server third(options);
    ASSERT_TRUE(third.start()) << third.error();
    EXPECT_EQ(third.port(), freed);
}

}  // namespace
}  // namespace display
