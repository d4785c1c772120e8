// The flashcard-sharing service's search on large replies.
//   BareParse           a reply of about 6 MB (100 sets of 1,000 terms) through the JSON reader alone
//   ParseModelAndList   the same bytes as the search screen takes them: read, made into the reply's
//                       sets, the results text and page bar set and the list reloaded. It should
//                       stay within twice BareParse.
//   ChooseLargeSet      a set of 2,000 terms chosen from the list: the prepared deck filled with its
//                       cards and the preview opened on them. It should stay under 50 ms.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "Classes/flashcards/DeckAddVC.h"
#include "Classes/flashcards/DeckChooseVC.h"
#include "Classes/flashcards/MFlashcards.h"
#include "Classes/flashcards/MQuizletResponse.h"
#include "platform/foundation/Json.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/URLConnection.h"
#include "platform/ui/BarButtonItem.h"
#include "platform/ui/Make.h"
#include "platform/ui/TableView.h"
#include "tests/support/BenchPhone.h"

namespace {

// A reply of `sets` sets of `terms` terms each, every tenth term with a picture.
std::string reply(int sets, int terms) {
    std::string out =
        R"({"total_results": 5000, "page": 1, "total_pages": 50, "sets_with_images": 20, "sets": [)";
    for (int s = 0; s < sets; ++s) {
        if (s) out += ',';
        out +=
            R"({"id": )" + std::to_string(9000 + s) + R"(, "url": "http://127.0.0.1:9/sets/)" +
            std::to_string(s) + R"(", "title": "Set )" + std::to_string(s) +
            R"(", "creator": "maker", "created": 1325376000, "last_modified": 1330560000, "term_count": )" +
            std::to_string(terms) +
            R"(, "has_images": true, "description": "Terms for practice", "subjects": )"
            R"(["words", "practice"], "terms": [)";
        for (int t = 0; t < terms; ++t) {
            if (t) out += ',';
            out += R"(["Term )" + std::to_string(t) + R"(", "Meaning of term )" + std::to_string(t) +
                   R"(, in plain words", ")";
            if (t % 10 == 0) out += R"(<img src=\"http://127.0.0.1:9/p/)" + std::to_string(t) + R"(.png\">)";
            out += R"("])";
        }
        out += "]}";
    }
    return out + "]}";
}

const std::string& largeReply() {
    static const std::string bytes = reply(100, 1000);
    return bytes;
}

// The search screen handed a whole reply, as its connection would hand it.
void deliver(DeckChooseVC& chooser, fnd::URLConnection& connection, const std::string& bytes) {
    chooser.didReceiveResponse(connection,
                               fnd::URLResponse(fnd::URL("http://127.0.0.1:9/1.0/sets"), 200, {}));
    chooser.didReceiveData(connection, bytes);
    chooser.didFinishLoading(connection);
}

std::shared_ptr<fnd::URLConnection> idleConnection() {
    return std::make_shared<fnd::URLConnection>(fnd::URLRequest(), nullptr, nullptr);
}

void BareParse(benchmark::State& state) {
    const std::string& bytes = largeReply();
    for (auto _ : state) benchmark::DoNotOptimize(fnd::Json::parse(bytes));
    state.counters["MB"] = double(bytes.size()) / 1e6;
}
BENCHMARK(BareParse)->Unit(benchmark::kMillisecond);

void ParseModelAndList(benchmark::State& state) {
    testing_support::setUpBenchPhone();
    const std::string& bytes = largeReply();
    auto chooser = ui::make<DeckChooseVC>(std::make_shared<MFlashcards>(), 27000, "http://127.0.0.1:9");
    auto connection = idleConnection();
    for (auto _ : state) {
        deliver(*chooser, *connection, bytes);
        benchmark::DoNotOptimize(chooser->decksTableView()->numberOfRows(0));
    }
    chooser->close();
}
BENCHMARK(ParseModelAndList)->Unit(benchmark::kMillisecond);

void ChooseLargeSet(benchmark::State& state) {
    testing_support::setUpBenchPhone();
    auto chooser = ui::make<DeckChooseVC>(std::make_shared<MFlashcards>(), 27000, "http://127.0.0.1:9");
    auto connection = idleConnection();
    deliver(*chooser, *connection, reply(1, 2000));
    for (auto _ : state) {
        chooser->didSelectRow(*chooser->decksTableView(), {0, 0});
        state.PauseTiming();
        auto preview = chooser->deckAddVC();
        if (!preview || preview->numberOfRows(*preview->cardsTableView, 0) != 2000)
            state.SkipWithError("no preview");
        preview->done(preview->cancelBtn());
        fnd::RunLoop::main().runFor(1);
        state.ResumeTiming();
    }
    chooser->close();
}
BENCHMARK(ChooseLargeSet)->Unit(benchmark::kMillisecond);

}  // namespace
