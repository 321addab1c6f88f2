#include "render/PreviewPicture.h"

#include "encoding/CodePage.h"
#include "render/BmpWriter.h"
#include "render/PictureFile.h"
#include "render/RtfReader.h"
#include "render/TextRasterizer.h"
#include "storage/FileWriter.h"

#include <QDir>
#include <QFileInfo>

namespace tessel {

namespace {

QImage blackScreen(const ScreenGeometry& g)
{
    QImage picture(g.columns, g.rows, QImage::Format_RGB32);
    picture.fill(Qt::black);
    return picture;
}

} // namespace

QImage PreviewImage(
    const AppData& data, const Program& program, const ScreenGeometry& geometry, const QString& dataDir)
{
    if (program.type == uint8_t(ItemKind::Text) && program.text()) {
        const TextItem& item = *program.text();
        const RichText text = RichTextFromSave(item.save, ansiCodePageForLanguage(data.lanID));
        const QImage strip = RasterizeText(geometry, item, text, dataDir);
        return strip.isNull() ? blackScreen(geometry) : strip;
    }
    if (program.type == uint8_t(ItemKind::Image) && program.image()) {
        const QString& fileName = program.image()->fileName;
        return fileName.isEmpty() ? blackScreen(geometry) : LoadPicture(fileName);
    }
    return {};
}

QImage RenderPreview(const AppData& data, const Program& program, const QString& dataDir)
{
    const QImage picture = PreviewImage(data, program, PreviewGeometry(data.screenPara), dataDir);
    if (picture.isNull())
        return picture;
    const QString& target = data.paths.previewPath;
    // The user's cache folder may not exist yet on a first run.
    QDir().mkpath(QFileInfo(target).path());
    const ImageItem* image = program.type == uint8_t(ItemKind::Image) ? program.image() : nullptr;
    // The window shows the returned picture: a failed write only leaves an
    // older "pre.bmp" behind.
    FileError ignored;
    if (image && !image->fileName.isEmpty())
        writeFileCopy(target, image->fileName, ignored);
    else
        WriteBmp32(picture, target, ignored);
    return picture;
}

} // namespace tessel
