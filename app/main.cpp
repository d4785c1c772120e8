// orvakit: the study kit. Reads its options, then runs the application until it is told to end.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/foundation/Log.h"
#include "platform/foundation/Paths.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/TerminationSignals.h"
#include "platform/location/DeviceLocation.h"
#include "platform/ui/Application.h"
#include "platform/ui/Device.h"

namespace {

void usage(FILE* out) {
    std::fputs(
        "usage: orvakit [options]\n"
        "  --device phone|tablet  the device shown (default phone, 320 x 480; tablet 768 x 1024)\n"
        "  --data-dir DIR         where the user's data are kept\n"
        "                         (default $XDG_DATA_HOME/orvakit, else ~/.local/share/orvakit)\n"
        "  --resources DIR        the bundle's resource folder (default the source tree's resources/)\n"
        "  --location LAT,LON     the device's position in decimal degrees (default unknown)\n"
        "  --help                 this text\n",
        out);
}

}  // namespace

int main(int argc, char** argv) {
    std::string device = "phone";
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "orvakit: %s needs a value\n", arg.c_str());
                std::exit(2);
            }
            return argv[++i];
        };
        if (arg == "--help" || arg == "-h") {
            usage(stdout);
            return 0;
        } else if (arg == "--device") {
            device = value();
            if (device != "phone" && device != "tablet") {
                std::fprintf(stderr, "orvakit: --device is phone or tablet\n");
                return 2;
            }
        } else if (arg == "--data-dir") {
            fnd::Paths::setDocuments(value());
        } else if (arg == "--resources") {
            fnd::Paths::setResources(value());
        } else if (arg == "--location") {
            auto position = loc::Location::parse(value());
            if (!position) {
                std::fprintf(stderr, "orvakit: --location is LAT,LON in degrees, as 48.8566,2.3522\n");
                return 2;
            }
            loc::DeviceLocation::current().setPosition(*position);
        } else {
            std::fprintf(stderr, "orvakit: unknown option %s\n", arg.c_str());
            usage(stderr);
            return 2;
        }
    }

    ui::Device::current().reset(device == "tablet" ? ui::Idiom::Tablet : ui::Idiom::Phone);
    auto loop = std::make_shared<fnd::RunLoop>();
    fnd::RunLoop::setMain(loop);
    fnd::TerminationSignals::install([loop](int) {
        ui::Application::shared().terminate();
        loop->stop();
    });
    fnd::Log::info("documents in ", fnd::Paths::documents().string());
    loop->run();
    return 0;
}
