// Installing a downloaded e-book of 20 MB (an archive of 120 text pages and 19 one-megabyte
// pictures that do not compress): the whole install as the content download starts it (archive
// written, unpacked under the lock, old folder moved aside, book read, list entry replaced,
// index read), and the unpack alone as its floor.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "Classes/core/MRepository.h"
#include "Classes/library_store/MProductInfo.h"
#include "Classes/library_store/ZipArchive.h"
#include "platform/foundation/Paths.h"
#include "platform/foundation/RunLoop.h"

namespace fs = std::filesystem;

namespace {

constexpr int kPages = 120;
constexpr int kPictures = 19;

struct Fixture {
    fs::path root = fs::temp_directory_path() / "bench_ebook_install";
    fs::path archive = root / "book.zip";
    fnd::Bytes bytes;

    Fixture() {
        fs::remove_all(root);
        fs::path source = root / "source";
        fs::create_directories(source / "META-INF");
        fs::create_directories(source / "OPS/images");
        std::ofstream(source / "META-INF/container.xml")
            << R"(<container><rootfiles><rootfile full-path="OPS/book.opf"/></rootfiles></container>)";
        std::string manifest, spine, nav;
        std::mt19937 random(7);
        std::uniform_int_distribution<int> word(0, 9);
        const char* words[] = {"ratio", "angle",  "prime",    "the",     "of",
                               "sum",   "circle", "argument", "premise", "rate"};
        for (int p = 0; p < kPages; ++p) {
            std::string name = "p" + std::to_string(p) + ".html";
            std::string text = "<html><body><h1>Chapter " + std::to_string(p) + "</h1>";
            while (text.size() < 60000) {
                text += "<p>";
                for (int w = 0; w < 40; ++w) text += std::string(words[word(random)]) + " ";
                text += "</p>\n";
            }
            std::ofstream(source / "OPS" / name) << text << "</body></html>";
            manifest += "<item id=\"p" + std::to_string(p) + "\" href=\"" + name + "\"/>";
            spine += "<itemref idref=\"p" + std::to_string(p) + "\"/>";
            nav += "<navPoint><navLabel><text>Chapter " + std::to_string(p) +
                   "</text></navLabel><content src=\"" + name + "\"/></navPoint>";
        }
        std::ofstream(source / "OPS/book.opf")
            << "<package><manifest>" << manifest
            << "<item id=\"n\" href=\"toc.ncx\"/></manifest><spine toc=\"n\">" << spine
            << "</spine></package>";
        std::ofstream(source / "OPS/toc.ncx") << "<ncx><navMap>" << nav << "</navMap></ncx>";
        std::string picture(1 << 20, '\0');
        for (int i = 0; i < kPictures; ++i) {
            for (char& c : picture) c = static_cast<char>(random());
            std::ofstream(source / "OPS/images" / ("i" + std::to_string(i) + ".png"), std::ios::binary)
                << picture;
        }
        ZipArchive writer;
        writer.CreateZipFile2(archive);
        for (const auto& entry : fs::recursive_directory_iterator(source))
            if (entry.is_regular_file())
                writer.addFileToZip(entry.path(), entry.path().lexically_relative(source).string());
        writer.CloseZipFile2();
        std::ifstream in(archive, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        fnd::Paths::setDocuments(root / "documents");
        fnd::Paths::setTemporary(root / "tmp");
        fs::create_directories(root / "documents");
        fs::create_directories(root / "tmp");
        fnd::RunLoop::setMain(std::make_shared<fnd::RunLoop>());
    }
    ~Fixture() {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void BM_InstallEBook(benchmark::State& state) {
    Fixture& f = fixture();
    auto rep = std::make_shared<MRepository>();
    rep->initEBooks();
    auto record = std::make_shared<MProductInfo>("bench.book", 1, 1, "Bench", "", "", "none");
    for (auto _ : state) {
        bool done = false, installed = false;
        rep->installEBook(record, f.bytes, [&](bool ok) { done = true, installed = ok; });
        fnd::RunLoop::main().runUntil([&] { return done; }, 600);
        if (!installed) state.SkipWithError("install failed");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.bytes.size()));
    state.counters["archive_MB"] = static_cast<double>(f.bytes.size()) / (1 << 20);
}
BENCHMARK(BM_InstallEBook)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_UnpackOnly(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        fs::remove_all(f.root / "unpacked");
        ZipArchive zip;
        zip.UnzipOpenFile(f.archive);
        if (!zip.UnzipFileTo(f.root / "unpacked", true)) state.SkipWithError("unpack failed");
        zip.UnzipCloseFile();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.bytes.size()));
}
BENCHMARK(BM_UnpackOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
