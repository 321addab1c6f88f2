#include "cli/CliProgramJson.h"

#include "model/AppData.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tessel::cli {

namespace {

QString kindName(uint8_t type)
{
    static const char* const Names[ItemKindCount] = { "text", "image", "animation", "time", "count" };
    return type < ItemKindCount ? QString::fromLatin1(Names[type]) : QStringLiteral("unknown");
}

void addTextFields(QJsonObject& object, const TextItem& item)
{
    object.insert(QStringLiteral("action"), item.action);
    object.insert(QStringLiteral("speed"), item.speed);
    object.insert(QStringLiteral("stay"), item.stay);
    object.insert(QStringLiteral("exitType"), item.exitType);
    object.insert(QStringLiteral("arabic"), item.arabic);
    object.insert(QStringLiteral("yOffset"), item.yOffset);
    object.insert(QStringLiteral("horAlign"), item.horAlign);
    object.insert(QStringLiteral("verAlign"), item.verAlign);
    object.insert(QStringLiteral("charSpacing"), item.charSpacing);
    object.insert(QStringLiteral("save"), item.save);
}

void addImageFields(QJsonObject& object, const ImageItem& item)
{
    object.insert(QStringLiteral("action"), item.action);
    object.insert(QStringLiteral("speed"), item.speed);
    object.insert(QStringLiteral("stay"), item.stay);
    object.insert(QStringLiteral("exitType"), item.exitType);
    object.insert(QStringLiteral("delBgColor"), item.delBgColor);
    object.insert(QStringLiteral("fileName"), item.fileName);
}

QJsonObject programObject(int index, const Program& program)
{
    QJsonObject object;
    object.insert(QStringLiteral("index"), index);
    object.insert(QStringLiteral("checked"), program.check != 0);
    object.insert(QStringLiteral("type"), program.type);
    object.insert(QStringLiteral("kind"), kindName(program.type));
    object.insert(QStringLiteral("name"), program.name);
    object.insert(QStringLiteral("summary"), program.summary);
    object.insert(QStringLiteral("borderType"), program.borderType);
    object.insert(QStringLiteral("borderAspect"), program.borderAspect);
    object.insert(QStringLiteral("borderSpeed"), program.borderSpeed);
    object.insert(QStringLiteral("borderColor"), program.borderColor);
    object.insert(QStringLiteral("playCount"), program.playCount);
    if (const TextItem* text = program.text())
        addTextFields(object, *text);
    else if (const ImageItem* image = program.image())
        addImageFields(object, *image);
    return object;
}

} // namespace

QByteArray ProgramListJson(const AppData& data)
{
    QJsonArray list;
    int index = 0;
    for (const auto& program : data.programs)
        list.append(programObject(++index, *program));
    return QJsonDocument(list).toJson(QJsonDocument::Indented);
}

} // namespace tessel::cli
