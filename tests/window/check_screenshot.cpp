// Checks a screenshot of the simulation window for lit LEDs.
//
//   check_screenshot LIT.png EMPTY.png [FACTOR] [MINIMUM] [BOXES]
//
// Counts the bright, saturated pixels of both screenshots: pixels whose
// strongest channel is at least 160 and whose weakest is at most half of it, the
// look of a lit LED on the panel's dark background (Dear ImGui's own widgets are
// mostly dim or grey). Succeeds when LIT.png has at least FACTOR (default 4)
// times the count of EMPTY.png, the same window with nothing configured, and at
// least MINIMUM (default 5000) such pixels. Prints both counts either way.
//
// BOXES, when given, names the panel's LED boxes in LIT.png top to bottom, one
// letter each: S for a channel's strip, M for a matrix. The boxes are found by
// their background colour; there must be exactly that many, and each matrix
// box must hold at least the pixels of one lit LED, so one dark matrix fails
// the check however bright the rest of the window is.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <stb_image.h>

namespace {

constexpr int kBright = 160;
constexpr unsigned char kBoxBackground = 0x14;  // the panel's LED boxes are filled 0xFF141414
constexpr long kMinBoxPixels = 1000;            // smaller runs of that colour are no box
constexpr long kMinLitInMatrix = 100;           // about one lit LED square

struct Box {
    int minX, minY, maxX, maxY;
};

class Image {
public:
    explicit Image(const char* path) : m_pixels(stbi_load(path, &m_width, &m_height, &m_channels, 3)) {
        if (m_pixels == nullptr) std::fprintf(stderr, "cannot read %s: %s\n", path, stbi_failure_reason());
    }
    ~Image() { stbi_image_free(m_pixels); }
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    bool Loaded() const { return m_pixels != nullptr; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    const unsigned char* At(int x, int y) const { return m_pixels + 3 * (long(y) * m_width + x); }

    bool IsLit(int x, int y) const {
        const unsigned char* p = At(x, y);
        const int high = std::max({p[0], p[1], p[2]});
        const int low = std::min({p[0], p[1], p[2]});
        return high >= kBright && 2 * low <= high;
    }

    long CountLit(const Box& box) const {
        long lit = 0;
        for (int y = box.minY; y <= box.maxY; ++y)
            for (int x = box.minX; x <= box.maxX; ++x) lit += IsLit(x, y);
        return lit;
    }

    bool IsBoxBackground(int x, int y) const {
        const unsigned char* p = At(x, y);
        return p[0] == kBoxBackground && p[1] == kBoxBackground && p[2] == kBoxBackground;
    }

private:
    int m_width = 0, m_height = 0, m_channels = 0;
    unsigned char* m_pixels;
};

// The bounding boxes of the connected runs of box background, top to bottom.
std::vector<Box> FindBoxes(const Image& image) {
    const int w = image.Width(), h = image.Height();
    std::vector<char> seen(size_t(w) * h, 0);
    std::vector<std::pair<int, int>> stack;
    std::vector<Box> boxes;
    for (int y0 = 0; y0 < h; ++y0) {
        for (int x0 = 0; x0 < w; ++x0) {
            if (seen[size_t(y0) * w + x0] || !image.IsBoxBackground(x0, y0)) continue;
            Box box{x0, y0, x0, y0};
            long pixels = 0;
            stack.assign(1, {x0, y0});
            seen[size_t(y0) * w + x0] = 1;
            while (!stack.empty()) {
                const auto [x, y] = stack.back();
                stack.pop_back();
                ++pixels;
                box = {std::min(box.minX, x), std::min(box.minY, y), std::max(box.maxX, x), std::max(box.maxY, y)};
                const std::pair<int, int> next[] = {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}};
                for (const auto& [nx, ny] : next) {
                    if (nx < 0 || ny < 0 || nx >= w || ny >= h || seen[size_t(ny) * w + nx]) continue;
                    if (!image.IsBoxBackground(nx, ny)) continue;
                    seen[size_t(ny) * w + nx] = 1;
                    stack.emplace_back(nx, ny);
                }
            }
            if (pixels >= kMinBoxPixels) boxes.push_back(box);
        }
    }
    return boxes;  // found in the order of their top rows
}

// Every matrix box of `kinds` lit; prints each box either way.
bool MatricesLit(const Image& image, const std::string& kinds) {
    const std::vector<Box> boxes = FindBoxes(image);
    if (boxes.size() != kinds.size()) {
        std::printf("found %zu LED boxes, expected %zu (%s)\n", boxes.size(), kinds.size(), kinds.c_str());
        return false;
    }
    bool ok = true;
    for (size_t i = 0; i < boxes.size(); ++i) {
        const Box& b = boxes[i];
        const long lit = image.CountLit(b);
        std::printf("box %zu (%c) at %d,%d-%d,%d: %ld lit pixels\n", i, kinds[i], b.minX, b.minY, b.maxX, b.maxY, lit);
        if (kinds[i] == 'M' && lit < kMinLitInMatrix) ok = false;
    }
    return ok;
}

long CountLitPixels(const Image& image) { return image.CountLit(Box{0, 0, image.Width() - 1, image.Height() - 1}); }

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s LIT.png EMPTY.png [FACTOR] [MINIMUM] [BOXES]\n", argv[0]);
        return 2;
    }
    const double factor = argc > 3 ? std::atof(argv[3]) : 4.0;
    const long minimum = argc > 4 ? std::atol(argv[4]) : 5000;
    const Image litImage(argv[1]);
    const Image emptyImage(argv[2]);
    if (!litImage.Loaded() || !emptyImage.Loaded()) return 2;
    const long lit = CountLitPixels(litImage);
    const long empty = CountLitPixels(emptyImage);
    std::printf("bright saturated pixels: %ld in %s, %ld in %s (need %.1f x and at least %ld)\n", lit, argv[1], empty,
                argv[2], factor, minimum);
    const bool matricesLit = argc <= 5 || MatricesLit(litImage, argv[5]);
    return lit >= minimum && double(lit) >= factor * double(empty) && matricesLit ? 0 : 1;
}
