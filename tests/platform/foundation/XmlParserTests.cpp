#include <gmock/gmock.h>

#include "platform/foundation/XmlParser.h"
#include "tests/support/TestEnvironment.h"

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// Writes every event as a line; runs of text are joined as the readers of feeds join them.
class Recorder : public fnd::XmlParserDelegate {
  public:
    std::vector<std::string> events;
    int abortAfterEnds = -1;

    void didStartElement(fnd::XmlParser&, const std::string& name, const std::string& uri,
                         const std::string& qname, const fnd::XmlAttributes& attributes) override {
        flush();
        std::string line = "<" + name;
        if (!uri.empty() || !qname.empty()) line += " {" + uri + "} " + qname;
        for (const auto& [key, value] : attributes) line += " " + key + "=" + value;
        events.push_back(line + ">");
    }
    void didEndElement(fnd::XmlParser& parser, const std::string& name, const std::string&,
                       const std::string&) override {
        flush();
        events.push_back("</" + name + ">");
        if (abortAfterEnds >= 0 && --abortAfterEnds < 0) parser.abortParsing();
    }
    void foundCharacters(fnd::XmlParser&, std::string_view characters) override { text_ += characters; }
    void parseErrorOccurred(fnd::XmlParser&, const fnd::XmlParseError& error) override {
        flush();
        events.push_back("error at line " + std::to_string(error.line) + ": " + error.message);
    }

  private:
    void flush() {
        if (text_.find_first_not_of(" \n\t") != std::string::npos) events.push_back("'" + text_ + "'");
        text_.clear();
    }
    std::string text_;
};

std::vector<std::string> parse(const std::string& xml, bool namespaces = false, bool* ok = nullptr) {
    Recorder recorder;
    fnd::XmlParser parser(xml);
    parser.setDelegate(&recorder);
    parser.setShouldProcessNamespaces(namespaces);
    bool result = parser.parse();
    if (ok) *ok = result;
    return recorder.events;
}

class XmlParserTest : public testing_support::TestEnvironment {};

TEST_F(XmlParserTest, ReportsElementsAttributesAndTextAsWritten) {
    std::string feed = R"(<?xml version="1.0" encoding="UTF-8"?>
<rss version="2.0" xmlns:content="http://purl.org/rss/1.0/modules/content/">
 <channel><title>News &amp; notes</title>
  <item><title>Caf&#233; &lt;open&gt;</title><link>http://example.com/?a=1&amp;b=2</link>
   <content:encoded><![CDATA[<p>Raw <b>HTML</b></p>]]></content:encoded></item>
 </channel>
</rss>)";
    bool ok = false;
    EXPECT_THAT(
        parse(feed, false, &ok),
        ElementsAre("<rss version=2.0 xmlns:content=http://purl.org/rss/1.0/modules/content/>", "<channel>",
                    "<title>", "'News & notes'", "</title>", "<item>", "<title>", "'Café <open>'", "</title>",
                    "<link>", "'http://example.com/?a=1&b=2'", "</link>", "<content:encoded>",
                    "'<p>Raw <b>HTML</b></p>'", "</content:encoded>", "</item>", "</channel>", "</rss>"));
    EXPECT_TRUE(ok);
}

TEST_F(XmlParserTest, NamespaceProcessingGivesLocalNamesNamespacesAndPrefixes) {
    std::string atom = R"(<feed xmlns="http://www.w3.org/2005/Atom" xmlns:x="urn:x">
<entry x:id="7"><x:link href="a"/></entry></feed>)";
    EXPECT_THAT(parse(atom, true),
                ElementsAre("<feed {http://www.w3.org/2005/Atom} feed>",
                            "<entry {http://www.w3.org/2005/Atom} entry x:id=7>",
                            "<link {urn:x} x:link href=a>", "</link>", "</entry>", "</feed>"));
    // The same file read without namespace processing keeps the names as written.
    EXPECT_THAT(parse(atom, false)[2], "<x:link href=a>");
    // An unbound prefix is well-formed XML but not a well-formed namespace document.
    bool ok = true;
    EXPECT_THAT(parse("<a><p:b/></a>", true, &ok).back(), HasSubstr("unbound prefix"));
    EXPECT_FALSE(ok);
}

TEST_F(XmlParserTest, NotWellFormedDocumentsEndWithAnErrorEvent) {
    bool ok = true;
    auto events =
        parse("<rss>\n<item><title>One</title></item>\n<item><title>Two</item>\n</rss>", false, &ok);
    EXPECT_FALSE(ok);
    ASSERT_GE(events.size(), 2u);
    EXPECT_EQ(events[events.size() - 2], "'Two'");
    EXPECT_THAT(events.back(), HasSubstr("error at line 3: mismatched tag"));

    for (const std::string& bad :
         {std::string(), std::string("<a>"), std::string("just text"), std::string("<a>&nbsp;</a>"),
          std::string("<a b='1' b='2'/>"), std::string("<a/><b/>"), std::string("\xff\xfe<\x00", 4),
          std::string("<?xml version=\"1.0\" encoding=\"x-no-such\"?><a/>")}) {
        fnd::XmlParser parser(bad);
        Recorder recorder;
        parser.setDelegate(&recorder);
        EXPECT_FALSE(parser.parse()) << bad;
        ASSERT_TRUE(parser.parserError()) << bad;
        EXPECT_THAT(recorder.events.back(), HasSubstr("error")) << bad;
    }
}

TEST_F(XmlParserTest, AbortStopsWithoutAnErrorEvent) {
    Recorder recorder;
    recorder.abortAfterEnds = 1;
    fnd::XmlParser parser("<list><i>1</i><i>2</i><i>3</i></list>");
    parser.setDelegate(&recorder);
    EXPECT_FALSE(parser.parse());
    EXPECT_TRUE(parser.wasAborted());
    EXPECT_FALSE(parser.parserError());
    EXPECT_THAT(recorder.events, ElementsAre("<list>", "<i>", "'1'", "</i>", "<i>", "'2'", "</i>"));
}

TEST_F(XmlParserTest, ReadsOneByteEncodingsIntoUtf8) {
    EXPECT_THAT(parse("<?xml version=\"1.0\" encoding=\"windows-1252\"?><t>caf\xe9 \x80</t>"),
                ElementsAre("<t>", "'café €'", "</t>"));
    EXPECT_THAT(parse("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><t>\xe9</t>"),
                ElementsAre("<t>", "'é'", "</t>"));
    EXPECT_THAT(parse("<?xml version=\"1.0\" encoding=\"KOI8-R\"?><t>\xc1</t>"),
                ElementsAre("<t>", "'а'", "</t>"));
}

TEST_F(XmlParserTest, NoExternalEntitiesAndNoEntityExplosion) {
    std::string external = R"(<?xml version="1.0"?>
<!DOCTYPE r [<!ENTITY secret SYSTEM "file:///etc/hostname">]><r>[&secret;]</r>)";
    EXPECT_THAT(parse(external), ElementsAre("<r>", "'[]'", "</r>"));

    std::string laughs = "<?xml version=\"1.0\"?><!DOCTYPE l [<!ENTITY l0 \"lol\">";
    for (int i = 1; i < 10; ++i)
        laughs += "<!ENTITY l" + std::to_string(i) + " \"" + [&] {
            std::string ten;
            for (int k = 0; k < 10; ++k) ten += "&l" + std::to_string(i - 1) + ";";
            return ten;
        }() + "\">";
    laughs += "]><l>&l9;</l>";
    bool ok = true;
    auto events = parse(laughs, false, &ok);
    EXPECT_FALSE(ok);
    EXPECT_THAT(events.back(), HasSubstr("error"));
}

}  // namespace
