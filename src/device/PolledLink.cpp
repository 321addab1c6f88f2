#include "device/PolledLink.h"

#include <array>

namespace tessel {

PolledLink::PolledLink(HidTransport& transport)
    : transport_(transport)
{
}

PolledLink::~PolledLink()
{
    CloseLink();
}

LinkOpenResult PolledLink::OpenLink(ReplyHandler onReply)
{
    CloseLink();
    const LinkOpenResult result = transport_.open(BadgeVendorId, BadgeProductId);
    if (result != LinkOpenResult::Opened)
        return result;
    handler_ = std::move(onReply);
    open_ = true;
    return result;
}

int PolledLink::WriteReport(std::span<uint8_t> report)
{
    if (!open_ || report.empty())
        return 0;
    report[0] = 0;
    return transport_.write(report);
}

void PolledLink::CloseLink()
{
    if (!open_)
        return;
    open_ = false;
    handler_ = nullptr;
    transport_.close();
}

bool PolledLink::deliverOne()
{
    if (!open_)
        return false;
    std::array<uint8_t, MaxReplySize> buffer {};
    const int count = transport_.read(buffer, 0);
    if (count <= 0)
        return false;
    const ReplyHandler handler = handler_;
    handler(QByteArray(reinterpret_cast<const char*>(buffer.data()), std::min<int>(count, MaxReplySize)));
    return true;
}

int PolledLink::deliverAll(int limit)
{
    int delivered = 0;
    while (delivered < limit && deliverOne())
        ++delivered;
    return delivered;
}

} // namespace tessel
