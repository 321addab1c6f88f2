// tessel-cli as a scripting tool: help and exit statuses, say, list --json,
// devices and the simulated badge's faults, run as a user runs them.
#include "CliTestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <gtest/gtest.h>

using tessel::test::CliRun;

namespace {

class CliScriptingTest : public tessel::test::CliTest {
protected:
    QJsonArray listJson(const QString& name)
    {
        const CliRun list = run({ "list", file(name), "--json" });
        EXPECT_EQ(list.status, 0) << list.err.toStdString();
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(list.out, &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << list.out.toStdString();
        return document.array();
    }
    QList<QByteArray> logLines(const QString& name) { return read(name).trimmed().split('\n'); }
};

TEST_F(CliScriptingTest, HelpVersionAndBadUsage)
{
    for (const char* help : { "--help", "-h" }) {
        const CliRun result = run({ help });
        EXPECT_EQ(result.status, 0);
        for (const char* command : { "say", "devices", "list", "send", "image", "search" })
            EXPECT_TRUE(result.out.contains(QByteArray("tessel-cli ") + command)) << command;
        EXPECT_TRUE(result.out.contains("--sim-latency"));
    }

    CliRun result = run({ "send", "--help" });
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(result.out.startsWith("usage: tessel-cli send FILE.led")) << result.out.toStdString();
    EXPECT_TRUE(result.out.contains("--device-path"));
    result = run({ "list", "--help" });
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(result.out.contains("--json"));
    EXPECT_FALSE(result.out.contains("--sim-fault")) << "list does not talk to the badge";

    result = run({ "--version" });
    EXPECT_EQ(result.status, 0);
    // The GNU form: name and version, copyright, licence.
    const QList<QByteArray> version = result.out.split('\n');
    ASSERT_GE(version.size(), 3) << result.out.toStdString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^tessel-cli \\(tessel\\) \\d+\\.\\d+\\.\\d+$"))
                    .match(QString::fromUtf8(version[0]))
                    .hasMatch())
        << result.out.toStdString();
    EXPECT_TRUE(version[1].startsWith("Copyright (C) ")) << result.out.toStdString();
    EXPECT_TRUE(version[2].startsWith("License GPLv3+")) << result.out.toStdString();

    // Bad usage: status 2, nothing on stdout, the bad word and a hint on stderr.
    const std::vector<std::pair<QStringList, QByteArray>> bad = {
        { {}, "tessel-cli --help" },
        { { "frobnicate" }, "'frobnicate'" },
        { { "--frob" }, "'--frob'" },
        { { "say", "hi", "--frob" }, "'--frob'" },
        { { "search", "--sim-latency", "x", "--device", "sim" }, "'x'" },
        { { "search", "--sim-fault", "wobbly", "--device", "sim" }, "'wobbly'" },
        { { "search", "--sim-fault", "silent" }, "--device sim" },
        { { "devices", "--device-path", "/dev/hidraw0" }, "--device-path" },
        { { "say", "hi", "-o", "x.led", "--device", "sim" }, "-o" },
    };
    for (const auto& [args, said] : bad) {
        result = run(args);
        EXPECT_EQ(result.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(result.out.isEmpty()) << args.join(' ').toStdString();
        EXPECT_TRUE(result.err.contains(said)) << result.err.toStdString();
        EXPECT_TRUE(result.err.contains("--help")) << result.err.toStdString();
    }
}

// say -o writes the program that say sends: the image of the file is the
// image the badge receives, and the program has a new text program's
// settings (face, size for 12 rows, red, effect settings).
TEST_F(CliScriptingTest, SayFileGivesTheBytesSaySends)
{
    const QString text = QStringLiteral("Build [A001] passed");
    CliRun result = run({ "say", text, "-o", file("say.led") });
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    result = run({ "image", file("say.led"), "--screen", "12x48", "-o", file("image.bin") });
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    result = run({ "say", text, "--device", "sim", "--sim-dump", file("dump.bin") });
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    ASSERT_GT(read("image.bin").size(), 8);
    EXPECT_EQ(read("dump.bin"), read("image.bin"));

    const QJsonArray list = listJson("say.led");
    ASSERT_EQ(list.size(), 1);
    const QJsonObject program = list[0].toObject();
    EXPECT_EQ(program["summary"].toString(), text);
    EXPECT_TRUE(program["checked"].toBool());
    EXPECT_EQ(program["action"].toInt(), 0);
    EXPECT_EQ(program["speed"].toInt(), 1);
    EXPECT_EQ(program["stay"].toInt(), 0);
    EXPECT_EQ(program["playCount"].toInt(), 0);
    const QString save = program["save"].toString();
    EXPECT_TRUE(save.contains("Arial")) << save.toStdString();
    EXPECT_TRUE(save.contains("\\fs18")) << save.toStdString();
    EXPECT_TRUE(save.contains("\\red255\\green0\\blue0")) << save.toStdString();
}

TEST_F(CliScriptingTest, SayOptionsAndStandardInput)
{
    CliRun result = run(
        { "say", "-", "--effect", "2", "--speed", "6", "--stay", "3", "--exit", "1", "--loops", "4",
            "--border", "2", "--font", "DejaVu Sans", "--size", "10", "--colour", "green", "--background",
            "#0000FF", "--bold", "--italic", "--align", "right", "--arabic", "-o", file("options.led") },
        "line one\r\nline two\n\n");
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    QJsonObject program = listJson("options.led")[0].toObject();
    EXPECT_EQ(program["summary"].toString(), "line one\rline two");
    EXPECT_EQ(program["action"].toInt(), 2);
    EXPECT_EQ(program["speed"].toInt(), 5);
    EXPECT_EQ(program["stay"].toInt(), 2);
    EXPECT_EQ(program["exitType"].toInt(), 1);
    EXPECT_EQ(program["playCount"].toInt(), 3);
    EXPECT_EQ(program["borderType"].toInt(), 2);
    EXPECT_EQ(program["horAlign"].toInt(), 2);
    EXPECT_EQ(program["arabic"].toInt(), 1);
    const QString save = program["save"].toString();
    for (const char* part : { "DejaVu Sans", "\\fs20", "\\b", "\\i", "\\qr", "\\red0\\green255\\blue0",
             "\\red0\\green0\\blue255", "\\highlight" })
        EXPECT_TRUE(save.contains(QLatin1String(part))) << part << " in " << save.toStdString();

    // Not UTF-8: the system's code page (Windows-1252 for English).
    result = run({ "say", "-", "-o", file("latin.led") },
        "Gr\xFC\xDF"
        "e\n");
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    program = listJson("latin.led")[0].toObject();
    EXPECT_EQ(program["summary"].toString(), QStringLiteral(u"Grüße"));

    // A text that looks like an option follows "--", which ends the options.
    result = run({ "say", "-o", file("minus.led"), "--", "-5 degrees" });
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(listJson("minus.led")[0].toObject()["summary"].toString(), "-5 degrees");
}

TEST_F(CliScriptingTest, SayBadInput)
{
    for (const QByteArray& input : { QByteArray(), QByteArray("\n\r\n") }) {
        const CliRun result = run({ "say", "-", "--device", "sim", "--sim-log", file("empty.log") }, input);
        EXPECT_EQ(result.status, 1);
        EXPECT_TRUE(result.err.contains("empty")) << result.err.toStdString();
        EXPECT_TRUE(read("empty.log").isEmpty()) << "nothing was sent";
    }
    for (const auto& [option, value] :
        std::vector<std::pair<QString, QString>> { { "--colour", "pink" }, { "--background", "#12345G" },
            { "--effect", "31" }, { "--speed", "0" }, { "--align", "middle" }, { "--loops", "256" } }) {
        const CliRun result = run({ "say", "hi", option, value, "--device", "sim" });
        EXPECT_EQ(result.status, 2) << option.toStdString();
        EXPECT_TRUE(result.err.contains(value.toUtf8())) << result.err.toStdString();
    }

    // Wider than a text program can show: sent as far as it goes.
    const CliRun result
        = run({ "say", QString(1500, u'W'), "--device", "sim", "--sim-dump", file("long.bin") });
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains("warning")) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains("10000"));
    EXPECT_GT(read("long.bin").size(), 10000 / 8 * 12);
}

TEST_F(CliScriptingTest, ListJsonHasEveryFieldOfEachKind)
{
    write("two.led",
        "<Records><Program check=\"0\" type=\"1\" name=\"pic\" summary=\"\" borderType=\"3\">"
        "<action>4</action><delBgColor>255</delBgColor><fileName>a.bmp</fileName></Program>"
        "<Program type=\"3\" name=\"clock\"/></Records>");
    const QJsonArray list = listJson("two.led");
    ASSERT_EQ(list.size(), 2);
    const QJsonObject image = list[0].toObject();
    EXPECT_EQ(image["index"].toInt(), 1);
    EXPECT_FALSE(image["checked"].toBool());
    EXPECT_EQ(image["type"].toInt(), 1);
    EXPECT_EQ(image["name"].toString(), "pic");
    EXPECT_EQ(image["borderType"].toInt(), 3);
    EXPECT_EQ(image["action"].toInt(), 4);
    EXPECT_EQ(image["delBgColor"].toInt(), 255);
    EXPECT_EQ(image["fileName"].toString(), "a.bmp");
    EXPECT_FALSE(image.contains("save"));
    const QJsonObject clock = list[1].toObject();
    EXPECT_EQ(clock["index"].toInt(), 2);
    EXPECT_EQ(clock["type"].toInt(), 3);
    EXPECT_FALSE(clock.contains("action")) << "a time program has no stored fields";
}

TEST_F(CliScriptingTest, DevicesListsTheSimulatedBadge)
{
    CliRun result = run({ "devices", "--device", "sim" });
    EXPECT_EQ(result.status, 0);
    const QList<QByteArray> fields = result.out.trimmed().split('\t');
    ASSERT_EQ(fields.size(), 3) << result.out.toStdString();
    EXPECT_EQ(fields[0], "sim");

    result = run({ "devices", "--device", "sim", "--json" });
    EXPECT_EQ(result.status, 0);
    const QJsonArray badges = QJsonDocument::fromJson(result.out).array();
    ASSERT_EQ(badges.size(), 1);
    EXPECT_EQ(badges[0].toObject()["path"].toString(), "sim");
    EXPECT_TRUE(badges[0].toObject().contains("serial"));
    EXPECT_TRUE(badges[0].toObject().contains("product"));

    // Real badges: none here is not a failure, and the JSON stays an array.
    result = run({ "devices", "--json" });
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(QJsonDocument::fromJson(result.out).isArray()) << result.out.toStdString();
}

TEST_F(CliScriptingTest, SimulatorFaultsFromTheCommandLine)
{
    // Several data packets at 12 rows of 48 columns.
    ASSERT_EQ(run({ "say", "Four packets of text for the badge", "-o", file("long.led") }).status, 0);

    const auto send = [&](const QStringList& fault) {
        return run(QStringList { "send", file("long.led"), "--device", "sim", "--sim-log", file("fault.log") }
            + fault);
    };
    for (const char* fault : { "silent", "late", "bad-crc", "reject" }) {
        const CliRun result = send({ "--sim-fault", fault });
        EXPECT_EQ(result.status, 1) << fault;
        EXPECT_FALSE(result.err.trimmed().isEmpty()) << fault;
        EXPECT_EQ(logLines("fault.log").first().left(8), "> 00 00 ") << fault << ": the handshake only";
        EXPECT_FALSE(read("fault.log").contains("> 00 0e")) << fault;
    }

    CliRun result = send({ "--sim-fault", "refuse" });
    EXPECT_EQ(result.status, 1);
    EXPECT_FALSE(read("fault.log").contains("> 00 10")) << "no data packet after a refusal";

    // No answer from data packet 1 on: packet 1 is written three times.
    result = send({ "--sim-fault", "stop-after=1" });
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(read("fault.log").count("> 00 10 00 3a 01 00"), 3) << read("fault.log").toStdString();

    result = send({ "--sim-fault", "unplug-after=2", "--sim-latency", "2" });
    EXPECT_EQ(result.status, 1);
    EXPECT_FALSE(read("fault.log").contains("> 00 10 00 3a 03 00"));

    result = send({ "--sim-latency", "5" });
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
}

} // namespace
