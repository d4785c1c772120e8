#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "platform/display/DeviceSession.h"
#include "platform/display/DisplayEvent.h"
#include "platform/display/MailDraft.h"
#include "platform/foundation/Base64.h"
#include "platform/foundation/Locale.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Paths.h"
#include "platform/foundation/PercentEscaping.h"
#include "platform/graphics/Context.h"
#include "platform/location/DeviceLocation.h"
#include "platform/ui/Accelerometer.h"
#include "platform/ui/ChangeLog.h"
#include "platform/ui/DrawnView.h"
#include "platform/ui/EditMenu.h"
#include "platform/ui/Make.h"
#include "platform/ui/Pasteboard.h"
#include "platform/ui/ScrollWheelTarget.h"
#include "platform/ui/TextInputClient.h"
#include "platform/ui/Touch.h"
#include "platform/ui/View.h"
#include "tests/support/ScreenTestEnvironment.h"
#include "tests/support/TestClient.h"

using json = nlohmann::json;
using display_test::WebSocketClient;

namespace display {
namespace {

// Notes every touch it gets, in its own coordinates, and shows that it is pressed.
class Pad : public ui::View {
  public:
    std::vector<std::string> seen;
    void touchesBegan(const ui::Touches& t) override { note("began", t, ui::Color::redColor()); }
    void touchesMoved(const ui::Touches& t) override { note("moved", t, ui::Color::redColor()); }
    void touchesEnded(const ui::Touches& t) override { note("ended", t, ui::Color::clear()); }
    void touchesCancelled(const ui::Touches& t) override { note("cancelled", t, ui::Color::clear()); }

  private:
    void note(const char* phase, const ui::Touches& touches, ui::Color colour) {
        ui::Point p = touches.front()->locationIn(this);
        seen.push_back(std::string(phase) + " " + std::to_string(touches.front()->identifier()) + " " +
                       std::to_string(static_cast<int>(p.x)) + "," + std::to_string(static_cast<int>(p.y)));
        setBackgroundColor(colour);
    }
};

class Scroller : public ui::View, public ui::ScrollWheelTarget {
  public:
    double room = 0;  // how far it can still move down
    double moved = 0;
    bool scrollWheel(double, double dy) override {
        double step = std::min(dy, room);
        if (step <= 0) return false;
        room -= step;
        moved += step;
        return true;
    }
};

class Entry : public ui::View, public ui::TextInputClient {
  public:
    std::vector<std::string> calls;
    void displayDidEditText(const std::string& value, std::size_t start, std::size_t length) override {
        calls.push_back("edit " + value + " " + std::to_string(start) + "+" + std::to_string(length));
    }
    void displayDidChangeSelection(std::size_t start, std::size_t length, const std::string&) override {
        calls.push_back("select " + std::to_string(start) + "+" + std::to_string(length));
    }
    void displayDidPressReturn() override { calls.push_back("return"); }
};

// A black sheet with white strokes, one polyline per stroke.
class Sheet : public ui::DrawnView {
  public:
    std::vector<std::vector<std::pair<double, double>>> strokes;
    void drawRect(const ui::Rect& rect) override {
        gfx::Context& c = *gfx::Context::current();
        c.setFillColor(0, 0, 0, 1);
        c.fillRect(0, 0, rect.size.width, rect.size.height);
        c.setStrokeColor(1, 1, 1, 1);
        c.setLineWidth(3);
        for (const auto& stroke : strokes) {
            c.addLines(stroke);
            c.strokePath();
        }
    }
};

// The pixels of an image in a message: its PNG, decoded.
gfx::Bitmap decoded(const json& png) {
    std::optional<std::string> bytes = fnd::base64Decode(png.get<std::string>());
    std::optional<gfx::Bitmap> bitmap = bytes ? gfx::Bitmap::decodePNG(*bytes) : std::nullopt;
    return bitmap ? *bitmap : gfx::Bitmap();
}

// Paints tiles over a drawing as the page does: each replaces the pixels of its rectangle.
void paintTiles(gfx::Bitmap& drawing, const json& tiles) {
    for (const json& tile : tiles) {
        gfx::Bitmap part = decoded(tile["png"]);
        int x0 = tile["rect"][0], y0 = tile["rect"][1];
        ASSERT_EQ(part.width(), tile["rect"][2].get<int>());
        ASSERT_EQ(part.height(), tile["rect"][3].get<int>());
        for (int y = 0; y < part.height(); ++y)
            for (int x = 0; x < part.width(); ++x)
                drawing.data()[(y0 + y) * drawing.width() + x0 + x] = part.data()[y * part.width() + x];
    }
}

class Samples : public ui::AccelerometerDelegate {
  public:
    std::vector<double> xs;
    void accelerometerDidAccelerate(double x, double, double) override { xs.push_back(x); }
};

// Writes down the application's life.
struct Life : ui::ApplicationDelegate {
    std::vector<std::string> states;
    void applicationDidBecomeActive(ui::Application&) override { states.push_back("active"); }
    void applicationDidEnterBackground(ui::Application&) override { states.push_back("background"); }
};

class DeviceSessionTest : public testing_support::ScreenTestEnvironment {
  protected:
    void SetUp() override {
        ScreenTestEnvironment::SetUp();
        launch(ui::Idiom::Phone, life);
        life->states.clear();
        pad = ui::make<Pad>(ui::Rect{100, 100, 50, 50});
        window()->addSubview(pad);
        DeviceSession::Options options;
        options.resources = temporary;
        session = std::make_unique<DeviceSession>(options);
        ASSERT_TRUE(session->start()) << session->error();
    }
    void TearDown() override {
        session.reset();
        ScreenTestEnvironment::TearDown();
    }

    // Opens a tab when none is active and waits until the session has given it the device.
    void connect(WebSocketClient& tab) {
        ASSERT_FALSE(session->server().hasActiveTab());
        std::string host = "127.0.0.1:" + std::to_string(session->server().port());
        ASSERT_TRUE(tab.connect(session->server().port(), "/ws?token=" + session->server().token(),
                                {{"Origin", "http://" + host}}));
        ASSERT_TRUE(runUntil([&] { return session->server().hasActiveTab(); }));
    }
    // The next message of a type, skipping the others.
    json next(WebSocketClient& tab, const std::string& type) {
        while (auto text = tab.read()) {
            json message = json::parse(*text);
            if (message["type"] == type) return message;
        }
        ADD_FAILURE() << "no " << type << " message";
        return {};
    }
    // Opens the test's tab and reads what a new tab gets before the patches.
    void openTab() {
        connect(tab);
        next(tab, "application");
        next(tab, "tree");
    }
    void send(WebSocketClient& tab, const json& event) { tab.send(event.dump()); }
    // Sends events and runs the loop until the condition holds.
    void sendAndRun(WebSocketClient& tab, const json& event, const std::function<bool()>& done) {
        send(tab, event);
        ASSERT_TRUE(runUntil(done));
    }
    static json pointer(const char* phase, int id, double x, double y) {
        return {{"type", "pointer"}, {"phase", phase}, {"id", id}, {"x", x}, {"y", y}};
    }

    std::shared_ptr<Life> life = std::make_shared<Life>();
    std::shared_ptr<Pad> pad;
    std::unique_ptr<DeviceSession> session;
    WebSocketClient tab;
};

TEST_F(DeviceSessionTest, ATabGetsTheDeviceTheStateAndTheTreeThenOnePatchPerTurn) {
    connect(tab);
    json device = next(tab, "device");
    EXPECT_EQ(device["idiom"], "phone");
    EXPECT_EQ(device["screen"], json::array({320, 480}));
    EXPECT_EQ(device["orientation"], 1);
    EXPECT_TRUE(device["resources"].get<std::string>().starts_with("/s/"));
    EXPECT_EQ(next(tab, "application")["state"], "active");
    json tree = next(tab, "tree");
    EXPECT_EQ(tree["root"], application().screenView()->elementId());
    bool padSent = false;
    for (const json& element : tree["elements"]) padSent |= element["id"] == pad->elementId();
    EXPECT_TRUE(padSent);

    // Changes made before a tab came are in its tree, not sent again; later ones come as patches.
    pad->setAlpha(0.5);
    pad->setTag(7);
    session->changeLog().flush();  // as the end of the turn does
    json patch = next(tab, "patch");
    EXPECT_EQ(patch["seq"], tree["seq"].get<int>() + 1);
    ASSERT_EQ(patch["update"].size(), 1u);
    EXPECT_EQ(patch["update"][0]["props"], json({{"alpha", 0.5}, {"tag", 7}}));
}

TEST_F(DeviceSessionTest, PointersBecomeTouchesOfTheViewHitAndItsChangeGoesBack) {
    openTab();
    sendAndRun(tab, pointer("down", 3, 110, 120), [&] { return pad->seen.size() == 1; });
    json patch = next(tab, "patch");
    EXPECT_EQ(patch["update"][0]["props"]["background"], json::array({1, 0, 0, 1}));

    // The touch stays with the view it began on, wherever the pointer goes.
    sendAndRun(tab, pointer("move", 3, 300, 400), [&] { return pad->seen.size() == 2; });
    sendAndRun(tab, pointer("up", 3, 301, 401), [&] { return pad->seen.size() == 3; });
    EXPECT_EQ(pad->seen, (std::vector<std::string>{"began 3 10,20", "moved 3 200,300", "ended 3 201,301"}));

    // A second pointer down while the first is: two touches; the tab going away cancels it.
    sendAndRun(tab, pointer("down", 4, 140, 140), [&] { return pad->seen.size() == 4; });
    tab.close();
    ASSERT_TRUE(runUntil([&] { return pad->seen.size() == 5; }));
    EXPECT_EQ(pad->seen.back(), "cancelled 4 40,40");
}

TEST_F(DeviceSessionTest, TheTabHearsWhichOfItsMessagesWereHandledAfterThePatchOfThatTurn) {
    openTab();
    // Its messages carry running numbers; the tap's change comes first, then its number.
    json down = pointer("down", 3, 110, 120);
    down["input"] = 1;
    sendAndRun(tab, down, [&] { return pad->seen.size() == 1; });
    std::optional<std::string> first = tab.read();
    ASSERT_TRUE(first);
    EXPECT_EQ(json::parse(*first)["type"], "patch");
    EXPECT_EQ(next(tab, "handled")["input"], 1);

    // A message that makes no sense, or changes nothing, is handled all the same: the tab does not
    // wait for it in vain.
    tab.send(R"({"type":"teleport","input":2})");
    json nothing = pointer("move", 8, 0, 0);
    nothing["input"] = 3;
    send(tab, nothing);
    json up = pointer("up", 3, 110, 120);
    up["input"] = 4;
    sendAndRun(tab, up, [&] { return pad->seen.size() == 2; });
    std::uint64_t last = 0;
    while (last < 4) last = next(tab, "handled")["input"].get<std::uint64_t>();
    EXPECT_EQ(last, 4u);

    // A new tab counts afresh.
    tab.close();
    WebSocketClient second;
    ASSERT_TRUE(runUntil([&] { return !session->server().hasActiveTab(); }));
    connect(second);
    next(second, "tree");
    json again = pointer("down", 5, 120, 120);
    again["input"] = 1;
    sendAndRun(second, again, [&] { return pad->seen.size() == 3; });
    EXPECT_EQ(next(second, "handled")["input"], 1);
}

TEST_F(DeviceSessionTest, TheWheelScrollsTheInnermostViewThatCanStillMove) {
    auto outer = ui::make<Scroller>(ui::Rect{0, 200, 320, 200});
    auto inner = ui::make<Scroller>(ui::Rect{10, 10, 100, 100});
    outer->room = 1000;
    inner->room = 30;
    outer->addSubview(inner);
    window()->addSubview(outer);
    openTab();
    json wheel = {{"type", "wheel"}, {"x", 50}, {"y", 250}, {"dx", 0}, {"dy", 20}};
    sendAndRun(tab, wheel, [&] { return inner->moved == 20; });
    sendAndRun(tab, wheel, [&] { return inner->moved == 30; });
    // The inner one is at its end: the next movement goes to the one around it.
    sendAndRun(tab, wheel, [&] { return outer->moved == 20; });
    EXPECT_EQ(inner->moved, 30);
}

TEST_F(DeviceSessionTest, TypingSelectingAndReturnReachTheInput) {
    auto entry = ui::make<Entry>(ui::Rect{10, 10, 200, 30});
    window()->addSubview(entry);
    openTab();
    auto id = entry->elementId();
    send(tab, {{"type", "text"}, {"id", id}, {"value", "grüße ✓"}, {"start", 7}, {"length", 0}});
    // Events for elements that are gone or take no text are ignored.
    send(tab, {{"type", "text"}, {"id", 999999}, {"value", "x"}, {"start", 1}, {"length", 0}});
    send(tab, {{"type", "text"}, {"id", pad->elementId()}, {"value", "x"}, {"start", 1}, {"length", 0}});
    send(tab, {{"type", "select"},
               {"id", id},
               {"start", 0},
               {"length", 5},
               {"text", "grüße"},
               {"rect", {10, 10, 200, 30}}});
    sendAndRun(tab, {{"type", "return"}, {"id", id}}, [&] { return entry->calls.size() == 3; });
    EXPECT_EQ(entry->calls, (std::vector<std::string>{"edit grüße ✓ 7+0", "select 0+5", "return"}));

    // The selection went to the edit menu; when the application ends it, the tab is told to drop it.
    ui::EditMenu& menu = ui::EditMenu::shared();
    EXPECT_EQ(menu.selectedView(), entry);
    menu.endSelection();
    EXPECT_EQ(next(tab, "endSelection")["id"], id);
}

TEST_F(DeviceSessionTest, TurningTheDeviceSetsItsOrientationAndTellsTheTab) {
    ui::Device& device = ui::Device::current();
    device.beginGeneratingDeviceOrientationNotifications();
    int notices = 0;
    fnd::NotificationCenter::defaultCenter().addObserver(this, ui::Device::kOrientationDidChangeNotification,
                                                         nullptr,
                                                         [&](const fnd::Notification&) { ++notices; });
    openTab();
    sendAndRun(tab, {{"type", "rotate"}, {"direction", "left"}}, [&] { return notices == 1; });
    EXPECT_EQ(device.orientation(), ui::DeviceOrientation::LandscapeLeft);
    EXPECT_EQ(next(tab, "orientation")["orientation"], 3);
    sendAndRun(tab, {{"type", "rotate"}, {"direction", "right"}}, [&] { return notices == 2; });
    EXPECT_EQ(device.orientation(), ui::DeviceOrientation::Portrait);
    EXPECT_EQ(next(tab, "orientation")["orientation"], 1);
    fnd::NotificationCenter::defaultCenter().removeObserver(this);
    device.endGeneratingDeviceOrientationNotifications();

    // A tab that comes later is told where the device stands.
    device.setOrientation(ui::DeviceOrientation::PortraitUpsideDown);
    tab.close();
    ASSERT_TRUE(runUntil([&] { return !session->server().hasActiveTab(); }));
    WebSocketClient later;
    connect(later);
    EXPECT_EQ(next(later, "device")["orientation"], 2);
}

TEST_F(DeviceSessionTest, OrientationsRunRoundBothWays) {
    using O = ui::DeviceOrientation;
    const O right[] = {O::Portrait, O::LandscapeRight, O::PortraitUpsideDown, O::LandscapeLeft, O::Portrait};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(DeviceSession::turned(right[i], 1), right[i + 1]);
        EXPECT_EQ(DeviceSession::turned(right[i + 1], -1), right[i]);
    }
    EXPECT_EQ(DeviceSession::turned(O::FaceUp, 1), O::LandscapeRight);
    EXPECT_EQ(DeviceSession::turned(O::Unknown, -1), O::LandscapeLeft);
}

TEST_F(DeviceSessionTest, ShakeSendsABurstOfSamples) {
    auto samples = std::make_shared<Samples>();
    ui::Accelerometer::shared().setDelegate(samples);
    openTab();
    sendAndRun(tab, {{"type", "shake"}}, [&] { return !samples->xs.empty(); });
    runFor(2);
    double strongest = 0;
    for (double x : samples->xs) strongest = std::max(strongest, std::abs(x));
    EXPECT_GT(samples->xs.size(), 4u);
    EXPECT_GT(strongest, 2.0);
}

TEST_F(DeviceSessionTest, HomeVisibilityAndClosingTheTabMoveTheApplicationBetweenStates) {
    openTab();
    EXPECT_EQ(application().state(), ui::Application::State::Active);
    auto& states = life->states;
    sendAndRun(tab, {{"type", "home"}}, [&] { return states.size() == 1; });
    EXPECT_EQ(next(tab, "application")["state"], "background");
    // Already in the background: a hidden page changes nothing.
    send(tab, {{"type", "visibility"}, {"visible", false}});
    sendAndRun(tab, {{"type", "activate"}}, [&] { return states.size() == 2; });
    EXPECT_EQ(next(tab, "application")["state"], "active");
    sendAndRun(tab, {{"type", "visibility"}, {"visible", false}}, [&] { return states.size() == 3; });
    sendAndRun(tab, {{"type", "visibility"}, {"visible", true}}, [&] { return states.size() == 4; });
    tab.close();
    ASSERT_TRUE(runUntil([&] { return states.size() == 5; }));
    EXPECT_EQ(states,
              (std::vector<std::string>{"background", "active", "background", "active", "background"}));

    // A tab that takes the device shows it: the application is active again.
    WebSocketClient next;
    connect(next);
    EXPECT_EQ(states.back(), "active");
}

TEST_F(DeviceSessionTest, EffectsAndSafeLinksGoToTheTab) {
    EXPECT_FALSE(session->openURL("https://example.org/"));  // no tab yet
    openTab();
    // A sound made from a bundle file is played from that file.
    fnd::Paths::setResources(temporary);
    std::filesystem::create_directories(temporary / "sounds");
    std::ofstream(temporary / "sounds" / "tap.wav") << "RIFF";
    ui::Device& device = ui::Device::current();
    int tap = device.createSystemSound("sounds/tap.wav");
    device.vibrate();
    device.playSystemSound(1104);
    device.playSystemSound(tap);
    runFor(0.01);
    EXPECT_EQ(next(tab, "effects")["effects"],
              json::array({"vibrate", "sound:1104", "sound:sounds/tap.wav"}));

    // The application's links go through the session, which checks them again.
    EXPECT_FALSE(application().openURL(fnd::URL("javascript:alert(1)")));
    EXPECT_FALSE(session->openURL("javascript:alert(1)"));
    EXPECT_TRUE(application().openURL(fnd::URL("tel:+1-555-0100")));
    EXPECT_EQ(next(tab, "open")["url"], "tel:+1-555-0100");
    // A device without Skype opens no Skype address.
    application().setOpenableSchemes({"http", "https", "mailto", "tel", "javascript"});
    EXPECT_EQ(application().openableSchemes().size(), 4u);
    EXPECT_FALSE(application().openURL(fnd::URL("skype:someone?call")));
    EXPECT_TRUE(application().canOpenURL(fnd::URL("https://example.org/")));
}

TEST_F(DeviceSessionTest, MailAddressesOpenThePagesComposerWithTheWholeDecodedBody) {
    openTab();
    std::string shortMail = "mailto:help@example.org?subject=a%20b&body=x%26y%0A%23z+1%3D2";
    EXPECT_TRUE(application().openURL(fnd::URL(shortMail)));
    json mail = next(tab, "mail");
    EXPECT_EQ(mail["to"], "help@example.org");
    EXPECT_EQ(mail["subject"], "a b");
    EXPECT_EQ(mail["body"], "x&y\n#z+1=2");
    EXPECT_EQ(mail["link"], shortMail);  // short enough for a mail program

    // A backup of megabytes arrives whole, without a link that would be cut.
    std::string body;
    while (body.size() < 3'000'000) body += "OG12_PS_152_2;Grüße & #7 = 100%\n";
    std::string backup = "mailto://backup@example.org?subject=Backup&body=" + fnd::percentEscapeStrict(body);
    EXPECT_TRUE(session->openURL(backup));
    json big = next(tab, "mail");
    EXPECT_EQ(big["to"], "backup@example.org");
    EXPECT_EQ(big["body"], body);
    EXPECT_FALSE(big.contains("link"));
}

TEST_F(DeviceSessionTest, PastesFillThePasteboardAndOnlyTheDevicesNewCopiesGoBack) {
    ui::Pasteboard& pasteboard = ui::Pasteboard::general();
    openTab();
    std::string large(5'000'000, 'x');
    large += "\u00e9\n";
    sendAndRun(tab, {{"type", "paste"}, {"text", large}}, [&] { return pasteboard.string() == large; });
    // Bytes of a binary file are no paste.
    tab.send(R"({"type":"paste","text":"a\u0000b"})");
    tab.send(R"({"type":"paste"})");
    runFor(0.05);
    EXPECT_EQ(pasteboard.string(), large);

    // The program copies in its turns, as a screen does after a tap.
    auto inATurn = [&](std::function<void()> change) {
        loop->post(std::move(change));
        runFor(0.01);
    };
    inATurn([&] { pasteboard.setString("copied"); });
    EXPECT_EQ(next(tab, "clipboard")["text"], "copied");
    // A copy undone within its turn (a look-up keeps the person's clipboard) and a clear are not
    // mirrored: the next text the tab hears is the next real copy.
    inATurn([&] {
        pasteboard.setString("looked-up word");
        pasteboard.setString("copied");
    });
    inATurn([&] { pasteboard.setString(std::nullopt); });
    inATurn([&] { pasteboard.setString("last"); });
    EXPECT_EQ(next(tab, "clipboard")["text"], "last");
}

TEST_F(DeviceSessionTest, TheTabHoldsAWakeLockWhileTheIdleTimerIsDisabled) {
    openTab();
    loop->post([] { application().setIdleTimerDisabled(true); });
    runFor(0.01);
    EXPECT_EQ(next(tab, "wakeLock")["on"], true);
    // A tab that takes over hears it too; and when the timer runs again, the lock goes.
    tab.close();
    ASSERT_TRUE(runUntil([&] { return !session->server().hasActiveTab(); }));
    WebSocketClient later;
    connect(later);
    runFor(0.01);
    EXPECT_EQ(next(later, "wakeLock")["on"], true);
    loop->post([] { application().setIdleTimerDisabled(false); });
    runFor(0.01);
    EXPECT_EQ(next(later, "wakeLock")["on"], false);
}

TEST_F(DeviceSessionTest, TheTabsLanguagesAreThePreferredOnesUnlessTheProgramWasGivenSome) {
    openTab();
    tab.send(R"({"type":"languages","languages":"fr"})");
    tab.send(R"({"type":"languages","languages":["fr",7]})");
    sendAndRun(tab, {{"type", "languages"}, {"languages", {"de-CH", "de", "<b>"}}},
               [] { return fnd::Locale::preferredLanguages().front() == "de-CH"; });
    EXPECT_EQ(fnd::Locale::preferredLanguages(), (std::vector<std::string>{"de-CH", "de"}));
    fnd::Locale::setPreferredLanguages({"en-GB"});
    send(tab, {{"type", "languages"}, {"languages", {"it"}}});
    // Messages are taken in order: once a later paste is in, the languages were taken too.
    sendAndRun(tab, {{"type", "paste"}, {"text", "after"}},
               [] { return ui::Pasteboard::general().string() == "after"; });
    EXPECT_EQ(fnd::Locale::preferredLanguages(), std::vector<std::string>{"en-GB"});
}

TEST(MailDraftTest, ReadsRecipientsSubjectAndBodyOfBothForms) {
    struct Case {
        const char* address;
        const char* to;
        const char* subject;
        const char* body;
    } cases[] = {
        {"mailto:a@example.org", "a@example.org", "", ""},
        {"MAILTO://a@example.org?To=b%40example.org&cc=c@example.org&Subject=%C3%A9t%C3%A9&body=1+1%3D2",
         "a@example.org, b@example.org", "\u00e9t\u00e9", "1+1=2"},
        {"mailto:?body=%FF%0D%0Aend&junk", "", "", "\ufffd\r\nend"},
    };
    for (const Case& c : cases) {
        std::optional<MailDraft> draft = MailDraft::parse(c.address);
        ASSERT_TRUE(draft) << c.address;
        EXPECT_EQ(draft->to, c.to) << c.address;
        EXPECT_EQ(draft->subject, c.subject) << c.address;
        EXPECT_EQ(draft->body, c.body) << c.address;
    }
    EXPECT_FALSE(MailDraft::parse("https://example.org/?body=x"));
    EXPECT_FALSE(MailDraft::parse("mail:x"));
}

TEST_F(DeviceSessionTest, OnlyWebMailPhoneAndSkypeLinksAreOpenable) {
    for (const char* url : {"http://example.org", "HTTPS://example.org/a?b#c", "mailto:a@b.c", "tel:+1234",
                            "skype:someone?call"})
        EXPECT_TRUE(DeviceSession::isOpenableURL(url)) << url;
    for (const char* url : {"javascript:alert(1)", "JavaScript:alert(1)", "data:text/html,x",
                            "file:///etc/passwd", "events:next", "http:/example.org", "http:///x",
                            "https://exa mple.org", "http://example.org/\n", "mailto:", "", ":", "no scheme"})
        EXPECT_FALSE(DeviceSession::isOpenableURL(url)) << url;
}

TEST_F(DeviceSessionTest, NonsenseFromTheTabIsDroppedAndTheSessionGoesOn) {
    openTab();
    for (const char* junk : {"", "not json", "[1,2]", "{}", R"({"type":7})", R"({"type":"teleport"})",
                             R"({"type":"pointer","phase":"down","id":1,"x":"1","y":2})",
                             R"({"type":"pointer","phase":"down","id":1.5,"x":1,"y":2})",
                             R"({"type":"pointer","phase":"down","id":1e300,"x":1,"y":2})",
                             R"({"type":"pointer","phase":"hover","id":1,"x":1,"y":2})",
                             R"({"type":"text","id":-4,"value":"x","start":0,"length":0})",
                             R"({"type":"rotate","direction":"up"})"})
        tab.send(junk);
    sendAndRun(tab, pointer("down", 1, 120, 120), [&] { return pad->seen.size() == 1; });
    EXPECT_EQ(pad->seen, (std::vector<std::string>{"began 1 20,20"}));
}

TEST_F(DeviceSessionTest, AnApplicationLaunchedAgainIsSentWholeToTheNextTab) {
    openTab();
    tab.close();
    ASSERT_TRUE(runUntil([&] { return !session->server().hasActiveTab(); }));
    launch(ui::Idiom::Phone);
    auto child = ui::make<Pad>(ui::Rect{0, 100, 10, 10});
    window()->addSubview(child);
    WebSocketClient next;
    connect(next);
    EXPECT_EQ(this->next(next, "tree")["root"], application().screenView()->elementId());
    // Touches go to the new screen.
    sendAndRun(next, pointer("down", 1, 5, 105), [&] { return child->seen.size() == 1; });
    EXPECT_TRUE(pad->seen.empty());
}

TEST_F(DeviceSessionTest, TheLocationControlMovesTheDeviceAndTheTabHearsEveryChange) {
    loc::DeviceLocation& device = loc::DeviceLocation::current();
    device.reset();
    device.setPosition({48.8566, 2.3522});  // as --location does before a tab comes
    connect(tab);
    json first = next(tab, "location");
    EXPECT_EQ(first,
              json({{"type", "location"}, {"state", "at"}, {"latitude", 48.8566}, {"longitude", 2.3522}}));

    struct Step {
        json event;
        std::function<bool()> done;
        json told;  // what the tab hears back
    } steps[] = {
        {{{"type", "location"}, {"state", "off"}},
         [&] { return !device.servicesEnabled(); },
         {{"type", "location"}, {"state", "off"}, {"latitude", 48.8566}, {"longitude", 2.3522}}},
        {{{"type", "location"}, {"state", "at"}, {"latitude", -33.8688}, {"longitude", 151.2093}},
         [&] { return device.servicesEnabled() && device.location(); },
         {{"type", "location"}, {"state", "at"}, {"latitude", -33.8688}, {"longitude", 151.2093}}},
        {{{"type", "location"}, {"state", "unknown"}},
         [&] { return !device.isKnown(); },
         {{"type", "location"}, {"state", "unknown"}}},
    };
    for (const Step& step : steps) {
        sendAndRun(tab, step.event, step.done);
        runFor(0.01);  // the change reaches the tab on the next turn
        EXPECT_EQ(next(tab, "location"), step.told) << step.event;
    }
    EXPECT_TRUE(device.servicesEnabled());
    EXPECT_FALSE(device.isKnown());

    // A position off the globe is dropped; so is a state the program does not know.
    for (const json& bad : {json{{"type", "location"}, {"state", "at"}, {"latitude", 95}, {"longitude", 0}},
                            json{{"type", "location"}, {"state", "at"}, {"latitude", 10}},
                            json{{"type", "location"}, {"state", "nearby"}}})
        EXPECT_FALSE(DisplayEvent::parse(bad.dump())) << bad;
    device.reset();
}

TEST_F(DeviceSessionTest, ADrawnViewSendsOnlyTheTilesAStrokeTouchedAndANewTabTheWhole) {
    auto sheet = ui::make<Sheet>(ui::Rect{0, 0, 320, 480});
    window()->addSubview(sheet);
    // The tab keeps the drawing's pixels as the page does, starting from its tree's whole one.
    auto wholeDrawing = [&](WebSocketClient& page) {
        json tree = next(page, "tree");
        for (const json& element : tree["elements"])
            if (element["id"] == sheet->elementId()) return decoded(element["props"]["image"]["png"]);
        return gfx::Bitmap();
    };
    connect(tab);
    gfx::Bitmap shown = wholeDrawing(tab);
    ASSERT_EQ(shown.width(), 640);
    ASSERT_EQ(shown.height(), 960);

    // A short stroke near the top-left corner: a few 64-pixel tiles there, nothing elsewhere.
    sheet->strokes.push_back({{20, 20}, {60, 30}});
    sheet->setNeedsDisplay();
    session->changeLog().flush();
    json update = next(tab, "patch")["update"];
    ASSERT_EQ(update.size(), 1u);
    json props = update[0]["props"];
    EXPECT_FALSE(props.contains("image"));
    ASSERT_TRUE(props.contains("tiles"));
    ASSERT_FALSE(props["tiles"].empty());
    for (const json& tile : props["tiles"]) {
        EXPECT_LT(tile["rect"][0].get<int>() + tile["rect"][2].get<int>(), 200);
        EXPECT_LT(tile["rect"][1].get<int>() + tile["rect"][3].get<int>(), 100);
    }
    paintTiles(shown, props["tiles"]);
    EXPECT_EQ(shown, *sheet->drawing()->bitmap());

    // A drawing made again the same sends nothing; one changed almost everywhere goes whole.
    sheet->setNeedsDisplay();
    EXPECT_FALSE(session->changeLog().flush());
    sheet->strokes.push_back({{0, 0}, {320, 480}, {320, 0}, {0, 480}, {0, 0}, {320, 240}, {0, 240}});
    for (int x = 10; x < 320; x += 30) sheet->strokes.push_back({{double(x), 0}, {double(x), 480}});
    sheet->setNeedsDisplay();
    session->changeLog().flush();
    props = next(tab, "patch")["update"][0]["props"];
    EXPECT_FALSE(props.contains("tiles"));
    EXPECT_EQ(decoded(props["image"]["png"]), *sheet->drawing()->bitmap());

    // A tab that takes over gets the whole present drawing.
    WebSocketClient other;
    tab.close();
    ASSERT_TRUE(runUntil([&] { return !session->server().hasActiveTab(); }));
    connect(other);
    EXPECT_EQ(wholeDrawing(other), *sheet->drawing()->bitmap());
}

}  // namespace
}  // namespace display
