// Prints the image-fitting script of the page screens for a width and a height, so that the
// browser tests can run it in a real page.

#include <cstdio>
#include <cstdlib>

#include "Classes/core/MRepository.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: core_page_script WIDTH HEIGHT\n", stderr);
        return 2;
    }
    std::fputs(MRepository::fixImageSizeToWidth(std::atoi(argv[1]), std::atoi(argv[2])).c_str(), stdout);
    return 0;
}
