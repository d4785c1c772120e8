// A test program for the browser tests: the device session with a test screen of boxes, texts, an
// input, a button that counts taps, a scroll box, images and a view that animates on request.
// It prints its address, then one line for everything the person did that the screen saw:
//   tap N | text VALUE | return | select START LENGTH | state active|background | orientation N |
//   shake N | animation done | opened URL | refused URL
// Return in the input with "effects" in it vibrates and plays a sound; with "links" the application
// asks for a link of the program's own server, a telephone and a Skype address, and a script
// address, which must be refused.
// Usage: display_testscreen [--device phone|tablet]

#include <zlib.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <numbers>
#include <string>

#include "platform/display/DeviceSession.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/TerminationSignals.h"
#include "platform/ui/Accelerometer.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Application.h"
#include "platform/ui/ApplicationDelegate.h"
#include "platform/ui/Device.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/ScrollWheelTarget.h"
#include "platform/ui/TextInputClient.h"
#include "platform/ui/Touch.h"
#include "platform/ui/View.h"
#include "platform/ui/Window.h"

namespace {

template <class... Args>
void say(const char* format, Args... args) {
    std::printf(format, args...);
    std::putchar('\n');
    std::fflush(stdout);
}

// A button: darkens while pressed, counts the touches that end inside it.
class TapBox : public ui::View {
  public:
    std::function<void()> onTap;
    void touchesBegan(const ui::Touches&) override { setAlpha(0.6); }
    void touchesEnded(const ui::Touches& touches) override {
        setAlpha(1);
        if (pointInside(touches.front()->locationIn(this)) && onTap) onTap();
    }
    void touchesCancelled(const ui::Touches&) override { setAlpha(1); }
};

class Field : public ui::View, public ui::TextInputClient {
  public:
    std::function<void(const std::string&)> onEdit;
    std::function<void(const std::string&)> onReturn;
    void touchesEnded(const ui::Touches&) override { setFocused(true); }
    void displayDidEditText(const std::string& value, std::size_t start, std::size_t length) override {
        value_ = value;
        selection_ = {start, length};
        changed();
        if (onEdit) onEdit(value_);
    }
    void displayDidChangeSelection(std::size_t start, std::size_t length, const std::string&) override {
        selection_ = {start, length};
        changed();
        say("select %zu %zu", start, length);
    }
    void displayDidPressReturn() override {
        say("return");
        setFocused(false);
        if (onReturn) onReturn(value_);
    }
    void setFocused(bool focused) {
        focused_ = focused;
        changed();
    }
    ui::PrimitiveKind primitiveKind() const override { return ui::PrimitiveKind::Input; }
    void describe(ui::PrimitiveProperties& p) const override {
        View::describe(p);
        p.emplace_back("value", value_);
        p.emplace_back("placeholder", "Type here");
        p.emplace_back("font", ui::Font::system(16));
        p.emplace_back("color", ui::Color::blackColor());
        p.emplace_back("focused", focused_);
        p.emplace_back("selection", ui::Size{static_cast<double>(selection_.first),
                                             static_cast<double>(selection_.second)});
    }

  private:
    std::string value_;
    std::pair<std::size_t, std::size_t> selection_{0, 0};
    bool focused_ = false;
};

// Scrolls its rows up and down by drags and the wheel.
class ScrollBox : public ui::View, public ui::ScrollWheelTarget {
  public:
    std::function<void(double)> onScroll;
    ui::Size contentSize;
    void touchesMoved(const ui::Touches& touches) override {
        const auto& t = touches.front();
        scrollBy(t->previousLocationIn(nullptr).y - t->locationIn(nullptr).y);
    }
    bool scrollWheel(double, double dy) override { return scrollBy(dy); }
    bool scrollBy(double dy) {
        ui::Rect b = bounds();
        double most = std::max(0.0, contentSize.height - b.size.height);
        double y = std::clamp(b.origin.y + dy, 0.0, most);
        if (y == b.origin.y) return false;
        setBounds({{b.origin.x, y}, b.size});
        if (onScroll) onScroll(y);
        return true;
    }
    ui::PrimitiveKind primitiveKind() const override { return ui::PrimitiveKind::Scroll; }
    void describe(ui::PrimitiveProperties& p) const override {
        View::describe(p);
        p.emplace_back("contentSize", contentSize);
        p.emplace_back("indicators", true);
    }
};

class Picture : public ui::View {
  public:
    std::shared_ptr<const ui::Image> image;
    bool drawn = false;  // a drawn view rather than an image view
    ui::PrimitiveKind primitiveKind() const override {
        return drawn ? ui::PrimitiveKind::Bitmap : ui::PrimitiveKind::Image;
    }
    void describe(ui::PrimitiveProperties& p) const override {
        View::describe(p);
        p.emplace_back("image", image);
        if (!drawn) p.emplace_back("contentMode", "aspectFit");
    }
};

// Tells of the application's life.
class Delegate : public ui::ApplicationDelegate {
  public:
    std::function<void(const char*)> onState;
    void applicationDidBecomeActive(ui::Application&) override { tell("active"); }
    void applicationDidEnterBackground(ui::Application&) override { tell("background"); }

  private:
    void tell(const char* state) {
        if (onState) onState(state);
    }
};

class ShakeCounter : public ui::AccelerometerDelegate {
  public:
    std::function<void(int)> onShake;
    void accelerometerDidAccelerate(double x, double, double) override {
        double now = fnd::RunLoop::main().now();
        if (std::abs(x) < 2.0 || now - last_ < 1.0) return;
        last_ = now;
        if (onShake) onShake(++count_);
    }

  private:
    double last_ = -10;
    int count_ = 0;
};

// A 64 x 64 PNG: a colour wheel of sorts on a soft background.
std::string testPNG() {
    const int n = 64;
    std::string raw;
    for (int y = 0; y < n; ++y) {
        raw += '\0';
        for (int x = 0; x < n; ++x) {
            double dx = x - 31.5, dy = y - 31.5, r = std::sqrt(dx * dx + dy * dy);
            bool inside = r < 28;
            double a = std::atan2(dy, dx);
            auto level = [&](double shift, int outside) {
                int v = inside ? static_cast<int>(128 + 127 * std::cos(a + shift)) : outside;
                raw += static_cast<char>(static_cast<unsigned char>(v));
            };
            level(0, 230);
            level(-2.1, 230);
            level(2.1, 240);
            raw += static_cast<char>(static_cast<unsigned char>(255));
        }
    }
    uLongf size = compressBound(raw.size());
    std::string packed(size, '\0');
    compress(reinterpret_cast<Bytef*>(packed.data()), &size, reinterpret_cast<const Bytef*>(raw.data()),
             raw.size());
    packed.resize(size);
    auto be32 = [](std::string& s, unsigned v) {
        for (int i = 3; i >= 0; --i) s += static_cast<char>((v >> (8 * i)) & 0xff);
    };
    std::string png = "\x89PNG\r\n\x1a\n";
    auto chunk = [&](const char* type, const std::string& data) {
        be32(png, static_cast<unsigned>(data.size()));
        std::string body = std::string(type, 4) + data;
        png += body;
        be32(png, crc32(0, reinterpret_cast<const Bytef*>(body.data()), body.size()));
    };
    std::string header;
    be32(header, n);
    be32(header, n);
    header += std::string("\x08\x06\x00\x00\x00", 5);  // 8 bits, RGBA
    chunk("IHDR", header);
    chunk("IDAT", packed);
    chunk("IEND", "");
    return png;
}

template <class T = ui::View>
std::shared_ptr<T> add(const std::shared_ptr<ui::View>& parent, ui::Rect frame, int tag,
                       ui::Color background) {
    auto view = ui::make<T>(frame);
    view->setTag(tag);
    view->setBackgroundColor(background);
    parent->addSubview(view);
    return view;
}

std::shared_ptr<ui::Label> label(const std::shared_ptr<ui::View>& parent, ui::Rect frame, int tag,
                                 std::string text, ui::Font font = ui::Font::system(14),
                                 ui::TextAlignment align = ui::TextAlignment::Left,
                                 ui::Color color = ui::Color::blackColor()) {
    auto view = add<ui::Label>(parent, frame, tag, ui::Color::clear());
    view->setUserInteractionEnabled(false);
    view->setText(std::move(text));
    view->setFont(font);
    view->setTextColor(color);
    view->setTextAlignment(align);
    return view;
}

}  // namespace

int main(int argc, char** argv) {
    ui::Device& device = ui::Device::current();
    device.reset(argc > 2 && std::string(argv[1]) == "--device" && std::string(argv[2]) == "tablet"
                     ? ui::Idiom::Tablet
                     : ui::Idiom::Phone);
    auto loop = std::make_shared<fnd::RunLoop>();
    fnd::RunLoop::setMain(loop);
    fnd::TerminationSignals::install([loop](int) { loop->stop(); });

    auto delegate = std::make_shared<Delegate>();
    ui::Application& application = ui::Application::shared();
    application.launch(delegate);
    application.setStatusBarHidden(true);
    auto window = application.windows().front();
    window->makeKeyAndVisible();

    const double W = device.screenWidth(), H = device.screenHeight(), m = 20, w = W - 2 * m;
    auto root = ui::make<ui::View>(ui::Rect{0, 0, W, H});
    root->setBackgroundColor(ui::Color::rgb(0.94, 0.95, 0.97));
    window->addSubview(root);

    label(root, {m, 8, w, 26}, 1, "Display test screen", ui::Font::boldSystem(18), ui::TextAlignment::Center);

    auto red = add(root, {m, 40, 50, 50}, 2, ui::Color::rgb(0.9, 0.2, 0.2));
    red->setCornerRadius(10);
    red->setBorderWidth(3);
    red->setBorderColor(ui::Color::rgb(0.4, 0, 0));
    add(root, {m + 57.5, 40, 50, 50}, 3, ui::Color::rgb(0.1, 0.7, 0.3))->setAlpha(0.6);
    add(root, {m + 115, 40, 50, 50}, 4, ui::Color::rgb(0.2, 0.4, 0.9))
        ->setTransform(ui::AffineTransform::rotation(0.26));
    auto png = ui::Image::fromPNG(testPNG(), 2.0);
    auto image = add<Picture>(root, {m + 172.5, 40, 50, 50}, 5, ui::Color::white(1));
    image->image = png;
    auto bitmap = add<Picture>(root, {m + 230, 40, 50, 50}, 6, ui::Color::clear());
    bitmap->drawn = true;
    bitmap->image = png;

    auto wrapped = label(root, {m, 96, w, 36}, 7,
                         "A label of two lines wraps its words at the width of its view and ends the second "
                         "line with an ellipsis when the text goes on beyond it, as this one does.",
                         ui::Font::system(12), ui::TextAlignment::Left, ui::Color::darkGrayColor());
    wrapped->setNumberOfLines(2);

    auto button = add<TapBox>(root, {m, 138, 130, 40}, 10, ui::Color::rgb(0.16, 0.45, 0.85));
    button->setCornerRadius(8);
    label(button, {0, 0, 130, 40}, 0, "Tap me", ui::Font::boldSystem(16), ui::TextAlignment::Center,
          ui::Color::whiteColor());
    auto taps = label(root, {m + 145, 138, w - 145, 40}, 11, "Taps: 0", ui::Font::system(16));
    int tapCount = 0;
    button->onTap = [&] {
        ++tapCount;
        taps->setText("Taps: " + std::to_string(tapCount));
        say("tap %d", tapCount);
    };

    auto field = add<Field>(root, {m, 186, w, 32}, 20, ui::Color::whiteColor());
    field->setBorderWidth(1);
    field->setBorderColor(ui::Color::lightGrayColor());
    auto typed = label(root, {m, 220, w, 22}, 21, "Typed: ", ui::Font::system(13), ui::TextAlignment::Left,
                       ui::Color::darkGrayColor());
    field->onEdit = [&](const std::string& value) {
        typed->setText("Typed: " + value);
        say("text %s", value.c_str());
    };

    auto scroll = add<ScrollBox>(root, {m, 248, 180, 120}, 30, ui::Color::whiteColor());
    scroll->setClipsToBounds(true);
    scroll->setBorderWidth(1);
    scroll->setBorderColor(ui::Color::grayColor());
    scroll->contentSize = {180, 480};
    for (int row = 0; row < 12; ++row) {
        auto stripe = add(scroll, {0, row * 40.0, 180, 40}, 100 + row,
                          row % 2 ? ui::Color::rgb(0.85, 0.9, 1) : ui::Color::whiteColor());
        stripe->setUserInteractionEnabled(false);
        label(stripe, {10, 0, 160, 40}, 0, "Row " + std::to_string(row + 1), ui::Font::system(15));
    }
    auto offset = label(root, {m + 190, 248, w - 190, 30}, 31, "Offset: 0", ui::Font::system(13));
    scroll->onScroll = [&](double y) {
        offset->setText("Offset: " + std::to_string(static_cast<int>(std::lround(y))));
    };

    auto animate = add<TapBox>(root, {m + 190, 288, w - 190, 40}, 41, ui::Color::rgb(0.95, 0.55, 0.1));
    animate->setCornerRadius(8);
    label(animate, {0, 0, w - 190, 40}, 0, "Animate", ui::Font::boldSystem(15), ui::TextAlignment::Center,
          ui::Color::whiteColor());
    add(root, {m, 396, w, 8}, 42, ui::Color::rgb(0.85, 0.86, 0.88))->setCornerRadius(4);
    auto mover = add(root, {m, 380, 40, 40}, 40, ui::Color::rgb(0.95, 0.55, 0.1));
    mover->setCornerRadius(6);
    auto status = label(root, {m, 428, w, 20}, 50, "", ui::Font::system(13));
    auto shakes = label(root, {m, 452, w, 20}, 51, "", ui::Font::system(13));

    std::string state = "active", orientation = "portrait", animation = "waiting";
    int shakeCount = 0;
    auto showStatus = [&] {
        status->setText("Orientation: " + orientation + " · State: " + state);
        shakes->setText("Shakes: " + std::to_string(shakeCount) + " · Animation: " + animation);
    };
    showStatus();

    bool atEnd = false;
    animate->onTap = [&] {
        atEnd = !atEnd;
        animation = "running";
        showStatus();
        ui::Animation::begin("TestMove");
        ui::Animation::setDuration(0.8);
        ui::Animation::setCurve(ui::AnimationCurve::EaseInOut);
        ui::Animation::setCompletion([&](bool finished) {
            animation = finished ? "done" : "cut short";
            showStatus();
            say("animation %s", animation.c_str());
        });
        mover->setCenter({atEnd ? W - m - 20 : m + 20, 400});
        mover->setAlpha(atEnd ? 0.5 : 1);
        mover->setTransform(ui::AffineTransform::rotation(atEnd ? std::numbers::pi / 2 : 0));
        ui::Animation::commit();
    };

    display::DeviceSession session;
    delegate->onState = [&](const char* s) {
        state = s;
        showStatus();
        say("state %s", s);
    };
    field->onReturn = [&](const std::string& value) {
        if (value == "effects") {
            device.vibrate();
            device.playSystemSound(1104);
        } else if (value == "links") {
            for (std::string url :
                 {"http://127.0.0.1:" + std::to_string(session.server().port()) + "/opened-link",
                  std::string("tel:+15550148"), std::string("skype:orva.centre?call"),
                  std::string("javascript:alert(1)")})
                say("%s %s", application.openURL(fnd::URL(url)) ? "opened" : "refused", url.c_str());
        }
    };

    device.beginGeneratingDeviceOrientationNotifications();
    fnd::NotificationCenter::defaultCenter().addObserver(
        &device, ui::Device::kOrientationDidChangeNotification, nullptr, [&](const fnd::Notification&) {
            static const char* names[] = {"unknown",         "portrait", "upside down", "landscape left",
                                          "landscape right", "face up",  "face down"};
            int o = static_cast<int>(device.orientation());
            orientation = names[o];
            showStatus();
            say("orientation %d", o);
        });

    auto counter = std::make_shared<ShakeCounter>();
    counter->onShake = [&](int n) {
        shakeCount = n;
        showStatus();
        say("shake %d", n);
    };
    ui::Accelerometer::shared().setDelegate(counter);

    if (!session.start()) {
        std::fprintf(stderr, "display_testscreen: %s\n", session.error().c_str());
        return 1;
    }
    say("%s", session.address().c_str());
    loop->run();
    session.stop();
    return 0;
}
