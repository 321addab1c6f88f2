// A main window started as the editor starts it, in a temporary application
// folder with the shipped language files, talking to the badge simulator,
// with the file dialogs and questions answered by script.
#pragma once

#include "device/BadgeSimulator.h"
#include "device/HidLink.h"
#include "files/ProgramFile.h"
#include "files/SettingsFile.h"
#include "i18n/LanguageTable.h"
#include "model/AppData.h"
#include "ui/mainframe/CMainFrame.h"
#include "ui/mainframe/EditorStartUp.h"
#include "ui/mainframe/ProgramView.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <deque>
#include <gtest/gtest.h>

inline void initEditorResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace tessel::test {

struct Message {
    QString text;
    QString caption;
};

// Answers the file dialogs and questions and records what was shown.
struct ScriptedDialogs {
    std::deque<SaveAnswer> answers; // Cancel when empty
    std::optional<QString> openPath;
    std::optional<QString> savePath;
    std::vector<Message> questions;
    std::vector<Message> failures; // open failed and write failed

    FileDialogs dialogs()
    {
        return {
            [this](QWidget*, const QString&) { return openPath; },
            [this](QWidget*, const SaveDialogRequest&) { return savePath; },
            [this](QWidget*, const QString& question, const QString& caption) {
                questions.push_back({ question, caption });
                if (answers.empty())
                    return SaveAnswer::Cancel;
                const SaveAnswer answer = answers.front();
                answers.pop_front();
                return answer;
            },
            [this](QWidget*, const QString& text, const QString& caption) {
                failures.push_back({ text, caption });
            },
            [this](QWidget*, const QString& text, const QString& caption) {
                failures.push_back({ text, caption });
            },
        };
    }
};

// Processes events until the condition holds or the time is up.
inline bool waitUntil(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return done();
}

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        initEditorResources();
        ASSERT_TRUE(folder.isValid());
        exeDir = folder.path() + QLatin1Char('/');
        QDir().mkpath(exeDir + QStringLiteral("language"));
        const QDir shipped(QStringLiteral(TESSEL_BIN_DIR "/language"));
        for (const QString& name : shipped.entryList({ QStringLiteral("*.ini") }, QDir::Files))
            QFile::copy(shipped.filePath(name), exeDir + QStringLiteral("language/") + name);
        link = std::make_unique<HidLink>(badge, &replyTarget);
    }

    void TearDown() override { frame.reset(); }

    // Starts the editor in English unless settings were written beforehand.
    void start(const QString& commandLineFile = QString())
    {
        frame
            = StartEditor({ data, texts, *link, LocateAppPaths(exeDir), commandLineFile, script.dialogs() });
    }

    // "app.xml" in English with whatever the edit adds.
    void writeSettings(const std::function<void(AppData&)>& edit = {})
    {
        AppData settings;
        settings.paths = PortablePaths(exeDir);
        settings.resetSettings();
        settings.lan = 3;
        settings.lanID = 1033;
        if (edit)
            edit(settings);
        ASSERT_TRUE(saveSettings(settings));
    }

    // A program file of `count` text programs named "<prefix>1".. in the
    // application folder; answers its file name.
    QString writeProgramList(const QString& name, int count, const QString& prefix = QStringLiteral("Text"))
    {
        AppData list;
        list.paths = PortablePaths(exeDir);
        for (int i = 0; i < count; ++i)
            list.addProgram(ItemKind::Text, prefix);
        EXPECT_TRUE(writeProgramFile(list, exeDir + name));
        return name;
    }

    QString text(QStringView key) const { return texts.text(key); }
    QString rootLabel(int count) const
    {
        return texts.text(u"programLists") + QLatin1Char('(') + QString::number(count) + QLatin1Char(')');
    }
    ProgramView& tree() const { return *frame->treePane(); }

    QTemporaryDir folder;
    QString exeDir;
    AppData data;
    LanguageTable texts;
    BadgeSimulator badge;
    QObject replyTarget;
    std::unique_ptr<HidLink> link;
    ScriptedDialogs script;
    std::unique_ptr<CMainFrame> frame;
};

// A main window already started in English from fresh settings.
class StartedMainFrameTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        writeSettings();
        start();
        ASSERT_TRUE(frame);
    }
};

} // namespace tessel::test
