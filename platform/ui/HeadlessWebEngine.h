#pragma once
// The engine of web views without a display: every document loads at the next turn of the main
// run loop, every script answers "", and what was shown and run is kept for inspection.

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/WebEngine.h"

namespace ui {

class HeadlessWebEngine : public WebEngine {
  public:
    void setClient(std::weak_ptr<WebEngineClient> client) override { client_ = std::move(client); }
    void showDocument(const WebDocument& document) override;
    void stopLoading() override { pending_ = 0; }
    std::string evaluate(const std::string& script, double deadline) override;

    const std::vector<WebDocument>& documents() const { return documents_; }
    const std::vector<std::string>& scripts() const { return scripts_; }

  protected:
    std::shared_ptr<WebEngineClient> client() const { return client_.lock(); }

  private:
    std::weak_ptr<WebEngineClient> client_;
    std::vector<WebDocument> documents_;
    std::vector<std::string> scripts_;
    std::uint64_t pending_ = 0;  // the serial whose load is still to be told
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

}  // namespace ui
