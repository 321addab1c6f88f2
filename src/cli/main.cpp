// tessel-cli: the editor's jobs for scripts and terminals, without a window.
#include "cli/CliCommandLine.h"
#include "cli/CliConsole.h"
#include "cli/CliTerminalText.h"
#include "encoding/CodePage.h"
#include "model/AppData.h"
#include "model/AppPaths.h"

#include <QGuiApplication>
#include <clocale>

using namespace tessel;
using namespace tessel::cli;

namespace {

// Scripts run from cron or a service often have no XDG_RUNTIME_DIR, and Qt
// then warns at every start although the tool never uses that folder. Qt
// also warns when the locale is not UTF-8; the tool writes the locale's own
// character set, so that warning does not apply. Every other message
// reaches standard error.
QtMessageHandler qtHandler = nullptr;

void filterQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg
        && (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))
            || message.startsWith(QLatin1String("Detected locale "))))
        return;
    qtHandler(type, context, message);
}

// The arguments in the locale's character set, as the terminal typed them.
QStringList argumentsOf(int argc, char** argv, int codePage)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(decodeCodePage(argv[i], codePage));
    return args;
}

} // namespace

int main(int argc, char** argv)
{
    // The locale's character set, before Qt switches the character type to
    // UTF-8 for itself.
    const LocaleState locale = std::setlocale(LC_ALL, "") ? LocaleState::Set : LocaleState::NotInstalled;
    CliConsole console(localeCodePage(locale));
    const QStringList args = argumentsOf(argc, argv, console.codePage());
    // The version needs no application: answered at once.
    if (args == QStringList { QStringLiteral("--version") }) {
        console.writeText(versionText());
        return console.finish(0);
    }
    // Rendering needs a GUI application, never a window: use the offscreen
    // platform unless the caller chose one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qtHandler = qInstallMessageHandler(filterQtMessages);
    // Qt sees the program's name only: every other word is the tool's, and
    // none ("-platform", "-reverse") may change Qt behind its back.
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    // One language for the whole run: the locale's, as the editor's "Auto"
    // chooses it.
    console.loadTexts(LocateAppPaths(QCoreApplication::applicationDirPath()).dataDir, systemLanguageId());
    return console.finish(runCommandLine(args, console));
}
