// A test program for the browser tests: the device session showing the gallery of controls as the
// window's screen. It prints its address, then nothing; what the controls did shows in the
// gallery's status line.
// Usage: display_gallery [--device phone|tablet]

#include <string>

#include "platform/ui/Make.h"
#include "tests/support/DisplayTestProgram.h"
#include "tests/support/Gallery.h"

int main(int argc, char** argv) {
    bool tablet = argc > 2 && std::string(argv[1]) == "--device" && std::string(argv[2]) == "tablet";
    testing_support::DisplayTestProgram program("display_gallery",
                                                tablet ? ui::Idiom::Tablet : ui::Idiom::Phone);
    if (!program.serve()) return 1;
    program.window()->setRootViewController(ui::make<testing_support::Gallery>());
    return program.run();
}
