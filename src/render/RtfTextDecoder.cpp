#include "render/RtfTextDecoder.h"

#include "encoding/CodePage.h"

#include <algorithm>

namespace tessel {

namespace {

// Code pages whose characters may take more than one byte.
bool isKnownMultiByte(int codePage)
{
    switch (codePage) {
    case 932:
    case 936:
    case 949:
    case 950:
    case 1361:
    case 10001:
    case 10002:
    case 10003:
    case 10008:
    case 20932:
    case 20936:
    case 51932:
    case 51936:
    case 51949:
    case 52936:
    case 54936:
    case CodePageUtf7:
    case CodePageUtf8:
    case CodePageUtf16LE:
    case CodePageUtf16BE:
    case CodePageUtf32:
    case 12000:
    case 12001:
        return true;
    default:
        return codePage >= 50220 && codePage <= 50229;
    }
}

// Enough distinct code pages for any real document; a stream naming more
// keeps converting correctly, only without the table.
constexpr size_t MaxTables = 64;

} // namespace

QString RtfTextDecoder::decode(QByteArrayView bytes, int codePage)
{
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return QString::fromLatin1(bytes);
    const ByteTable* table = singleByteTable(codePage);
    if (!table)
        return decodeCodePage(bytes, codePage);
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = byte < 0x80 ? QChar(byte) : QChar((*table)[byte - 0x80]);
    }
    return text;
}

const RtfTextDecoder::ByteTable* RtfTextDecoder::singleByteTable(int codePage)
{
    if (isKnownMultiByte(codePage) || multiByte_.contains(codePage))
        return nullptr;
    if (const auto it = tables_.find(codePage); it != tables_.end())
        return &it->second;
    if (tables_.size() >= MaxTables)
        return nullptr;
    QByteArray high(128, '\0');
    for (int i = 0; i < 128; ++i)
        high[i] = static_cast<char>(0x80 + i);
    const QString decoded = decodeCodePage(high, codePage);
    // One character per byte, or the code page pairs bytes after all.
    if (decoded.size() != 128) {
        if (multiByte_.size() < MaxTables)
            multiByte_.insert(codePage);
        return nullptr;
    }
    ByteTable table;
    for (int i = 0; i < 128; ++i)
        table[i] = decoded[i].unicode();
    return &tables_.emplace(codePage, table).first->second;
}

} // namespace tessel
