#include "render/RtfCharset.h"

#include "encoding/CodePage.h"

#include <QString>
#include <algorithm>
#include <array>

namespace tessel {

namespace {

struct CharsetCodePage {
    int charset;
    int codePage;
};

constexpr std::array<CharsetCodePage, 17> charsetTable { {
    { 0, 1252 },
    { 2, CodePageSymbol },
    { 77, 10000 },
    { 128, 932 },
    { 129, 949 },
    { 130, 1361 },
    { 134, 936 },
    { 136, 950 },
    { 161, 1253 },
    { 162, 1254 },
    { 163, 1258 },
    { 177, 1255 },
    { 178, 1256 },
    { 186, 1257 },
    { 204, 1251 },
    { 222, 874 },
    { 238, 1250 },
} };

// Code pages tried, in order, for a face name of neither Chinese, Japanese
// nor Korean script.
constexpr std::array<int, 11> singleByteCodePages { 1252, 1250, 1251, 1253, 1254, 1255, 1256, 1257, 874, 1258,
    10000 };

// The code page of GB 2312, the character set of simplified Chinese.
constexpr int CodePageGb2312 = 51936;

bool isKana(char16_t c)
{
    return (c >= 0x3040 && c < 0x3100) || (c >= 0x31F0 && c < 0x3200) || (c >= 0xFF65 && c < 0xFFA0);
}

bool isHangul(char16_t c)
{
    return (c >= 0x1100 && c < 0x1200) || (c >= 0x3130 && c < 0x3190) || (c >= 0xA960 && c < 0xA980)
        || (c >= 0xAC00 && c < 0xD800) || (c >= 0xFFA0 && c < 0xFFDD);
}

// Han characters of the basic planes; a surrogate pair stands for the rarer
// characters of the supplementary planes, nearly all of them Han.
bool isHan(char16_t c)
{
    return (c >= 0x3400 && c < 0x4DC0) || (c >= 0x4E00 && c < 0xA000) || (c >= 0xF900 && c < 0xFB00)
        || (c >= 0xD840 && c < 0xD8C0);
}

// A Han character that Big5 holds and GB 2312 does not: a traditional form
// that simplified Chinese writes otherwise.
bool isTraditionalOnly(QChar c)
{
    const QStringView character(&c, 1);
    bool notSimplified = false;
    encodeCodePage(character, CodePageGb2312, &notSimplified);
    if (!notSimplified)
        return false;
    bool notTraditional = false;
    encodeCodePage(character, 950, &notTraditional);
    return !notTraditional;
}

bool holds(int codePage, QStringView text)
{
    bool lossy = false;
    const QByteArray bytes = encodeCodePage(text, codePage, &lossy);
    return !lossy && decodeCodePage(bytes, codePage) == text;
}

} // namespace

int codePageForCharset(int charset, int ansiCodePage)
{
    for (const auto& entry : charsetTable)
        if (entry.charset == charset)
            return entry.codePage;
    return ansiCodePage;
}

int charsetForCodePage(int codePage)
{
    for (const auto& entry : charsetTable)
        if (entry.codePage == codePage)
            return entry.charset;
    return 1;
}

int charsetForFaceName(QStringView face)
{
    if (std::all_of(face.begin(), face.end(), [](QChar c) { return c.unicode() < 0x80; }))
        return CharsetAnsi;
    bool han = false;
    bool traditional = false;
    bool hangul = false;
    for (const QChar c : face) {
        if (isKana(c.unicode()))
            return 128;
        hangul = hangul || isHangul(c.unicode());
        if (isHan(c.unicode())) {
            han = true;
            traditional = traditional || (!c.isSurrogate() && isTraditionalOnly(c));
        }
    }
    if (hangul)
        return 129;
    if (han)
        return traditional ? 136 : 134;
    for (const int codePage : singleByteCodePages)
        if (holds(codePage, face))
            return charsetForCodePage(codePage);
    return CharsetAnsi;
}

bool isLeadByte(int codePage, unsigned char byte)
{
    switch (codePage) {
    case 932:
        return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    case 936:
    case 949:
    case 950:
        return byte >= 0x81 && byte <= 0xFE;
    case 1361:
        return (byte >= 0x84 && byte <= 0xD3) || (byte >= 0xD8 && byte <= 0xF9);
    default:
        return false;
    }
}

} // namespace tessel
