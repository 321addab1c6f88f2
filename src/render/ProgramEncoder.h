// One program of the device image: its 16-byte header and its LED frames,
// cut screen-wide from a strip or a picture and thresholded into bit planes.
#pragma once

#include "model/Program.h"
#include "render/ScreenGeometry.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <cstdint>

namespace tessel {

// An LED is lit when its colour component reaches this.
constexpr int LitThreshold = 224;
// The frame count is a 16-bit header field.
constexpr int MaxFrameCount = 65535;

// How a source of some width is cut into frames.
struct FramePlan {
    int paddedWidth = 0; // W′: the width with the blank columns of scrolling
    int frameCount = 0; // F; 0 when nothing can be encoded
    int lastFrameWidth = 0; // header bytes 12-13
    int startColumn = 0; // source column of the first frame's left edge
    int step = 0; // columns from one frame to the next
};

// The plan for a source `width` columns wide. No frames for a width below 1,
// a screen without columns, or more frames than the header can count.
FramePlan PlanFrames(const ScreenGeometry& geometry, uint8_t action, uint8_t trimSpace, int width);

// The sum of the header's bytes 0-14, modulo 256.
uint8_t HeaderChecksum(QByteArrayView header);

// Appends the program's header to `deviceImage` and its frames to
// `framePool`, from a source picture (any format; read as 32-bit colour).
// Returns false, appending nothing, when the program is neither a text nor
// an image program or the plan has no frames.
bool EncodeProgram(const ScreenGeometry& geometry, const Program& program, const QImage& source,
    uint8_t trimSpace, QByteArray& deviceImage, QByteArray& framePool);

} // namespace tessel
