// Conversion between UTF-16 text and the numbered Windows code pages that
// stored files and RTF name, through iconv. Also the "system ANSI code page",
// which on this platform is the Windows code page of the language in force.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <cstdint>

namespace tessel {

constexpr int CodePageUtf8 = 65001;
constexpr int CodePageUtf7 = 65000;
constexpr int CodePageUtf16LE = 1200;
constexpr int CodePageUtf16BE = 1201;
constexpr int CodePageUtf32 = 65005;

// The iconv name of a Windows code page ("CP936", "UTF-8", "ISO-8859-1", ...).
QByteArray iconvNameForCodePage(int codePage);

// Bytes in the code page to text. Bytes that do not decode become U+FFFD and
// decoding goes on; an unknown code page decodes as Windows-1252.
QString decodeCodePage(QByteArrayView bytes, int codePage);

// The same, telling through *truncated whether the bytes end inside a
// multi-byte sequence (the tail becomes U+FFFD).
QString decodeCodePage(QByteArrayView bytes, int codePage, bool* truncated);

// Text to bytes in the code page. A character without an equivalent becomes
// "?" and sets *lossy. A code page iconv lacks is written as Windows-1252.
QByteArray encodeCodePage(QStringView text, int codePage, bool* lossy = nullptr);

// Whether the bytes end with the start of a UTF-8 sequence that lacks its
// continuation bytes.
bool endsInPartialUtf8(QByteArrayView bytes);

// Whether the bytes are well-formed UTF-8 (pure ASCII is).
bool isWellFormedUtf8(QByteArrayView bytes);

// The ANSI code page for a Windows language identifier: 936 for 2052, 950 for
// 1028 and 3076, 932 for 1041, 949 for 1042, 1256 for 1025, 1252 otherwise.
int ansiCodePageForLanguage(int32_t lanID);

} // namespace tessel
