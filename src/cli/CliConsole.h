// The streams of one run of tessel-cli. Standard output carries data only
// (listings, JSON, pictures) and every write to it is checked; messages go
// to standard error with the tool's name in front, in the run's language.
// Text is written in the locale's character set, JSON and pictures as they
// are.
#pragma once

#include "cli/CliMessages.h"
#include "i18n/LanguageTable.h"

#include <QByteArray>
#include <QString>

namespace tessel::cli {

enum class Verbosity { Normal, Quiet };

// A message with the system's reason, when there is one, after it in
// parentheses on the same line.
QString withReason(const QString& message, const QString& reason);

class CliConsole {
public:
    // codePage: the locale's character set as a code page.
    explicit CliConsole(int codePage);

    // The language table of the run: that of the locale's language.
    void loadTexts(const QString& dataDir, int32_t lanID);
    const LanguageTable& texts() const { return texts_; }
    int codePage() const { return codePage_; }

    void setVerbosity(Verbosity verbosity) { verbosity_ = verbosity; }
    Verbosity verbosity() const { return verbosity_; }

    // The message with its placeholders filled in order.
    QString text(CliMessage message, const QStringList& values = {}) const;

    // "tessel-cli: " and the message on standard error, control characters
    // escaped; errors and warnings always, outcomes unless quiet.
    void error(const QString& message) const;
    void error(CliMessage message, const QStringList& values = {}) const { error(text(message, values)); }
    void outcome(const QString& message) const;
    // Raw bytes on standard error (the progress bar), unless quiet.
    void progress(const QByteArray& bytes) const;

    // Bytes as they are (JSON, pictures) on standard output.
    void writeData(const QByteArray& bytes);
    // Text in the locale's character set on standard output.
    void writeText(const QString& text);

    // The text as the terminal is given it: the locale's character set.
    QByteArray encoded(const QString& text) const;

    // Flushes and closes standard output. A write that failed there ends the
    // run with status 1 and "write error"; a reader that went away ends it
    // as a pipe's writer ends, by SIGPIPE. Returns the status to exit with.
    int finish(int status);

private:
    void noteWrite(bool written);

    int codePage_;
    LanguageTable texts_;
    Verbosity verbosity_ = Verbosity::Normal;
    int writeErrno_ = 0; // the first failure on standard output
};

} // namespace tessel::cli
