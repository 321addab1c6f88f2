#include "render/DeviceImage.h"

#include "encoding/CodePage.h"
#include "render/PictureFile.h"
#include "render/ProgramEncoder.h"
#include "render/RtfReader.h"
#include "render/TextRasterizer.h"

namespace tessel {

QImage EncodedSource(
    const AppData& data, const Program& program, const ScreenGeometry& g, const QString& dataDir)
{
    if (program.type == uint8_t(ItemKind::Text) && program.text()) {
        const TextItem& item = *program.text();
        const RichText text = RichTextFromSave(item.save, ansiCodePageForLanguage(data.lanID));
        return RasterizeText(g, item, text, dataDir);
    }
    if (program.type == uint8_t(ItemKind::Image) && program.image())
        return LoadPicture(program.image()->fileName);
    return {};
}

uint8_t EncodedAction(const Program& program)
{
    if (const TextItem* text = program.text())
        return text->action;
    return program.image() ? program.image()->action : 0;
}

DeviceImageBuild BuildDeviceImage(const AppData& data, const ScreenGeometry& geometry, const QString& dataDir)
{
    DeviceImageBuild build;
    build.bytes = QByteArray("\x01\x01\x00", 3);
    build.bytes.append(char(data.bright));
    build.bytes.append(char(data.bat));
    build.bytes.append(3, '\0');
    QByteArray framePool;
    int place = 0;
    for (const auto& program : data.programs) {
        ++place;
        if (program->check == 0)
            continue;
        const QImage source = EncodedSource(data, *program, geometry, dataDir);
        if (source.isNull())
            continue;
        const FramePlan plan = PlanFrames(geometry, EncodedAction(*program), data.trimSpace, source.width());
        if (plan.frameCount == 0 && plan.paddedWidth > 0 && geometry.columns > 0) {
            // Skipping it would leave "nothing to send" as the only word.
            build.tooLarge = true;
            build.tooManyFramesProgram = place;
            build.framesNeeded = (qint64(plan.paddedWidth) + geometry.columns - 1) / geometry.columns;
            build.bytes.clear();
            return build;
        }
        if (plan.frameCount == 0)
            continue;
        const qsizetype size = build.bytes.size() + ProgramHeaderSize + framePool.size()
            + qsizetype(plan.frameCount) * geometry.frameSize;
        build.tooManyPrograms = build.programCount == MaxEncodedPrograms;
        build.tooLarge = !build.tooManyPrograms && size > MaxDeviceImageBytes;
        if (build.tooManyPrograms || build.tooLarge) {
            build.bytes.clear();
            return build;
        }
        if (EncodeProgram(geometry, *program, source, data.trimSpace, build.bytes, framePool))
            ++build.programCount;
    }
    build.bytes[0] = char(build.programCount);
    build.bytes.append(framePool);
    return build;
}

} // namespace tessel
