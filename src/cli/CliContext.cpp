#include "cli/CliContext.h"

#include "cli/CliCommand.h"
#include "cli/CliOptions.h"
#include "files/FileMessages.h"
#include "files/ProgramFile.h"
#include "files/ProgramPath.h"
#include "files/SettingsFile.h"
#include "i18n/LanguageTable.h"
#include "storage/FileReader.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

namespace tessel::cli {

void initCliContext(CliContext& context)
{
    initCliContext(context, LocateAppPaths(QCoreApplication::applicationDirPath()));
}

void initCliContext(CliContext& context, const AppPaths& paths)
{
    QString reason;
    if (!initSettings(context.data, paths, &reason))
        printError(QStringLiteral("warning: the settings file '%1' cannot be read (%2); the default settings "
                                  "are used")
                       .arg(context.data.paths.appXmlPath, reason));
    context.texts.load(context.data.paths.dataDir, context.data.lanID);
    // A FIFO or a device is skipped unread; the tool says so.
    const QString language = languageFileName(context.data.lanID);
    const QString languagePath = context.data.paths.dataDir + QStringLiteral("language/") + language;
    if (!language.isEmpty() && fileKindOf(languagePath) != FileKind::Regular
        && fileKindOf(languagePath) != FileKind::Missing)
        printError(QStringLiteral("warning: '%1' is not a regular file and is not read").arg(languagePath));
}

QString programPathFromArgument(const CliContext& context, const QString& argument)
{
    return relativeToSettingsDir(context.data, QFileInfo(argument).absoluteFilePath());
}

int readProgramArgument(CliContext& context, const QString& argument)
{
    AppData& data = context.data;
    const QString path = programPathFromArgument(context, argument);
    const QString file = resolveProgramPath(data, path);
    if (argument.isEmpty() || !QFileInfo(file).isFile() || !checkProgramFile(file)) {
        std::fprintf(stderr, "%s\n", openFailedMessage(argument).toUtf8().constData());
        return ExitFailure;
    }
    const PathParts parts = splitAtLastSeparator(path);
    data.fileName = parts.fileName;
    data.dirPath = parts.folder;
    data.currentPath = path;
    data.clearPrograms();
    if (readProgramFile(data, path) != ProgramFileState::Whole)
        printError(QStringLiteral("warning: '%1' is damaged or cut off; %2 programs could be read")
                       .arg(argument)
                       .arg(data.programs.size()));
    return ExitSuccess;
}

} // namespace tessel::cli
