#include <gtest/gtest.h>

#include <fstream>

#include "platform/display/ServedFiles.h"
#include "tests/support/TestEnvironment.h"

namespace fs = std::filesystem;

namespace display {
namespace {

using Kind = ServedFiles::Resolution::Kind;
using Segments = std::vector<std::string>;

TEST(ServedFilesPathTest, DecodesAndRefusesEscapes) {
    EXPECT_EQ(ServedFiles::pathSegments("/a/b.html"), (Segments{"a", "b.html"}));
    EXPECT_EQ(ServedFiles::pathSegments("//a/./b/"), (Segments{"a", "b"}));
    EXPECT_EQ(ServedFiles::pathSegments("/a%20b"), (Segments{"a b"}));
    EXPECT_EQ(ServedFiles::pathSegments("/a%2fb"), (Segments{"a", "b"}));
    EXPECT_EQ(ServedFiles::pathSegments("/"), Segments{});
    EXPECT_EQ(ServedFiles::pathSegments("/..."), (Segments{"..."}));

    for (const char* bad : {"/../x", "/a/../../x", "/%2e%2e/x", "/%2E%2e%2fx", "/a%2f..%2fb", "/a/..", "x",
                            "", "/%", "/%4", "/%zz", "/a%00b"})
        EXPECT_FALSE(ServedFiles::pathSegments(bad)) << bad;
}

TEST(ServedFilesPathTest, ContentTypes) {
    EXPECT_EQ(ServedFiles::contentTypeFor("a/index.HTML"), "text/html; charset=utf-8");
    EXPECT_EQ(ServedFiles::contentTypeFor("x.js"), "text/javascript; charset=utf-8");
    EXPECT_EQ(ServedFiles::contentTypeFor("DejaVuSans.ttf"), "font/ttf");
    EXPECT_EQ(ServedFiles::contentTypeFor("noext"), "application/octet-stream");
}

class ServedFilesTest : public testing_support::TestEnvironment {
  protected:
    void SetUp() override {
        TestEnvironment::SetUp();
        web = temporary / "web";
        fonts = temporary / "fonts";
        fs::create_directories(web / "sub");
        fs::create_directories(fonts);
        write(web / "index.html", "<p>front</p>");
        write(web / "sub" / "index.html", "<p>sub</p>");
        write(fonts / "Face.ttf", "font");
        write(temporary / "secret.txt", "secret");
        fs::create_symlink(temporary / "secret.txt", web / "link-out.txt");
        fs::create_directory_symlink(temporary, web / "dir-out");
        fs::create_symlink(web / "index.html", web / "link-in.html");
    }
    static void write(const fs::path& file, const std::string& text) { std::ofstream(file) << text; }

    fs::path web, fonts;
};

TEST_F(ServedFilesTest, ServesOnlyInsideItsFolders) {
    ServedFiles files(web, fonts);
    auto root = files.resolve("/?token=x");
    EXPECT_EQ(root.kind, Kind::File);
    EXPECT_TRUE(root.needsToken);
    EXPECT_EQ(root.file.filename(), "index.html");
    EXPECT_EQ(files.resolve("/sub/").file, fs::canonical(web / "sub" / "index.html"));
    EXPECT_EQ(files.resolve("/fonts/Face.ttf").kind, Kind::File);
    EXPECT_EQ(files.resolve("/link-in.html").kind, Kind::File);

    EXPECT_EQ(files.resolve("/missing.html").kind, Kind::NotFound);
    EXPECT_EQ(files.resolve("/../secret.txt").kind, Kind::BadPath);
    EXPECT_EQ(files.resolve("/fonts/%2e%2e/index.html").kind, Kind::BadPath);
    // Links that lead out of the folder are not followed.
    EXPECT_EQ(files.resolve("/link-out.txt").kind, Kind::NotFound);
    EXPECT_EQ(files.resolve("/dir-out/secret.txt").kind, Kind::NotFound);
}

TEST_F(ServedFilesTest, RegisteredFoldersAndDocumentsUntilWithdrawn) {
    ServedFiles files(web, fonts);
    fs::path book = temporary / "book";
    fs::create_directories(book);
    write(book / "page.css", "p{}");

    std::string prefix = files.serveFolder(book);
    ASSERT_TRUE(prefix.starts_with("/s/") && prefix.ends_with("/"));
    auto css = files.resolve(prefix + "page.css");
    EXPECT_EQ(css.kind, Kind::File);
    EXPECT_FALSE(css.needsToken);
    EXPECT_EQ(files.resolve(prefix + "..%2fsecret.txt").kind, Kind::BadPath);
    EXPECT_EQ(files.resolve("/s/unknown/page.css").kind, Kind::NotFound);

    std::string docPath = files.serveDocument("<p>doc</p>", "text/html; charset=utf-8", prefix);
    EXPECT_TRUE(docPath.starts_with(prefix));
    auto doc = files.resolve(docPath + "?q#f");
    EXPECT_EQ(doc.kind, Kind::Document);
    EXPECT_FALSE(doc.needsToken);
    EXPECT_EQ(doc.body, "<p>doc</p>");
    EXPECT_EQ(files.resolve(docPath).body, "<p>doc</p>");  // a frame loaded again gets it again
    EXPECT_NE(files.serveDocument("<p>doc</p>", "text/html", prefix), docPath);
    files.withdrawDocument(docPath);
    EXPECT_NE(files.resolve(docPath).kind, Kind::Document);

    std::string loose = files.serveDocument("x", "text/plain");
    EXPECT_TRUE(loose.starts_with("/d/"));
    std::string dropped = files.serveDocument("y", "text/plain", prefix);
    files.stopServingFolder(prefix);
    EXPECT_EQ(files.resolve(prefix + "page.css").kind, Kind::NotFound);
    EXPECT_NE(files.resolve(dropped).kind, Kind::Document);
    EXPECT_EQ(files.resolve(loose).kind, Kind::Document);
}

}  // namespace
}  // namespace display
