// A test program for the browser tests: the product's delegate with a home screen of four keys
// that open the shared overlays through the child-screen protocol: the confirmation panel, the
// loading overlay as a blocked tool shows it, the font-size popup and the about screen. It prints
// its address, then one line for each notification an overlay posts:
//   Confirm | Cancel | MNotificationLoadingViewCanceled | font SIZE | ToolDoneNotification
// Usage: core_overlays [--device phone|tablet] [--resources FOLDER]
// The resource folder defaults to the program's own; a test gives one whose information names the
// maker's addresses, for the about screen's links.

#include <cstdio>
#include <memory>
#include <string>

#include "Classes/core/CommonConfirmVC.h"
#include "Classes/core/FontAdjustVC.h"
#include "Classes/core/InfoVC.h"
#include "Classes/core/LoadingVC.h"
#include "Classes/core/ToolHost.h"
#include "Classes/core/TovridaAppDelegate.h"
#include "platform/foundation/Paths.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/Device.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/View.h"
#include "tests/support/DisplayTestProgram.h"

namespace {

void say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

// The home screen of the program: a title, the four keys in the light style and a status line.
class Showcase : public CommonViewController, public ToolHost {
  public:
    static const ui::ConnectionTable& classConnections() {
        static const ui::ConnectionTable table =
            ui::ConnectionTable("CoreOverlaysShowcase", &CommonViewController::classConnections())
                .action("open:", &Showcase::open);
        return table;
    }
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    void loadView() override {
        ui::Rect frame = ui::Application::shared().applicationFrame();
        auto root = ui::make<ui::View>(frame);
        root->setBackgroundColor(ui::Color::rgb(0.93, 0.95, 0.92));
        root->setAutoresizingMask(ui::FlexibleWidth | ui::FlexibleHeight);
        const double width = frame.size.width;
        auto title = ui::make<ui::Label>(ui::Rect(0, 30, width, 30));
        title->setText("Shared overlays");
        title->setFont(ui::Font::boldSystem(20));
        title->setTextAlignment(ui::TextAlignment::Center);
        root->addSubview(title);
        const char* names[] = {"Confirmation", "Loading", "Font size", "About"};
        for (int i = 0; i < 4; ++i) {
            auto key = ui::make<ui::Button>(ui::Rect((width - 200) / 2, 90 + i * 58, 200, 44));
            key->setTag(i + 1);
            key->setTitle(names[i]);
            key->setTitleColor(ui::Color::rgb(0.15, 0.19, 0.24));
            key->setTitleColor(ui::Color::whiteColor(), ui::StateHighlighted);
            key->titleLabel()->setFont(ui::Font::boldSystem(17));
            buttonStylizing(*key, kLightButtonStyle, true);
            key->addTarget(sharedAs<ui::Responder>(), "open:", ui::ControlEventTouchUpInside);
            root->addSubview(key);
        }
        status_ = ui::make<ui::Label>(ui::Rect(0, 330, width, 24));
        status_->setTextAlignment(ui::TextAlignment::Center);
        status_->setTextColor(ui::Color::rgb(0.4, 0.43, 0.46));
        root->addSubview(status_);
        setView(root);
    }
    void animation() override {}
    void outAnimation() override {}
    void update() override {}
    void updateStatistcs(bool) override {}

    void open(const Sender& sender) {
        auto key = std::dynamic_pointer_cast<ui::View>(sender);
        if (!key) return;
        if (key->tag() == 3 && font_) {
            // The popup's key again puts it away.
            proceedDoneNotification(nullptr, font_);
            font_.reset();
            return;
        }
        if (!canOpenSubview()) return;
        switch (key->tag()) {
            case 1:
                registerMainChildDoneHandler(
                    &Showcase::childDone, std::nullopt,
                    ui::make<CommonConfirmVC>(std::string("Delete the deck \"Idioms\" and its 40 cards?")));
                break;
            case 2: {
                auto loading =
                    ui::make<LoadingVC>(std::string(ToolViewController::kStillSavingMessage), view());
                loading->cancelBtn()->setTitle(ToolViewController::kCloseTitle);
                registerMainChildDoneHandler(&Showcase::childDone, std::nullopt, loading);
                break;
            }
            case 3:
                font_ = ui::make<FontAdjustVC>(std::string("TopRight"));
                registerDoneHandler(&Showcase::fontChanged, std::nullopt, font_);
                break;
            case 4: {
                std::shared_ptr<InfoVC> about;
                if (ui::Device::current().isTablet())
                    about = ui::make<InfoVC_iPad>();
                else
                    about = ui::make<InfoVC>();
                registerMainChildDoneHandler(&Showcase::childDone, std::nullopt, about);
                break;
            }
            default:
                break;
        }
    }

    void childDone(const fnd::Notification& notification) {
        if (!proceedDoneNotification(&notification, notification.objectAs<CommonViewController>())) return;
        status_->setText(notification.name);
        say(notification.name);
    }

    void fontChanged(const fnd::Notification& notification) {
        fontSize_ = FontAdjustVC::steppedFontSize(fontSize_, notification);
        std::string line = "font " + std::to_string(fontSize_);
        status_->setText(line);
        say(line);
    }

  private:
    std::shared_ptr<ui::Label> status_;
    std::shared_ptr<FontAdjustVC> font_;
    int fontSize_ = 13;
};

// The product's delegate without the user's data: the showcase is the home screen.
class ShowcaseDelegate : public TovridaAppDelegate {
  protected:
    void startLoading() override {
        std::weak_ptr<ShowcaseDelegate> weak = sharedAs<ShowcaseDelegate>();
        fnd::RunLoop::main().post([weak] {
            if (auto self = weak.lock()) self->splashDisappear();
        });
    }

  public:
    void setupTools() override { homeScreen_ = ui::make<Showcase>(); }
};

}  // namespace

int main(int argc, char** argv) {
    bool tablet = false;
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string option = argv[i];
        if (option == "--device")
            tablet = std::string(argv[i + 1]) == "tablet";
        else if (option == "--resources")
            fnd::Paths::setResources(argv[i + 1]);
    }
    testing_support::DisplayTestProgram program("core_overlays",
                                                tablet ? ui::Idiom::Tablet : ui::Idiom::Phone);
    if (!program.serve(std::make_shared<ShowcaseDelegate>())) return 1;
    return program.run();
}
