// tessel-cli's command line as scripts write it: every form of an option and
// its value, "--" ending the options and "-" for standard input in every
// command, and usage errors that name the bad word.
#include "CliTestSupport.h"

#include <QBuffer>
#include <QImage>
#include <gtest/gtest.h>

using tessel::test::CliRun;

namespace {

class CliCommandLineTest : public tessel::test::CliTest {
protected:
    void SetUp() override
    {
        ASSERT_EQ(run({ "say", "Hello", "-o", file("hello.led") }).status, 0);
        hello = read("hello.led");
    }

    static QByteArray bmp()
    {
        QImage picture(8, 4, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "BMP");
        return buffer.data();
    }

    QByteArray hello;
};

TEST_F(CliCommandLineTest, EveryFormOfAnOptionAndItsValue)
{
    const QStringList forms[] = {
        { "render", "hello.led", "--screen", "12x48", "-p", "1", "-o", "a.bmp" },
        { "render", "hello.led", "--screen=12x48", "-p1", "-oa.bmp" },
        { "render", "--output=a.bmp", "--screen=12x48", "hello.led" },
        { "render", "-o", "a.bmp", "hello.led", "--screen", "12x48" },
    };
    QByteArray first;
    for (const QStringList& args : forms) {
        QFile::remove(file("a.bmp"));
        const CliRun result = run(args);
        ASSERT_EQ(result.status, 0) << args.join(' ').toStdString() << ": " << result.err.toStdString();
        if (first.isEmpty())
            first = read("a.bmp");
        EXPECT_EQ(read("a.bmp"), first) << args.join(' ').toStdString();
    }
    ASSERT_FALSE(first.isEmpty());

    // The same flags and values spelt either way give the same program.
    ASSERT_EQ(run({ "say", "Hi", "--speed", "3", "--colour", "green", "--bold", "-o", "a.led" }).status, 0);
    ASSERT_EQ(run({ "say", "--speed=3", "--colour=green", "--bold", "-oa.led2", "Hi" }).status, 0);
    EXPECT_EQ(read("a.led"), read("a.led2"));
}

TEST_F(CliCommandLineTest, DashDashEndsTheOptionsInEveryCommand)
{
    write("-dash.led", hello);
    write("-dash.bmp", bmp());
    const std::pair<QStringList, QString> commands[] = {
        { { "list", "--", "-dash.led" }, {} },
        { { "resave", "--", "-dash.led", "-copy.led" }, "-copy.led" },
        { { "render", "-o", "r.bmp", "--", "-dash.led" }, "r.bmp" },
        { { "image", "-o", "i.bin", "--screen", "12x48", "--", "-dash.led" }, "i.bin" },
        { { "import-picture", "--screen", "12x48", "-o", "p.bmp", "--", "-dash.bmp" }, "p.bmp" },
        { { "send", "--device", "sim", "--", "-dash.led" }, {} },
        { { "say", "-o", "s.led", "--", "-o" }, "s.led" },
    };
    for (const auto& [args, written] : commands) {
        const CliRun result = run(args);
        EXPECT_EQ(result.status, 0) << args.join(' ').toStdString() << ": " << result.err.toStdString();
        if (!written.isEmpty())
            EXPECT_FALSE(read(written).isEmpty()) << args.join(' ').toStdString();
    }
    EXPECT_EQ(read("-copy.led"), hello);
    // After "--" an option is a word: say takes one text.
    const CliRun result = run({ "say", "--", "-o", "-o", "x.led" });
    EXPECT_EQ(result.status, 2);
    EXPECT_TRUE(result.err.contains("unexpected argument '-o'")) << result.err.toStdString();
    EXPECT_FALSE(QFile::exists(file("x.led")));
    for (const char* command : { "search", "clear", "get-params", "devices" }) {
        const CliRun extra = run({ command, "--device", "sim", "--", "--json" });
        EXPECT_EQ(extra.status, 2) << command;
        EXPECT_TRUE(extra.err.contains("unexpected argument '--json'")) << extra.err.toStdString();
    }
}

TEST_F(CliCommandLineTest, DashIsStandardInputForEveryInput)
{
    CliRun result = run({ "list", "-" }, hello);
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, run({ "list", "hello.led" }).out);

    EXPECT_EQ(run({ "resave", "-", "copy.led" }, hello).status, 0);
    EXPECT_EQ(read("copy.led"), hello);
    EXPECT_EQ(run({ "render", "-", "-o", "in.bmp" }, hello).status, 0);
    EXPECT_EQ(run({ "render", "hello.led", "-o", "file.bmp" }).status, 0);
    EXPECT_EQ(read("in.bmp"), read("file.bmp"));
    EXPECT_EQ(run({ "image", "-", "-o", "in.bin" }, hello).status, 0);
    EXPECT_EQ(run({ "image", "hello.led", "-o", "file.bin" }).status, 0);
    EXPECT_EQ(read("in.bin"), read("file.bin"));
    result = run({ "send", "-", "--device", "sim", "--sim-dump", "dump.bin" }, hello);
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(read("dump.bin"), read("file.bin"));
    result = run({ "import-picture", "-", "--screen", "12x48", "-o", "picture.bmp" }, bmp());
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(read("picture.bmp").startsWith("BM"));
    EXPECT_EQ(run({ "say", "-", "-o", "say.led" }, "Hello\n").status, 0);
    EXPECT_EQ(read("say.led"), hello);

    // What is not a program file fails as a named file does.
    result = run({ "list", "-" }, "not a program file");
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.contains("tessel-cli: - ")) << result.err.toStdString();
}

TEST_F(CliCommandLineTest, UsageErrorsNameTheBadWord)
{
    const std::pair<QStringList, QByteArray> cases[] = {
        { { "list", "--frob", "hello.led" }, "unknown option '--frob'" },
        { { "list", "-x", "hello.led" }, "unknown option '-x'" },
        { { "list", "hello.led", "-platform", "xcb" }, "unknown option '-platform'" },
        { { "list", "--json=yes", "hello.led" }, "option '--json' takes no value" },
        { { "render", "hello.led", "-o" }, "option '-o' needs a value" },
        { { "render", "hello.led", "-o", "a.bmp", "-o", "b.bmp" }, "option '-o' is given more than once" },
        { { "render", "hello.led", "--screen", "12x48", "--screen=14x56", "-oa.bmp" }, "'--screen'" },
        { { "render", "hello.led", "-p", "x", "-o", "a.bmp" }, "invalid value 'x' for -p" },
        { { "image", "hello.led", "--planes=-1", "-o", "a.bin" }, "invalid value '-1' for --planes" },
        { { "render", "hello.led" }, "missing -o" },
        { { "resave", "a.led", "b.led", "c.led" }, "unexpected argument 'c.led'" },
        { { "say", "--speed", "7", "hi" }, "invalid value '7' for --speed (allowed: 1-6)" },
        { { "brightness", "4", "--device", "sim" }, "'4'" },
        { { "set-params", "--rgb", "RGBW", "--device", "sim" }, "'RGBW'" },
        { { "search", "--device", "serial" }, "'serial'" },
        { { "search", "--sim-log", "x.log" }, "--sim-log works only with --device sim" },
        { { "devices", "--sim-log", "x.log" }, "unknown option '--sim-log'" },
    };
    for (const auto& [args, said] : cases) {
        const CliRun result = run(args);
        EXPECT_EQ(result.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(result.out.isEmpty()) << args.join(' ').toStdString();
        EXPECT_TRUE(result.err.startsWith("tessel-cli: ")) << result.err.toStdString();
        EXPECT_TRUE(result.err.contains(said))
            << args.join(' ').toStdString() << ": " << result.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(file("a.bmp")));
    EXPECT_FALSE(QFile::exists(file("x.log")));
    // A fault may be given more than once: both apply.
    EXPECT_EQ(
        run({ "search", "--device", "sim", "--sim-fault", "late", "--sim-fault", "bad-crc" }).status, 1);
}

// One exit status for an empty text, however it came.
TEST_F(CliCommandLineTest, AnEmptyTextFailsEitherWay)
{
    for (const auto& [args, input] : std::vector<std::pair<QStringList, QByteArray>> {
             { { "say", "", "-o", "e.led" }, {} }, { { "say", "\n", "-o", "e.led" }, {} },
             { { "say", "-", "-o", "e.led" }, {} }, { { "say", "-", "-o", "e.led" }, "\r\n" } }) {
        const CliRun result = run(args, input);
        EXPECT_EQ(result.status, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(result.err.contains("the text is empty")) << result.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(file("e.led")));
}

} // namespace
