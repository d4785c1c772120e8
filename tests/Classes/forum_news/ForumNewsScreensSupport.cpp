#include "tests/Classes/forum_news/ForumNewsScreensSupport.h"

#include <gtest/gtest.h>

#include <fstream>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/ToolChooseVC.h"
#include "Classes/core/TovridaAppDelegate.h"
#include "platform/foundation/Paths.h"
#include "tests/support/HomeScreenLaunch.h"
#include "tests/support/ViewTestSupport.h"

namespace forum_news_test {

namespace fs = std::filesystem;

namespace {

// The product's delegate without its loading thread: the test hands it the user's data.
class StillDelegate : public TovridaAppDelegate {
  protected:
    void startLoading() override {}
};

}  // namespace

std::string rssDocument(const std::string& channel,
                        const std::vector<std::pair<std::string, std::string>>& items) {
    std::string text = "<?xml version=\"1.0\"?><rss version=\"2.0\"><channel><title>" + channel + "</title>";
    for (const auto& [title, guid] : items)
        text += "<item><title>" + title + "</title><guid>" + guid + "</guid><link>http://127.0.0.1/" + guid +
                "</link><pubDate>Mon, 04 Mar 2024 09:00:00 +0000</pubDate><description>About " + title +
                "</description></item>";
    return text + "</channel></rss>";
}

void ForumNewsScreensTest::SetUp() {
    ScreenTestEnvironment::SetUp();
    original_ = fnd::Paths::resources();
    bundle_ = fnd::Paths::documents().parent_path() / "Bundle";
    fs::create_directories(bundle_);
    for (const auto& entry : fs::directory_iterator(original_))
        if (entry.path().filename() != "Info.json")
            fs::create_symlink(entry.path(), bundle_ / entry.path().filename());
    // The forum's address without its final "/": the program adds it.
    std::ofstream(bundle_ / "Info.json")
        << R"({"CFBundleVersion": "2.5", "CFBundleName": "orvakit", )"
        << R"("MakerForumAddress": ")" << server.url("/forum") << R"(", )"
        << R"("DefaultFeedAddresses": [")" << server.url("/default.rss") << R"("]})";
    fnd::Paths::setResources(bundle_);
    server.route("/default.rss", testing_support::HTTPTestServer::Reply::text(
                                     rssDocument("Built In", {{"First note", "d1"}, {"Second note", "d2"}}),
                                     "application/rss+xml"));
    AbstractAppDelegate::registerClasses();
    testing_support::ScriptedWebEngine::installForNewWebViews();
    start(ui::Idiom::Phone);
}

void ForumNewsScreensTest::start(ui::Idiom idiom) {
    if (home) home->close();
    delegate = std::make_shared<StillDelegate>();
    launch(idiom, delegate);
    rep = MRepository::makeWithData();
    rep->setDoNotShowTips(true);
    rep->setFeedbackOpenCounter(1);
    home = testing_support::showHomeScreen(*delegate, rep);
}

void ForumNewsScreensTest::TearDown() {
    if (home) home->close();
    home.reset();
    testing_support::ScriptedWebEngine::reset();
    fnd::Paths::setResources(original_);
    ScreenTestEnvironment::TearDown();
}

std::shared_ptr<testing_support::ScriptedWebEngine> ForumNewsScreensTest::engine() {
    auto& all = testing_support::ScriptedWebEngine::engines();
    return all.empty() ? nullptr : all.back();
}

std::shared_ptr<ui::View> ForumNewsScreensTest::partOf(ui::TableView& table, int row, int tag) {
    auto cell = table.cellForRow({0, row});
    EXPECT_TRUE(cell) << "row " << row << " is not in view";
    return cell ? cell->viewWithTag(tag) : nullptr;
}

std::string ForumNewsScreensTest::textIn(ui::TableView& table, int row, int tag) {
    auto label = std::dynamic_pointer_cast<ui::Label>(partOf(table, row, tag));
    return label ? label->text() : "(none)";
}

void ForumNewsScreensTest::tapRow(ui::TableView& table, int row) {
    auto cell = table.cellForRow({0, row});
    ASSERT_TRUE(cell) << "row " << row << " is not in view";
    testing_support::Finger finger(testing_support::rootOf(*cell));
    finger.down(testing_support::centreInRoot(*cell->contentView()));
    finger.up();
    runFor(0.1);
}

void ForumNewsScreensTest::tapView(const std::shared_ptr<ui::View>& view) {
    ASSERT_TRUE(view);
    testing_support::tap(*view);
    runFor(0.1);
}

}  // namespace forum_news_test
