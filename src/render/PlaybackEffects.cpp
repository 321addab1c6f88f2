#include "render/PlaybackEffects.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tessel {

namespace {

constexpr QRgb Dark = 0xFF000000;
constexpr int FlashSteps = 6;
constexpr int RandomSteps = 16; // dissolve, sparkle, mosaic
constexpr int ZoomSteps = 12;
constexpr int RotateSteps = 12;
constexpr int BlindRows = 4;
constexpr int BlindColumns = 8;
constexpr int Tile = 4; // mosaic tiles and checkerboard squares
constexpr double ZoomOutStart = 4.0; // zoom out begins at four times the size
constexpr uint8_t FirstRandomChoice = 2;
constexpr uint8_t LastRandomChoice = 29;

// Reads pixels of a screen, dark outside it.
class Screen {
public:
    explicit Screen(const QImage& image)
        : image_(image)
    {
    }
    QRgb at(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height())
            return Dark;
        return reinterpret_cast<const QRgb*>(image_.constScanLine(y))[x];
    }

private:
    const QImage& image_;
};

template <typename Pick> QImage drawEach(QSize size, Pick pick)
{
    QImage out(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = pick(x, y);
    }
    return out;
}

// A page revealed where `shown` holds, the old one elsewhere.
template <typename Shown> QImage reveal(const Screen& from, const Screen& to, QSize size, Shown shown)
{
    return drawEach(size, [&](int x, int y) { return shown(x, y) ? to.at(x, y) : from.at(x, y); });
}

bool isLit(QRgb pixel)
{
    return (pixel & 0xFFFFFF) != 0;
}

// The picture scaled by `factor` about the screen's centre (nearest LED),
// or nothing where the scaled picture does not reach.
bool scaledAt(const Screen& screen, QSize size, double factor, int x, int y, QRgb& pixel)
{
    if (factor <= 0)
        return false;
    const double cx = size.width() / 2.0;
    const double cy = size.height() / 2.0;
    const double sx = cx + (x + 0.5 - cx) / factor;
    const double sy = cy + (y + 0.5 - cy) / factor;
    if (sx < 0 || sy < 0 || sx >= size.width() || sy >= size.height())
        return false;
    pixel = screen.at(int(sx), int(sy));
    return true;
}

} // namespace

uint32_t MixSeed(uint32_t value, uint32_t seed)
{
    // The finaliser of MurmurHash3: every input bit reaches every output bit.
    uint32_t h = value ^ (seed * 0x9E3779B9u);
    h ^= h >> 16;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    h *= 0xC2B2AE35u;
    h ^= h >> 16;
    return h;
}

uint8_t ResolveAction(uint8_t action, uint32_t seed)
{
    if (action != RandomAction)
        return action;
    return uint8_t(FirstRandomChoice + MixSeed(seed, 0) % (LastRandomChoice - FirstRandomChoice + 1));
}

int EffectSteps(uint8_t action, QSize screen)
{
    const int columns = screen.width();
    const int rows = screen.height();
    switch (action) {
    case 2:
    case 3:
    case 13:
    case 14:
        return columns;
    case 4:
    case 5:
    case 11:
    case 12:
    case 15:
    case 16:
    case 22:
    case 23:
        return rows;
    case 6:
        return FlashSteps;
    case 7:
        return 2 * rows;
    case 8:
        return columns + 1;
    case 9:
    case 10:
        return (columns + 1) / 2;
    case 17:
        return BlindRows;
    case 18:
        return BlindColumns;
    case 19:
    case 20:
    case 27:
        return RandomSteps;
    case 21: {
        const int cell = std::max(1, rows / 2);
        return (columns + cell - 1) / cell + 1;
    }
    case 24:
    case 25:
        return ZoomSteps;
    case 26:
        return RotateSteps;
    case 28:
        return 2 * Tile;
    case 29:
        return columns + rows - 1;
    default:
        return 0;
    }
}

QImage EffectFrame(
    uint8_t action, const QImage& fromImage, const QImage& toImage, int k, uint32_t seed, QRgb lit)
{
    const QSize size = toImage.size();
    const int n = EffectSteps(action, size);
    if (k >= n)
        return toImage;
    if (k <= 0)
        return fromImage;
    const Screen from(fromImage);
    const Screen to(toImage);
    const int columns = size.width();
    const int rows = size.height();
    const auto random = [seed](int x, int y, int salt) {
        return MixSeed(uint32_t(x) * 0x10000u + uint32_t(y), seed + uint32_t(salt));
    };
    switch (action) {
    case 2:
        return drawEach(size,
            [&](int x, int y) { return x + k < columns ? from.at(x + k, y) : to.at(x + k - columns, y); });
    case 3:
        return drawEach(
            size, [&](int x, int y) { return x - k >= 0 ? from.at(x - k, y) : to.at(x - k + columns, y); });
    case 4:
        return drawEach(
            size, [&](int x, int y) { return y + k < rows ? from.at(x, y + k) : to.at(x, y + k - rows); });
    case 5:
        return drawEach(
            size, [&](int x, int y) { return y - k >= 0 ? from.at(x, y - k) : to.at(x, y - k + rows); });
    case 6:
        return k % 2 == 1 ? toImage : drawEach(size, [](int, int) { return Dark; });
    case 7: {
        // Each lit LED of the page falls from above the screen after a
        // random delay and settles on its row; the old LEDs melt at random.
        QImage out = drawEach(size,
            [&](int x, int y) { return int(random(x, y, 1) % uint32_t(n)) >= k ? from.at(x, y) : Dark; });
        for (int row = 0; row < rows; ++row)
            for (int x = 0; x < columns; ++x) {
                const QRgb flake = to.at(x, row);
                const int fallen = std::min(k - int(random(x, row, 2) % uint32_t(rows)), row);
                if (isLit(flake) && fallen >= 0)
                    reinterpret_cast<QRgb*>(out.scanLine(fallen))[x] = flake;
            }
        return out;
    }
    case 8:
        return drawEach(size, [&](int x, int y) {
            if (x == k - 1)
                return lit;
            return x < k - 1 ? to.at(x, y) : from.at(x, y);
        });
    case 9:
        return reveal(
            from, to, size, [&](int x, int) { return x >= columns / 2 - k && x < columns / 2 + k; });
    case 10:
        return reveal(from, to, size, [&](int x, int) { return x < k || x >= columns - k; });
    case 11:
        return drawEach(size, [&](int x, int y) { return y < rows - k ? from.at(x, y + k) : to.at(x, y); });
    case 12:
        return drawEach(size, [&](int x, int y) { return y >= k ? from.at(x, y - k) : to.at(x, y); });
    case 13:
        return reveal(from, to, size, [&](int x, int) { return x < k; });
    case 14:
        return reveal(from, to, size, [&](int x, int) { return x >= columns - k; });
    case 15:
        return reveal(from, to, size, [&](int, int y) { return y < k; });
    case 16:
        return reveal(from, to, size, [&](int, int y) { return y >= rows - k; });
    case 17:
        return reveal(from, to, size, [&](int, int y) { return y % BlindRows < k; });
    case 18:
        return reveal(from, to, size, [&](int x, int) { return x % BlindColumns < k; });
    case 19:
        return reveal(from, to, size, [&](int x, int y) { return int(random(x, y, 0) % uint32_t(n)) < k; });
    case 20:
        return drawEach(size, [&](int x, int y) {
            const int order = int(random(x, y, 0) % uint32_t(n));
            return order < k ? to.at(x, y) : order == k ? lit : from.at(x, y);
        });
    case 21: {
        const int cell = std::max(1, rows / 2);
        const int typed = (k - 1) * cell;
        return drawEach(size, [&](int x, int y) {
            if (x < typed)
                return to.at(x, y);
            if (x < typed + cell && y == rows - 1)
                return lit;
            return from.at(x, y);
        });
    }
    case 22:
        return drawEach(size, [&](int x, int y) { return y < k ? to.at(x, y + rows - k) : from.at(x, y); });
    case 23:
        return drawEach(
            size, [&](int x, int y) { return y >= rows - k ? to.at(x, y - rows + k) : from.at(x, y); });
    case 24:
    case 25: {
        const double factor = action == 24 ? double(k) / n : 1.0 + (ZoomOutStart - 1.0) * double(n - k) / n;
        return drawEach(size, [&](int x, int y) {
            QRgb pixel = Dark;
            return scaledAt(to, size, factor, x, y, pixel) ? pixel : from.at(x, y);
        });
    }
    case 26: {
        // A turn about the middle row: the picture's height follows the
        // cosine of the angle, the old page for the first half turn.
        const double height = std::abs(std::cos(std::numbers::pi * k / n));
        const Screen& shown = 2 * k < n ? from : to;
        return drawEach(size, [&](int x, int y) {
            const double cy = rows / 2.0;
            const double sy = cy + (y + 0.5 - cy) / std::max(height, 1e-9);
            return sy >= 0 && sy < rows ? shown.at(x, int(sy)) : Dark;
        });
    }
    case 27:
        return reveal(from, to, size,
            [&](int x, int y) { return int(random(x / Tile, y / Tile, 0) % uint32_t(n)) < k; });
    case 28:
        return reveal(from, to, size, [&](int x, int y) {
            const bool second = (x / Tile + y / Tile) % 2 == 1;
            return x % Tile < (second ? k - Tile : k);
        });
    case 29:
        return reveal(from, to, size, [&](int x, int y) { return x + y < k; });
    default:
        return toImage;
    }
}

} // namespace tessel
