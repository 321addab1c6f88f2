#include "render/ProgramEncoder.h"

#include "render/DeviceImage.h"

#include <algorithm>
#include <numeric>
#include <optional>

namespace tessel {

namespace {

// The common fields of text and image programs that the header carries.
struct HeaderFields {
    uint8_t action = 0;
    uint8_t speed = 0;
    uint8_t stay = 0;
    uint8_t exitType = 0;
    uint8_t playCountByte = 0;
    bool hasBackground = false; // an image program's delBgColor applies
    uint32_t backgroundColor = 0;
};

std::optional<HeaderFields> headerFields(const Program& program)
{
    if (program.type == uint8_t(ItemKind::Text) && program.text()) {
        const TextItem& t = *program.text();
        // The badge counts a text's plays from one.
        return HeaderFields { t.action, t.speed, t.stay, t.exitType, uint8_t(program.playCount + 1) };
    }
    if (program.type == uint8_t(ItemKind::Image) && program.image()) {
        const ImageItem& i = *program.image();
        return HeaderFields { i.action, i.speed, i.stay, i.exitType, program.playCount, true,
            uint32_t(i.delBgColor) };
    }
    return std::nullopt;
}

QByteArray headerBytes(const Program& program, const HeaderFields& fields, const FramePlan& plan)
{
    QByteArray header(ProgramHeaderSize, '\0');
    header[0] = char(program.type);
    header[1] = char(fields.action);
    header[2] = char(fields.speed);
    header[3] = char(fields.stay);
    header[4] = char(fields.playCountByte);
    header[5] = char(fields.exitType);
    header[6] = char(program.borderType);
    header[7] = char(program.borderAspect);
    header[8] = char(program.borderSpeed);
    header[9] = char(program.borderColor);
    header[10] = char(plan.frameCount & 0xFF);
    header[11] = char((plan.frameCount >> 8) & 0xFF);
    header[12] = char(plan.lastFrameWidth & 0xFF);
    header[13] = char((plan.lastFrameWidth >> 8) & 0xFF);
    header[15] = char(HeaderChecksum(QByteArrayView(header).first(15)));
    return header;
}

uint32_t colorRefOf(QRgb pixel)
{
    return qRed(pixel) | (qGreen(pixel) << 8) | (qBlue(pixel) << 16);
}

// Sets one LED bit; bits a truncated geometry would put outside the
// frame or its row are dropped.
void setBit(QByteArray& frame, const ScreenGeometry& g, int planeOffset, int y, int x)
{
    if (x / 8 >= g.rowBytes)
        return;
    const int offset = planeOffset + y * g.rowBytes + x / 8;
    if (offset < frame.size())
        frame[offset] = char(uchar(frame[offset]) | (0x80 >> (x % 8)));
}

void encodeFrame(
    const ScreenGeometry& g, const QImage& source, const HeaderFields& fields, int column, QByteArray& frame)
{
    const int rows = std::min<int>(g.rows, source.height());
    const int first = std::max(0, -column);
    const int last = std::min<int>(g.columns, source.width() - column);
    for (int y = 0; y < rows; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = first; x < last; ++x) {
            const QRgb pixel = line[column + x];
            if (fields.hasBackground && colorRefOf(pixel) == fields.backgroundColor)
                continue;
            if (qRed(pixel) >= LitThreshold)
                setBit(frame, g, 0, y, x);
            if (g.extraPlanes >= 1 && g.extraPlanes <= 2 && qGreen(pixel) >= LitThreshold)
                setBit(frame, g, g.planeSize, y, x);
            if (g.extraPlanes == 2 && qBlue(pixel) >= LitThreshold)
                setBit(frame, g, g.plane2Offset, y, x);
        }
    }
}

} // namespace

FramePlan PlanFrames(const ScreenGeometry& g, uint8_t action, uint8_t trimSpace, int width)
{
    FramePlan plan;
    const int s = g.columns;
    if (width < 1 || s == 0)
        return plan;
    const bool scrolling = isScrollingAction(action);
    plan.paddedWidth = width;
    if (scrolling && trimSpace == 0)
        plan.paddedWidth = width + s;
    else if (scrolling && trimSpace == 2)
        plan.paddedWidth = width + s / 2;
    const int frames = (plan.paddedWidth + s - 1) / s;
    if (frames > MaxFrameCount)
        return plan;
    plan.frameCount = frames;
    if (scrolling)
        plan.lastFrameWidth = plan.paddedWidth % s == 0 ? s : plan.paddedWidth % s;
    plan.startColumn = action == 3 ? plan.paddedWidth - 2 * s : 0;
    plan.step = action == 3 ? -s : s;
    return plan;
}

uint8_t HeaderChecksum(QByteArrayView header)
{
    return uint8_t(std::accumulate(
        header.begin(), header.end(), 0u, [](unsigned sum, char byte) { return sum + uchar(byte); }));
}

bool EncodeProgram(const ScreenGeometry& g, const Program& program, const QImage& source, uint8_t trimSpace,
    QByteArray& deviceImage, QByteArray& framePool)
{
    const auto fields = headerFields(program);
    if (!fields)
        return false;
    const FramePlan plan = PlanFrames(g, fields->action, trimSpace, source.width());
    if (plan.frameCount == 0)
        return false;
    const QImage pixels = source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32
        ? source
        : source.convertToFormat(QImage::Format_RGB32);
    deviceImage.append(headerBytes(program, *fields, plan));
    QByteArray frame(g.frameSize, '\0');
    int column = plan.startColumn;
    for (int f = 0; f < plan.frameCount; ++f) {
        frame.fill('\0');
        encodeFrame(g, pixels, *fields, column, frame);
        framePool.append(frame);
        column += plan.step;
    }
    return true;
}

} // namespace tessel
