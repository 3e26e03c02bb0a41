// Checks a screenshot of the simulation window for lit LEDs.
//
//   check_screenshot LIT.png EMPTY.png [FACTOR] [MINIMUM]
//
// Counts the bright, saturated pixels of both screenshots: pixels whose
// strongest channel is at least 160 and whose weakest is at most half of it, the
// look of a lit LED on the panel's dark background (Dear ImGui's own widgets are
// mostly dim or grey). Succeeds when LIT.png has at least FACTOR (default 4)
// times the count of EMPTY.png, the same window with nothing configured, and at
// least MINIMUM (default 5000) such pixels. Prints both counts either way.

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <stb_image.h>

namespace {

constexpr int kBright = 160;

// The number of bright, saturated pixels in the PNG at `path`; -1 when it does not load.
long CountLitPixels(const char* path) {
    int width = 0, height = 0, channels = 0;
    unsigned char* pixels = stbi_load(path, &width, &height, &channels, 3);
    if (pixels == nullptr) {
        std::fprintf(stderr, "cannot read %s: %s\n", path, stbi_failure_reason());
        return -1;
    }
    long lit = 0;
    for (long i = 0; i < long(width) * height; ++i) {
        const unsigned char* p = pixels + 3 * i;
        const int high = std::max({p[0], p[1], p[2]});
        const int low = std::min({p[0], p[1], p[2]});
        if (high >= kBright && 2 * low <= high) ++lit;
    }
    stbi_image_free(pixels);
    return lit;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s LIT.png EMPTY.png [FACTOR] [MINIMUM]\n", argv[0]);
        return 2;
    }
    const double factor = argc > 3 ? std::atof(argv[3]) : 4.0;
    const long minimum = argc > 4 ? std::atol(argv[4]) : 5000;
    const long lit = CountLitPixels(argv[1]);
    const long empty = CountLitPixels(argv[2]);
    if (lit < 0 || empty < 0) return 2;
    std::printf("bright saturated pixels: %ld in %s, %ld in %s (need %.1f x and at least %ld)\n", lit, argv[1],
                empty, argv[2], factor, minimum);
    return lit >= minimum && double(lit) >= factor * double(empty) ? 0 : 1;
}
