// The frames of an animated GIF as Qt reads them, each with its delay.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <vector>

namespace tessel::test {

struct GifFrame {
    QImage picture;
    int delayMs = 0;
};

inline std::vector<GifFrame> readGif(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    std::vector<GifFrame> frames;
    QImage picture;
    while (reader.read(&picture))
        frames.push_back({ picture.convertToFormat(QImage::Format_RGB32), reader.nextImageDelay() });
    return frames;
}

} // namespace tessel::test
