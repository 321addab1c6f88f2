// Runs tessel-cli as a user runs it: a process in a temporary folder of its
// own, which holds the files a test writes and the tool writes.
#pragma once

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tessel::test {

struct CliRun {
    int status = -1; // -1 when the tool crashed or did not finish
    QByteArray out;
    QByteArray err;
};

class CliTest : public ::testing::Test {
protected:
    // Runs the built tool, or its copy after copyTool, with `input` on its
    // standard input.
    CliRun run(const QStringList& args, const QByteArray& input = {})
    {
        QProcess process;
        process.setWorkingDirectory(folder.path());
        // An installed tool looks for its settings in the user's folders:
        // those of the test, never the real ones.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), file(QStringLiteral("xdg-config")));
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), file(QStringLiteral("xdg-cache")));
        for (auto it = extraEnvironment.cbegin(); it != extraEnvironment.cend(); ++it)
            environment.insert(it.key(), it.value());
        process.setProcessEnvironment(environment);
        if (!standardOutputFile.isEmpty())
            process.setStandardOutputFile(standardOutputFile);
        process.start(tool, args);
        process.write(input);
        process.closeWriteChannel();
        CliRun result;
        if (!process.waitForFinished(30000)) {
            ADD_FAILURE() << "tessel-cli did not finish";
            process.kill();
            process.waitForFinished();
            return result;
        }
        result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        result.out = process.readAllStandardOutput();
        result.err = process.readAllStandardError();
        return result;
    }

    // Copies the built tool into the folder, so that it reads the "app.xml"
    // written there.
    void copyTool()
    {
        ASSERT_TRUE(folder.isValid());
        tool = file(QStringLiteral("tessel-cli"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(TESSEL_BIN_DIR "/tessel-cli"), tool));
    }

    QString file(const QString& name) const { return folder.filePath(name); }

    // Returns the file's path.
    QString write(const QString& name, const QByteArray& bytes)
    {
        QFile f(file(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << name.toStdString();
        f.write(bytes);
        return f.fileName();
    }

    QByteArray read(const QString& name) const
    {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir folder;
    // Set for every run after this: variables beside the test's own
    // environment, and a file that takes the standard output.
    QMap<QString, QString> extraEnvironment;
    QString standardOutputFile;
    QString tool = QStringLiteral(TESSEL_BIN_DIR "/tessel-cli");
};

} // namespace tessel::test
