// A test program for the browser tests of the device's services: the clipboard both ways and the
// mail composer. Commands on standard input, one a line, each answered by a line:
//   copy TEXT        the device copies the text             -> "copied N" (N bytes)
//   pasteboard PATH  writes the pasteboard's text to a file -> "pasteboard N"
//   mail SIZE PATH   opens a mail whose body (of about SIZE bytes, written to the file too) is a
//                    backup's lines                         -> "mail N"
//   awake 0|1        disables the idle timer (1) or enables it again -> "awake 0|1"
// Usage: display_services [--device phone|tablet]

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>

#include "platform/foundation/PercentEscaping.h"
#include "platform/foundation/URL.h"
#include "platform/ui/Application.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/Pasteboard.h"
#include "tests/support/DisplayTestProgram.h"

namespace {

void say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

// Lines as a backup has them, with the characters a mail address must carry whole.
std::string backupBody(std::size_t size) {
    std::string body;
    for (int line = 1; body.size() < size; ++line)
        body += "OG12_PS_" + std::to_string(line) + "_2;Grüße & #" + std::to_string(line % 7) + " = 100%?\n";
    return body;
}

class Commands {
  public:
    explicit Commands(std::shared_ptr<ui::Label> status) : status_(std::move(status)) {}

    void run(const std::string& line) {
        std::istringstream in(line);
        std::string command;
        in >> command;
        std::string rest;
        std::getline(in >> std::ws, rest);
        ui::Pasteboard& pasteboard = ui::Pasteboard::general();
        if (command == "copy") {
            pasteboard.setString(rest);
            show("The device copied " + std::to_string(rest.size()) + " bytes.");
            say("copied " + std::to_string(rest.size()));
        } else if (command == "pasteboard") {
            std::string text = pasteboard.string().value_or("");
            std::ofstream(rest, std::ios::binary) << text;
            show("The pasteboard holds " + std::to_string(text.size()) + " bytes.");
            say("pasteboard " + std::to_string(text.size()));
        } else if (command == "mail") {
            std::istringstream words(rest);
            std::size_t size = 0;
            std::string path;
            words >> size >> path;
            std::string body = backupBody(size);
            std::ofstream(path, std::ios::binary) << body;
            ui::Application::shared().openURL(
                fnd::URL("mailto:backup@example.org?subject=Backup%20of%20answers&body=" +
                         fnd::percentEscapeStrict(body)));
            show("A mail of " + std::to_string(body.size()) + " bytes.");
            say("mail " + std::to_string(body.size()));
        } else if (command == "awake") {
            ui::Application::shared().setIdleTimerDisabled(rest == "1");
            show(rest == "1" ? "The screen stays awake." : "The screen may sleep.");
            say("awake " + rest);
        } else {
            say("unknown command " + command);
        }
    }

  private:
    void show(const std::string& text) { status_->setText(text); }
    std::shared_ptr<ui::Label> status_;
};

}  // namespace

int main(int argc, char** argv) {
    bool tablet = argc > 2 && std::string(argv[1]) == "--device" && std::string(argv[2]) == "tablet";
    testing_support::DisplayTestProgram program("display_services",
                                                tablet ? ui::Idiom::Tablet : ui::Idiom::Phone);
    if (!program.serve()) return 1;
    auto window = program.window();
    window->setBackgroundColor(ui::Color::whiteColor());
    auto status = ui::make<ui::Label>(ui::Rect{10, 40, window->bounds().size.width - 20, 60});
    status->setNumberOfLines(0);
    status->setText("Clipboard and mail");
    status->setTag(1);
    window->addSubview(status);
    Commands commands(status);
    std::thread([loop = program.loop(), &commands] {
        std::string line;
        while (std::getline(std::cin, line)) loop->post([&commands, line] { commands.run(line); });
    }).detach();
    return program.run();
}
