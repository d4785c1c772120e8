// One tick of the game clock with the play screen open: the tool hands `update` down the topic
// list and the level grid to the play screen, which drains its timer bar and refreshes its labels.
// Reported per tick: the C++ time of the chain, and the bytes of the patch the display is sent
// (while a question runs only the bar's frame and colour change).
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <memory>

#include "Classes/core/MRepository.h"
#include "Classes/core/TovridaAppDelegate.h"
#include "Classes/game/GameBattleVC.h"
#include "Classes/game/GameLevelVC.h"
#include "Classes/game/GameMathVC.h"
#include "Classes/game/GameVC.h"
#include "Classes/game/MGameLevelView.h"
#include "Classes/game/MGameMetaQuestionCollection.h"
#include "Classes/game/MGameTopics.h"
#include "platform/foundation/Clock.h"
#include "platform/foundation/Paths.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/Application.h"
#include "platform/ui/ChangeLog.h"
#include "platform/ui/Device.h"
#include "platform/ui/Make.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TableViewCell.h"
#include "platform/ui/Window.h"

namespace {

class StillDelegate : public TovridaAppDelegate {
  protected:
    void startLoading() override {}
};

void TickWithThePlayScreenOpen(benchmark::State& state) {
    auto clock = std::make_shared<fnd::ManualClock>();
    fnd::Clock::setShared(clock);
    auto loop = std::make_shared<fnd::RunLoop>(clock);
    fnd::RunLoop::setMain(loop);
    fnd::Paths::setResources(ORVA_SOURCE_RESOURCES);
    auto documents = std::filesystem::temp_directory_path() / "orvakit-bench-game";
    std::filesystem::create_directories(documents);
    fnd::Paths::setDocuments(documents);
    ui::Device::current().reset(ui::Idiom::Phone);
    auto delegate = std::make_shared<StillDelegate>();
    ui::Application::shared().launch(delegate);
    ui::Application::shared().windows().front()->makeKeyAndVisible();
    AbstractAppDelegate::registerClasses();
    auto rep = std::make_shared<MRepository>();
    rep->setGameTopicsSet(std::make_shared<MGameTopics>());
    delegate->setRep(rep);

    auto tool = ui::make<GameVC>();
    loop->runFor(1);
    tool->openLevel(nullptr);
    loop->runFor(1);
    auto list = tool->mathVC();
    list->openLevel(list->topicsTV()->cellForRow({0, 1})->viewWithTag(GameMathVC::kNameTag));
    loop->runFor(1);
    auto grid = list->levelVC();
    grid->openBattle(grid->levelViews()[0]->button());
    loop->runFor(0.05);

    ui::ChangeLog log(ui::Application::shared().keyWindow());
    std::size_t bytes = 0;
    std::string last;
    log.addListener([&](const std::string& message) {
        bytes += message.size();
        last = message;
    });
    log.flush();
    bytes = 0;

    double chain = 0;
    std::int64_t ticks = 0;
    for (auto _ : state) {
        // Ten ticks a frame, so that the 5,000 ticks measured fall within one question of 10 s.
        clock->advance(1.0 / 600);
        auto start = std::chrono::steady_clock::now();
        tool->update();
        chain += std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
        log.flush();
        ++ticks;
    }
    state.counters["chain_us"] = benchmark::Counter(chain / static_cast<double>(ticks));
    state.counters["patch_bytes"] =
        benchmark::Counter(static_cast<double>(bytes) / static_cast<double>(ticks));
    // The last patch, to see what a tick changes.
    state.SetLabel(last.substr(0, 400));
    tool->close();
}

}  // namespace

BENCHMARK(TickWithThePlayScreenOpen)->Iterations(5000);
