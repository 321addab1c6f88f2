#include "files/FileMessages.h"

#include "i18n/LanguageTable.h"
#include "model/AppData.h"

namespace tessel {

static bool isChinese(int32_t lanID)
{
    return lanID == 1028 || lanID == 2052 || lanID == 3076;
}

QString saveQuestion(const AppData& data)
{
    const bool chinese = isChinese(data.lanID);
    if (!data.currentPath.isEmpty()) {
        const QString format = chinese ? QStringLiteral(u"您想将更改保存到 \r\n%1 吗?")
                                       : QStringLiteral("Do you save changes to \r\n%1?");
        return format.arg(data.currentPath);
    }
    const QString format
        = chinese ? QStringLiteral(u"您想将更改保存到 %1 吗?") : QStringLiteral("Do you save changes to %1?");
    return format.arg(data.fileName);
}

QString openFailedMessage(const QString& path)
{
    return QStringLiteral(u"%1 文件不存在或者内容出错！").arg(path);
}

static QString withReason(QString message, const QString& reason)
{
    if (!reason.isEmpty())
        message += u'\n' + reason;
    return message;
}

QString settingsNotKeptMessage(const AppData& data, const LanguageTable& texts, const QString& reason)
{
    const QString format = texts.textOr(u"settingsNotKept",
        QStringLiteral("The settings cannot be saved to %1. The editor keeps working and programs are "
                       "saved as usual, but the settings of this session will not be kept."));
    QString message = format.contains(QLatin1String("%1")) ? format.arg(isolated(data.paths.appXmlPath))
                                                           : format + u' ' + data.paths.appXmlPath;
    if (!reason.isEmpty())
        message += u'\n' + reason;
    return message;
}

QString settingsUnreadableMessage(const AppData& data, const LanguageTable& texts, const QString& reason)
{
    const QString format = texts.textOr(u"settingsUnreadable",
        QStringLiteral("The settings file %1 cannot be read. The editor starts with the default settings."));
    return withReason(format.contains(QLatin1String("%1")) ? format.arg(data.paths.appXmlPath)
                                                         : format + u' ' + data.paths.appXmlPath,
        reason);
}

QString programFileDamagedMessage(const LanguageTable& texts, const QString& path)
{
    const QString format = texts.textOr(u"programFileDamaged",
        QStringLiteral("The program file %1 is damaged or cut off. Only the programs that could be read are "
                       "shown."));
    return format.contains(QLatin1String("%1")) ? format.arg(path) : format + u' ' + path;
}

QString writeFailedMessage(int32_t lanID, const QString& path, const QString& reason)
{
    return withReason(isChinese(lanID) ? QStringLiteral(u"无法写入文件 %1！").arg(path)
                                       : QStringLiteral("The file %1 could not be written.").arg(path),
        reason);
}

QString saveQuestion(const AppData& data, const LanguageTable& texts)
{
    const QString format = texts.textOr(u"saveChanges", QString());
    if (format.isEmpty())
        return saveQuestion(data);
    // A saved list names its whole path on a line of its own.
    return format.arg(data.currentPath.isEmpty() ? isolated(data.fileName) : u'\n' + isolated(data.currentPath) + u'\n');
}

QString openFailedMessage(const QString& path, const LanguageTable& texts)
{
    const QString format = texts.textOr(u"openFailed", QString());
    return format.isEmpty() ? openFailedMessage(path) : format.arg(isolated(path));
}

QString openFailedCaption(const LanguageTable& texts)
{
    return texts.textOr(u"openFailedTitle", OpenFailedCaption);
}

QString writeFailedMessage(
    const LanguageTable& texts, int32_t lanID, const QString& path, const QString& reason)
{
    const QString format = texts.textOr(u"writeFailed", QString());
    return format.isEmpty() ? writeFailedMessage(lanID, path, reason) : withReason(format.arg(isolated(path)), reason);
}

} // namespace tessel
