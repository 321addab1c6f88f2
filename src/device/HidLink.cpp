#include "device/HidLink.h"

#include <QMetaObject>
#include <QObject>
#include <array>

namespace tessel {

namespace {
constexpr int ReadTimeoutMs = 10;
} // namespace

HidLink::HidLink(HidTransport& transport, QObject* target, std::chrono::milliseconds idleWait)
    : transport_(transport)
    , target_(target)
    , idleWait_(idleWait)
{
}

HidLink::~HidLink()
{
    CloseLink();
}

LinkOpenResult HidLink::OpenLink(ReplyHandler onReply)
{
    CloseLink();
    const LinkOpenResult result = transport_.open(BadgeVendorId, BadgeProductId);
    if (result != LinkOpenResult::Opened)
        return result;
    delivery_->currentOpen += 1;
    delivery_->open = true;
    delivery_->handler = std::move(onReply);
    stopEvent_.reset();
    open_ = true;
    reader_ = std::thread(&HidLink::readLoop, this, delivery_->currentOpen);
    return LinkOpenResult::Opened;
}

int HidLink::WriteReport(std::span<uint8_t> report)
{
    if (!open_ || report.empty())
        return 0;
    report[0] = 0;
    const int written = transport_.write(report);
    stopEvent_.wake();
    return written;
}

void HidLink::CloseLink()
{
    delivery_->open = false;
    delivery_->handler = nullptr;
    open_ = false;
    stopReader();
}

void HidLink::stopReader()
{
    if (!reader_.joinable())
        return;
    stopEvent_.set();
    reader_.join();
}

void HidLink::readLoop(uint64_t openNumber)
{
    std::array<uint8_t, MaxReplySize> buffer {};
    while (!stopEvent_.waitFor(idleWait_)) {
        buffer.fill(0);
        const int count = transport_.read(buffer, ReadTimeoutMs);
        if (count <= 0)
            continue;
        QByteArray bytes(reinterpret_cast<const char*>(buffer.data()), std::min<int>(count, MaxReplySize));
        QMetaObject::invokeMethod(
            target_,
            [delivery = delivery_, openNumber, bytes = std::move(bytes)] {
                if (!delivery->open || delivery->currentOpen != openNumber || !delivery->handler)
                    return;
                // The handler may close or reopen the link, which replaces it.
                const ReplyHandler handler = delivery->handler;
                handler(bytes);
            },
            Qt::QueuedConnection);
    }
    transport_.close();
}

} // namespace tessel
