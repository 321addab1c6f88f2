// Drives the send session and the screen-parameter exchange with replies of
// any length and content and with timer events and failures in any order,
// through a scripted transport, and checks what must hold whatever the badge
// does: an exchange that has ended leaves the link closed, the tool bar
// enabled and no time-out armed; one that runs has exactly one time-out
// armed, so it always ends.
#include "device/HidTransport.h"
#include "device/Packet.h"
#include "device/PolledLink.h"
#include "device/ScreenParaExchange.h"
#include "device/SendSession.h"
#include "i18n/LanguageTable.h"
#include "model/AppData.h"

#include <cstdlib>
#include <deque>
#include <set>

using namespace tessel;

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

class Input {
public:
    Input(const uint8_t* data, size_t size)
        : data_(data)
        , size_(size)
    {
    }
    bool empty() const { return pos_ >= size_; }
    uint8_t next() { return pos_ < size_ ? data_[pos_++] : 0; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

// A transport whose replies and failures come from the script.
class ScriptedTransport final : public HidTransport {
public:
    LinkOpenResult open(uint16_t, uint16_t) override
    {
        replies.clear();
        if (failOpen)
            return LinkOpenResult::NotFound;
        isOpen = true;
        return LinkOpenResult::Opened;
    }
    int write(std::span<const uint8_t> report) override
    {
        Check(report.size() == ReportSize && report[0] == 0);
        Check(ComputeChecksum(report.data() + 1, PacketSize) == 0);
        return isOpen && !failWrite ? static_cast<int>(report.size()) : -1;
    }
    int read(std::span<uint8_t> buffer, int) override
    {
        if (!isOpen)
            return -1;
        if (replies.empty())
            return 0;
        const QByteArray reply = replies.front();
        replies.pop_front();
        const size_t count = std::min<size_t>(buffer.size(), static_cast<size_t>(reply.size()));
        std::copy_n(reinterpret_cast<const uint8_t*>(reply.constData()), count, buffer.begin());
        return static_cast<int>(count);
    }
    void close() override
    {
        isOpen = false;
        replies.clear();
    }

    std::deque<QByteArray> replies;
    bool failOpen = false;
    bool failWrite = false;
    bool isOpen = false;
};

template <class Host> class CheckingHost : public Host {
public:
    void armTimer(ExchangeTimer timer, int intervalMs) override
    {
        Check(intervalMs > 0);
        armed.insert(timer);
    }
    void stopTimer(ExchangeTimer timer) override { armed.erase(timer); }
    void setStatusText(const QString&) override { }
    void disableToolBar() override { toolBarEnabled = false; }
    void enableToolBar() override { toolBarEnabled = true; }
    void showMessageBox(const QString&, const QString&) override { }

    bool timeOutArmed() const { return armed.count(HandshakeTimer) + armed.count(ReplyTimer) != 0; }

    std::set<int> armed;
    bool toolBarEnabled = true;
};

class SendHost final : public CheckingHost<SendSessionHost> {
public:
    void setProgressRange(int minimum, int maximum) override
    {
        Check(minimum == 0 && maximum > 0 && maximum <= MaxDataPackets);
        this->maximum = maximum;
    }
    void setProgressPosition(int position) override { Check(position >= 0 && position <= maximum); }
    int maximum = 0;
};

class ParaHost final : public CheckingHost<ScreenParaHost> {
public:
    ScreenParaChoice chosenValues() const override { return {}; }
    void showScreenPara(const ScreenPara& para) override
    {
        // Id, rgb, oe and polarity are shown as reported; the indices into
        // the height and width lists must stay inside them.
        Check(para.xIndex <= MaxXIndex && para.yIndex <= 2);
    }
};

// A reply of 1-256 bytes from the input; with `seal` its last two bytes are
// set so that the checksum over all of it is 0.
QByteArray Reply(Input& in, bool seal)
{
    const int length = 1 + in.next();
    QByteArray reply(length, '\0');
    const int given = std::min(length, 1 + in.next() % 16);
    for (int i = 0; i < given; ++i)
        reply[i] = static_cast<char>(in.next());
    if (seal && length >= 3) {
        const uint16_t crc = ComputeChecksum(reinterpret_cast<const uint8_t*>(reply.constData()), length - 2);
        reply[length - 2] = static_cast<char>(crc & 0xFF);
        reply[length - 1] = static_cast<char>(crc >> 8);
    }
    return reply;
}

// A well-formed 64-byte answer with the given code and a few fields.
QByteArray Answer(Input& in)
{
    std::array<uint8_t, PacketSize> p {};
    p[1] = in.next();
    p[3] = in.next() % 3;
    for (int offset = 4; offset <= 8; ++offset)
        p[offset] = in.next() % 20;
    p[12] = 1;
    p[13] = 0x10;
    const uint16_t crc = ComputeChecksum(p.data(), ChecksumOffset);
    p[62] = static_cast<uint8_t>(crc);
    p[63] = static_cast<uint8_t>(crc >> 8);
    return QByteArray(reinterpret_cast<const char*>(p.data()), PacketSize);
}

template <class Exchange, class Host>
void CheckState(const Exchange& exchange, const Host& host, const PolledLink& link)
{
    if (exchange.running()) {
        Check(link.isOpen());
        Check(!host.toolBarEnabled);
        Check(host.armed.count(HandshakeTimer) + host.armed.count(ReplyTimer) == 1);
    } else {
        Check(!link.isOpen());
        Check(host.toolBarEnabled);
        Check(!host.timeOutArmed());
    }
}

template <class Exchange, class Host, class Command>
void Drive(Input& in, Exchange& exchange, Host& host, ScriptedTransport& transport, PolledLink& link,
    Command command)
{
    command();
    CheckState(exchange, host, link);
    int events = 0;
    while (!in.empty() && ++events < 2000) {
        const uint8_t op = in.next();
        switch (op % 10) {
        case 0:
            transport.replies.push_back(Reply(in, (op & 0x10) != 0));
            break;
        case 1:
            transport.replies.push_back(Answer(in));
            break;
        case 2:
            link.deliverAll(64);
            break;
        case 3:
            exchange.OnTimer(StatusClearTimer);
            break;
        case 4:
            if ((op & 0x10) != 0 || host.armed.count(HandshakeTimer))
                exchange.OnTimer(HandshakeTimer);
            break;
        case 5:
            if ((op & 0x10) != 0 || host.armed.count(ReplyTimer))
                exchange.OnTimer(ReplyTimer);
            break;
        case 6:
            transport.failWrite = !transport.failWrite;
            break;
        case 7:
            transport.failOpen = (op & 0x10) != 0;
            break;
        case 8:
            command();
            break;
        case 9:
            exchange.OnDeviceReply(Reply(in, true)); // outside the link: late or stale
            break;
        }
        CheckState(exchange, host, link);
    }
    // Whatever happened, the time-outs end the exchange.
    for (int i = 0; i < 20 && exchange.running(); ++i) {
        Check(host.timeOutArmed());
        exchange.OnTimer(host.armed.count(HandshakeTimer) ? HandshakeTimer : ReplyTimer);
        CheckState(exchange, host, link);
    }
    Check(!exchange.running());
}

const LanguageTable& Texts()
{
    static const LanguageTable texts;
    return texts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Input in(data, size);
    const uint8_t setup = in.next();
    const uint8_t imageChoice = in.next();
    AppData app;
    app.afterExcute = setup & 0x02;
    app.commType = (setup & 0x1C) == 0x1C ? 1 : 0;
    app.hostID = in.next();
    ScriptedTransport transport;
    PolledLink link(transport);

    if ((setup & 0x01) == 0) {
        static constexpr DeviceOperation operations[] = { DeviceOperation::Send, DeviceOperation::Search,
            DeviceOperation::ClearScreen, DeviceOperation::SetBrightness, DeviceOperation::SetChargeIcon,
            DeviceOperation::None, DeviceOperation::GetScreenParameters, DeviceOperation::Send };
        const DeviceOperation operation = operations[(setup >> 5) & 7];
        SendHost host;
        SendSession session(app, Texts(), link, host, [imageChoice](const ScreenGeometry& geometry) {
            Check(geometry.rows >= 1 && geometry.columns >= 1 && geometry.extraPlanes <= 2);
            DeviceImageBuild build;
            build.tooManyPrograms = imageChoice == 255;
            build.tooLarge = imageChoice == 254;
            build.bytes = QByteArray(imageChoice * 13, '\x3C');
            return build;
        });
        Drive(in, session, host, transport, link, [&] {
            if (operation == DeviceOperation::None)
                session.StartExchange();
            else
                session.RunDeviceCommand(operation);
        });
        Check(
            session.packetsAcked() <= session.packetCount() || session.result() != ExchangeResult::SendDone);
    } else {
        const DeviceOperation operation = (setup & 0x20) != 0 ? DeviceOperation::SetScreenParameters
                                                              : DeviceOperation::GetScreenParameters;
        ParaHost host;
        ScreenParaExchange exchange(app, Texts(), link, host);
        Drive(in, exchange, host, transport, link, [&] { exchange.RunCommand(operation); });
    }
    return 0;
}
