#include "render/GifWriter.h"

#include <QIODevice>
#include <algorithm>
#include <gif_lib.h>
#include <vector>

namespace tessel {

namespace {

constexpr int MaxDelay = 65535; // hundredths of a second, 16 bits

int writeToDevice(GifFileType* gif, const GifByteType* bytes, int length)
{
    auto* out = static_cast<QIODevice*>(gif->UserData);
    return int(out->write(reinterpret_cast<const char*>(bytes), length));
}

// The smallest power of two of at least `count` entries, as GIF wants.
int tableSize(int count)
{
    int size = 2;
    while (size < count)
        size *= 2;
    return size;
}

// A colour map for giflib, released with the object.
class ColourMap {
public:
    explicit ColourMap(const QList<QRgb>& table)
    {
        std::vector<GifColorType> colours(size_t(tableSize(int(table.size()))), GifColorType { 0, 0, 0 });
        for (int i = 0; i < table.size(); ++i)
            colours[size_t(i)] = GifColorType { GifByteType(qRed(table[i])), GifByteType(qGreen(table[i])),
                GifByteType(qBlue(table[i])) };
        map_ = GifMakeMapObject(int(colours.size()), colours.data());
    }
    ~ColourMap() { GifFreeMapObject(map_); }
    ColourMap(const ColourMap&) = delete;
    ColourMap& operator=(const ColourMap&) = delete;
    const ColorMapObject* get() const { return map_; }

private:
    ColorMapObject* map_ = nullptr;
};

} // namespace

GifWriter::GifWriter(QIODevice& out)
    : out_(out)
{
}

GifWriter::~GifWriter()
{
    if (gif_)
        EGifCloseFile(gif_, nullptr);
}

bool GifWriter::begin(QSize size)
{
    if (gif_ || size.isEmpty() || size.width() > MaxGifSide || size.height() > MaxGifSide)
        return false;
    int error = 0;
    gif_ = EGifOpen(&out_, writeToDevice, &error);
    if (!gif_)
        return false;
    size_ = size;
    EGifSetGifVersion(gif_, true);
    // Every frame brings its own colours; the screen's map is only black.
    const ColourMap screenMap({ qRgb(0, 0, 0) });
    failed_ = EGifPutScreenDesc(gif_, size.width(), size.height(), 8, 0, screenMap.get()) != GIF_OK;
    // The application extension that makes viewers loop forever.
    const GifByteType loop[] = { 1, 0, 0 };
    failed_ = failed_ || EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE) != GIF_OK
        || EGifPutExtensionBlock(gif_, 11, "NETSCAPE2.0") != GIF_OK
        || EGifPutExtensionBlock(gif_, sizeof loop, loop) != GIF_OK
        || EGifPutExtensionTrailer(gif_) != GIF_OK;
    return !failed_;
}

bool GifWriter::addFrame(const QImage& picture, const QRect& area, int delay)
{
    const QRect part = area.intersected(QRect(QPoint(0, 0), size_));
    if (!gif_ || failed_ || part.isEmpty() || picture.size() != size_)
        return false;
    const QImage indexed = picture.copy(part).convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    GraphicsControlBlock control { DISPOSE_DO_NOT, false, std::clamp(delay, 0, MaxDelay),
        NO_TRANSPARENT_COLOR };
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    const ColourMap map(indexed.colorTable());
    failed_ = EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, sizeof extension, extension) != GIF_OK
        || EGifPutImageDesc(gif_, part.x(), part.y(), part.width(), part.height(), false, map.get())
            != GIF_OK;
    for (int y = 0; y < indexed.height() && !failed_; ++y)
        failed_ = EGifPutLine(gif_, const_cast<GifPixelType*>(indexed.constScanLine(y)), indexed.width())
            != GIF_OK;
    return !failed_;
}

bool GifWriter::finish()
{
    if (!gif_)
        return false;
    const bool closed = EGifCloseFile(gif_, nullptr) == GIF_OK;
    gif_ = nullptr;
    return closed && !failed_;
}

} // namespace tessel
