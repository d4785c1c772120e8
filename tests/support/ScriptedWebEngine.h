#pragma once
// A web engine for tests: it keeps every document shown and every script run, answers scripts as
// the test says, and acts as a page would: taps links, submits forms, selects text. Loads finish
// at the next turn of the main run loop, or when the test says so.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/WebEngine.h"

namespace testing_support {

class ScriptedWebEngine : public ui::WebEngine {
  public:
    // Makes every new web view use a scripted engine, kept in `engines` (until reset()).
    static void installForNewWebViews();
    static std::vector<std::shared_ptr<ScriptedWebEngine>>& engines();
    static void reset();

    void setClient(std::weak_ptr<ui::WebEngineClient> client) override { client_ = std::move(client); }
    void showDocument(const ui::WebDocument& document) override;
    void stopLoading() override { pending_ = 0; }
    std::string evaluate(const std::string& script, double deadline) override;

    // Answers: the exact script, or any script through the handler (tried when no exact one fits).
    void answer(const std::string& script, std::string result) { answers_[script] = std::move(result); }
    void answerWith(std::function<std::string(const std::string& script)> handler) {
        handler_ = std::move(handler);
    }

    // Loads finish by themselves (the default) or when the test calls finishLoad / failLoad.
    void setFinishesLoadsItself(bool on) { automatic_ = on; }
    void finishLoad();
    void failLoad(const std::string& reason);

    // The person taps a link (resolved against the page's address); answers whether it was allowed.
    bool tapLink(const std::string& href);
    // A form is submitted, by the person's own key unless `byPerson` is false (a script of the page
    // submits it): GET puts the fields in the address, POST in the body.
    bool submitForm(const std::string& action, const std::string& method,
                    const std::vector<std::pair<std::string, std::string>>& fields, bool byPerson = true);
    // Any request the page makes, as it stands.
    bool request(const fnd::URLRequest& request);
    void select(const std::string& text);

    const std::vector<ui::WebDocument>& documents() const { return documents_; }
    const ui::WebDocument* shown() const { return documents_.empty() ? nullptr : &documents_.back(); }
    const std::vector<std::string>& scripts() const { return scripts_; }

  private:
    std::weak_ptr<ui::WebEngineClient> client_;
    std::vector<ui::WebDocument> documents_;
    std::vector<std::string> scripts_;
    std::map<std::string, std::string> answers_;
    std::function<std::string(const std::string&)> handler_;
    bool automatic_ = true;
    std::uint64_t pending_ = 0;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

}  // namespace testing_support
