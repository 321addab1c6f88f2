// The device commands of tessel-cli against the simulated badge, run as a
// user runs them.
#include "CliTestSupport.h"

#include <gtest/gtest.h>

using tessel::test::CliRun;

namespace {

// One ticked text program, "Hello badge world" in red.
const QByteArray TextFile
    = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Records>\r\n"
      "<Program check=\"1\" type=\"0\" name=\"text1\" summary=\"Hello\" borderType=\"0\" "
      "borderAspect=\"0\" borderSpeed=\"0\" borderColor=\"0\" playCount=\"0\">\r\n"
      "<action>0</action>\r\n<speed>1</speed>\r\n<stay>0</stay>\r\n<exitType>0</exitType>\r\n"
      "<arabic>0</arabic>\r\n<yOffset>5</yOffset>\r\n<horAlign>0</horAlign>\r\n"
      "<verAlign>1</verAlign>\r\n<charSpacing>1</charSpacing>\r\n"
      "<save>{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}"
      "{\\colortbl ;\\red255\\green0\\blue0;}\\viewkind4\\uc1\\pard\\cf1\\f0\\fs24 "
      "Hello badge world\\par}</save>\r\n</Program>\r\n</Records>\r\n";

const QByteArray UntickedFile = QByteArray(TextFile).replace("check=\"1\"", "check=\"0\"");

class CliDeviceTest : public tessel::test::CliTest {
protected:
    QList<QByteArray> logLines(const QString& name) { return read(name).trimmed().split('\n'); }
};

TEST_F(CliDeviceTest, SimulatorReceivesExactlyTheDeviceImage)
{
    write("hello.led", TextFile);
    const CliRun image
        = run({ "image", file("hello.led"), "--screen", "12x48", "--planes", "0", "-o", file("image.bin") });
    ASSERT_EQ(image.status, 0) << image.err.toStdString();
    const CliRun send = run({ "send", file("hello.led"), "--device", "sim", "--sim-dump", file("dump.bin"),
        "--sim-log", file("send.log") });
    EXPECT_EQ(send.status, 0) << send.err.toStdString();
    // Standard output carries data only: the outcome goes to standard error.
    EXPECT_TRUE(send.out.isEmpty());
    EXPECT_FALSE(send.err.contains('[')) << "no progress bar off a terminal";
    EXPECT_TRUE(send.err.startsWith("tessel-cli: ")) << send.err.toStdString();
    const QByteArray expected = read("image.bin");
    ASSERT_GT(expected.size(), 8);
    EXPECT_EQ(read("dump.bin"), expected);

    // Handshake, begin transfer and every data packet, each with its answer.
    const auto lines = logLines("send.log");
    const int packets = (int(expected.size()) + 55) / 56;
    ASSERT_EQ(lines.size(), 2 * (2 + packets));
    EXPECT_TRUE(lines[0].startsWith("> 00 00 00"));
    EXPECT_TRUE(lines[1].startsWith("< 00 01 "));
    EXPECT_TRUE(lines[2].startsWith("> 00 0e 06 "));
    EXPECT_TRUE(lines.last().startsWith("< 00 11 "));
    EXPECT_EQ(lines[0].split(' ').size(), 1 + 64);
}

TEST_F(CliDeviceTest, ToolCommandsAgainstTheSimulator)
{
    CliRun result = run({ "search", "--device", "sim" });
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out.isEmpty());
    EXPECT_FALSE(result.err.trimmed().isEmpty());
    result = run({ "search", "-q", "--device", "sim" });
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(result.err.isEmpty()) << "quiet: no outcome";

    result = run({ "brightness", "2", "--device", "sim", "--sim-log", file("bright.log") });
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(logLines("bright.log")[2].startsWith("> 00 0a 01 02 00"));

    result = run({ "clear", "--device", "sim", "--sim-log", file("clear.log") });
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(logLines("clear.log")[2].startsWith("> 00 08 00 00"));

    result = run({ "get-params", "--device", "sim" });
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    // Only what the badge reported: it keeps no name.
    EXPECT_EQ(result.out, ",0,12*48,R,Low,595\n");

    result = run({ "set-params", "--id", "5", "--height", "16", "--width", "80", "--rgb", "RGB", "--oe", "1",
        "--data", "5026", "--device", "sim", "--sim-log", file("set.log") });
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(logLines("set.log")[2].startsWith("> 00 06 08 05 10 0a 00 02 01 01 40 00"));
}

TEST_F(CliDeviceTest, FailuresAndBadUsage)
{
    write("unticked.led", UntickedFile);
    CliRun result = run({ "send", file("unticked.led"), "--device", "sim", "--sim-log", file("empty.log") });
    EXPECT_EQ(result.status, 1);
    EXPECT_FALSE(result.err.trimmed().isEmpty());
    EXPECT_EQ(logLines("empty.log").size(), 2); // the handshake and its answer, nothing else

    EXPECT_EQ(run({ "brightness", "3", "--device", "sim" }).status, 2);
    EXPECT_EQ(run({ "search", "--sim-dump", file("x.bin") }).status, 2);
    EXPECT_EQ(run({ "search", "--device", "serial" }).status, 2);
    EXPECT_EQ(run({ "set-params", "--height", "13", "--device", "sim" }).status, 2);
    EXPECT_EQ(run({ "set-params", "--height", "14", "--width", "48", "--device", "sim" }).status, 2);
    EXPECT_EQ(run({ "send", "--device", "sim" }).status, 2);
    EXPECT_EQ(run({ "send", file("missing.led"), "--device", "sim" }).status, 1);
}

TEST_F(CliDeviceTest, SearchWithoutABadgeSaysSoAtOnce)
{
    const CliRun result = run({ "search" });
    if (result.status == 0)
        GTEST_SKIP() << "a badge is attached";
    EXPECT_EQ(result.status, 1);
    EXPECT_FALSE(result.err.trimmed().isEmpty());
    EXPECT_TRUE(result.out.isEmpty());
}

} // namespace
