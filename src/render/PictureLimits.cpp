#include "render/PictureLimits.h"

#include <algorithm>

namespace tessel {

namespace {

int byteAt(QByteArrayView bytes, qsizetype at)
{
    return static_cast<uint8_t>(bytes[at]);
}

int wordAt(QByteArrayView bytes, qsizetype at)
{
    return byteAt(bytes, at) << 8 | byteAt(bytes, at + 1);
}

// Start-of-frame markers of the progressive processes.
bool isProgressiveFrame(int marker)
{
    return marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
}

bool isFrame(int marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

} // namespace

bool PictureSizeAllowed(QSize claimed)
{
    if (!claimed.isValid())
        return true;
    return qint64(claimed.width()) * claimed.height() <= MaxPicturePixels;
}

bool JpegBuffersAllowed(QByteArrayView head)
{
    if (head.size() < 4 || byteAt(head, 0) != 0xFF || byteAt(head, 1) != 0xD8)
        return true;
    qsizetype at = 2;
    while (at + 4 <= head.size()) {
        if (byteAt(head, at) != 0xFF)
            return true; // not a marker: the decoder judges the rest
        const int marker = byteAt(head, at + 1);
        if (marker == 0xFF) {
            ++at; // fill byte
            continue;
        }
        const int length = wordAt(head, at + 2);
        if (isFrame(marker)) {
            // Length, precision, height, width, component count.
            if (at + 10 > head.size())
                return true;
            if (!isProgressiveFrame(marker))
                return true;
            const qint64 height = wordAt(head, at + 5);
            const qint64 width = wordAt(head, at + 7);
            const int components = byteAt(head, at + 9);
            if (at + 10 + 3 * components > head.size())
                return width * height * components * 2 <= MaxJpegCoefficientBytes;
            // Each component holds h × v of the largest factors' samples.
            int maxH = 1;
            int maxV = 1;
            qint64 shares = 0;
            for (int c = 0; c < components; ++c) {
                const int factors = byteAt(head, at + 11 + 3 * c);
                maxH = std::max(maxH, factors >> 4);
                maxV = std::max(maxV, factors & 0x0F);
                shares += qint64(std::max(factors >> 4, 1)) * std::max(factors & 0x0F, 1);
            }
            const double samples = double(width) * double(height) * double(shares) / (maxH * maxV);
            return samples * 2 <= double(MaxJpegCoefficientBytes);
        }
        if (length < 2)
            return true;
        at += 2 + length;
    }
    return true;
}

} // namespace tessel
