#include "files/SettingsFile.h"

#include "encoding/CodePage.h"
#include "files/FileError.h"
#include "files/FileMessages.h"
#include "files/LenientNumber.h"
#include "files/ProgramPath.h"
#include "files/RecentFiles.h"
#include "markup/MarkupDocument.h"
#include "model/AppData.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace tessel {

namespace {

const QString Declaration = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");

uint8_t byteAttribute(const MarkupDocument& doc, const QString& name)
{
    return static_cast<uint8_t>(lenientInt(doc.attribute(name)));
}

ScreenPara readScreenPara(const MarkupDocument& doc)
{
    ScreenPara para;
    para.name = doc.attribute(QStringLiteral("name"));
    para.id = byteAttribute(doc, QStringLiteral("id"));
    para.yIndex = byteAttribute(doc, QStringLiteral("yIndex"));
    para.rgb = byteAttribute(doc, QStringLiteral("rgb"));
    para.oe = byteAttribute(doc, QStringLiteral("oe"));
    para.polarity = byteAttribute(doc, QStringLiteral("polarity"));
    para.xIndex = static_cast<uint16_t>(lenientInt(doc.attribute(QStringLiteral("xIndex"))));
    return para;
}

void writeScreenPara(MarkupDocument& doc, const QString& element, const ScreenPara& para)
{
    doc.appendElement(element);
    doc.setAttribute(QStringLiteral("name"), para.name);
    doc.setAttribute(QStringLiteral("id"), para.id);
    doc.setAttribute(QStringLiteral("yIndex"), para.yIndex);
    doc.setAttribute(QStringLiteral("rgb"), para.rgb);
    doc.setAttribute(QStringLiteral("oe"), para.oe);
    doc.setAttribute(QStringLiteral("polarity"), para.polarity);
    doc.setAttribute(QStringLiteral("xIndex"), para.xIndex);
}

// The command-line text as a path: surrounding quotes removed, and a relative
// path taken from the working directory, where the user named it.
QString startupPath(const QString& commandLine)
{
    QString path = commandLine.trimmed();
    if (path.size() >= 2 && path.startsWith(u'"') && path.endsWith(u'"'))
        path = path.mid(1, path.size() - 2);
    if (QDir::isRelativePath(path))
        path = QDir::currentPath() + u'/' + path;
    return path;
}

} // namespace

bool initSettings(AppData& data, const AppPaths& paths, QString* reason)
{
    data.paths = paths;
    data.resetSettings();
    bool read = true;
    if (QFileInfo::exists(data.paths.appXmlPath))
        read = loadSettings(data, data.paths.appXmlPath, reason);
    if (!data.startupFile.trimmed().isEmpty()) {
        const PathParts parts = splitAtLastSeparator(startupPath(data.startupFile));
        data.fileName = parts.fileName;
        data.dirPath = parts.folder;
        addRecentFile(data, { data.fileName, data.dirPath });
    } else if (!data.recentFiles.empty()) {
        data.fileName = data.recentFiles.back().fileName;
        data.dirPath = data.recentFiles.back().dirPath;
    } else {
        data.dirPath = data.paths.firstSaveDir;
        data.fileName = QStringLiteral("default.led");
    }
    data.currentPath.clear();
    return read;
}

bool loadSettings(AppData& data, const QString& path, QString* reason)
{
    MarkupDocument doc;
    doc.setAnsiCodePage(ansiCodePageForLanguage(data.lanID));
    if (!doc.loadFile(path)) {
        if (reason)
            *reason = fileErrorOf(doc);
        return false;
    }
    if (!doc.findElement())
        return true;
    doc.enterElement();
    // Each search runs forward from the last element found, so elements out
    // of the writer's order are not found.
    if (doc.findElement(QStringLiteral("App"))) {
        data.lan = byteAttribute(doc, QStringLiteral("lan"));
        data.lanID = lenientInt(doc.attribute(QStringLiteral("lanID")));
        // "Auto" follows the locale of this session, not that of the last.
        if (data.lan == 0)
            data.lanID = systemLanguageId();
        data.bat = byteAttribute(doc, QStringLiteral("bat"));
        data.bright = byteAttribute(doc, QStringLiteral("bright"));
    }
    if (doc.findElement(QStringLiteral("Comm"))) {
        data.hostID = byteAttribute(doc, QStringLiteral("hostID"));
        data.commType = byteAttribute(doc, QStringLiteral("commType"));
        data.commIndex = byteAttribute(doc, QStringLiteral("commIndex"));
    }
    if (doc.findElement(QStringLiteral("SoftwareOption"))) {
        data.beforeClose = byteAttribute(doc, QStringLiteral("beforeClose"));
        data.afterExcute = byteAttribute(doc, QStringLiteral("afterExcute"));
        data.trimSpace = byteAttribute(doc, QStringLiteral("trimSpace"));
        data.update = byteAttribute(doc, QStringLiteral("update"));
    }
    while (doc.findElement(QStringLiteral("FileSaveLists")))
        data.recentFiles.push_back({ doc.attribute(QStringLiteral("fileName")),
            folderFromStore(doc.attribute(QStringLiteral("dirPath"))) });
    while (doc.findElement(QStringLiteral("ScreenParaLists")))
        data.screenParas.push_back(readScreenPara(doc));
    if (doc.findElement(QStringLiteral("ScreenPara")))
        data.screenPara = readScreenPara(doc);
    // Written after every other element, so older readers still find those.
    if (doc.findElement(QStringLiteral("Preview")))
        data.previewZoom
            = static_cast<uint8_t>(std::clamp(lenientInt(doc.attribute(QStringLiteral("zoom"))), 0, 16));
    return true;
}

bool saveSettings(const AppData& data, QString* reason)
{
    MarkupDocument doc;
    doc.setText(Declaration);
    doc.appendElement(QStringLiteral("Records"));
    doc.enterElement();
    doc.appendElement(QStringLiteral("App"));
    doc.setAttribute(QStringLiteral("lan"), data.lan);
    doc.setAttribute(QStringLiteral("lanID"), data.lanID);
    doc.setAttribute(QStringLiteral("bat"), data.bat);
    doc.setAttribute(QStringLiteral("bright"), data.bright);
    doc.appendElement(QStringLiteral("Comm"));
    doc.setAttribute(QStringLiteral("hostID"), data.hostID);
    doc.setAttribute(QStringLiteral("commType"), data.commType);
    doc.setAttribute(QStringLiteral("commIndex"), data.commIndex);
    doc.appendElement(QStringLiteral("SoftwareOption"));
    doc.setAttribute(QStringLiteral("beforeClose"), data.beforeClose);
    doc.setAttribute(QStringLiteral("afterExcute"), data.afterExcute);
    doc.setAttribute(QStringLiteral("trimSpace"), data.trimSpace);
    doc.setAttribute(QStringLiteral("update"), data.update);
    for (const RecentFile& entry : data.recentFiles) {
        doc.appendElement(QStringLiteral("FileSaveLists"));
        doc.setAttribute(QStringLiteral("fileName"), entry.fileName);
        doc.setAttribute(QStringLiteral("dirPath"), entry.dirPath);
    }
    for (const ScreenPara& para : data.screenParas)
        writeScreenPara(doc, QStringLiteral("ScreenParaLists"), para);
    writeScreenPara(doc, QStringLiteral("ScreenPara"), data.screenPara);
    doc.appendElement(QStringLiteral("Preview"));
    doc.setAttribute(QStringLiteral("zoom"), data.previewZoom);
    doc.leaveElement();
    // The user's configuration folder may not exist yet on a first run.
    const QString folder = QFileInfo(data.paths.appXmlPath).path();
    if (!QDir().mkpath(folder)) {
        if (reason)
            *reason = QStringLiteral("The folder %1 could not be created.").arg(folder);
        return false;
    }
    const bool written = doc.saveFile(data.paths.appXmlPath);
    if (!written && reason)
        *reason = fileErrorOf(doc);
    return written;
}

QString storeSettings(AppData& data, const LanguageTable& texts)
{
    QString reason;
    const bool written = saveSettings(data, &reason);
    const bool alreadyTold = data.settingsWriteFailing;
    data.settingsWriteFailing = !written;
    if (written || alreadyTold)
        return {};
    return settingsNotKeptMessage(data, texts, reason);
}

} // namespace tessel
