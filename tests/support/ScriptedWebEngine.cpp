#include "tests/support/ScriptedWebEngine.h"

#include "platform/foundation/PercentEscaping.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/WebView.h"

namespace testing_support {

void ScriptedWebEngine::installForNewWebViews() {
    ui::WebView::setEngineFactory([](ui::WebView&) {
        auto engine = std::make_shared<ScriptedWebEngine>();
        engines().push_back(engine);
        return engine;
    });
}

std::vector<std::shared_ptr<ScriptedWebEngine>>& ScriptedWebEngine::engines() {
    static std::vector<std::shared_ptr<ScriptedWebEngine>> all;
    return all;
}

void ScriptedWebEngine::reset() {
    ui::WebView::setEngineFactory(nullptr);
    engines().clear();
}

void ScriptedWebEngine::showDocument(const ui::WebDocument& document) {
    documents_.push_back(document);
    pending_ = document.serial;
    if (!automatic_) return;
    std::weak_ptr<int> alive = alive_;
    std::uint64_t serial = document.serial;
    fnd::RunLoop::main().post([this, alive, serial] {
        if (!alive.expired() && pending_ == serial) finishLoad();
    });
}

void ScriptedWebEngine::finishLoad() {
    std::uint64_t serial = pending_;
    pending_ = 0;
    if (auto c = client_.lock(); c && serial) c->documentDidLoad(serial);
}

void ScriptedWebEngine::failLoad(const std::string& reason) {
    std::uint64_t serial = pending_;
    pending_ = 0;
    if (auto c = client_.lock(); c && serial) c->documentDidFail(serial, reason);
}

std::string ScriptedWebEngine::evaluate(const std::string& script, double) {
    scripts_.push_back(script);
    if (auto it = answers_.find(script); it != answers_.end()) return it->second;
    return handler_ ? handler_(script) : std::string();
}

bool ScriptedWebEngine::request(const fnd::URLRequest& request) {
    auto c = client_.lock();
    return c && c->pageRequests(request);
}

bool ScriptedWebEngine::tapLink(const std::string& href) {
    fnd::URL base = shown() ? shown()->url : fnd::URL("about:blank");
    fnd::URLRequest r(fnd::URL(href, base));
    r.setNavigationType(fnd::URLRequest::NavigationType::LinkClicked);
    r.setUserGesture(true);
    return request(r);
}

bool ScriptedWebEngine::submitForm(const std::string& action, const std::string& method,
                                   const std::vector<std::pair<std::string, std::string>>& fields,
                                   bool byPerson) {
    std::string encoded;
    for (const auto& [name, value] : fields) {
        if (!encoded.empty()) encoded += '&';
        encoded += fnd::percentEscapeValue(name) + "=" + fnd::percentEscapeValue(value);
    }
    fnd::URL base = shown() ? shown()->url : fnd::URL("about:blank");
    fnd::URLRequest r;
    if (method == "POST") {
        r.setURL(fnd::URL(action, base));
        r.setFormBody(encoded);
    } else {
        std::string target = fnd::URL(action, base).absoluteString();
        target = target.substr(0, target.find('?'));
        r.setURL(fnd::URL(target + "?" + encoded));
    }
    r.setNavigationType(fnd::URLRequest::NavigationType::FormSubmitted);
    r.setUserGesture(byPerson);
    return request(r);
}

void ScriptedWebEngine::select(const std::string& text) {
    if (auto c = client_.lock()) c->selectionChanged(text);
}

}  // namespace testing_support
