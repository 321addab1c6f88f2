// The bytes as a program file: the open gate, the reader, then the writer and
// a second read, which must give back the same list.
#include "files/ProgramFile.h"
#include "model/AppData.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

using namespace tessel;

namespace {

// Fields that a write and a read must carry unchanged. Text that is not valid
// UTF-16 (a lone surrogate from a character reference) cannot be stored in
// UTF-8, so only valid text is compared.
bool sameText(const QString& a, const QString& b)
{
    return a == b || !a.isValidUtf16();
}

bool sameProgram(const Program& a, const Program& b)
{
    if (a.check != b.check || a.type != b.type || a.borderType != b.borderType
        || a.borderAspect != b.borderAspect || a.borderSpeed != b.borderSpeed
        || a.borderColor != b.borderColor || a.playCount != b.playCount || !sameText(a.name, b.name)
        || !sameText(a.summary, b.summary) || a.item.index() != b.item.index())
        return false;
    if (const TextItem* t = a.text()) {
        const TextItem* u = b.text();
        return t->action == u->action && t->speed == u->speed && t->stay == u->stay
            && t->exitType == u->exitType && t->arabic == u->arabic && t->yOffset == u->yOffset
            && t->horAlign == u->horAlign && t->verAlign == u->verAlign && t->charSpacing == u->charSpacing
            && sameText(t->save, u->save);
    }
    if (const ImageItem* i = a.image()) {
        const ImageItem* j = b.image();
        return i->action == j->action && i->speed == j->speed && i->stay == j->stay
            && i->exitType == j->exitType && i->delBgColor == j->delBgColor
            && sameText(i->fileName, j->fileName);
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    static QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("input.led"));
    const QString output = dir.filePath(QStringLiteral("output.led"));
    {
        QFile file(input);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(bytes), static_cast<qint64>(size));
    }
    AppData data;
    data.paths = PortablePaths(dir.path());
    data.lanID = 2052; // undeclared non-UTF-8 bytes decode as code page 936
    checkProgramFile(input);
    readProgramFile(data, input);
    if (!writeProgramFile(data, output))
        std::abort();
    AppData again;
    again.paths = data.paths;
    again.lanID = data.lanID;
    readProgramFile(again, output);
    if (again.programs.size() != data.programs.size())
        std::abort();
    for (size_t i = 0; i < data.programs.size(); ++i)
        if (!sameProgram(*data.programs[i], *again.programs[i]))
            std::abort();
    return 0;
}
