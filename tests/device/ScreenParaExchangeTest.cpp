#include "ExchangeFixture.h"
#include "TestTexts.h"

#include "device/ScreenParaExchange.h"

#include <gtest/gtest.h>

using namespace tessel;
using tessel::test::FakeScreenParaHost;

namespace {

QByteArray ParaReply(uint8_t height, uint8_t widthBytes, uint8_t widthBits)
{
    QByteArray reply(PacketSize, '\0');
    reply[1] = 0x05;
    reply[5] = static_cast<char>(height);
    reply[6] = static_cast<char>(widthBytes);
    reply[7] = static_cast<char>(widthBits);
    return reply;
}

class ScreenParaExchangeTest : public test::ExchangeFixture<ScreenParaExchangeTest, FakeScreenParaHost> {
public:
    ScreenParaExchange& underTest() { return exchange; }

protected:
    ScreenParaExchange exchange { data, test::TestTexts(), link, host };
};

TEST_F(ScreenParaExchangeTest, GetParametersFromA14By64Badge)
{
    badge.setScreenParameters({ 3, 14, 8, 0, 1, 1, 0, 64 });
    exchange.RunCommand(DeviceOperation::GetScreenParameters);
    EXPECT_EQ(host.status(), "\tMSG1");
    EXPECT_FALSE(host.toolBarEnabled);
    deliver();
    expectEnded(ExchangeResult::ParametersRead, "\tTIP1");
    ASSERT_EQ(host.shown.size(), 1u);
    const ScreenPara& para = host.shown[0];
    EXPECT_TRUE(para.name.isEmpty());
    EXPECT_EQ(para.id, 3);
    EXPECT_EQ(para.yIndex, 1);
    EXPECT_EQ(para.xIndex, 1); // 64 / 14 = 4: width 56 is chosen
    EXPECT_EQ(para.rgb, 1);
    EXPECT_EQ(para.oe, 1);
    EXPECT_EQ(para.polarity, 0);
    EXPECT_EQ(badge.commandsReceived(), std::vector<uint8_t>({ 0x00, 0x04 }));
    EXPECT_EQ(data.screenPara, ScreenPara {}); // the current set is not changed
}

TEST_F(ScreenParaExchangeTest, SetParameters16By80)
{
    data.hostID = 9;
    host.choice = { 5, 16, 80, 2, 1, 1 };
    exchange.RunCommand(DeviceOperation::SetScreenParameters);
    EXPECT_EQ(host.status(), "\tMSG2");
    deliver();
    expectEnded(ExchangeResult::ParametersSet, "\tTIP2");
    const ScreenParameterBytes sent = badge.screenParameters();
    EXPECT_EQ(sent.id, 5);
    EXPECT_EQ(sent.height, 16);
    EXPECT_EQ(sent.widthBytes, 10);
    EXPECT_EQ(sent.widthBits, 0);
    EXPECT_EQ(sent.rgb, 2);
    EXPECT_EQ(sent.oe, 1);
    EXPECT_EQ(sent.polarity, 1);
    EXPECT_EQ(sent.last, 64);
    EXPECT_EQ(badge.faultCount(), 0) << badge.faults().join('\n').toStdString();
}

TEST_F(ScreenParaExchangeTest, Failures)
{
    badge.setAttachment(Attachment::Absent);
    exchange.RunCommand(DeviceOperation::GetScreenParameters);
    expectEnded(ExchangeResult::OpenFailed, "\tTIP18");

    badge.setAttachment(Attachment::Attached);
    BadgeFaults faults;
    faults.silent = true;
    badge.setFaults(faults);
    exchange.RunCommand(DeviceOperation::GetScreenParameters);
    deliver();
    fire(HandshakeTimer);
    expectEnded(ExchangeResult::NoHandshake, "\tTIP19");

    faults = {};
    faults.failWritesFrom = 1;
    badge.setFaults(faults);
    exchange.RunCommand(DeviceOperation::SetScreenParameters);
    deliver();
    expectEnded(ExchangeResult::WriteFailed, "\tTIP20");
}

TEST_F(ScreenParaExchangeTest, ThreeTimeOutsGiveTheEmptyText)
{
    badge.setScreen({ 12, 6, 0, 0, 0, 0 }); // bytes 12 and 13 are not tested here
    exchange.RunCommand(DeviceOperation::GetScreenParameters);
    link.deliverOne(); // the handshake answer; the command's answer is never read
    for (int i = 0; i < 2; ++i)
        fire(ReplyTimer);
    fire(ReplyTimer);
    expectEnded(ExchangeResult::NoReply, "\t");
    int writes = 0;
    for (const uint8_t code : badge.commandsReceived())
        writes += code == 0x04;
    EXPECT_EQ(writes, 3);
}

TEST_F(ScreenParaExchangeTest, ReplyChecksumIsNotTested)
{
    BadgeFaults faults;
    faults.damagedReplies = 2;
    badge.setFaults(faults);
    exchange.RunCommand(DeviceOperation::GetScreenParameters);
    deliver();
    expectEnded(ExchangeResult::ParametersRead, "\tTIP1");
}

TEST_F(ScreenParaExchangeTest, MessageBoxSerialAndBusy)
{
    data.afterExcute = 1;
    exchange.RunCommand(DeviceOperation::SetScreenParameters);
    exchange.RunCommand(DeviceOperation::GetScreenParameters); // ignored while running
    EXPECT_EQ(host.statusTexts, QStringList({ "\tMSG2" }));
    deliver();
    ASSERT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_EQ(host.messageBoxes[0], std::make_pair(QString("TIP2"), QString("SCREEN PARAMETERS")));
    // Status pane 0 got no text, so nothing is armed to empty it.
    EXPECT_FALSE(host.isArmed(StatusClearTimer));

    data.commType = 1;
    const int opens = badge.openCount();
    exchange.Start();
    EXPECT_EQ(badge.openCount(), opens);
    EXPECT_FALSE(exchange.running());
}

TEST(ScreenParaFields, ReplyIntoASet)
{
    ScreenPara para = ScreenParaFromReply(ParaReply(12, 6, 0));
    EXPECT_EQ(para.yIndex, 0);
    EXPECT_EQ(para.xIndex, 1);
    // A height other than 12 or 14 is taken as 16, also for the width.
    para = ScreenParaFromReply(ParaReply(20, 10, 0));
    EXPECT_EQ(para.yIndex, 2);
    EXPECT_EQ(para.xIndex, 2);
    // No division by zero, no index outside the width list.
    para = ScreenParaFromReply(ParaReply(0, 6, 0));
    EXPECT_EQ(para.yIndex, 2);
    EXPECT_EQ(para.xIndex, 0);
    EXPECT_EQ(ScreenParaFromReply(ParaReply(12, 255, 7)).xIndex, 13);
    EXPECT_EQ(ScreenParaFromReply(ParaReply(12, 1, 0)).xIndex, 0);
    // A reply cut short reads its missing bytes as 0.
    para = ScreenParaFromReply(QByteArray("\x00\x05", 2));
    EXPECT_EQ(para.xIndex, 0);
    QByteArray odd = ParaReply(14, 8, 0);
    odd[4] = static_cast<char>(255);
    odd[8] = 9;
    odd[9] = 4;
    odd[10] = 4;
    para = ScreenParaFromReply(odd);
    // What the badge reported is kept; only the lists' selections are bounded.
    EXPECT_EQ(para.id, 255);
    EXPECT_EQ(para.rgb, 9);
    EXPECT_EQ(para.oe, 4);
    EXPECT_EQ(para.polarity, 4);
    EXPECT_EQ(ScreenParaSummary(para), ",255,14*56,RGB,Hign,5026");
}

TEST(ScreenParaFields, SummaryAndParameterBytes)
{
    EXPECT_EQ(ScreenParaSummary(ScreenPara {}), "K9057R,0,12*48,R,Low,595");
    ScreenPara para { "Panel", 7, 1, 2, 1, 1, 4 };
    EXPECT_EQ(ScreenParaSummary(para), "Panel,7,14*98,RGB,Hign,5026");
    const ScreenParameterBytes bytes = ParameterBytesOf(ChoiceOf(para), 64);
    EXPECT_EQ(bytes.height, 14);
    EXPECT_EQ(bytes.widthBytes, 12);
    EXPECT_EQ(bytes.widthBits, 2);
}

} // namespace
