// Our archives against independent implementations of the format: the plistutil tool and
// Python's plistlib read what we write, and we read what plistlib writes.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "tests/platform/foundation/ArchiveTestModels.h"

using namespace fnd;
using archive_test::Question;
using archive_test::QuestionSet;
using archive_test::Record;

namespace {

struct CommandResult {
    int status = -1;
    std::string output;
};

CommandResult run(const std::string& command) {
    CommandResult r;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return r;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) r.output.append(buffer, n);
    r.status = ::pclose(pipe);
    return r;
}

Bytes readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

class ArchiveInteropTest : public archive_test::ArchiveTest {
  protected:
    // A graph with every kind of value, a shared array and a cycle, written to a file.
    std::filesystem::path writeSample() {
        auto record = std::make_shared<Record>();
        record->count = -7;
        record->big = (1LL << 40) + 5;
        record->flag = true;
        record->ratio = 0.5f;
        record->seconds = 12.25;
        record->name =
            "Gr\xC3\xBC\xC3\x9F"
            "e \xE2\x9C\x93";
        record->when = Date(700000000.5);
        record->bytes = Bytes{0, 1, 254};
        record->link = "https://example.org/a%20b?x=1";
        auto set = std::make_shared<QuestionSet>();
        set->title = "Set A";
        auto question = std::make_shared<Question>();
        question->number = 1;
        question->set = set;
        set->questions = {question};
        auto shared = ArchiveValue::makeArray();
        *shared = {ArchiveValue::integer(1), ArchiveValue::real(2.5), ArchiveValue::boolean(true), "s"};
        auto extra = ArchiveValue::makeDictionary();
        (*extra)["list"] = shared;
        (*extra)["again"] = shared;
        (*extra)["set"] = set;
        (*extra)["unsigned"] = ArchiveValue::unsignedInteger(18446744073709551615ull);
        record->extra = extra;
        auto bytes = KeyedArchiver::archive("kRepository", record);
        EXPECT_TRUE(bytes);
        auto path = temporary / "sample.archive";
        writeFile(path, bytes.value_or(Bytes{}));
        return path;
    }
};

// Resolves the archive's references generically and prints the root as JSON.
const char* kPythonReader = R"PY(
import json, plistlib, sys
archive = plistlib.load(open(sys.argv[1], 'rb'))
objects = archive['$objects']
def value(v, seen):
    if isinstance(v, plistlib.UID):
        if v.data == 0:
            return None
        o = objects[v.data]
        if not (isinstance(o, dict) and '$class' in o):
            return value(o, seen)
        cls = objects[o['$class'].data]['$classname']
        if v.data in seen:
            return {'cycle': cls}
        seen = seen | {v.data}
        if cls == 'NSArray':
            return [value(x, seen) for x in o['NS.objects']]
        if cls == 'NSDictionary':
            return {value(k, seen): value(x, seen) for k, x in zip(o['NS.keys'], o['NS.objects'])}
        if cls == 'NSDate':
            return {'date': o['NS.time']}
        if cls == 'NSURL':
            return {'url': value(o['NS.relative'], seen), 'base': value(o['NS.base'], seen)}
        if 'NS.data' in o:
            return {'data': o['NS.data'].hex()}
        fields = {k: value(x, seen) for k, x in o.items() if k != '$class'}
        fields['class'] = objects[o['$class'].data]['$classes']
        return fields
    if isinstance(v, bytes):
        return {'data': v.hex()}
    return v
print(json.dumps({'archiver': archive['$archiver'], 'version': archive['$version'],
                  'root': value(archive['$top']['kRepository'], frozenset())}, sort_keys=True))
)PY";

TEST_F(ArchiveInteropTest, PythonPlistlibReadsWhatWeWrite) {
    if (run("python3 -c 'import plistlib'").status != 0)
        GTEST_SKIP() << "python3 with plistlib is not available";
    auto archivePath = writeSample();
    auto script = temporary / "read_archive.py";
    std::ofstream(script) << kPythonReader;
    CommandResult r = run("python3 " + script.string() + " " + archivePath.string());
    ASSERT_EQ(r.status, 0) << r.output;
    const std::string expected =
        R"({"archiver": "NSKeyedArchiver", "root": {"big": 1099511627781, "bytes": {"data": "0001fe"}, )"
        R"("class": ["TestRecord", "NSObject"], "count": -7, "extra": {"again": [1, 2.5, true, "s"], )"
        R"("list": [1, 2.5, true, "s"], "set": {"class": ["TestQuestionSet", "NSObject"], "questions": )"
        R"([{"class": ["TestQuestion", "TestItem", "NSObject"], "number": 1, "set": {"cycle": "TestQuestionSet"}}], )"
        R"("title": "Set A"}, "unsigned": 18446744073709551615}, "flag": true, "link": {"base": null, )"
        R"("url": "https://example.org/a%20b?x=1"}, "name": "Gr\u00fc\u00dfe \u2713", "ratio": 0.5, )"
        R"("seconds": 12.25, "when": {"date": 700000000.5}}, "version": 100000})"
        "\n";
    EXPECT_EQ(r.output, expected);
}

TEST_F(ArchiveInteropTest, PlistutilReadsWhatWeWrite) {
    if (run("plistutil -h").output.find("plist") == std::string::npos)
        GTEST_SKIP() << "plistutil is not installed";
    auto archivePath = writeSample();
    auto xml = temporary / "sample.xml";
    CommandResult toXml = run("plistutil -i " + archivePath.string() + " -o " + xml.string());
    ASSERT_EQ(toXml.status, 0) << toXml.output;
    Bytes text = readFile(xml);
    std::string s(text.begin(), text.end());
    for (const char* expected : {"<string>NSKeyedArchiver</string>", "<key>kRepository</key>",
                                 "<string>TestQuestionSet</string>", "<integer>1099511627781</integer>",
                                 "<string>Gr\xC3\xBC\xC3\x9F"
                                 "e \xE2\x9C\x93</string>",
                                 "<real>12.25", "<integer>100000</integer>"})
        EXPECT_NE(s.find(expected), std::string::npos) << expected;
}

TEST_F(ArchiveInteropTest, ReadsArchivesPlistlibWrote) {
    KeyedUnarchiver in(readFile(std::filesystem::path(ORVA_FIXTURES) / "archives" / "models.archive"));
    ASSERT_TRUE(in.valid()) << in.error();
    auto r = in.decodeObjectOfClass<Record>("kRepository");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->count, -7);
    EXPECT_EQ(r->big, (1LL << 40) + 5);
    EXPECT_TRUE(r->flag);
    EXPECT_EQ(r->ratio, 0.5f);
    EXPECT_EQ(r->name,
              "Gr\xC3\xBC\xC3\x9F"
              "e \xE2\x9C\x93 \xF0\x9F\x98\x80");
    EXPECT_EQ(r->when, Date(700000000.5));
    ASSERT_TRUE(r->bytes);  // a data object stored bare in the table
    ASSERT_EQ(r->bytes->size(), 256u);
    EXPECT_EQ((*r->bytes)[255], 255);
    auto extra = r->extra.dictionary();
    ASSERT_TRUE(extra);
    auto list = extra->at("list").array();
    ASSERT_TRUE(list);  // a mutable array
    EXPECT_EQ(list, extra->at("again").array());
    EXPECT_EQ(list->size(), 4u);
    auto set = extra->at("set").object<QuestionSet>();
    ASSERT_TRUE(set);
    ASSERT_EQ(set->questions.size(), 2u);
    EXPECT_EQ(set->questions[1]->number, 2);
    EXPECT_EQ(set->questions[1]->set.lock(), set);
    EXPECT_EQ(*extra->at("relative").url(), "https://example.org/dir/page.html?q=1");
    EXPECT_EQ(*extra->at("mutableText").string(), "mutable");
    EXPECT_EQ(*extra->at("wrapped").data(), (Bytes{0, 1}));
    EXPECT_EQ(extra->at("unsigned").uint64Value(), 18446744073709551615ull);
    EXPECT_TRUE(logged.empty());
}

TEST_F(ArchiveInteropTest, OldClassNamesReadThroughAliases) {
    auto bytes = readFile(std::filesystem::path(ORVA_FIXTURES) / "archives" / "clock.archive");
    auto clock = KeyedUnarchiver::unarchive(bytes, "kTimer").object<archive_test::Clock>();
    ASSERT_TRUE(clock);
    EXPECT_EQ(clock->seconds, 95);
    EXPECT_TRUE(clock->running);
}

TEST_F(ArchiveInteropTest, UnknownClassesAndBadReferencesReadAsAbsent) {
    auto bytes = readFile(std::filesystem::path(ORVA_FIXTURES) / "archives" / "odd.archive");
    auto items = KeyedUnarchiver::unarchive(bytes, "kRepository").array();
    ASSERT_TRUE(items);
    ASSERT_EQ(items->size(), 4u);
    EXPECT_TRUE((*items)[0].isNil());
    auto known = (*items)[1].object<Record>();  // an unknown subclass reads as its known superclass
    ASSERT_TRUE(known);
    EXPECT_EQ(known->count, 3);
    EXPECT_TRUE((*items)[2].isNil());
    EXPECT_EQ(*(*items)[3].string(), "kept");
    EXPECT_TRUE(loggedAbout("unknown class \"TestMissingThing\""));
    EXPECT_TRUE(loggedAbout("outside the object table"));
}

TEST_F(ArchiveInteropTest, NumberKeysAreKeptAsWrittenAndWrittenBack) {
    auto bytes = readFile(std::filesystem::path(ORVA_FIXTURES) / "archives" / "numberkeys.archive");
    auto table = KeyedUnarchiver::unarchive(bytes, "kRepository").dictionary();
    ASSERT_TRUE(table);
    // The blob and the date are no keys of ours: skipped and told.
    ASSERT_EQ(table->size(), 3u);
    EXPECT_EQ(*table->at(3).string(), "integer");
    EXPECT_EQ(*table->at(ArchiveKey::real(2.5)).string(), "real");
    EXPECT_EQ(*table->at("three").string(), "string");
    EXPECT_EQ(table->count(ArchiveKey::real(3.0)), 1u);  // compared by value
    EXPECT_EQ(table->count("3"), 0u);
    EXPECT_TRUE(loggedAbout("neither a string nor a number (NSData)"));
    EXPECT_TRUE(loggedAbout("neither a string nor a number (NSDate)"));

    // Written back, each key is the kind of object it was read as.
    auto path = temporary / "numberkeys.archive";
    std::string error;
    auto again = KeyedArchiver::archive("kRepository", ArchiveValue(table), &error);
    ASSERT_TRUE(again) << error;
    writeFile(path, *again);
    if (run("python3 -c 'import plistlib'").status != 0)
        GTEST_SKIP() << "python3 with plistlib is not available";
    CommandResult r =
        run("python3 -c \"import plistlib,sys; a=plistlib.load(open(sys.argv[1],'rb')); o=a['\\$objects']; "
            "d=o[a['\\$top']['kRepository'].data]; print(sorted((type(o[k.data]).__name__, o[v.data]) "
            "for k, v in zip(d['NS.keys'], d['NS.objects'])))\" " +
            path.string());
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(r.output, "[('float', 'real'), ('int', 'integer'), ('str', 'string')]\n");
}

}  // namespace
