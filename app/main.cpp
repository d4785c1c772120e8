// orvakit: the study kit. Reads its options, serves the device's screen to a browser tab and runs
// the application until it is told to end.

#include <fcntl.h>
#include <malloc.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "Classes/core/TovridaAppDelegate.h"
#include "platform/display/AccessFile.h"
#include "platform/display/DeviceSession.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/FolderLock.h"
#include "platform/foundation/Locale.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/Paths.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/TerminationSignals.h"
#include "platform/location/DeviceLocation.h"
#include "platform/store/Storefront.h"
#include "platform/ui/Application.h"
#include "platform/ui/Device.h"

extern char** environ;

namespace {

struct Settings {
    ui::Idiom idiom = ui::Idiom::Phone;
    std::string model;
    unsigned short port = 0;
    bool open = false;
    bool newToken = false;
};

// Kept in the data folder: the lock that keeps a second program off it (holding the address of the
// one running) and the display's access token and port, which keep the address the same across
// restarts.
constexpr const char* kLockFileName = ".orvakit.lock";
constexpr const char* kAccessFileName = ".orvakit-access";

// One entry per option; an option with a value gets it as the argument of its handler, which
// answers an error text (empty when the value is fine).
struct Option {
    const char* name;
    const char* value;  // the value's name in the usage text; null for a flag
    const char* help;
    std::function<std::string(const std::string&)> apply;
};

// The parts of a comma-separated list; empty parts are skipped.
std::vector<std::string> commaSeparated(const std::string& list) {
    std::vector<std::string> parts;
    for (std::size_t start = 0; start <= list.size();) {
        std::size_t comma = std::min(list.find(',', start), list.size());
        if (comma > start) parts.push_back(list.substr(start, comma - start));
        start = comma + 1;
    }
    return parts;
}

std::vector<Option> options(Settings& s) {
    return {
        {"--device", "phone|tablet", "the device shown (default phone, 320 x 480; tablet 768 x 1024)",
         [&s](const std::string& v) -> std::string {
             if (v == "phone")
                 s.idiom = ui::Idiom::Phone;
             else if (v == "tablet")
                 s.idiom = ui::Idiom::Tablet;
             else
                 return "--device is phone or tablet";
             return {};
         }},
        {"--model", "STRING", "the device's model string (default one of the device)",
         [&s](const std::string& v) -> std::string {
             if (v.empty()) return "--model needs a model string";
             s.model = v;
             return {};
         }},
        {"--data-dir", "DIR",
         "where the user's data are kept\n"
         "                         (default $XDG_DATA_HOME/orvakit, else ~/.local/share/orvakit)",
         [](const std::string& v) -> std::string {
             if (v.empty()) return "--data-dir needs a folder";
             fnd::Paths::setDocuments(v);
             return {};
         }},
        {"--port", "N", "the port to serve on (default the last run's, else a free one)",
         [&s](const std::string& v) -> std::string {
             char* end = nullptr;
             long port = std::strtol(v.c_str(), &end, 10);
             if (v.empty() || *end != '\0' || port < 0 || port > 65535) return "--port needs a port number";
             s.port = static_cast<unsigned short>(port);
             return {};
         }},
        {"--open", nullptr, "open the address in the desktop's browser, where there is one",
         [&s](const std::string&) -> std::string {
             s.open = true;
             return {};
         }},
        {"--new-token", nullptr, "replace the kept access token: addresses printed before stop working",
         [&s](const std::string&) -> std::string {
             s.newToken = true;
             return {};
         }},
        {"--resources", "DIR", "the bundle's resource folder (default the source tree's resources/)",
         [](const std::string& v) -> std::string {
             if (v.empty()) return "--resources needs a folder";
             fnd::Paths::setResources(v);
             return {};
         }},
        {"--schemes", "LIST",
         "the link schemes the device opens, comma-separated\n"
         "                         (default http,https,mailto,tel,skype; a device without skype leaves it "
         "out)",
         [](const std::string& v) -> std::string {
             std::vector<std::string> schemes = commaSeparated(v);
             const auto& known = ui::Application::knownSchemes();
             for (const std::string& scheme : schemes)
                 if (std::find(known.begin(), known.end(), scheme) == known.end())
                     return "--schemes takes only http, https, mailto, tel and skype";
             ui::Application::shared().setOpenableSchemes(schemes);
             return {};
         }},
        {"--languages", "LIST",
         "the person's preferred languages, comma-separated, most wanted first\n"
         "                         (default the browser's, else en-US)",
         [](const std::string& v) -> std::string {
             std::vector<std::string> languages = commaSeparated(v);
             for (const std::string& tag : languages)
                 if (!fnd::Locale::isLanguageTag(tag)) return "--languages takes language tags, as fr-FR,en";
             if (languages.empty()) return "--languages needs a language";
             fnd::Locale::setPreferredLanguages(languages);
             return {};
         }},
        {"--location", "LAT,LON|off",
         "the device's position in decimal degrees, or off: its location services are off\n"
         "                         (default on, position unknown; the page's Location control changes it)",
         [](const std::string& v) -> std::string {
             if (v == "off") {
                 loc::DeviceLocation::current().setServicesEnabled(false);
                 return {};
             }
             auto position = loc::Location::parse(v);
             if (!position) return "--location is LAT,LON in degrees, as 48.8566,2.3522, or off";
             loc::DeviceLocation::current().setPosition(*position);
             return {};
         }},
    };
}

void usage(FILE* out, const std::vector<Option>& all) {
    std::fputs("usage: orvakit [options]\n", out);
    for (const Option& o : all) {
        std::string left = std::string(o.name) + (o.value ? std::string(" ") + o.value : "");
        std::fprintf(out, "  %-22s %s\n", left.c_str(), o.help);
    }
    std::fprintf(out, "  %-22s %s\n", "--help", "this text");
}

// Answers 0 to go on, else the exit status.
int parse(int argc, char** argv, Settings& settings) {
    std::vector<Option> all = options(settings);
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            usage(stdout, all);
            return -1;
        }
        std::string value;
        bool inline_value = false;
        if (auto eq = arg.find('='); arg.starts_with("--") && eq != std::string::npos) {
            value = arg.substr(eq + 1);
            arg.resize(eq);
            inline_value = true;
        }
        const Option* option = nullptr;
        for (const Option& o : all)
            if (arg == o.name) option = &o;
        if (!option) {
            std::fprintf(stderr, "orvakit: unknown option %s\n", arg.c_str());
            usage(stderr, all);
            return 2;
        }
        if (option->value && !inline_value) {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "orvakit: %s needs a value\n", arg.c_str());
                return 2;
            }
            value = argv[++i];
        } else if (!option->value && inline_value) {
            std::fprintf(stderr, "orvakit: %s takes no value\n", arg.c_str());
            return 2;
        }
        if (std::string error = option->apply(value); !error.empty()) {
            std::fprintf(stderr, "orvakit: %s\n", error.c_str());
            return 2;
        }
    }
    return 0;
}

// Hands the address to the desktop's opener, when there is one. Its output stays off our
// standard output, which carries the address alone; it gets the signals this process blocks.
void openInBrowser(const std::string& address) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);
    std::string program = "xdg-open";
    char* args[] = {program.data(), const_cast<char*>(address.c_str()), nullptr};
    pid_t pid = 0;
    int failed = posix_spawnp(&pid, program.c_str(), &actions, &attributes, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (failed) {
        fnd::Log::info("no desktop opener here; open the address by hand");
        return;
    }
    std::thread([pid] { waitpid(pid, nullptr, 0); }).detach();
}

// The display's connections, the web views' files and the saves all take descriptors; the soft
// limit is often far below what the system allows the process, so take all of it.
void raiseDescriptorLimit() {
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur >= limit.rlim_max) return;
    limit.rlim_cur = limit.rlim_max;
    if (setrlimit(RLIMIT_NOFILE, &limit) != 0) fnd::Log::warning("cannot raise the limit of open files");
}

// The threads that read the user's files at start make hundreds of thousands of small objects,
// each thread in a heap of its own, which the allocator otherwise makes writable a page at a time
// as it fills: a long-time user's files cost thousands of system calls, on the way to the home
// screen. With a pad as large as such a thread fills at start, a new heap is writable whole at
// once; its pages still take memory only once they are used. (Setting the pad also fixes the size
// above which a block is mapped on its own at its first value, 128 KB.)
void padNewHeaps() {
    constexpr int kHeapPad = 32 << 20;
    if (mallopt(M_TOP_PAD, kHeapPad) != 1) fnd::Log::warning("cannot set the heap's pad");
}

}  // namespace

int main(int argc, char** argv) {
    Settings settings;
    if (int status = parse(argc, argv, settings)) return status < 0 ? 0 : status;

    padNewHeaps();
    raiseDescriptorLimit();
    ui::Device& device = ui::Device::current();
    device.reset(settings.idiom);
    if (!settings.model.empty()) device.setModel(settings.model);

    auto loop = std::make_shared<fnd::RunLoop>();
    fnd::RunLoop::setMain(loop);
    fnd::TerminationSignals::install([loop](int) {
        // A signal while the end is under way (it serves this loop while saves finish) changes
        // nothing: stopping the loop then would cut that bounded wait short and lose the saves.
        ui::Application& application = ui::Application::shared();
        if (application.state() == ui::Application::State::Terminated) return;
        fnd::Log::info("ending: the user's data are saved first");
        application.terminate();
        loop->stop();
    });
    // Two programs on one data folder would overwrite each other's files: the second one stops here.
    const std::filesystem::path dataFolder = fnd::Paths::documents();
    fnd::FolderLock dataLock;
    switch (dataLock.acquire(dataFolder, kLockFileName)) {
        case fnd::FolderLock::Outcome::Acquired:
            break;
        case fnd::FolderLock::Outcome::HeldElsewhere: {
            std::string address = dataLock.holderNote();
            std::fprintf(
                stderr,
                "orvakit: the data folder %s is in use by another orvakit%s%s.\n"
                "orvakit: open that one's address, or end it first, or start with another --data-dir.\n",
                dataFolder.c_str(), address.empty() ? " (still starting)" : ", at ", address.c_str());
            return 1;
        }
        case fnd::FolderLock::Outcome::Failed:
            std::fprintf(stderr, "orvakit: %s\n", dataLock.error().c_str());
            return 1;
    }
    const std::filesystem::path accessFile = dataFolder / kAccessFileName;
    std::string accessError;
    auto access = display::AccessFile::loadOrMake(accessFile, settings.newToken, accessError);
    if (!access) {
        std::fprintf(stderr, "orvakit: %s\n", accessError.c_str());
        return 1;
    }
    fnd::Log::info("documents in ", dataFolder.string());
    // The store sells what the bundle lists; the program ships no list, so nothing.
    if (auto products = fnd::Bundle::main().textResource("StoreProducts", "json"))
        fnd::Log::info("the store sells ", store::Storefront::shared().loadProducts(*products), " products");

    // The display first, so that the web views the application makes at launch show in the tab.
    display::DeviceSession::Options sessionOptions;
    sessionOptions.server.port = settings.port;
    sessionOptions.server.preferredPort = access->port;
    sessionOptions.server.token = access->token;
    display::DeviceSession session(sessionOptions);
    if (!session.start()) {
        std::fprintf(stderr, "orvakit: cannot serve the display: %s\n", session.error().c_str());
        return 1;
    }
    ui::Application::shared().launch(std::make_shared<TovridaAppDelegate>());
    dataLock.setNote(session.address());
    if (session.server().port() != access->port) {
        access->port = session.server().port();
        if (!display::AccessFile::save(accessFile, *access, accessError)) fnd::Log::warning(accessError);
    }
    std::printf("%s\n", session.address().c_str());
    std::fflush(stdout);
    if (settings.open) openInBrowser(session.address());

    loop->run();
    session.stop();
    return 0;
}
