// tessel-cli list and resave, run as a user runs them.
#include "CliTestSupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using tessel::test::CliRun;

namespace {

const QByteArray Head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Records>\r\n";
const QByteArray Tail = "</Records>\r\n";

QByteArray programTag(
    const QByteArray& check, const QByteArray& type, const QByteArray& name, const QByteArray& summary)
{
    return "<Program check=\"" + check + "\" type=\"" + type + "\" name=\"" + name + "\" summary=\"" + summary
        + "\" borderType=\"0\" borderAspect=\"0\" borderSpeed=\"0\" borderColor=\"0\" playCount=\"0\"";
}

// A new text program and a new time program, byte for byte as the editor saves them.
const QByteArray WriterFile = Head + programTag("1", "0", "text1", "Welcome") + ">\r\n"
    + "<action>0</action>\r\n<speed>1</speed>\r\n<stay>0</stay>\r\n<exitType>0</exitType>\r\n"
      "<arabic>0</arabic>\r\n<yOffset>5</yOffset>\r\n<horAlign>0</horAlign>\r\n<verAlign>1</verAlign>\r\n"
      "<charSpacing>1</charSpacing>\r\n<save/>\r\n</Program>\r\n"
    + programTag("1", "3", "time1", "") + "/>\r\n" + Tail;

using CliFilesTest = tessel::test::CliTest;

} // namespace

TEST_F(CliFilesTest, ListsTheProgramsOfASavedFile)
{
    write("saved.led", WriterFile);
    const CliRun result = run({ "list", file("saved.led") });
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, "1\t1\t0\ttext1\tWelcome\n2\t1\t3\ttime1\t\n");
}

TEST_F(CliFilesTest, AScriptWithoutARuntimeFolderSeesNoWarning)
{
    write("saved.led", WriterFile);
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    qunsetenv("XDG_RUNTIME_DIR");
    const CliRun result = run({ "list", file("saved.led") });
    if (!runtime.isNull())
        qputenv("XDG_RUNTIME_DIR", runtime);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
}

TEST_F(CliFilesTest, ListsAHandMadeFileOneLinePerProgram)
{
    // No declaration, a relative path, Chinese text, a tab and a line break
    // inside a name, an unknown kind, and a foreign element.
    write("hand.led",
        "<Records><Note/><Program check=\"0\" type=\"1\" name=\"\xE5\x9B\xBE&#9;one&#10;x\" "
        "summary=\"&lt;s&gt;\"/>"
        "<Program type=\"7\" name=\"odd\"><action>2</action></Program></Records>");
    const CliRun result = run({ "list", "hand.led" });
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, "1\t0\t1\t\xE5\x9B\xBE one x\t<s>\n2\t0\t7\todd\t\n");
}

TEST_F(CliFilesTest, ResaveWritesTheEditorsLayout)
{
    write("saved.led", WriterFile);
    CliRun result = run({ "resave", "saved.led", "copy.led" });
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(read("copy.led"), WriterFile);

    // A hand-made file: out-of-order and missing children take the new
    // program's values; the unknown kind keeps its attributes only.
    write("hand.led",
        "<Records>\n  <Program check=\"1\" type=\"0\" name=\"t\" summary=\"s\">\n"
        "    <speed>3</speed><action>4</action><save>{\\rtf1 a&amp;b}</save>\n  </Program>\n"
        "  <Program type=\"9\" name=\"odd\"><action>2</action></Program>\n</Records>\n");
    result = run({ "resave", file("hand.led"), file("out.led") });
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(read("out.led"),
        Head + programTag("1", "0", "t", "s") + ">\r\n"
            + "<action>4</action>\r\n<speed>1</speed>\r\n<stay>0</stay>\r\n<exitType>0</exitType>\r\n"
              "<arabic>0</arabic>\r\n<yOffset>5</yOffset>\r\n<horAlign>0</horAlign>\r\n<verAlign>1</"
              "verAlign>\r\n"
              "<charSpacing>1</charSpacing>\r\n<save>{\\rtf1 a&amp;b}</save>\r\n</Program>\r\n"
            + programTag("0", "9", "odd", "") + "/>\r\n" + Tail);
}

// A "\" is an ordinary character of a file name: it names no folder.
TEST_F(CliFilesTest, ABackslashInAFileNameIsKept)
{
    write("in.led", WriterFile);
    ASSERT_TRUE(QDir(folder.path()).mkpath("dir"));
    CliRun result = run({ "resave", "in.led", "dir/out\\x.led" });
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(read("dir/out\\x.led"), WriterFile);
    EXPECT_FALSE(QFile::exists(file("dir/out/x.led")));

    write("a\\b.led", WriterFile);
    result = run({ "list", "a\\b.led" });
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, "1\t1\t0\ttext1\tWelcome\n2\t1\t3\ttime1\t\n");
}

TEST_F(CliFilesTest, ABadFileFailsWithTheOpenMessage)
{
    write("notes.led", "<Notes><Program/></Notes>");
    for (const QString& name : { QStringLiteral("notes.led"), QStringLiteral("missing.led") }) {
        const CliRun list = run({ "list", name });
        EXPECT_EQ(list.status, 1);
        EXPECT_TRUE(list.out.isEmpty());
        // Qt may add its own warnings before the message. The language
        // file's words; the system's reason where it gives one.
        EXPECT_TRUE(list.err.contains(
            ("tessel-cli: " + name + " does not exist or its content is damaged.").toUtf8()))
            << list.err.toStdString();
        EXPECT_EQ(list.err.contains("(No such file or directory)"), name == "missing.led")
            << list.err.toStdString();
        const CliRun resave = run({ "resave", name, "out.led" });
        EXPECT_EQ(resave.status, 1);
        EXPECT_FALSE(QFile::exists(file("out.led")));
    }
}

TEST_F(CliFilesTest, AFailedWriteFailsWithAMessage)
{
    write("saved.led", WriterFile);
    const CliRun result = run({ "resave", "saved.led", "no/such/folder/out.led" });
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.contains(file("no/such/folder/out.led").toUtf8())) << result.err.toStdString();
}

TEST_F(CliFilesTest, BadUsageShowsTheUsage)
{
    const std::pair<QStringList, QByteArray> cases[] = {
        { { "list" }, "tessel-cli: missing FILE.led" },
        { { "list", "a.led", "b.led" }, "tessel-cli: unexpected argument 'b.led'" },
        { { "list", "--jsn", "a.led" }, "tessel-cli: unknown option '--jsn'" },
        { { "resave", "a.led" }, "tessel-cli: missing IN.led OUT.led" },
    };
    for (const auto& [args, usage] : cases) {
        const CliRun result = run(args);
        EXPECT_EQ(result.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(result.err.contains(usage)) << result.err.toStdString();
        EXPECT_TRUE(result.err.contains("Try 'tessel-cli " + args[0].toUtf8() + " --help'."))
            << result.err.toStdString();
    }
}
