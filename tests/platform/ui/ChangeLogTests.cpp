// The change log: the whole tree first, then one patch per run-loop turn with what changed.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "platform/ui/Animation.h"
#include "platform/ui/Button.h"
#include "platform/ui/ChangeLog.h"
#include "platform/ui/Make.h"
#include "platform/ui/View.h"
#include "tests/support/TestEnvironment.h"

using namespace ui;
using json = nlohmann::json;

namespace {

// A text element as label-like views describe themselves.
class Caption : public View {
  public:
    using View::init;
    void setText(std::string text) {
        text_ = std::move(text);
        changed();
    }
    PrimitiveKind primitiveKind() const override { return PrimitiveKind::Text; }
    void describe(PrimitiveProperties& p) const override {
        View::describe(p);
        p.emplace_back("text", text_);
        p.emplace_back("font", Font::boldSystem(16));
        p.emplace_back("color", Color::whiteColor());
    }

  private:
    std::string text_;
};

class ChangeLogTest : public testing_support::TestEnvironment {
  protected:
    void SetUp() override {
        TestEnvironment::SetUp();
        root = make<View>(Rect{0, 0, 320, 480});
        panel = make<View>(Rect{10, 20, 100, 50});
        panel->setTag(1);
        panel->setBackgroundColor(Color::redColor());
        caption = make<Caption>(Rect{0, 0, 100, 20});
        caption->setText("Start");
        root->addSubview(panel);
        panel->addSubview(caption);
        log = std::make_unique<ChangeLog>(root);
        log->addListener([this](const std::string& m) { messages.push_back(json::parse(m)); });
    }

    // Runs one turn of the loop with the changes in it.
    void turn(std::function<void()> changes = [] {}) {
        loop->post(std::move(changes));
        loop->runTurn();
    }

    static std::map<std::uint64_t, json> byId(const json& elements) {
        std::map<std::uint64_t, json> out;
        for (auto& e : elements) out[e["id"].get<std::uint64_t>()] = e;
        return out;
    }

    std::shared_ptr<View> root, panel;
    std::shared_ptr<Caption> caption;
    std::unique_ptr<ChangeLog> log;
    std::vector<json> messages;
};

TEST_F(ChangeLogTest, TheFirstTurnSendsTheWholeTree) {
    turn();
    ASSERT_EQ(messages.size(), 1u);
    const json& m = messages[0];
    EXPECT_EQ(m["type"], "tree");
    EXPECT_EQ(m["seq"], 1);
    EXPECT_EQ(m["root"], root->elementId());
    // Parents come before their children.
    ASSERT_EQ(m["elements"].size(), 3u);
    EXPECT_EQ(m["elements"][0]["id"], root->elementId());
    EXPECT_EQ(m["elements"][0]["children"], json::array({panel->elementId()}));
    const json& p = m["elements"][1];
    EXPECT_EQ(p["kind"], "box");
    EXPECT_EQ(p["children"], json::array({caption->elementId()}));
    EXPECT_EQ(p["props"]["center"], json::parse("[60, 45]"));
    EXPECT_EQ(p["props"]["size"], json::parse("[100, 50]"));
    EXPECT_EQ(p["props"]["origin"], json::parse("[0, 0]"));
    EXPECT_EQ(p["props"]["transform"], json::parse("[1, 0, 0, 1, 0, 0]"));
    EXPECT_EQ(p["props"]["background"], json::parse("[1, 0, 0, 1]"));
    EXPECT_EQ(p["props"]["tag"], 1);
    EXPECT_EQ(p["props"]["alpha"], 1.0);
    EXPECT_EQ(p["props"]["hidden"], false);
    EXPECT_EQ(p["props"]["backgroundImage"], nullptr);
    EXPECT_FALSE(p.contains("animate"));
    const json& c = m["elements"][2];
    EXPECT_EQ(c["kind"], "text");
    EXPECT_EQ(c["props"]["text"], "Start");
    EXPECT_EQ(c["props"]["font"]["family"], "DejaVu Sans");
    EXPECT_EQ(c["props"]["font"]["file"], "DejaVuSans-Bold.ttf");
    EXPECT_EQ(c["props"]["font"]["weight"], "bold");
    EXPECT_EQ(c["props"]["font"]["size"], 16.0);
    EXPECT_NEAR(c["props"]["font"]["lineHeight"].get<double>(), 16 * 2384.0 / 2048, 1e-9);
    EXPECT_EQ(c["children"], json::array());

    // A turn without changes sends nothing.
    turn();
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(ChangeLogTest, OneTurnOfChangesIsOnePatch) {
    turn();
    auto badge = make<View>(Rect{0, 0, 10, 10});
    turn([&] {
        panel->setAlpha(0.5);
        panel->setAlpha(0.75);  // only the last value counts
        panel->addSubview(badge);
        caption->removeFromSuperview();
        root->setHidden(false);  // no change
    });
    ASSERT_EQ(messages.size(), 2u);
    const json& m = messages[1];
    EXPECT_EQ(m["type"], "patch");
    EXPECT_EQ(m["seq"], 2);
    ASSERT_EQ(m["create"].size(), 1u);
    EXPECT_EQ(m["create"][0]["id"], badge->elementId());
    EXPECT_EQ(m["create"][0]["props"]["size"], json::parse("[10, 10]"));
    EXPECT_EQ(m["children"], json::parse(R"([{"id": )" + std::to_string(panel->elementId()) +
                                         R"(, "children": [)" + std::to_string(badge->elementId()) + "]}]"));
    EXPECT_EQ(m["remove"], json::array({caption->elementId()}));
    ASSERT_EQ(m["update"].size(), 1u);
    EXPECT_EQ(m["update"][0]["props"], json::parse(R"({"alpha": 0.75})"));

    // Moving keeps the element; removing a subtree removes every element in it; adding it again
    // creates them afresh.
    turn([&] {
        root->addSubview(badge);
        panel->addSubview(caption);
    });
    const json& moved = messages[2];
    EXPECT_EQ(moved["create"].size(), 1u);
    EXPECT_EQ(moved["create"][0]["id"], caption->elementId());
    EXPECT_EQ(moved["children"].size(), 2u);
    EXPECT_EQ(moved["remove"], json::array());
    turn([&] { panel->removeFromSuperview(); });
    auto removed = messages[3]["remove"].get<std::vector<std::uint64_t>>();
    std::sort(removed.begin(), removed.end());
    EXPECT_EQ(removed, (std::vector<std::uint64_t>{panel->elementId(), caption->elementId()}));
    turn([&] { panel->setAlpha(1); });  // out of the tree: nothing to send
    EXPECT_EQ(messages.size(), 4u);
    turn([&] { root->insertSubview(panel, 0); });
    EXPECT_EQ(messages[4]["create"].size(), 2u);
    EXPECT_EQ(messages[4]["create"][0]["props"]["alpha"], 1.0);
}

TEST_F(ChangeLogTest, AnimationsCarryTheirStartDelayDurationAndCurve) {
    turn();
    turn([&] {
        panel->setAlpha(0);
        Animation::begin();
        Animation::setDuration(0.2);
        Animation::setDelay(0.1);
        panel->setAlpha(1);
        panel->setCenter({100, 100});
        Animation::commit();
    });
    const json& u = messages[1]["update"][0];
    // Alpha ends where it was, but moves: it is sent with its animation.
    EXPECT_EQ(u["props"]["alpha"], 1.0);
    EXPECT_EQ(u["props"]["center"], json::parse("[100, 100]"));
    EXPECT_EQ(u["animate"]["alpha"],
              json::parse(R"({"from": 0.0, "delay": 0.1, "duration": 0.2, "curve": "easeInOut"})"));
    EXPECT_EQ(u["animate"]["center"]["from"], json::parse("[60, 45]"));

    // A whole tree taken while the animation runs starts it part way (a negative delay).
    runFor(0.15);
    json tree = json::parse(log->snapshot());
    auto elements = byId(tree["elements"]);
    const json& a = elements[panel->elementId()]["animate"]["alpha"];
    EXPECT_NEAR(a["delay"].get<double>(), -0.05, 1e-9);
    EXPECT_EQ(a["from"], 0.0);

    // Setting the same value outside a block stops the animation on the display as well.
    turn([&] { panel->setAlpha(1); });
    const json& stop = messages.back()["update"][0];
    EXPECT_EQ(stop["props"], json::parse(R"({"alpha": 1.0})"));
    EXPECT_FALSE(stop.contains("animate"));
}

TEST_F(ChangeLogTest, KindPropertiesAndImagesAreSentWhenTheyChange) {
    turn();
    turn([&] { caption->setText("Stop"); });
    EXPECT_EQ(messages[1]["update"][0]["id"], caption->elementId());
    EXPECT_EQ(messages[1]["update"][0]["props"], json::parse(R"({"text": "Stop"})"));

    // PNG bytes: a 1 x 1 image header is enough to be one.
    std::string png("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\0\x02\0\0\0\x02\x08\x06\0\0\0", 29);
    auto image = Image::fromPNG(png, 2)->stretchable(0, 0);
    turn([&] { panel->setBackgroundImage(image); });
    const json& bg = messages[2]["update"][0]["props"]["backgroundImage"];
    EXPECT_EQ(bg["size"], json::parse("[1, 1]"));
    EXPECT_EQ(bg["scale"], 2.0);
    EXPECT_EQ(bg["caps"], json::parse("[0, 0, 0, 0]"));
    EXPECT_EQ(bg["png"].get<std::string>().substr(0, 8), "iVBORw0K");
    // An equal image made again is no change.
    turn([&] { panel->setBackgroundImage(Image::fromPNG(png, 2)->stretchable(0, 0)); });
    EXPECT_EQ(messages.size(), 3u);

    // A pattern goes as its own property, tiles of the image's size, and goes again when dropped.
    turn([&] { panel->setBackgroundPattern(Image::fromPNG(png, 2)); });
    const json& pattern = messages[3]["update"][0]["props"];
    EXPECT_EQ(pattern.size(), 1u);
    EXPECT_EQ(pattern["backgroundPattern"]["size"], json::parse("[1, 1]"));
    EXPECT_EQ(pattern["backgroundPattern"]["caps"], nullptr);
    turn([&] { panel->setBackgroundPattern(nullptr); });
    EXPECT_EQ(messages[4]["update"][0]["props"], json::parse(R"({"backgroundPattern": null})"));
}

TEST_F(ChangeLogTest, ANewRootStartsAgainWithTheWholeTree) {
    turn();
    auto other = make<View>(Rect{0, 0, 768, 1024});
    log->setRoot(other);
    turn();
    EXPECT_EQ(messages.back()["type"], "tree");
    EXPECT_EQ(messages.back()["elements"].size(), 1u);
    // Changes in the old tree are not passed on.
    turn([&] { panel->setAlpha(0.1); });
    EXPECT_EQ(messages.size(), 2u);
}

}  // namespace

TEST_F(ChangeLogTest, AControlSaysWhetherItTakesTaps) {
    turn();
    auto key = make<Button>(Rect{0, 30, 80, 30});
    turn([&] { root->addSubview(key); });
    auto created = byId(messages[1]["create"]);
    EXPECT_EQ(created[key->elementId()]["props"]["taps"], true);
    turn([&] { key->setEnabled(false); });
    EXPECT_EQ(messages[2]["update"][0]["props"]["taps"], false);
}
