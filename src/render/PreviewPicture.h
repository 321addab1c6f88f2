// The preview picture of one program, as the preview window shows it and as
// "pre.bmp" in the application folder holds it.
#pragma once

#include "model/AppData.h"
#include "model/Program.h"

#include <QImage>
#include <QString>

namespace tessel {

// The preview of one program: writes exeDir + "pre.bmp" as the preview does and returns the picture
// (a null QImage when the program's kind has no preview and the previous picture stays).
QImage RenderPreview(const AppData& data, const Program& program, const QString& exeDir);

} // namespace tessel
