#include "Classes/core/AbstractAppDelegate.h"

#include <cmath>
#include <future>
#include <mutex>
#include <system_error>

#include "Classes/core/CommonViewController.h"
#include "Classes/core/CustomWebView.h"
#include "Classes/core/DeviceHardware.h"
#include "Classes/core/MRepository.h"
#include "Classes/core/MTipHistory.h"
#include "Classes/core/SettingsVC.h"
#include "Classes/core/SplashVC.h"
#include "Classes/core/ToolChooseVC.h"
#include "Classes/errorlog/BooksVC.h"
#include "Classes/errorlog/MErrorLogClasses.h"
#include "Classes/errorlog/MOGTrackerRepository.h"
#include "Classes/flashcards/FlashcardsVC.h"
#include "Classes/flashcards/MFlashcards.h"
#include "Classes/forum_news/ForumVC.h"
#include "Classes/forum_news/MForumNewsClasses.h"
#include "Classes/forum_news/NewsVC.h"
#include "Classes/game/GameVC.h"
#include "Classes/library_store/StartVC.h"
#include "Classes/practice/MBuiltInSetData.h"
#include "Classes/practice/MPracticeClasses.h"
#include "Classes/practice/MPracticeRepository.h"
#include "Classes/practice/MSessions.h"
#include "Classes/practice/SetsVC.h"
#include "Classes/statistics/StatisticsClasses.h"
#include "Classes/study_aids/CoursesVC.h"
#include "Classes/study_aids/FeedbackVC.h"
#include "Classes/study_aids/MathVC.h"
#include "Classes/study_aids/StudyAidsPanels.h"
#include "Classes/timer/TimerClasses.h"
#include "platform/foundation/AtomicFile.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/ObjectPool.h"
#include "platform/foundation/Paths.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/Thread.h"
#include "platform/ui/Application.h"
#include "platform/ui/Device.h"
#include "platform/ui/Make.h"
#include "platform/ui/View.h"
#include "platform/ui/Window.h"

namespace fs = std::filesystem;

std::shared_ptr<AbstractAppDelegate> AbstractAppDelegate::shared() {
    return std::dynamic_pointer_cast<AbstractAppDelegate>(ui::Application::shared().delegate());
}

std::shared_ptr<MRepository> AbstractAppDelegate::sharedRep() {
    auto delegate = shared();
    return delegate ? delegate->rep() : nullptr;
}

void AbstractAppDelegate::registerClasses() {
    static std::once_flag once;
    std::call_once(once, [] {
        CustomWebView::registerViewClass();
        MPracticeClasses::registerAll();
        MFlashcards::registerClasses();
        MErrorLogClasses::registerAll();
        MForumNewsClasses::registerAll();
        MTipHistory::registerClass();
        MRepository::registerClass();
        SplashVC::registerOwners();
        CommonViewController::registerOwners();
        ToolChooseVC::registerOwners();
        StatisticsClasses::registerAll();
        SettingsVC::registerOwners();
        BooksVC::registerOwners();
        GameVC::registerOwners();
        FlashcardsVC::registerOwners();
        SetsVC::registerOwners();
        NewsVC::registerOwners();
        ForumVC::registerOwners();
        StartVC::registerOwners();
        CoursesVC::registerOwners();
        MathVC::registerOwners();
        FeedbackVC::registerOwners();
        TimerClasses::registerAll();
        StudyAidsPanels::registerAll();
    });
}

bool AbstractAppDelegate::isiPad() { return ui::Device::current().idiom() == ui::Idiom::Tablet; }

std::string AbstractAppDelegate::version() { return fnd::Bundle::main().version(); }

fs::path AbstractAppDelegate::dataFilePath() { return fnd::Paths::documents() / kRepositoryFileName; }

bool AbstractAppDelegate::saveRepository(const fnd::ArchiveValue& object, const fs::path& path) const {
    if (!launchDate() || object.isNil()) return false;
    // The archive is encoded straight into the new file, so that it is never whole in memory.
    return writeRepository(
        [&](const fnd::AtomicFile::Piece& piece) {
            std::string error;
            bool archived = fnd::KeyedArchiver::archive(kRootKey, object, piece, &error);
            if (!archived) fnd::Log::error("cannot archive the repository: ", error);
            return archived;
        },
        path);
}

std::optional<fnd::Bytes> AbstractAppDelegate::archiveRepository(const fnd::ArchiveValue& object) {
    if (object.isNil()) return std::nullopt;
    std::string error;
    std::optional<fnd::Bytes> archive = fnd::KeyedArchiver::archive(kRootKey, object, &error);
    if (!archive) fnd::Log::error("cannot archive the repository: ", error);
    return archive;
}

bool AbstractAppDelegate::writeRepository(const fnd::Bytes& archive, const fs::path& path) const {
    return writeRepository([&](const fnd::AtomicFile::Piece& piece) { return piece(archive); }, path);
}

bool AbstractAppDelegate::writeRepository(const fnd::AtomicFile::Producer& produce,
                                          const fs::path& path) const {
    if (!launchDate()) return false;
    fnd::AtomicFile::Result result = fnd::AtomicFile::writeProduced(path, produce);
    if (!result) fnd::Log::error("cannot save ", path.string(), ": ", result.error);
    return result.saved;
}

std::shared_ptr<fnd::Object> AbstractAppDelegate::loadRepositoryFromFile(
    const fs::path& path, const std::function<bool(const fnd::Object&)>& accepts) {
    // Nothing saves before the data is loaded: what an earlier run's interrupted saves left is waste.
    if (int removed = fnd::AtomicFile::removeLeftovers(path))
        fnd::Log::info("removed ", removed, " unfinished save(s) of ", path.filename().string());
    std::error_code ec;
    if (!fs::exists(path, ec)) return nullptr;

    std::string problem;
    std::shared_ptr<fnd::Object> object;
    // What a repository file holds stays for the whole run: the many small records of a long
    // history are laid side by side in the pool rather than one by one in the heap.
    fnd::ObjectPool::Scope pooling;
    // Read from the file in pieces: a repository file may hold many megabytes, and only what is
    // parsed from them is kept while the objects are made.
    if (fnd::KeyedUnarchiver unarchiver(path); !unarchiver.readable()) {
        problem = "it cannot be read";
    } else {
        fnd::ArchiveValue root;
        if (unarchiver.valid())
            root = unarchiver.decodeObject(kRootKey);
        else
            problem = unarchiver.error();
        object = root.object();
        if (object && accepts && !accepts(*object)) {
            problem = "it holds an object of another kind";
            object = nullptr;
        } else if (!object && problem.empty()) {
            problem = std::string("it holds no object under \"") + kRootKey + "\"";
        }
    }
    if (object) return object;

    fs::path aside = moveAside(path);
    if (aside.empty())
        fnd::Log::error("the file ", path.string(), " is not used: ", problem,
                        "; it could not be moved aside");
    else
        fnd::Log::error("the file ", path.string(), " is not used: ", problem, "; kept as ", aside.string());
    return nullptr;
}

fs::path AbstractAppDelegate::moveAside(const fs::path& path) {
    auto seconds = static_cast<long long>(std::floor(fnd::Date::now().timeIntervalSince1970()));
    std::string stem = path.filename().string() + ".bad-" + std::to_string(seconds);
    std::error_code ec;
    for (int attempt = 1; attempt < 100; ++attempt) {
        fs::path aside = path.parent_path() / (attempt == 1 ? stem : stem + "-" + std::to_string(attempt));
        if (fs::exists(aside, ec)) continue;
        fs::rename(path, aside, ec);
        return ec ? fs::path() : aside;
    }
    return {};
}

bool AbstractAppDelegate::save() const { return saveRepository(rep_, dataFilePath()); }

void AbstractAppDelegate::applicationDidFinishLaunching(ui::Application&) {
    registerClasses();
    // Every device here runs programs in the background.
    backgroundSupported_ = true;
    if (isiPad())
        splashVC_ = ui::make<SplashVC_iPad>();
    else
        splashVC_ = ui::make<SplashVC>();
    if (window()) {
        window()->setBackgroundColor(ui::Color::whiteColor());
        window()->addSubview(splashVC_->view());
        if (isiPad()) {
            ui::Point centre = window()->center();
            splashVC_->view()->setCenter({centre.x, centre.y + 10});
        }
        window()->makeKeyAndVisible();
    }
    readDeviceFlags();
}

void AbstractAppDelegate::startLoading() {
    loadingInProgress_.store(true);
    std::shared_ptr<AbstractAppDelegate> self = sharedAs<AbstractAppDelegate>();
    fnd::Thread::detach("loading", [self] { self->setupRepository(); });
}

namespace {

// A sub-repository from its own file when there is one; `existed` tells whether a file was there
// (an unreadable one is moved aside and counts as none).
template <class Sub>
std::shared_ptr<Sub> loadSubRepository(bool& existed) {
    std::shared_ptr<Sub> sub = AbstractAppDelegate::loadRepositoryOfClass<Sub>(Sub::dataFilePath());
    existed = sub != nullptr;
    return sub;
}

// Runs `read` on a thread of its own and answers its result when asked; when no thread can be
// started, the read runs on the asking thread at that moment instead.
template <class Read>
auto readBeside(Read read) -> std::future<decltype(read())> {
    try {
        return std::async(std::launch::async, read);
    } catch (const std::system_error&) {
        return std::async(std::launch::deferred, read);
    }
}

}  // namespace

void AbstractAppDelegate::setupRepository() {
    // The three files are independent of one another, so the practice file, by far the largest of
    // a long-time user, is read beside the other two. Nothing of them is shown, posted or written
    // before all three are read, and they are put together in the same order as before.
    bool practiceFileExisted = false;
    std::future<std::shared_ptr<MPracticeRepository>> practiceRead = readBeside(
        [&practiceFileExisted] { return loadSubRepository<MPracticeRepository>(practiceFileExisted); });

    std::shared_ptr<MRepository> rep = loadRepositoryOfClass<MRepository>(dataFilePath());
    if (rep) {
        fnd::Log::info("the user's data read from ", dataFilePath().string());
    } else {
        fnd::Log::info("fresh user data");
        rep = MRepository::makeWithData();
    }

    bool trackerFileExisted = false;
    std::shared_ptr<MOGTrackerRepository> tracker =
        loadSubRepository<MOGTrackerRepository>(trackerFileExisted);

    // The built-in sets' data files are parsed while the practice file is still being read: its
    // sets need them when they are put together, and this thread would only wait meanwhile.
    MBuiltInSetData::readAhead();

    // An older central file brought its own practice data; a file of their own is newer.
    if (auto practice = practiceRead.get())
        rep->setPracticeRep(practice);
    else if (!rep->practiceRep())
        rep->setPracticeRep(MPracticeRepository::makeWithData());

    if (tracker)
        rep->setTrackerRep(tracker);
    else if (!rep->trackerRep())
        rep->setTrackerRep(MOGTrackerRepository::initWithData());

    loading_ = rep;
    setup();

    // Only a file that is not there is written now: the central file follows at the next save.
    if (!practiceFileExisted) rep->practiceRep()->save();
    if (!trackerFileExisted) rep->trackerRep()->save();

    std::shared_ptr<AbstractAppDelegate> self = sharedAs<AbstractAppDelegate>();
    fnd::RunLoop::main().post([self] { self->splashDisappear(); });
}

void AbstractAppDelegate::publishLoaded() { rep_ = std::move(loading_); }

void AbstractAppDelegate::splashDisappear() {
    if (splashVC_) {
        if (splashVC_->isViewLoaded()) splashVC_->view()->removeFromSuperview();
        splashVC_ = nullptr;
    }
    publishLoaded();
    loadingInProgress_.store(false);
    setupTools();
    if (homeScreen_ && window()) {
        std::shared_ptr<ui::View> view = homeScreen_->view();
        ui::Point centre = window()->center();
        view->setCenter({centre.x, centre.y + 10});
        window()->addSubview(view);
        window()->setRootViewController(homeScreen_);
    }
    fnd::Log::info("the splash screen is gone: the home screen shows");
}

void AbstractAppDelegate::applicationDidEnterBackground(ui::Application&) {
    enteringBackgroundDate_ = fnd::Date::now();
    saveHomeScreen();
    save();
    fnd::NotificationCenter::defaultCenter().post(kDidEnterBackgroundNotification, sharedAs());
}

void AbstractAppDelegate::saveHomeScreen() {
    if (toolChooseVC_) toolChooseVC_->save();
}

void AbstractAppDelegate::applicationDidBecomeActive(ui::Application&) {
    if (toolChooseVC_) toolChooseVC_->scheduleTip();
    if (rep_)
        if (std::shared_ptr<MSessions> sessions = rep_->sessions()) sessions->restartSession();
    timeInBackground_ =
        enteringBackgroundDate_ ? fnd::Date::now().timeIntervalSince(*enteringBackgroundDate_) : 0;
}

void AbstractAppDelegate::applicationWillTerminate(ui::Application&) {
    // A save thread may need the main thread, so the loop keeps serving while it waits. A save that
    // ends posts on its own thread; the wake-up call lets the loop look again at once.
    fnd::RunLoop& loop = fnd::RunLoop::main();
    auto busy = [this] { return isLoading() || (rep_ && rep_->subRepsAreSaving()); };
    if (busy()) {
        int token = 0;
        fnd::NotificationCenter& center = fnd::NotificationCenter::defaultCenter();
        center.addObserver(&token, std::string(MSubRepository::kSaveDoneNotification), nullptr,
                           [&loop](const fnd::Notification&) { loop.post([] {}); });
        if (!loop.runUntil([&busy] { return !busy(); }, kEndingSaveWait))
            fnd::Log::warning("ending while a save is still writing");
        center.removeObserver(&token);
    }
    saveHomeScreen();
    save();
}

void AbstractAppDelegate::setup() { setLaunchDate(fnd::Date::now()); }

void AbstractAppDelegate::setupTools() {
    fnd::Log::warning("TovridaAppDelegate::setupTools should be reimplemented!");
}

void AbstractAppDelegate::readDeviceFlags() {
    bool phone = DeviceHardware::platform().find("iPhone") != std::string::npos;
    isPhone_ = phone;
    vibrationAllowed_ = phone;
}

std::optional<fnd::Date> AbstractAppDelegate::launchDate() const {
    double seconds = launchDate_.load();
    if (std::isnan(seconds)) return std::nullopt;
    return fnd::Date(seconds);
}

void AbstractAppDelegate::setLaunchDate(std::optional<fnd::Date> date) {
    launchDate_.store(date ? date->timeIntervalSinceReferenceDate()
                           : std::numeric_limits<double>::quiet_NaN());
}
