#include "platform/display/DeviceSession.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <nlohmann/json.hpp>

#include "platform/display/DeviceServices.h"
#include "platform/display/DisplayEvent.h"
#include "platform/display/ScriptAnswers.h"
#include "platform/display/WebViewHost.h"
#include "platform/foundation/Locale.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/Paths.h"
#include "platform/foundation/RunLoop.h"
#include "platform/location/DeviceLocation.h"
#include "platform/ui/Application.h"
#include "platform/ui/ChangeLog.h"
#include "platform/ui/EditMenu.h"
#include "platform/ui/ScrollWheelTarget.h"
#include "platform/ui/TextInputClient.h"
#include "platform/ui/View.h"
#include "platform/ui/WebView.h"

namespace display {

using json = nlohmann::json;

namespace {

ui::Application& application() { return ui::Application::shared(); }

const char* stateName(ui::Application::State state) {
    return state == ui::Application::State::Background ? "background" : "active";
}

}  // namespace

struct DeviceSession::Impl {
    explicit Impl(Options o)
        : options(std::move(o)),
          server(options.server),
          log(std::make_unique<ui::ChangeLog>(application().screenView())),
          web(std::make_shared<WebViewHost>(
              server, PageBridge(options.server.webFolder.empty() ? Server::defaultWebFolder()
                                                                  : options.server.webFolder))) {}

    Options options;
    Server server;
    std::unique_ptr<ui::ChangeLog> log;
    std::shared_ptr<WebViewHost> web;
    DeviceServices services{[this] { return server.hasActiveTab(); },
                            [this](const std::string& message) { server.send(message); }};
    std::weak_ptr<fnd::RunLoop> loop = fnd::RunLoop::mainShared();
    fnd::RunLoop::ObserverId turnObserver = 0;
    int locationObserver = 0;
    json sentLocation;  // as the tab last heard it
    std::string resourcesAddress;
    std::string sentState;  // the application's state as the tab last heard it
    // While a tab is being given the whole tree, the changes flushed before it are not sent.
    bool quiet = false;
    // Lets calls posted from other threads find out that the session has gone.
    std::shared_ptr<int> alive = std::make_shared<int>(0);
    // The running number of the tab's last message handled in this turn (0: none): told to the tab
    // at the end of the turn, after the turn's patch, so that the tab knows its taps have been taken
    // and what they changed is on its screen, and does not count as at rest before.
    std::uint64_t handledInput = 0;

    void acknowledgeInput() {
        if (handledInput == 0) return;
        send({{"type", "handled"}, {"input", handledInput}});
        handledInput = 0;
    }

    void send(const json& message) { server.send(message.dump()); }

    void sendDevice() {
        const ui::Device& device = ui::Device::current();
        send({{"type", "device"},
              {"idiom", device.isTablet() ? "tablet" : "phone"},
              {"screen", {device.screenWidth(), device.screenHeight()}},
              {"orientation", static_cast<int>(device.orientation())},
              {"resources", resourcesAddress},
              {"frameShell", web->shellAddress()}});
    }

    // Tells the tab the application's state when it changed (or always).
    void sendState(bool always) {
        std::string state = stateName(application().state());
        if (!always && state == sentState) return;
        sentState = state;
        send({{"type", "application"}, {"state", state}});
    }

    // The device's position and services as the page's location control shows them; a change
    // that leaves them as the tab last heard (or several in one turn) is told once.
    void sendLocation(bool always) {
        if (!server.hasActiveTab()) return;
        const loc::DeviceLocation& device = loc::DeviceLocation::current();
        std::optional<loc::Location> position = device.position();
        json message = {{"type", "location"},
                        {"state", !device.servicesEnabled() ? "off"
                                  : position                ? "at"
                                                            : "unknown"}};
        if (position) {
            message["latitude"] = position->latitude();
            message["longitude"] = position->longitude();
        }
        if (!always && message == sentLocation) return;
        sentLocation = message;
        send(message);
    }

    void moveDevice(const DisplayEvent& e) {
        loc::DeviceLocation& device = loc::DeviceLocation::current();
        using State = DisplayEvent::LocationState;
        if (e.locationState == State::Off) {
            device.setServicesEnabled(false);
            return;
        }
        device.setServicesEnabled(true);
        if (e.locationState == State::At)
            device.setPosition(loc::Location(e.latitude, e.longitude));
        else
            device.forgetPosition();
    }

    void connected() {
        // The application may have been launched anew since (tests do).
        if (log->root() != application().screenView()) log->setRoot(application().screenView());
        handledInput = 0;  // the new tab counts its messages afresh
        quiet = true;
        std::string tree = log->snapshot();
        quiet = false;
        sendDevice();
        sendLocation(true);
        services.connected();
        application().becomeActive();
        sendState(true);
        server.send(std::move(tree));
        web->replay();
    }

    void disconnected() {
        application().cancelAllTouches();
        application().enterBackground();
        sentState.clear();
    }

    void sendEffects() {
        ui::Device& device = ui::Device::current();
        std::vector<std::string> effects = device.takeEffects();
        // A sound made from a bundle file is played from that file.
        for (std::string& effect : effects) {
            if (!effect.starts_with("sound:")) continue;
            int id = std::atoi(effect.c_str() + 6);
            if (std::string file = device.systemSoundFile(id); !file.empty()) effect = "sound:" + file;
        }
        if (!effects.empty()) send({{"type", "effects"}, {"effects", effects}});
    }

    ui::TextInputClient* inputWithElement(std::uint64_t id) const {
        return dynamic_cast<ui::TextInputClient*>(application().viewWithElementId(id).get());
    }

    void wheel(const DisplayEvent& e) {
        ui::ScrollWheelTarget::deliver(application().screenView(), e.location, e.dx, e.dy);
    }

    void select(const DisplayEvent& e) {
        std::shared_ptr<ui::View> view = application().viewWithElementId(e.element);
        if (!view) return;
        if (auto* input = dynamic_cast<ui::TextInputClient*>(view.get()))
            input->displayDidChangeSelection(e.start, e.length, e.text);
        // The edit menu wants the place in the element's own coordinates.
        application().selectionChanged(e.element, e.length ? e.text : std::string(),
                                       view->convertFrom(e.rect, nullptr));
    }

    void turn(int direction) {
        application().deviceDidRotate(turned(ui::Device::current().orientation(), direction));
        send({{"type", "orientation"},
              {"orientation", static_cast<int>(ui::Device::current().orientation())}});
    }

    void handle(const std::string& message) {
        std::optional<DisplayEvent> parsed = DisplayEvent::parse(message);
        if (!parsed) {
            fnd::Log::warning("display: an event that makes no sense was dropped");
            // Handled all the same: the tab is not left waiting for it.
            if (std::uint64_t input = DisplayEvent::inputOf(message)) handledInput = input;
            return;
        }
        const DisplayEvent& e = *parsed;
        ui::Application& app = application();
        using Kind = DisplayEvent::Kind;
        using Phase = DisplayEvent::Phase;
        switch (e.kind) {
            case Kind::Pointer:
                switch (e.phase) {
                    case Phase::Down:
                        app.touchBegan(e.pointer, e.location);
                        break;
                    case Phase::Move:
                        app.touchMoved(e.pointer, e.location);
                        break;
                    case Phase::Up:
                        app.touchEnded(e.pointer, e.location);
                        break;
                    case Phase::Cancel:
                        app.touchCancelled(e.pointer);
                        break;
                }
                break;
            case Kind::Wheel:
                wheel(e);
                break;
            case Kind::Text:
                if (auto* input = inputWithElement(e.element))
                    input->displayDidEditText(e.text, e.start, e.length);
                break;
            case Kind::Select:
                select(e);
                break;
            case Kind::Return:
                if (auto* input = inputWithElement(e.element)) input->displayDidPressReturn();
                break;
            case Kind::Rotate:
                turn(e.turn);
                break;
            case Kind::Shake:
                app.shake();
                break;
            case Kind::Home:
                app.enterBackground();
                break;
            case Kind::Activate:
                app.becomeActive();
                break;
            case Kind::Visibility:
                if (e.visible)
                    app.becomeActive();
                else
                    app.enterBackground();
                break;
            case Kind::Web:
                web->handle(e);
                break;
            case Kind::Paste:
                services.pasted(e.text);
                break;
            case Kind::Languages:
                fnd::Locale::setTabLanguages(e.languages);
                break;
            case Kind::Location:
                moveDevice(e);
                break;
        }
        sendState(false);
        // Counted once handled: a turn run while the event waited (for a script's answer) does
        // not tell the tab it is done.
        if (e.input) handledInput = e.input;
    }
};

DeviceSession::DeviceSession() : DeviceSession(Options{}) {}

DeviceSession::DeviceSession(Options options) : impl_(std::make_unique<Impl>(std::move(options))) {
    Impl* impl = impl_.get();
    impl->log->addListener([impl](const std::string& message) {
        if (!impl->quiet) impl->server.send(message);
    });
    impl->server.setOnConnect([impl] { impl->connected(); });
    impl->server.setOnDisconnect([impl] { impl->disconnected(); });
    impl->server.setOnMessage([impl](const std::string& message) { impl->handle(message); });
    if (auto loop = impl->loop.lock())
        impl->turnObserver = loop->addTurnObserver([impl] {
            impl->services.endOfTurn();
            impl->acknowledgeInput();
        });
    // The page's location control follows the device, whoever moved it (on any thread).
    impl->locationObserver = loc::DeviceLocation::current().addObserver(
        [loop = impl->loop, alive = std::weak_ptr<int>(impl->alive), impl] {
            if (auto l = loop.lock())
                l->post([alive, impl] {
                    if (alive.lock()) impl->sendLocation(false);
                });
        });
    // The answers to scripts reach the main thread while it waits for them.
    impl->server.setOnMessageNow(
        [answers = impl->web->answers()](const std::string& message) { return answers->take(message); });

    std::weak_ptr<fnd::RunLoop> loop = fnd::RunLoop::mainShared();
    std::weak_ptr<int> alive = impl->alive;
    ui::Device::current().setOnEffect([loop, alive, impl] {
        if (auto l = loop.lock())
            l->post([alive, impl] {
                if (alive.lock()) impl->sendEffects();
            });
    });
    ui::EditMenu::shared().setOnSelectionEnded([impl](std::uint64_t element) {
        impl->send({{"type", "endSelection"}, {"id", element}});
    });
}

DeviceSession::~DeviceSession() {
    if (auto loop = impl_->loop.lock()) loop->removeTurnObserver(impl_->turnObserver);
    loc::DeviceLocation::current().removeObserver(impl_->locationObserver);
    ui::WebView::setEngineFactory(nullptr);
    ui::Device::current().setOnEffect(nullptr);
    ui::EditMenu::shared().setOnSelectionEnded(nullptr);
    application().setOnOpenURL(nullptr);
    impl_->server.stop();
}

bool DeviceSession::start() {
    if (!impl_->server.start()) return false;
    std::filesystem::path resources =
        impl_->options.resources.empty() ? fnd::Paths::resources() : impl_->options.resources;
    std::error_code ec;
    if (std::filesystem::is_directory(resources, ec))
        impl_->resourcesAddress = impl_->server.serveFolder(resources);
    application().setOnOpenURL([this](const std::string& address) { openURL(address); });
    // Web views made from now on show their pages in the tab's frames.
    ui::WebView::setEngineFactory(
        [web = std::weak_ptr<WebViewHost>(impl_->web)](ui::WebView& view) -> std::shared_ptr<ui::WebEngine> {
            auto host = web.lock();
            return host ? host->makeEngine(view) : nullptr;
        });
    return true;
}

void DeviceSession::stop() { impl_->server.stop(); }

const std::string& DeviceSession::error() const { return impl_->server.error(); }

std::string DeviceSession::address() const { return impl_->server.address(); }

Server& DeviceSession::server() { return impl_->server; }

ui::ChangeLog& DeviceSession::changeLog() { return *impl_->log; }

bool DeviceSession::isOpenableURL(std::string_view url) {
    if (std::any_of(url.begin(), url.end(),
                    [](unsigned char c) { return c < 0x20 || c == 0x7f || c == ' '; }))
        return false;
    std::size_t colon = url.find(':');
    if (colon == std::string_view::npos || colon == 0) return false;
    std::string scheme;
    for (char c : url.substr(0, colon))
        scheme += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    std::string_view rest = url.substr(colon + 1);
    if (scheme == "http" || scheme == "https")
        return rest.size() > 2 && rest.starts_with("//") && rest[2] != '/';
    return (scheme == "mailto" || scheme == "tel" || scheme == "skype") && !rest.empty();
}

bool DeviceSession::openURL(const std::string& url) {
    if (!isOpenableURL(url)) {
        fnd::Log::warning("display: not opening a link of that kind: ", url.substr(0, 80));
        return false;
    }
    if (!impl_->server.hasActiveTab()) {
        fnd::Log::info("display: no tab to open a link in");
        return false;
    }
    if (impl_->services.openMail(url)) return true;
    impl_->send({{"type", "open"}, {"url", url}});
    return true;
}

ui::DeviceOrientation DeviceSession::turned(ui::DeviceOrientation from, int turn) {
    // Turning to the right (clockwise) runs through these; to the left, back through them.
    using O = ui::DeviceOrientation;
    static constexpr O ring[] = {O::Portrait, O::LandscapeRight, O::PortraitUpsideDown, O::LandscapeLeft};
    int at = 0;  // face up, face down and unknown turn as from portrait
    for (int i = 0; i < 4; ++i)
        if (ring[i] == from) at = i;
    return ring[((at + turn) % 4 + 4) % 4];
}

}  // namespace display
