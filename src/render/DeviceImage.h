// The device image: the whole byte string one send transfers to the badge,
// a global header, one header per program and the LED frames of all programs.
#pragma once

#include "model/AppData.h"
#include "render/ScreenGeometry.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace tessel {

constexpr int GlobalHeaderSize = 8;
constexpr int ProgramHeaderSize = 16;
constexpr int MaxEncodedPrograms = 255;
// A send announces its packets in 16 bits, 56 image bytes each: no larger
// image can be transferred.
constexpr qsizetype MaxDeviceImageBytes = qsizetype(65535) * 56;

struct DeviceImageBuild {
    QByteArray bytes; // the whole device image; 8 bytes or less: nothing to send
    int programCount = 0; // programs encoded
    bool tooManyPrograms = false; // more than 255 would be encoded: the count byte cannot hold them
    bool tooLarge = false; // longer than MaxDeviceImageBytes: a send cannot announce it
    // Set with tooLarge when a program needs more frames than its header can
    // count: its place in the list (from 1) and the frames it needs.
    int tooManyFramesProgram = 0;
    qint64 framesNeeded = 0;
};

// The picture a text or image program is encoded from, ticked or not: the
// text's strip or the decoded picture file; null for the other kinds and for
// a program without a strip or picture.
QImage EncodedSource(
    const AppData& data, const Program& program, const ScreenGeometry& geometry, const QString& dataDir);

// The entry effect a text or image program's header carries.
uint8_t EncodedAction(const Program& program);

// Encodes every ticked text and image program of the list for the badge's
// geometry (ComputeScreenGeometry already applied). Texts are read from
// `save` with the ANSI code page of data.lanID, icons are looked up in
// the data folder (dataDir ends in "/"), pictures at their `fileName`.
// With tooManyPrograms or tooLarge the build stops there and `bytes` is
// empty: such a list cannot be sent.
DeviceImageBuild BuildDeviceImage(
    const AppData& data, const ScreenGeometry& geometry, const QString& dataDir);

} // namespace tessel
