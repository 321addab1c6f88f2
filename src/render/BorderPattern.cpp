#include "render/BorderPattern.h"

namespace tessel {

namespace {

constexpr uint8_t LastBorderType = 4;
constexpr uint8_t Clockwise = 1;
constexpr uint8_t Anticlockwise = 2;
constexpr uint8_t Flashing = 3;
constexpr uint8_t Alternating = 4;
constexpr uint8_t DoubleLine = 3;

// The pattern's period along the edge and whether position i of one
// period is lit.
int periodOf(uint8_t type)
{
    switch (type) {
    case 1:
        return 6;
    case 2:
        return 2;
    case 4:
        return 7;
    default:
        return 1;
    }
}

bool patternLit(uint8_t type, int i)
{
    switch (type) {
    case 1:
        return i < 4;
    case 2:
        return i == 0;
    case 4:
        return i < 4 || i == 5;
    default:
        return true;
    }
}

int64_t modulo(int64_t value, int64_t divisor)
{
    const int64_t rest = value % divisor;
    return rest < 0 ? rest + divisor : rest;
}

// Calls light(x, y, i) for the LEDs of the ring `inset` LEDs inside the
// edge, clockwise from its top-left corner, i counting along the ring.
template <typename Light> void walkRing(const QSize& size, int inset, Light light)
{
    const int left = inset;
    const int top = inset;
    const int right = size.width() - 1 - inset;
    const int bottom = size.height() - 1 - inset;
    if (left > right || top > bottom)
        return;
    int i = 0;
    for (int x = left; x <= right; ++x)
        light(x, top, i++);
    for (int y = top + 1; y <= bottom; ++y)
        light(right, y, i++);
    if (bottom > top)
        for (int x = right - 1; x >= left; --x)
            light(x, bottom, i++);
    if (right > left)
        for (int y = bottom - 1; y > top; --y)
            light(left, y, i++);
}

} // namespace

bool HasBorder(const Border& border)
{
    return border.type >= 1 && border.type <= LastBorderType;
}

bool BorderMoves(const Border& border)
{
    return HasBorder(border) && border.aspect >= Clockwise && border.aspect <= Alternating;
}

void DrawBorder(QImage& screen, const Border& border, int64_t step)
{
    if (!HasBorder(border))
        return;
    const uint8_t aspect = BorderMoves(border) ? border.aspect : 0;
    if (aspect == Flashing && step % 2 == 1)
        return;
    const bool otherHalf = aspect == Alternating && step % 2 == 1;
    const int period = periodOf(border.type);
    int64_t shift = 0;
    if (aspect == Clockwise)
        shift = -step;
    else if (aspect == Anticlockwise)
        shift = step;
    else if (otherHalf)
        shift = period / 2;
    const auto light = [&](int x, int y, int i) {
        if (patternLit(border.type, int(modulo(i + shift, period))))
            reinterpret_cast<QRgb*>(screen.scanLine(y))[x] = border.colour;
    };
    if (border.type != DoubleLine) {
        walkRing(screen.size(), 0, light);
        return;
    }
    if (!otherHalf)
        walkRing(screen.size(), 0, light);
    if (aspect != Alternating || otherHalf)
        walkRing(screen.size(), 2, light);
}

} // namespace tessel
