#include "cli/CliConsole.h"

#include "cli/CliCommand.h"
#include "cli/CliTerminalText.h"
#include "encoding/CodePage.h"

#include <QRegularExpression>
#include <cerrno>
#include <csignal>
#include <cstdio>

namespace tessel::cli {

namespace {

const QString Prefix = QStringLiteral("tessel-cli: ");

} // namespace

QString withReason(const QString& message, const QString& reason)
{
    return reason.isEmpty() ? message : QStringLiteral("%1 (%2)").arg(message, reason);
}

CliConsole::CliConsole(int codePage)
    : codePage_(codePage)
{
}

void CliConsole::loadTexts(const QString& dataDir, int32_t lanID)
{
    texts_.load(dataDir, lanID);
}

QString CliConsole::text(CliMessage message, const QStringList& values) const
{
    // One pass, so that a value holding "%2" stays as it is.
    const QString format = messageText(texts_, message);
    QString result;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const int index = i + 1 < format.size() && format[i] == u'%' ? format[i + 1].digitValue() - 1 : -1;
        if (index >= 0 && index < values.size()) {
            result += values[index];
            ++i;
        } else {
            result += format[i];
        }
    }
    return result;
}

QByteArray CliConsole::encoded(const QString& text) const
{
    return encodeCodePage(text, codePage_);
}

void CliConsole::error(const QString& message) const
{
    // The isolates that keep a name in its place inside a right-to-left
    // window mean nothing to a terminal, and many character sets lack them.
    QString plain = message;
    plain.remove(QRegularExpression(QStringLiteral("[\u2066-\u2069]")));
    const QByteArray bytes = encoded(Prefix + escapedControls(plain, LineEnds::Kept) + u'\n');
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
}

void CliConsole::outcome(const QString& message) const
{
    if (verbosity_ == Verbosity::Normal)
        error(message);
}

void CliConsole::progress(const QByteArray& bytes) const
{
    if (verbosity_ == Verbosity::Quiet)
        return;
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}

void CliConsole::noteWrite(bool written)
{
    if (!written && writeErrno_ == 0)
        writeErrno_ = errno != 0 ? errno : EIO;
}

void CliConsole::writeData(const QByteArray& bytes)
{
    if (bytes.isEmpty() || writeErrno_ != 0)
        return;
    errno = 0;
    noteWrite(std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout)
        == static_cast<size_t>(bytes.size()));
}

void CliConsole::writeText(const QString& text)
{
    writeData(encoded(text));
}

int CliConsole::finish(int status)
{
    if (writeErrno_ == 0) {
        errno = 0;
        noteWrite(std::fflush(stdout) == 0);
    }
    // Closed even after a failure, so that nothing is left to flush at exit.
    const int closeErrno = std::fclose(stdout) == 0 ? 0 : (errno != 0 ? errno : EIO);
    if (writeErrno_ == 0)
        writeErrno_ = closeErrno;
    if (writeErrno_ == 0)
        return status;
    if (writeErrno_ == EPIPE) {
        // The reader has gone: end as the writer of a pipe ends, even when
        // SIGPIPE was ignored by whoever started the tool.
        std::signal(SIGPIPE, SIG_DFL);
        std::raise(SIGPIPE);
    }
    error(CliMessage::WriteError, { systemReason(writeErrno_) });
    return status == ExitSuccess ? ExitFailure : status;
}

} // namespace tessel::cli
