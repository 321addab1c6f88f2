// The preview picture of one program, as the preview window shows it and as
// "pre.bmp" (at the paths' previewPath) holds it.
#pragma once

#include "model/AppData.h"
#include "model/Program.h"
#include "render/ScreenGeometry.h"

#include <QImage>
#include <QString>

namespace tessel {

// The picture the preview shows for the program at the geometry: a text's
// strip (black, columns × rows, when the text has none), an image program's
// picture at its own size (black when it names no file), in Format_RGB32.
// Null for the kinds without a preview and for a picture file that is
// missing or does not decode.
QImage PreviewImage(
    const AppData& data, const Program& program, const ScreenGeometry& geometry, const QString& dataDir);

// The preview of one program: writes "pre.bmp" as the preview does, creating
// its folder when needed, and returns the picture
// (a null QImage when the program's kind has no preview and the previous picture stays).
// The geometry is that of the current screen parameters. A text's picture is
// stored as a 32-bit BMP; an image program's file is copied byte for byte,
// but only when it decodes as a picture, so a program file cannot have other
// files copied; when it does not, nothing is written and the result is null.
// Icons come from the data folder (ends in "/").
QImage RenderPreview(const AppData& data, const Program& program, const QString& dataDir);

} // namespace tessel
