// tessel-cli's streams as a pipeline sees them: data alone on standard
// output, every write to it checked, messages on standard error in the run's
// one language and the locale's character set, nothing that drives a
// terminal.
#include "CliTestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>
#include <QStringEncoder>
#include <gtest/gtest.h>

using tessel::test::CliRun;

namespace {

// Locales generated with localedef into a LOCPATH of their own, as a machine
// with only the C locale has none of them; kept in the build folder, so that
// each is made once.
class CliStreamsTest : public tessel::test::CliTest {
protected:
    // Every later run in the locale; skips the test when it cannot be made.
    void useLocale(const QString& name)
    {
        const QString locales = QStringLiteral(TESSEL_BIN_DIR "/../test-locales");
        if (name != QLatin1String("C") && !QFileInfo::exists(locales + u'/' + name)) {
            // Made beside and renamed, so that tests running at once never
            // see half a locale.
            QDir().mkpath(locales);
            QTemporaryDir making(locales + QStringLiteral("/making-XXXXXX"));
            QProcess localedef;
            localedef.start(QStringLiteral("localedef"),
                { QStringLiteral("-i"), name.section(u'.', 0, 0), QStringLiteral("-f"), name.section(u'.', 1),
                    making.filePath(name) });
            const bool made = localedef.waitForFinished(120000) && localedef.exitCode() == 0;
            if (made)
                QDir().rename(making.filePath(name), locales + u'/' + name);
            if (!QFileInfo::exists(locales + u'/' + name))
                GTEST_SKIP() << "localedef could not make " << name.toStdString();
        }
        extraEnvironment[QStringLiteral("LOCPATH")] = locales;
        extraEnvironment[QStringLiteral("LC_ALL")] = name;
    }

    // Runs a bash command line; $0 is the tool.
    CliRun runInBash(const QString& command)
    {
        const QString built = tool;
        tool = QStringLiteral("bash");
        const CliRun result = run({ QStringLiteral("-c"), command, built });
        tool = built;
        return result;
    }

    QString programFile(const QString& name, const QString& programName)
    {
        return write(name,
            ("<Records><Program check=\"1\" type=\"0\" name=\"" + programName.toHtmlEscaped()
                + "\" summary=\"s\"/></Records>")
                .toUtf8());
    }
};

TEST_F(CliStreamsTest, AFullStandardOutputFailsTheRun)
{
    useLocale(QStringLiteral("C"));
    programFile(QStringLiteral("a.led"), QStringLiteral("a"));
    standardOutputFile = QStringLiteral("/dev/full");
    for (const QStringList& args :
        { QStringList { "list", "a.led" }, QStringList { "list", "--json", "a.led" },
            QStringList { "--help" }, QStringList { "--version" }, QStringList { "list", "--help" },
            QStringList { "get-params", "--device", "sim" }, QStringList { "devices", "--device", "sim" } }) {
        const CliRun result = run(args);
        EXPECT_EQ(result.status, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(result.err.contains("tessel-cli: write error: No space left on device"))
            << args.join(' ').toStdString() << ": " << result.err.toStdString();
    }
}

// A reader that goes away ends the writer as any pipeline's writer ends,
// quietly, whether or not SIGPIPE was ignored by the caller.
TEST_F(CliStreamsTest, AClosedPipeEndsQuietly)
{
    QString programs;
    for (int i = 0; i < 2000; ++i)
        programs += QStringLiteral("<Program type=\"3\" name=\"%1\"/>").arg(QString(100, u'n'));
    write(QStringLiteral("big.led"), ("<Records>" + programs + "</Records>").toUtf8());
    for (const char* trap : { "", "trap '' PIPE; " }) {
        const CliRun result = runInBash(
            QLatin1String(trap) + "\"$0\" list big.led | head -c 10 >/dev/null; echo ${PIPESTATUS[0]}");
        EXPECT_EQ(result.out.trimmed(), "141") << trap;
        EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
    }
}

TEST_F(CliStreamsTest, OutcomesGoToStandardErrorAndQuietSilencesThem)
{
    ASSERT_EQ(run({ "say", "Hi", "-o", "hi.led" }).status, 0);
    CliRun result = run({ "send", "hi.led", "--device", "sim" });
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(result.out.isEmpty());
    EXPECT_EQ(result.err, "tessel-cli: Programs sent.\n");
    for (const QStringList& quiet : { QStringList { "send", "-q", "hi.led", "--device", "sim" },
             QStringList { "-q", "send", "hi.led", "--device", "sim" },
             QStringList { "send", "--quiet", "hi.led", "--device", "sim" } }) {
        result = run(quiet);
        EXPECT_EQ(result.status, 0);
        EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
    }
    // Errors still print.
    result = run({ "send", "-q", "hi.led", "--device", "sim", "--sim-fault", "silent" });
    EXPECT_EQ(result.status, 1);
    EXPECT_FALSE(result.err.isEmpty());

    // get-params: the data line on standard output, the outcome apart.
    result = run({ "get-params", "--device", "sim" });
    EXPECT_EQ(result.out, ",0,12*48,R,Low,595\n");
    EXPECT_EQ(result.err, "tessel-cli: Screen parameters read.\n");

    // A log that cannot be written fails the send, and nothing says it
    // succeeded.
    result = run({ "send", "hi.led", "--device", "sim", "--sim-log", "no/such/folder/x.log" });
    EXPECT_EQ(result.status, 1);
    EXPECT_FALSE(result.err.contains("Programs sent")) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains("no/such/folder/x.log")) << result.err.toStdString();
}

TEST_F(CliStreamsTest, OneLanguagePerRun)
{
    programFile(QStringLiteral("a.led"), QStringLiteral("a"));
    struct Expected {
        const char* locale;
        const char* openFailed;
        const char* unknownOption;
        const char* found;
    };
    const Expected languages[] = {
        { "C", "missing.led does not exist or its content is damaged.", "unknown option '--frob'",
            "Badge found." },
        { "de_DE.UTF-8", "missing.led existiert nicht oder der Inhalt ist beschädigt.",
            "unbekannte Option '--frob'", "Namensschild gefunden." },
        { "ja_JP.UTF-8", "missing.led は存在しないか、内容が壊れています。", "不明なオプション '--frob'",
            "バッジが見つかりました。" },
    };
    for (const Expected& language : languages) {
        useLocale(QLatin1String(language.locale));
        CliRun result = run({ "list", "missing.led" });
        EXPECT_EQ(result.status, 1);
        EXPECT_TRUE(result.err.startsWith(QByteArray("tessel-cli: ") + language.openFailed))
            << language.locale << ": " << result.err.toStdString();
        result = run({ "list", "--frob", "a.led" });
        EXPECT_EQ(result.status, 2);
        EXPECT_TRUE(result.err.startsWith(QByteArray("tessel-cli: ") + language.unknownOption))
            << language.locale << ": " << result.err.toStdString();
        EXPECT_EQ(result.err.count("tessel-cli list --help"), 1) << result.err.toStdString();
        result = run({ "search", "--device", "sim" });
        EXPECT_EQ(result.err, QByteArray("tessel-cli: ") + language.found + '\n') << language.locale;
    }
    // The badge stopping mid-transfer, which has no text of the fixed table.
    useLocale(QStringLiteral("de_DE.UTF-8"));
    ASSERT_EQ(run({ "say", "Four packets of text for the badge", "-o", "long.led" }).status, 0);
    const CliRun result = run({ "send", "long.led", "--device", "sim", "--sim-fault", "stop-after=1" });
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "tessel-cli: das Namensschild antwortet nicht mehr\n");
    // Warnings too.
    write(QStringLiteral("cut.led"), "<Records><Program check=\"1\" type=\"0\" name=\"a\" summary=\"s\"/>");
    const CliRun cut = run({ "list", "cut.led" });
    EXPECT_EQ(cut.status, 0);
    EXPECT_EQ(cut.err, "tessel-cli: Warnung: 'cut.led' ist beschädigt oder unvollständig; gelesene Programme: 1\n");
}

TEST_F(CliStreamsTest, TextIsWrittenInTheLocalesCharacterSet)
{
    const QString name = QStringLiteral(u"Grüße 你好");
    programFile(QStringLiteral("a.led"), name);
    for (const char* locale : { "de_DE.ISO-8859-1", "zh_CN.GB18030", "C" }) {
        useLocale(QLatin1String(locale));
        const QByteArray charset = QByteArray(locale).contains("GB18030") ? "GB18030"
            : QByteArray(locale).contains("8859")                         ? "ISO-8859-1"
                                                                          : "US-ASCII";
        const auto encode = [&charset](const QString& text) {
            if (charset == "US-ASCII")
                return QString(text)
                    .replace(QRegularExpression(QStringLiteral("[^\\x{0}-\\x{7f}]")), "?")
                    .toLatin1();
            if (charset == "ISO-8859-1")
                return QString(text)
                    .replace(QRegularExpression(QStringLiteral("[^\\x{0}-\\x{ff}]")), "?")
                    .toLatin1();
            QStringEncoder encoder(charset.constData());
            return QByteArray(encoder.encode(text));
        };
        CliRun result = run({ "list", "a.led" });
        EXPECT_EQ(result.out, "1\t1\t0\t" + encode(name) + "\ts\n") << locale;
        // JSON stays UTF-8 whatever the locale.
        result = run({ "list", "--json", "a.led" });
        EXPECT_EQ(QJsonDocument::fromJson(result.out).array()[0].toObject()["name"].toString(), name)
            << locale;
        result = run({ "list", "missing.led" });
        const QString expected = QByteArray(locale).startsWith("de")
            ? QStringLiteral(u"tessel-cli: missing.led existiert nicht oder der Inhalt ist beschädigt.")
            : QByteArray(locale).startsWith("zh")
            ? QStringLiteral(u"tessel-cli: missing.led 文件不存在或者内容出错！")
            : QStringLiteral("tessel-cli: missing.led does not exist");
        EXPECT_TRUE(result.err.startsWith(encode(expected))) << locale << ": " << result.err.toStdString();
    }
    // Arguments are read in the locale's character set too.
    useLocale(QStringLiteral("de_DE.ISO-8859-1"));
    ASSERT_EQ(runInBash(QStringLiteral("\"$0\" say \"$(printf 'Gr\\374\\337e')\" -o say.led")).status, 0);
    extraEnvironment.remove(QStringLiteral("LC_ALL"));
    const CliRun list = run({ "list", "--json", "say.led" });
    EXPECT_EQ(QJsonDocument::fromJson(list.out).array()[0].toObject()["summary"].toString(),
        QStringLiteral(u"Grüße"));
}

// A locale that is not installed still names the character set the
// terminal expects; without a name it is the C locale's ASCII.
TEST_F(CliStreamsTest, ALocaleNotInstalledKeepsTheCharacterSetItNames)
{
    for (const auto& [locale, word] : { std::pair { "de_XX.UTF-8",
                                            QByteArray("besch\xC3\xA4"
                                                       "digt") },
             { "de_XX", QByteArray("besch?digt") } }) {
        extraEnvironment[QStringLiteral("LC_ALL")] = QLatin1String(locale);
        const CliRun result = run({ "list", "missing.led" });
        EXPECT_TRUE(result.err.contains(word)) << locale << ": " << result.err.toStdString();
    }
}

TEST_F(CliStreamsTest, ControlCharactersAreEscaped)
{
    const QString name = QStringLiteral("a\x1b[31mred\x07\x7f") + QChar(0x9B) + QStringLiteral("2J");
    programFile(QStringLiteral("a.led"), name);
    CliRun result = run({ "list", "a.led" });
    EXPECT_EQ(result.out, "1\t1\t0\ta\\e[31mred\\x07\\x7f\\u009b2J\ts\n");
    result = run({ "list", "--json", "a.led" });
    EXPECT_EQ(QJsonDocument::fromJson(result.out).array()[0].toObject()["name"].toString(), name);
    EXPECT_FALSE(result.out.contains('\x1b'));

    // A file name in a message cannot drive the terminal either.
    result = run({ "list", "\x1b[2J.led" });
    EXPECT_EQ(result.status, 1);
    EXPECT_FALSE(result.err.contains('\x1b'));
    EXPECT_TRUE(result.err.contains("\\e[2J.led")) << result.err.toStdString();
}

} // namespace
