// Program lists from arbitrary bytes through the device image builder and
// the preview picture: the first bytes choose the badge and the programs'
// fields, the rest is a stored text and the bytes of a picture file.
#include "model/AppData.h"
#include "render/DeviceImage.h"
#include "render/PreviewPicture.h"
#include "render/ScreenGeometry.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <cstdint>
#include <memory>
#include <vector>

using namespace tessel;

namespace {

QTemporaryDir* folder = nullptr;

class Bytes {
public:
    Bytes(const uint8_t* data, size_t size)
        : data_(data)
        , size_(size)
    {
    }
    uint8_t next() { return pos_ < size_ ? data_[pos_++] : 0; }
    QByteArray rest() const
    {
        return QByteArray(
            reinterpret_cast<const char*>(data_) + pos_, qsizetype(size_ - std::min(pos_, size_)));
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

void writeIcon(int size, const char* code, QRgb color)
{
    const QString dir = folder->filePath(QStringLiteral("image/%1").arg(size));
    QDir().mkpath(dir);
    QImage icon(size - 2, size, QImage::Format_RGB32); // another size: scaled when drawn
    icon.fill(color);
    icon.save(dir + QLatin1Char('/') + QLatin1String(code) + QStringLiteral(".bmp"));
}

// The bytes that choose one program's kind and fields.
struct ProgramBytes {
    uint8_t type, fields, playCount, border, action, charSpacing, yOffset;
};

ProgramBytes readProgramBytes(Bytes& in)
{
    return { uint8_t(in.next() % 6), in.next(), in.next(), in.next(), in.next(), in.next(), in.next() };
}

std::unique_ptr<Program> makeProgram(const ProgramBytes& b, const QString& save, const QString& picture)
{
    auto program = std::make_unique<Program>();
    program->type = b.type;
    program->check = b.fields & 0x80 ? 0 : 1;
    program->playCount = b.playCount;
    program->borderType = b.border;
    program->item = newProgramItem(program->type);
    if (TextItem* text = program->text()) {
        text->action = b.action % 5;
        text->charSpacing = b.charSpacing % 8;
        text->yOffset = b.yOffset % 16;
        text->horAlign = b.fields % 4;
        text->verAlign = (b.fields >> 2) % 4;
        text->arabic = (b.fields >> 4) & 1;
        text->save = save;
    } else if (ImageItem* image = program->image()) {
        image->action = b.action % 5;
        image->delBgColor = b.fields & 0x40 ? 0xFFFFFF : 0;
        image->fileName = b.fields & 0x20 ? QString() : picture;
    }
    return program;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    folder = new QTemporaryDir;
    writeIcon(12, "[A000]", qRgb(255, 255, 255));
    writeIcon(14, "[B001]", qRgb(255, 255, 0));
    writeIcon(16, "[C002]", qRgb(0, 0, 255));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Bytes in(data, size);
    // Small screens keep each run short; the 8- and 16-bit wrap-arounds of
    // the geometry still come up through the column count.
    const int rows = in.next() % 40;
    const int columns = (in.next() | in.next() << 8) % 2048;
    const ScreenGeometry geometry = BadgeGeometry(rows, columns, in.next() % 4);
    AppData app;
    const uint8_t settings = in.next();
    app.trimSpace = settings % 4;
    app.bright = (settings >> 2) % 3;
    app.bat = (settings >> 4) & 1;
    const int count = 1 + in.next() % 4;
    std::vector<ProgramBytes> programs;
    for (int i = 0; i < count; ++i)
        programs.push_back(readProgramBytes(in));

    // The rest: a text for the text programs, then after the first NUL the
    // bytes of a picture file.
    const QByteArray rest = in.rest();
    const qsizetype split = rest.indexOf('\0');
    const QString save = QString::fromLatin1(split < 0 ? rest : rest.left(split));
    const QString picture = folder->filePath(QStringLiteral("picture"));
    QFile file(picture);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(split < 0 ? QByteArray() : rest.mid(split + 1));
        file.close();
    }

    for (const ProgramBytes& bytes : programs)
        app.adoptProgram(makeProgram(bytes, save, picture));
    const QString dataDir = folder->path() + QLatin1Char('/');
    const DeviceImageBuild build = BuildDeviceImage(app, geometry, dataDir);
    if (!build.tooManyPrograms && !build.tooLarge && build.bytes.size() < GlobalHeaderSize)
        __builtin_trap();
    for (const auto& program : app.programs)
        PreviewImage(app, *program, geometry, dataDir);
    return 0;
}
