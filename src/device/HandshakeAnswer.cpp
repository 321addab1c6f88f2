#include "device/HandshakeAnswer.h"

#include "device/Packet.h"

namespace tessel {

namespace {
constexpr int MaxExtraPlanes = 2;
constexpr int MaxExtraBits = 7;
} // namespace

bool BadgeAccepted(const QByteArray& answer)
{
    return ReplyByte(answer, ReplyOffset::Acceptance) != 0
        && ReplyByte(answer, ReplyOffset::Version) >= MinimumVersion;
}

ScreenGeometry GeometryOfAnswer(const QByteArray& answer)
{
    ScreenGeometry geometry;
    geometry.rows = ReplyByte(answer, ReplyOffset::Rows);
    geometry.fullBytes = ReplyByte(answer, ReplyOffset::FullBytes);
    geometry.extraBits = ReplyByte(answer, ReplyOffset::ExtraBits);
    geometry.extraPlanes = ReplyByte(answer, ReplyOffset::ExtraPlanes);
    ComputeScreenGeometry(geometry);
    return geometry;
}

bool GeometryUsable(const ScreenGeometry& g)
{
    const int rowBytes = g.fullBytes + (g.extraBits != 0 ? 1 : 0);
    return g.rows >= 1 && g.rows * 2 <= 0xFF && g.extraBits <= MaxExtraBits && g.extraPlanes <= MaxExtraPlanes
        && g.columns >= 1 && g.rowBytes == rowBytes && g.frameSize == g.rows * rowBytes * (g.extraPlanes + 1);
}

} // namespace tessel
