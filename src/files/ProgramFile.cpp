#include "files/ProgramFile.h"

#include "encoding/CodePage.h"
#include "files/FileError.h"
#include "files/LenientNumber.h"
#include "files/ProgramPath.h"
#include "markup/MarkupDocument.h"
#include "model/AppData.h"

namespace tessel {

namespace {

const QString Declaration = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");

void appendNumber(MarkupDocument& doc, const QString& name, long long value)
{
    doc.appendChildElement(name, QString::number(value));
}

void writeText(MarkupDocument& doc, const TextItem& text)
{
    appendNumber(doc, QStringLiteral("action"), text.action);
    appendNumber(doc, QStringLiteral("speed"), text.speed);
    appendNumber(doc, QStringLiteral("stay"), text.stay);
    appendNumber(doc, QStringLiteral("exitType"), text.exitType);
    appendNumber(doc, QStringLiteral("arabic"), text.arabic);
    appendNumber(doc, QStringLiteral("yOffset"), text.yOffset);
    appendNumber(doc, QStringLiteral("horAlign"), text.horAlign);
    appendNumber(doc, QStringLiteral("verAlign"), text.verAlign);
    appendNumber(doc, QStringLiteral("charSpacing"), text.charSpacing);
    doc.appendChildElement(QStringLiteral("save"), text.save);
}

void writeImage(MarkupDocument& doc, const ImageItem& image)
{
    appendNumber(doc, QStringLiteral("action"), image.action);
    appendNumber(doc, QStringLiteral("speed"), image.speed);
    appendNumber(doc, QStringLiteral("stay"), image.stay);
    appendNumber(doc, QStringLiteral("exitType"), image.exitType);
    appendNumber(doc, QStringLiteral("delBgColor"), image.delBgColor);
    doc.appendChildElement(QStringLiteral("fileName"), image.fileName);
}

void writeProgram(MarkupDocument& doc, const Program& program)
{
    doc.appendElement(QStringLiteral("Program"));
    doc.setAttribute(QStringLiteral("check"), program.check);
    doc.setAttribute(QStringLiteral("type"), program.type);
    doc.setAttribute(QStringLiteral("name"), program.name);
    doc.setAttribute(QStringLiteral("summary"), program.summary);
    doc.setAttribute(QStringLiteral("borderType"), program.borderType);
    doc.setAttribute(QStringLiteral("borderAspect"), program.borderAspect);
    doc.setAttribute(QStringLiteral("borderSpeed"), program.borderSpeed);
    doc.setAttribute(QStringLiteral("borderColor"), program.borderColor);
    doc.setAttribute(QStringLiteral("playCount"), program.playCount);
    // Time, Count and unknown kinds stay an empty element.
    if (const TextItem* text = program.text())
        writeText(doc, *text);
    else if (const ImageItem* image = program.image())
        writeImage(doc, *image);
}

uint8_t byteAttribute(const MarkupDocument& doc, const QString& name)
{
    return static_cast<uint8_t>(lenientInt(doc.attribute(name)));
}

// Children are searched forward from the last one found: a missing child
// keeps the field's new-program value and the next child is still found.
void readByte(MarkupDocument& doc, const QString& name, uint8_t& field)
{
    if (doc.findChildElement(name))
        field = static_cast<uint8_t>(lenientInt(doc.childElementText()));
}

void readString(MarkupDocument& doc, const QString& name, QString& field)
{
    if (doc.findChildElement(name))
        field = doc.childElementText();
}

void readText(MarkupDocument& doc, TextItem& text)
{
    readByte(doc, QStringLiteral("action"), text.action);
    readByte(doc, QStringLiteral("speed"), text.speed);
    readByte(doc, QStringLiteral("stay"), text.stay);
    readByte(doc, QStringLiteral("exitType"), text.exitType);
    readByte(doc, QStringLiteral("arabic"), text.arabic);
    readByte(doc, QStringLiteral("yOffset"), text.yOffset);
    readByte(doc, QStringLiteral("horAlign"), text.horAlign);
    readByte(doc, QStringLiteral("verAlign"), text.verAlign);
    readByte(doc, QStringLiteral("charSpacing"), text.charSpacing);
    readString(doc, QStringLiteral("save"), text.save);
}

void readImage(MarkupDocument& doc, ImageItem& image)
{
    readByte(doc, QStringLiteral("action"), image.action);
    readByte(doc, QStringLiteral("speed"), image.speed);
    readByte(doc, QStringLiteral("stay"), image.stay);
    readByte(doc, QStringLiteral("exitType"), image.exitType);
    if (doc.findChildElement(QStringLiteral("delBgColor")))
        image.delBgColor = lenientInt(doc.childElementText());
    readString(doc, QStringLiteral("fileName"), image.fileName);
}

std::unique_ptr<Program> readProgram(MarkupDocument& doc)
{
    auto program = std::make_unique<Program>();
    program->check = lenientInt(doc.attribute(QStringLiteral("check")));
    program->type = byteAttribute(doc, QStringLiteral("type"));
    program->name = doc.attribute(QStringLiteral("name"));
    program->summary = doc.attribute(QStringLiteral("summary"));
    program->borderType = byteAttribute(doc, QStringLiteral("borderType"));
    program->borderAspect = byteAttribute(doc, QStringLiteral("borderAspect"));
    program->borderSpeed = byteAttribute(doc, QStringLiteral("borderSpeed"));
    program->borderColor = byteAttribute(doc, QStringLiteral("borderColor"));
    program->playCount = byteAttribute(doc, QStringLiteral("playCount"));
    program->item = newProgramItem(program->type);
    if (TextItem* text = program->text())
        readText(doc, *text);
    else if (ImageItem* image = program->image())
        readImage(doc, *image);
    return program;
}

} // namespace

bool writeProgramFile(const AppData& data, const QString& path, QString* reason, DashPath dash)
{
    MarkupDocument doc;
    doc.setText(Declaration);
    doc.appendElement(QStringLiteral("Records"));
    doc.enterElement();
    for (const auto& program : data.programs)
        writeProgram(doc, *program);
    doc.leaveElement();
    const bool toStandardOutput = dash == DashPath::StandardOutput && path == QLatin1String("-");
    const bool written = doc.saveFile(toStandardOutput ? path : resolveProgramPath(data, path), dash);
    if (!written && reason)
        *reason = fileErrorOf(doc);
    return written;
}

ProgramFileState readProgramFile(AppData& data, const QString& path)
{
    MarkupDocument doc;
    doc.setAnsiCodePage(ansiCodePageForLanguage(data.lanID));
    if (!doc.loadFile(resolveProgramPath(data, path)))
        return ProgramFileState::Unreadable;
    if (!doc.findElement())
        return doc.hasErrors() ? ProgramFileState::Damaged : ProgramFileState::Whole;
    doc.enterElement();
    bool found = false;
    while (doc.findElement(QStringLiteral("Program"))) {
        data.adoptProgram(readProgram(doc));
        found = true;
    }
    doc.leaveElement();
    if (!doc.hasErrors())
        return ProgramFileState::Whole;
    // A file cut off before its root closes: the root holds nothing and the
    // programs that could be read follow it.
    if (!found) {
        while (doc.findElement(QStringLiteral("Program")))
            data.adoptProgram(readProgram(doc));
    }
    return ProgramFileState::Damaged;
}

bool checkProgramFile(const QString& path)
{
    MarkupDocument doc;
    return doc.loadFile(path) && doc.findElement(QStringLiteral("Records"));
}

} // namespace tessel
