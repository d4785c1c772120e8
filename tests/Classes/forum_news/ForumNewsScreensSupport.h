#pragma once
// What the tests of the news and forum screens start from: a bundle whose information names a
// local test server as the forum (its "/forum/" folder) and as the one default feed, the scripted
// web engine, and the home screen of the phone or the tablet over a fresh repository.

#include <memory>
#include <string>

#include "Classes/core/MRepository.h"
#include "platform/ui/TableView.h"
#include "tests/support/HTTPTestServer.h"
#include "tests/support/ScreenTestEnvironment.h"
#include "tests/support/ScriptedWebEngine.h"

class ToolChooseVC;
class TovridaAppDelegate;

namespace forum_news_test {

class ForumNewsScreensTest : public testing_support::ScreenTestEnvironment {
  protected:
    void SetUp() override;
    void TearDown() override;
    // A fresh repository on the idiom's home screen.
    void start(ui::Idiom idiom);

    // The forum's folder on the test server: "http://127.0.0.1:PORT/forum/".
    std::string forum() const { return server.url("/forum/"); }
    // The last web engine made (the newest web view's).
    static std::shared_ptr<testing_support::ScriptedWebEngine> engine();

    // A tap on a row of a table, as a finger does.
    void tapRow(ui::TableView& table, int row);
    // A tap on the view.
    void tapView(const std::shared_ptr<ui::View>& view);
    // The label tagged so in a row in view ("(none)" when there is no such label).
    static std::string textIn(ui::TableView& table, int row, int tag);
    static std::shared_ptr<ui::View> partOf(ui::TableView& table, int row, int tag);

    testing_support::HTTPTestServer server;
    std::shared_ptr<MRepository> rep;
    std::shared_ptr<TovridaAppDelegate> delegate;
    std::shared_ptr<ToolChooseVC> home;

  private:
    std::filesystem::path original_, bundle_;
};

// An RSS document of a channel title and items, each (title, guid).
std::string rssDocument(const std::string& channel,
                        const std::vector<std::pair<std::string, std::string>>& items);

}  // namespace forum_news_test
