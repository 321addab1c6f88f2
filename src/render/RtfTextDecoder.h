// Decodes the 8-bit text of an RTF stream in the code page of its font.
// Single-byte code pages go through a table built once per code page, so
// that a document of many short runs does not convert run by run.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <array>
#include <map>
#include <set>

namespace tessel {

class RtfTextDecoder {
public:
    QString decode(QByteArrayView bytes, int codePage);

private:
    using ByteTable = std::array<char16_t, 128>; // the characters of 0x80 … 0xFF

    const ByteTable* singleByteTable(int codePage);

    std::map<int, ByteTable> tables_;
    std::set<int> multiByte_; // code pages found not to be single-byte
};

} // namespace tessel
