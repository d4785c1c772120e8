#include "platform/display/DeviceSession.h"

#include <algorithm>
#include <cctype>
#include <nlohmann/json.hpp>

#include "platform/display/DisplayEvent.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/Paths.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/Accelerometer.h"
#include "platform/ui/ChangeLog.h"
#include "platform/ui/ScrollWheelTarget.h"
#include "platform/ui/TextInputClient.h"
#include "platform/ui/TouchRouter.h"
#include "platform/ui/View.h"

namespace display {

using json = nlohmann::json;

struct DeviceSession::Impl {
    Impl(std::shared_ptr<ui::View> rootView, Options o)
        : options(std::move(o)),
          server(options.server),
          root(std::move(rootView)),
          log(std::make_unique<ui::ChangeLog>(root)),
          router(std::make_unique<ui::TouchRouter>(root)) {}

    Options options;
    Server server;
    std::shared_ptr<ui::View> root;
    std::unique_ptr<ui::ChangeLog> log;
    std::unique_ptr<ui::TouchRouter> router;
    std::string resourcesAddress;
    AppState state = AppState::Active;
    std::function<void(AppState)> onStateChange;
    std::function<void(const TextSelection&)> onTextSelection;
    // While a tab is being given the whole tree, the changes flushed before it are not sent.
    bool quiet = false;
    // Lets calls posted from other threads find out that the session has gone.
    std::shared_ptr<int> alive = std::make_shared<int>(0);

    void send(const json& message) { server.send(message.dump()); }

    void sendDevice() {
        const ui::Device& device = ui::Device::current();
        send({{"type", "device"},
              {"idiom", device.isTablet() ? "tablet" : "phone"},
              {"screen", {device.screenWidth(), device.screenHeight()}},
              {"orientation", static_cast<int>(device.orientation())},
              {"resources", resourcesAddress}});
    }

    void sendState() {
        send({{"type", "application"}, {"state", state == AppState::Active ? "active" : "background"}});
    }

    void connected() {
        quiet = true;
        std::string tree = log->snapshot();
        quiet = false;
        sendDevice();
        setState(AppState::Active, true);
        server.send(std::move(tree));
    }

    void disconnected() {
        router->cancelAll();
        setState(AppState::Background, false);
    }

    void setState(AppState next, bool announce) {
        bool changed = next != state;
        state = next;
        if (announce || changed) sendState();
        if (changed && onStateChange) onStateChange(state);
    }

    void sendEffects() {
        std::vector<std::string> effects = ui::Device::current().takeEffects();
        if (!effects.empty()) send({{"type", "effects"}, {"effects", effects}});
    }

    std::shared_ptr<ui::View> viewWithElement(std::uint64_t id) const {
        std::vector<ui::View*> stack{root.get()};
        while (!stack.empty()) {
            ui::View* view = stack.back();
            stack.pop_back();
            if (!view) continue;
            if (view->elementId() == id) return view->sharedAs<ui::View>();
            for (const auto& sub : view->subviews()) stack.push_back(sub.get());
        }
        return nullptr;
    }

    ui::TextInputClient* inputOf(const std::shared_ptr<ui::View>& view) const {
        return dynamic_cast<ui::TextInputClient*>(view.get());
    }

    void wheel(const DisplayEvent& e) {
        if (!root) return;
        for (std::shared_ptr<ui::View> view = root->hitTest(e.location); view; view = view->superview())
            if (auto* target = dynamic_cast<ui::ScrollWheelTarget*>(view.get()))
                if (target->scrollWheel(e.dx, e.dy)) return;
    }

    void turn(int direction) {
        ui::Device& device = ui::Device::current();
        device.setOrientation(turned(device.orientation(), direction));
        send({{"type", "orientation"}, {"orientation", static_cast<int>(device.orientation())}});
    }

    void handle(const std::string& message) {
        std::optional<DisplayEvent> parsed = DisplayEvent::parse(message);
        if (!parsed) {
            fnd::Log::warning("display: an event that makes no sense was dropped");
            return;
        }
        const DisplayEvent& e = *parsed;
        using Kind = DisplayEvent::Kind;
        using Phase = DisplayEvent::Phase;
        switch (e.kind) {
            case Kind::Pointer:
                switch (e.phase) {
                    case Phase::Down:
                        router->began(e.pointer, e.location);
                        break;
                    case Phase::Move:
                        router->moved(e.pointer, e.location);
                        break;
                    case Phase::Up:
                        router->ended(e.pointer, e.location);
                        break;
                    case Phase::Cancel:
                        router->cancelled(e.pointer);
                        break;
                }
                break;
            case Kind::Wheel:
                wheel(e);
                break;
            case Kind::Text:
                if (auto view = viewWithElement(e.element))
                    if (auto* input = inputOf(view)) input->displayDidEditText(e.text, e.start, e.length);
                break;
            case Kind::Select:
                if (auto view = viewWithElement(e.element)) {
                    if (auto* input = inputOf(view)) input->displayDidChangeSelection(e.start, e.length);
                    if (onTextSelection) onTextSelection({view, e.text, e.start, e.length, e.rect});
                }
                break;
            case Kind::Return:
                if (auto view = viewWithElement(e.element))
                    if (auto* input = inputOf(view)) input->displayDidPressReturn();
                break;
            case Kind::Rotate:
                turn(e.turn);
                break;
            case Kind::Shake:
                ui::Accelerometer::shared().shake();
                break;
            case Kind::Home:
                setState(AppState::Background, false);
                break;
            case Kind::Activate:
                setState(AppState::Active, false);
                break;
            case Kind::Visibility:
                setState(e.visible ? AppState::Active : AppState::Background, false);
                break;
        }
    }
};

DeviceSession::DeviceSession(std::shared_ptr<ui::View> root) : DeviceSession(std::move(root), Options{}) {}

DeviceSession::DeviceSession(std::shared_ptr<ui::View> root, Options options)
    : impl_(std::make_unique<Impl>(std::move(root), std::move(options))) {
    Impl* impl = impl_.get();
    impl->log->addListener([impl](const std::string& message) {
        if (!impl->quiet) impl->server.send(message);
    });
    impl->server.setOnConnect([impl] { impl->connected(); });
    impl->server.setOnDisconnect([impl] { impl->disconnected(); });
    impl->server.setOnMessage([impl](const std::string& message) { impl->handle(message); });

    std::weak_ptr<fnd::RunLoop> loop = fnd::RunLoop::mainShared();
    std::weak_ptr<int> alive = impl->alive;
    ui::Device::current().setEffectListener([loop, alive, impl] {
        if (auto l = loop.lock())
            l->post([alive, impl] {
                if (alive.lock()) impl->sendEffects();
            });
    });
}

DeviceSession::~DeviceSession() {
    ui::Device::current().setEffectListener(nullptr);
    impl_->server.stop();
}

bool DeviceSession::start() {
    if (!impl_->server.start()) return false;
    std::filesystem::path resources =
        impl_->options.resources.empty() ? fnd::Paths::resources() : impl_->options.resources;
    std::error_code ec;
    if (std::filesystem::is_directory(resources, ec))
        impl_->resourcesAddress = impl_->server.serveFolder(resources);
    return true;
}

void DeviceSession::stop() { impl_->server.stop(); }

const std::string& DeviceSession::error() const { return impl_->server.error(); }

std::string DeviceSession::address() const { return impl_->server.address(); }

Server& DeviceSession::server() { return impl_->server; }

const std::shared_ptr<ui::View>& DeviceSession::root() const { return impl_->root; }

void DeviceSession::setRoot(std::shared_ptr<ui::View> root) {
    impl_->router->cancelAll();
    impl_->root = std::move(root);
    impl_->router = std::make_unique<ui::TouchRouter>(impl_->root);
    impl_->log->setRoot(impl_->root);
}

ui::ChangeLog& DeviceSession::changeLog() { return *impl_->log; }

DeviceSession::AppState DeviceSession::state() const { return impl_->state; }

void DeviceSession::setOnStateChange(std::function<void(AppState)> callback) {
    impl_->onStateChange = std::move(callback);
}

void DeviceSession::setOnTextSelection(std::function<void(const TextSelection&)> callback) {
    impl_->onTextSelection = std::move(callback);
}

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
