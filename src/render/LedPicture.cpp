#include "render/LedPicture.h"

#include "render/BmpFileCheck.h"
#include "render/PictureFile.h"
#include "render/PictureLimits.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <vector>

namespace tessel {

namespace {

// Where each plane's channel sits in a QRgb: red, green, blue.
constexpr int PlaneShift[] = { 16, 8, 0 };

// Transparent parts of a picture are dark on the badge: the picture is laid
// on black before its colours are judged.
QImage opaqueRgb32(const QImage& source)
{
    if (!source.hasAlphaChannel())
        return source.convertToFormat(QImage::Format_RGB32);
    QImage flat(source.size(), QImage::Format_RGB32);
    flat.fill(Qt::black);
    QPainter painter(&flat);
    painter.drawImage(0, 0, source);
    painter.end();
    return flat;
}

bool isPureLedColour(QRgb pixel, int extraPlanes)
{
    for (int plane = 0; plane <= MaxExtraPlanes; ++plane) {
        const int value = (pixel >> PlaneShift[plane]) & 0xFF;
        const bool used = plane <= extraPlanes;
        if (value != 0 && !(used && value == 255))
            return false;
    }
    return true;
}

int planesOf(const LedPictureOptions& options)
{
    return std::clamp(options.extraPlanes, 0, MaxExtraPlanes) + 1;
}

// One plane with a fixed threshold.
void thresholdPlane(const QImage& source, QImage& out, int plane, const LedPictureOptions& options)
{
    const int shift = PlaneShift[plane];
    const QRgb lit = QRgb(0xFF) << shift;
    const bool inverted = options.inversion == Inversion::Inverted;
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            int value = (in[x] >> shift) & 0xFF;
            if (inverted)
                value = 255 - value;
            if (value >= options.threshold)
                line[x] |= lit;
        }
    }
}

// One plane by Floyd–Steinberg error diffusion: each LED's rounding error
// is passed on to its unvisited neighbours (7/16 right, 3/16 below left,
// 5/16 below, 1/16 below right), so areas light in proportion to their level.
void ditherPlane(const QImage& source, QImage& out, int plane, const LedPictureOptions& options)
{
    const int shift = PlaneShift[plane];
    const QRgb lit = QRgb(0xFF) << shift;
    const bool inverted = options.inversion == Inversion::Inverted;
    const int width = source.width();
    // Indexed x + 1, so the neighbours of both edge columns have a place.
    std::vector<float> current(size_t(width) + 2, 0.0f);
    std::vector<float> below(size_t(width) + 2, 0.0f);
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        std::fill(below.begin(), below.end(), 0.0f);
        for (int x = 0; x < width; ++x) {
            int level = (in[x] >> shift) & 0xFF;
            if (inverted)
                level = 255 - level;
            const float value = float(level) + current[size_t(x) + 1];
            const bool on = value >= float(options.threshold);
            if (on)
                line[x] |= lit;
            const float error = value - (on ? 255.0f : 0.0f);
            current[size_t(x) + 2] += error * (7.0f / 16.0f);
            below[size_t(x)] += error * (3.0f / 16.0f);
            below[size_t(x) + 1] += error * (5.0f / 16.0f);
            below[size_t(x) + 2] += error * (1.0f / 16.0f);
        }
        std::swap(current, below);
    }
}

} // namespace

int ScaledColumns(int width, int height, int rows)
{
    if (width < 1 || height < 1 || rows < 1)
        return 0;
    const double columns = std::round(double(width) * rows / height);
    return int(std::clamp(columns, 1.0, double(MaxLedPictureColumns) + 1));
}

ScaledPicture ScaleToRows(const QImage& source, int rows)
{
    if (source.isNull() || rows < 1)
        return { {}, LedPictureError::Unreadable };
    const int columns = ScaledColumns(source.width(), source.height(), rows);
    if (columns > MaxLedPictureColumns)
        return { {}, LedPictureError::TooWide };
    QImage flat = opaqueRgb32(source);
    if (flat.size() != QSize(columns, rows))
        flat = flat.scaled(columns, rows, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return { flat.convertToFormat(QImage::Format_RGB32), LedPictureError::None };
}

ScaledPicture LoadScaledPicture(const QString& path, int rows)
{
    // Only regular files: a pipe or a device could block or never end.
    if (path.isEmpty() || !QFileInfo(path).isFile() || rows < 1)
        return { {}, LedPictureError::Unreadable };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return { {}, LedPictureError::Unreadable };
    switch (CheckBmpPixelData(file.peek(BmpHeaderBytes), file.size()).state) {
    case BmpPixelData::Incomplete:
        return { {}, LedPictureError::Unreadable };
    case BmpPixelData::LacksLastRowPadding:
        // The picture loader pads such a file in memory; Qt's reader alone
        // would refuse it.
        return ScaleToRows(LoadPicture(path), rows);
    case BmpPixelData::Complete:
        break;
    }
    // Judged from the header, before any decoding: scaling down while
    // decoding does not spare a progressive JPEG its buffers.
    if (!JpegBuffersAllowed(file.peek(PictureHeadBytes)))
        return { {}, LedPictureError::TooLarge };
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(PictureAllocationLimitMB);
    const QSize claimed = reader.size();
    if (!PictureSizeAllowed(claimed))
        return { {}, LedPictureError::TooLarge };
    if (claimed.isValid() && !claimed.isEmpty()) {
        const int columns = ScaledColumns(claimed.width(), claimed.height(), rows);
        if (columns > MaxLedPictureColumns)
            return { {}, LedPictureError::TooWide };
        // Formats that can decode smaller (JPEG) never build the full
        // picture; the others are scaled smoothly by the reader.
        reader.setScaledSize(QSize(columns, rows));
    }
    const QImage decoded = reader.read();
    if (decoded.isNull()) {
        const qint64 bytes = qint64(std::max(claimed.width(), 0)) * std::max(claimed.height(), 0) * 4;
        const bool tooLarge = bytes > qint64(PictureAllocationLimitMB) * 1024 * 1024;
        return { {}, tooLarge ? LedPictureError::TooLarge : LedPictureError::Unreadable };
    }
    return ScaleToRows(decoded, rows);
}

QImage ReduceToLeds(const QImage& scaled, const LedPictureOptions& options)
{
    if (scaled.isNull())
        return {};
    const QImage source = opaqueRgb32(scaled);
    QImage out(source.size(), QImage::Format_RGB32);
    out.fill(Qt::black);
    for (int plane = 0; plane < planesOf(options); ++plane) {
        if (options.dithering == Dithering::ErrorDiffusion)
            ditherPlane(source, out, plane, options);
        else
            thresholdPlane(source, out, plane, options);
    }
    return out;
}

QImage ConvertToLedPicture(const QImage& source, const LedPictureOptions& options)
{
    const ScaledPicture scaled = ScaleToRows(source, options.rows);
    return ReduceToLeds(scaled.picture, options);
}

bool IsLedReady(const QImage& picture, int rows, int extraPlanes)
{
    if (picture.isNull() || picture.height() != rows)
        return false;
    const QImage pixels = opaqueRgb32(picture);
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x)
            if (!isPureLedColour(line[x], extraPlanes))
                return false;
    }
    return true;
}

bool PictureFileIsLedReady(const QString& path, int rows, int extraPlanes)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QSize claimed = reader.size();
    if (claimed.isValid() && claimed.height() != rows)
        return false;
    return IsLedReady(LoadPicture(path), rows, extraPlanes);
}

bool WriteLedPicture(const QImage& picture, const QString& path, FileError& error, DashPath dash)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (picture.isNull() || !writer.write(picture.convertToFormat(QImage::Format_RGB32)))
        return failWith(error, EINVAL);
    return writeFile(path, bytes, error, dash);
}

} // namespace tessel
