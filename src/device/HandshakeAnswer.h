// What the send session reads from the badge's handshake answer (0x01).
#pragma once

#include "render/ScreenGeometry.h"

#include <QByteArray>

namespace tessel {

// Byte 12 non-zero and byte 13 at least 0x10.
bool BadgeAccepted(const QByteArray& answer);
// rows, fullBytes, extraBits and extraPlanes from bytes 5-8, with
// ComputeScreenGeometry applied.
ScreenGeometry GeometryOfAnswer(const QByteArray& answer);
// False for a geometry no image can be laid out in: no rows or no columns,
// more than 7 columns beyond the whole bytes, more than three colour planes,
// or sizes that do not fit the geometry's 8- and 16-bit fields.
bool GeometryUsable(const ScreenGeometry& geometry);

} // namespace tessel
