#include "platform/display/Server.h"

#include <chrono>
#include <future>

#include "platform/display/AccessPolicy.h"
#include "platform/display/Listener.h"
#include "platform/display/ServedFiles.h"
#include "platform/display/ServerCore.h"
#include "platform/foundation/IOThread.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/RunLoop.h"

#ifndef ORVA_DISPLAY_WEB
#define ORVA_DISPLAY_WEB "platform/display/web"
#endif

namespace display {

// What the main thread knows: the callbacks and the number of the tab it last heard of.
struct Server::MainSide {
    std::function<void()> onConnect;
    std::function<void(const std::string&)> onMessage;
    std::function<void()> onDisconnect;
    std::uint64_t tab = 0;

    void handle(ServerCore::TabEvent& event) {
        using Kind = ServerCore::TabEvent::Kind;
        switch (event.kind) {
            case Kind::Connected:
                tab = event.tab;
                if (onConnect) onConnect();
                break;
            case Kind::Message:
                if (event.tab == tab && onMessage) onMessage(event.text);
                break;
            case Kind::Disconnected:
                if (event.tab != tab) break;
                tab = 0;
                if (onDisconnect) onDisconnect();
                break;
        }
    }
};

struct Server::Impl {
    Impl(Options o, fnd::IOThread& thread)
        : options(std::move(o)),
          io(thread),
          mainLoop(fnd::RunLoop::mainShared()),
          token(options.token.empty() ? AccessPolicy::makeToken() : options.token) {}

    Options options;
    fnd::IOThread& io;
    std::weak_ptr<fnd::RunLoop> mainLoop;
    std::string token;
    std::string error;
    std::shared_ptr<ServedFiles> files;
    std::shared_ptr<MainSide> main = std::make_shared<MainSide>();
    std::function<bool(const std::string&)> takeNow;
    std::shared_ptr<Listener> listener;
    std::shared_ptr<ServerCore> core;
};

std::filesystem::path Server::defaultWebFolder() { return ORVA_DISPLAY_WEB; }

std::filesystem::path Server::defaultFontsFolder() { return "/usr/share/fonts/truetype/dejavu"; }

Server::Server() : Server(Options{}) {}

Server::Server(Options options)
    : impl_(std::make_unique<Impl>(options, options.ioThread ? *options.ioThread : fnd::IOThread::shared())) {
    impl_->files = std::make_shared<ServedFiles>(
        options.webFolder.empty() ? defaultWebFolder() : options.webFolder,
        options.fontsFolder.empty() ? defaultFontsFolder() : options.fontsFolder);
}

Server::~Server() { stop(); }

bool Server::start() {
    if (impl_->core) return true;
    impl_->error.clear();
    if (impl_->options.port == 0 && impl_->options.preferredPort != 0)
        impl_->listener = Listener::open(impl_->io, impl_->options.preferredPort, impl_->error);
    if (!impl_->listener) impl_->listener = Listener::open(impl_->io, impl_->options.port, impl_->error);
    if (!impl_->listener) return false;
    impl_->error.clear();

    auto sink = [loop = impl_->mainLoop, main = std::weak_ptr<MainSide>(impl_->main),
                 takeNow = impl_->takeNow](ServerCore::TabEvent event) {
        if (event.kind == ServerCore::TabEvent::Kind::Message && takeNow && takeNow(event.text)) return;
        if (auto l = loop.lock())
            l->post([main, event = std::move(event)]() mutable {
                if (auto side = main.lock()) side->handle(event);
            });
    };
    ServerCore::Limits limits;
    limits.connections = impl_->options.connectionLimit;
    auto milliseconds = [](double seconds) {
        return std::chrono::milliseconds(static_cast<long>(seconds * 1000));
    };
    limits.requestTimeout = milliseconds(impl_->options.requestTimeout);
    limits.grace = milliseconds(impl_->options.connectionGrace);
    impl_->core = std::make_shared<ServerCore>(impl_->io, AccessPolicy(impl_->token, impl_->listener->port()),
                                               impl_->files, std::move(sink), limits);
    impl_->listener->start(impl_->core);
    return true;
}

void Server::stop() {
    if (!impl_->core) return;
    auto done = std::make_shared<std::promise<void>>();
    auto finished = done->get_future();
    impl_->io.post([listener = impl_->listener, core = impl_->core, done] {
        listener->close();
        core->shutDown();
        done->set_value();
    });
    if (!impl_->io.isCurrent() && finished.wait_for(std::chrono::seconds(5)) != std::future_status::ready)
        fnd::Log::warning("display: the I/O thread did not stop the server in time");
    impl_->listener.reset();
    impl_->core.reset();
    // Events already posted to the main loop find no tab to match.
    impl_->main->tab = 0;
    impl_->main = std::make_shared<MainSide>(*impl_->main);
}

const std::string& Server::error() const { return impl_->error; }

unsigned short Server::port() const { return impl_->listener ? impl_->listener->port() : 0; }

const std::string& Server::token() const { return impl_->token; }

std::string Server::address() const {
    return "http://127.0.0.1:" + std::to_string(port()) + "/?token=" + impl_->token;
}

void Server::setOnConnect(std::function<void()> callback) { impl_->main->onConnect = std::move(callback); }

void Server::setOnMessage(std::function<void(const std::string&)> callback) {
    impl_->main->onMessage = std::move(callback);
}

void Server::setOnDisconnect(std::function<void()> callback) {
    impl_->main->onDisconnect = std::move(callback);
}

void Server::setOnMessageNow(std::function<bool(const std::string&)> callback) {
    impl_->takeNow = std::move(callback);
}

bool Server::hasActiveTab() const { return impl_->main->tab != 0; }

void Server::send(std::string text) {
    std::uint64_t tab = impl_->main->tab;
    if (tab == 0 || !impl_->core) return;
    auto message = std::make_shared<const std::string>(std::move(text));
    impl_->io.post([core = impl_->core, tab, message] { core->deliver(tab, message); });
}

std::string Server::serveFolder(const std::filesystem::path& folder, std::vector<std::string> alsoFrom) {
    return impl_->files->serveFolder(folder, std::move(alsoFrom));
}

void Server::stopServingFolder(const std::string& prefix) { impl_->files->stopServingFolder(prefix); }

std::string Server::serveDocument(std::string body, std::string contentType, const std::string& folderPrefix,
                                  const std::string& name, std::string contentPolicy) {
    return impl_->files->serveDocument(std::move(body), std::move(contentType), folderPrefix, name,
                                       std::move(contentPolicy));
}

void Server::withdrawDocument(const std::string& path) { impl_->files->withdrawDocument(path); }

}  // namespace display
