// What tessel-cli promises scripts: the JSON fields the man page documents,
// the bash completion of every command and option, and a language file text
// for every message.
#include "CliTestSupport.h"
#include "cli/CliMessages.h"
#include "i18n/LanguageTable.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

using tessel::test::CliRun;

namespace {

const QString ManPage = QStringLiteral(TESSEL_SOURCE_DIR "/data/man/tessel-cli.1.in");
const QString Completion = QStringLiteral(TESSEL_SOURCE_DIR "/data/completion/tessel-cli");

QString readSource(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The fields the man page lists under ".SS <heading>": each ".TP" item's
// bold word, up to the next heading.
QSet<QString> documentedFields(const QString& heading)
{
    const QString page = readSource(ManPage);
    const qsizetype start = page.indexOf(QStringLiteral(".SS ") + heading + u'\n');
    if (start < 0)
        return {};
    qsizetype end = page.indexOf(QRegularExpression(QStringLiteral("\\n\\.S[SH] ")), start + 1);
    const QString section = page.mid(start, end < 0 ? -1 : end - start);
    QSet<QString> fields;
    const QRegularExpression item(QStringLiteral("\\n\\.TP\\n\\.B (\\w+)\\n"));
    for (auto match = item.globalMatch(section); match.hasNext();)
        fields.insert(match.next().captured(1));
    return fields;
}

QSet<QString> keysOf(const QJsonObject& object)
{
    const QStringList keys = object.keys();
    return QSet<QString>(keys.begin(), keys.end());
}

class CliContractTest : public tessel::test::CliTest {
protected:
    // The words the completion offers for the command line `words`, the
    // last being completed; fc-list answers with `fonts`.
    QStringList complete(const QStringList& words, const QString& fonts = {})
    {
        QStringList quoted;
        for (const QString& word : words)
            quoted.append(u'\'' + word + u'\'');
        const QString script
            = QStringLiteral("source '%1'; fc-list() { printf '%2'; }; COMP_WORDS=(%3); "
                             "COMP_CWORD=%4; _tessel_cli; printf '%s\\n' \"${COMPREPLY[@]}\"")
                  .arg(Completion, fonts, quoted.join(u' '))
                  .arg(words.size() - 1);
        const QString built = tool;
        tool = QStringLiteral("bash");
        const CliRun result = run({ QStringLiteral("-c"), script });
        tool = built;
        EXPECT_EQ(result.status, 0) << result.err.toStdString();
        QStringList offered = QString::fromUtf8(result.out).split(u'\n', Qt::SkipEmptyParts);
        offered.sort();
        return offered;
    }
};

TEST_F(CliContractTest, JsonHoldsTheDocumentedFields)
{
    write("all.led",
        "<Records><Program type=\"0\" name=\"t\"><save>{\\rtf1 a}</save></Program>"
        "<Program type=\"1\" name=\"i\"/><Program type=\"2\" name=\"a\"/><Program type=\"3\" name=\"c\"/>"
        "<Program type=\"9\" name=\"u\"/></Records>");
    const CliRun list = run({ "list", "--json", "all.led" });
    ASSERT_EQ(list.status, 0) << list.err.toStdString();
    QSet<QString> fields;
    for (const QJsonValue program : QJsonDocument::fromJson(list.out).array())
        fields.unite(keysOf(program.toObject()));
    EXPECT_EQ(fields, documentedFields(QStringLiteral("list \\-\\-json")));

    const CliRun params = run({ "get-params", "--json", "--device", "sim" });
    ASSERT_EQ(params.status, 0) << params.err.toStdString();
    const QJsonObject para = QJsonDocument::fromJson(params.out).object();
    EXPECT_EQ(keysOf(para), documentedFields(QStringLiteral("get\\-params \\-\\-json")));
    EXPECT_EQ(para["name"].toString(), QString()); // the badge sends no name
    EXPECT_EQ(para["rows"].toInt(), 12);
    EXPECT_EQ(para["columns"].toInt(), 48);
    EXPECT_EQ(para["colours"].toString(), "R");
    EXPECT_EQ(para["oe"].toString(), "Low");
    EXPECT_EQ(para["data"].toString(), "595");

    const CliRun devices = run({ "devices", "--json", "--device", "sim" });
    ASSERT_EQ(devices.status, 0);
    EXPECT_EQ(keysOf(QJsonDocument::fromJson(devices.out).array()[0].toObject()),
        documentedFields(QStringLiteral("devices \\-\\-json")));
}

// Every command and option the tool knows is completed, and nothing else.
TEST_F(CliContractTest, CompletionOffersEveryCommandAndOption)
{
    const CliRun help = run({ "--help" });
    QStringList commands;
    const QRegularExpression commandLine(
        QStringLiteral("^  tessel-cli ([a-z-]+) "), QRegularExpression::MultilineOption);
    for (auto match = commandLine.globalMatch(QString::fromUtf8(help.out)); match.hasNext();)
        commands.append(match.next().captured(1));
    ASSERT_GE(commands.size(), 13);
    QStringList topLevel = commands + QStringList { "--help", "-h", "--version", "-q", "--quiet" };
    topLevel.sort();
    EXPECT_EQ(complete({ "tessel-cli", "" }), topLevel);

    // A command's options are those its help lists, one a line.
    const QRegularExpression optionLine(
        QStringLiteral("^ {2,4}(-{1,2}[a-z-]+)(?:,? (-{1,2}[a-z-]+))?"), QRegularExpression::MultilineOption);
    for (const QString& command : commands) {
        const CliRun commandHelp = run({ command, "--help" });
        QSet<QString> listed;
        for (auto match = optionLine.globalMatch(QString::fromUtf8(commandHelp.out)); match.hasNext();) {
            const auto found = match.next();
            listed.insert(found.captured(1));
            if (!found.captured(2).isEmpty())
                listed.insert(found.captured(2));
        }
        // -o is listed as "-o FILE"; --output is its other name.
        if (listed.contains(QStringLiteral("-o")))
            listed.insert(QStringLiteral("--output"));
        QStringList expected(listed.begin(), listed.end());
        expected.sort();
        EXPECT_EQ(complete({ "tessel-cli", command, "-" }).join(u' ').toStdString(),
            expected.join(u' ').toStdString())
            << command.toStdString();
    }
}

TEST_F(CliContractTest, CompletionOffersValuesAndQuotesFontNames)
{
    EXPECT_EQ(complete({ "tessel-cli", "send", "--device", "" }), (QStringList { "sim", "usb" }));
    EXPECT_EQ(complete({ "tessel-cli", "say", "hi", "--align", "c" }), QStringList { "centre" });
    EXPECT_EQ(
        complete({ "tessel-cli", "-q", "set-params", "--rgb", "" }), (QStringList { "R", "RG", "RGB" }));
    EXPECT_EQ(complete({ "tessel-cli", "say", "--font", "Lib" },
                  "Liberation Sans\\nLiberation Mono,Mono\\nArial\\n"),
        (QStringList { "Liberation\\ Mono", "Liberation\\ Sans" }));
    EXPECT_EQ(complete({ "tessel-cli", "say", "--font", "Liberation\\ S" }, "Liberation Sans\\nArial\\n"),
        QStringList { "Liberation\\ Sans" });
    // After "--" no option is offered.
    EXPECT_TRUE(complete({ "tessel-cli", "list", "--", "--" }).filter(QStringLiteral("--json")).isEmpty());
}

TEST(CliMessages, EveryMessageIsAFurtherKeyOfTheLanguageFiles)
{
    for (const QString& key : tessel::cli::messageKeys())
        EXPECT_TRUE(tessel::LanguageTable::furtherKeys().contains(key)) << key.toStdString();
}

} // namespace
