#include "cli/CliContext.h"

#include "cli/CliCommand.h"
#include "cli/CliTerminalText.h"
#include "files/FileMessages.h"
#include "files/ProgramFile.h"
#include "files/ProgramPath.h"
#include "files/SettingsFile.h"
#include "i18n/LanguageTable.h"
#include "storage/FileReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessel::cli {

CliContext::CliContext(CliConsole& console)
    : console(console)
    , texts(console.texts())
{
}

void initCliContext(CliContext& context)
{
    QString reason;
    if (!initSettings(context.data, LocateAppPaths(QCoreApplication::applicationDirPath()), &reason))
        context.console.error(CliMessage::SettingsUnreadable, { context.data.paths.appXmlPath, reason });
    // A FIFO or a device is skipped unread; the tool says so.
    const QString language = languageFileName(systemLanguageId());
    const QString languagePath = context.data.paths.dataDir + QStringLiteral("language/") + language;
    if (!language.isEmpty() && fileKindOf(languagePath) != FileKind::Regular
        && fileKindOf(languagePath) != FileKind::Missing)
        context.console.error(CliMessage::NotARegularFile, { languagePath });
}

QString programPathFromArgument(const CliContext& context, const QString& argument)
{
    return relativeToSettingsDir(context.data, QFileInfo(argument).absoluteFilePath());
}

QString openFailureReason(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return systemReason(errno);
    struct stat status { };
    const bool directory = ::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode);
    ::close(fd);
    return directory ? systemReason(EISDIR) : QString();
}

std::optional<QString> inputFile(CliConsole& console, const QString& argument, QTemporaryFile& standardInput)
{
    if (argument != QLatin1String("-"))
        return argument;
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly) || !standardInput.open()) {
        console.error(CliMessage::WriteError, { standardInput.errorString() });
        return std::nullopt;
    }
    // Read in pieces so that an endless input stops at the limit.
    constexpr qint64 Piece = 1 << 16;
    qint64 total = 0;
    while (true) {
        const QByteArray piece = input.read(Piece);
        if (piece.isEmpty())
            break;
        total += piece.size();
        if (total > MaxStandardInputBytes) {
            console.error(CliMessage::InputTooLarge, { QString::number(MaxStandardInputBytes >> 20) });
            return std::nullopt;
        }
        if (standardInput.write(piece) != piece.size()) {
            console.error(CliMessage::WriteError, { standardInput.errorString() });
            return std::nullopt;
        }
    }
    if (!standardInput.flush()) {
        console.error(CliMessage::WriteError, { standardInput.errorString() });
        return std::nullopt;
    }
    return standardInput.fileName();
}

int readProgramArgument(CliContext& context, const QString& argument)
{
    AppData& data = context.data;
    QTemporaryFile standardInput(QDir::tempPath() + QStringLiteral("/tessel-cli-XXXXXX.led"));
    const auto input = inputFile(context.console, argument, standardInput);
    if (!input)
        return ExitFailure;
    const QString path = programPathFromArgument(context, *input);
    const QString file = resolveProgramPath(data, path);
    if (argument.isEmpty() || !QFileInfo(file).isFile() || !checkProgramFile(file)) {
        QString message = openFailedMessage(argument, context.texts);
        if (const QString reason = argument.isEmpty() ? QString() : openFailureReason(file);
            !reason.isEmpty())
            message += QStringLiteral(" (%1)").arg(reason);
        context.console.error(message);
        return ExitFailure;
    }
    const PathParts parts = splitAtLastSeparator(path);
    data.fileName = parts.fileName;
    data.dirPath = parts.folder;
    data.currentPath = path;
    data.clearPrograms();
    if (readProgramFile(data, path) != ProgramFileState::Whole)
        context.console.error(CliMessage::FileDamaged, { argument, QString::number(data.programs.size()) });
    return ExitSuccess;
}

} // namespace tessel::cli
