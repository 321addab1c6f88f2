#include "ui/mainframe/EditorStartUp.h"

#include "files/FileMessages.h"
#include "files/SettingsFile.h"
#include "i18n/LanguageTable.h"
#include "model/AppData.h"
#include "ui/mainframe/CMainFrame.h"

#include <QFile>
#include <QFileInfo>

namespace tessel {

namespace {

// The program file named on the command line must at least open for reading;
// whether it is a program file is the file commands' question.
// The settings took the file's name and folder from the command line.
bool commandLineFileOpens(const AppData& data)
{
    if (data.startupFile.trimmed().isEmpty())
        return true;
    QFile file(data.dirPath + data.fileName);
    return QFileInfo(file).isFile() && file.open(QIODevice::ReadOnly);
}

} // namespace

QString CommandLineFile(const QStringList& arguments)
{
    return arguments.mid(1).join(QLatin1Char(' '));
}

std::unique_ptr<CMainFrame> StartEditor(StartUpContext context)
{
    AppData& data = context.data;
    data.startupFile = context.startupFile;
    const FileDialogs dialogs = context.dialogs;
    auto frame = std::make_unique<CMainFrame>(data, context.texts, context.link, std::move(context.dialogs));
    QString unreadable;
    const bool settingsRead = initSettings(data, context.paths, &unreadable);
    frame->LoadLanguage();
    frame->SetCheckMarks();
    if (!settingsRead)
        dialogs.showOpenFailed(
            frame.get(), settingsUnreadableMessage(data, context.texts, unreadable), frame->windowTitle());
    if (!commandLineFileOpens(data)) {
        dialogs.showOpenFailed(frame.get(),
            data.dirPath + data.fileName + u'\n'
                + context.texts.textOr(u"startFileFailed", QStringLiteral("The file cannot be opened.")),
            frame->windowTitle());
        return nullptr;
    }
    frame->FirstSetUpPanes();
    if (context.show == ShowWindow::Yes)
        frame->show();
    return frame;
}

} // namespace tessel
