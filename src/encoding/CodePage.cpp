#include "encoding/CodePage.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <optional>
#include <vector>

namespace tessel {

namespace {

// Owns one iconv conversion descriptor.
class IconvHandle {
public:
    IconvHandle(const char* to, const char* from)
        : cd_(iconv_open(to, from))
    {
    }
    ~IconvHandle()
    {
        if (valid())
            iconv_close(cd_);
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;
    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }

private:
    iconv_t cd_;
};

constexpr int CodePageWindows1252 = 1252;

// Windows-1252 leaves five bytes undefined. Windows reads each as the C1
// control character of the same value and writes that character back as the
// byte, so such bytes pass through a read and a write unchanged; iconv
// refuses them both ways, so they are mapped here.
bool isUndefinedIn1252(char16_t value)
{
    return value == 0x81 || value == 0x8D || value == 0x8F || value == 0x90 || value == 0x9D;
}

// The bytes of an encoding in progress, growing as iconv asks for room.
class EncodedBytes {
public:
    explicit EncodedBytes(qsizetype initialSize)
    {
        bytes_.resize(initialSize);
        next_ = bytes_.data();
        left_ = static_cast<size_t>(initialSize);
    }
    char** next() { return &next_; }
    size_t* left() { return &left_; }
    void grow()
    {
        const qsizetype used = next_ - bytes_.data();
        bytes_.resize(bytes_.size() * 2);
        next_ = bytes_.data() + used;
        left_ = static_cast<size_t>(bytes_.size() - used);
    }
    void append(char byte)
    {
        if (left_ < 1)
            grow();
        *next_++ = byte;
        --left_;
    }
    // Writes what returns the converter to its initial state: the closing
    // shift sequence of ISO-2022 encodings, the pending bits of UTF-7.
    void finishShiftState(iconv_t cd)
    {
        while (iconv(cd, nullptr, nullptr, &next_, &left_) == static_cast<size_t>(-1) && errno == E2BIG)
            grow();
    }
    QByteArray take()
    {
        bytes_.truncate(next_ - bytes_.data());
        return std::move(bytes_);
    }

private:
    QByteArray bytes_;
    char* next_ = nullptr;
    size_t left_ = 0;
};

} // namespace

QByteArray iconvNameForCodePage(int codePage)
{
    switch (codePage) {
    case CodePageUtf8:
        return "UTF-8";
    case CodePageUtf7:
        return "UTF-7";
    case CodePageUtf16LE:
        return "UTF-16LE";
    case CodePageUtf16BE:
        return "UTF-16BE";
    case 12000:
    case CodePageUtf32:
        return "UTF-32LE";
    case 12001:
        return "UTF-32BE";
    case 20127:
        return "ASCII";
    case 20866:
        return "KOI8-R";
    case 21866:
        return "KOI8-U";
    case 50220:
    case 50221:
    case 50222:
        return "ISO-2022-JP";
    case 50225:
        return "ISO-2022-KR";
    case 51932:
        return "EUC-JP";
    case 51936:
        return "EUC-CN";
    case 51949:
        return "EUC-KR";
    case 52936:
        return "HZ-GB-2312";
    case 54936:
        return "GB18030";
    case 10000:
        return "MACINTOSH";
    case 20932:
        return "EUC-JP";
    case 37:
        return "IBM037";
    case 500:
    case 1026:
    case 1047:
        return "IBM" + QByteArray::number(codePage);
    case 708:
        return "ASMO-708";
    case 10007:
        return "MAC-CYRILLIC";
    case 10017:
        return "MACUKRAINIAN";
    case 10029:
        return "MAC-CENTRALEUROPE";
    case 10079:
        return "MAC-IS";
    case 21025:
        return "CP1025";
    case 38598:
        return "ISO-8859-8";
    default:
        break;
    }
    if (codePage >= 28591 && codePage <= 28606)
        return "ISO-8859-" + QByteArray::number(codePage - 28590);
    if (codePage >= 1140 && codePage <= 1149)
        return "IBM" + QByteArray::number(codePage);
    // The EBCDIC pages 20273 to 20905 are IBM273 to IBM905.
    if (codePage >= 20273 && codePage <= 20905)
        return "IBM" + QByteArray::number(codePage - 20000);
    return "CP" + QByteArray::number(codePage);
}

QString decodeCodePage(QByteArrayView bytes, int codePage)
{
    return decodeCodePage(bytes, codePage, nullptr);
}

QString decodeCodePage(QByteArrayView bytes, int codePage, bool* truncated)
{
    if (truncated)
        *truncated = false;
    if (bytes.isEmpty())
        return {};
    if (codePage == CodePageUtf8) {
        if (truncated)
            *truncated = endsInPartialUtf8(bytes);
        return QString::fromUtf8(bytes);
    }
    IconvHandle primary("UTF-16LE", iconvNameForCodePage(codePage).constData());
    std::optional<IconvHandle> fallback;
    if (!primary.valid())
        fallback.emplace("UTF-16LE", "CP1252");
    const IconvHandle& handle = fallback ? *fallback : primary;
    if (!handle.valid())
        return QString::fromLatin1(bytes);
    const bool windows1252 = fallback || codePage == CodePageWindows1252;

    std::vector<char16_t> out(static_cast<size_t>(bytes.size()) * 2 + 4);
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = static_cast<size_t>(bytes.size());
    char* outPtr = reinterpret_cast<char*>(out.data());
    size_t outLeft = out.size() * sizeof(char16_t);
    while (inLeft > 0) {
        if (iconv(handle.get(), &in, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1))
            break;
        if (errno == E2BIG) {
            const size_t used = out.size() * sizeof(char16_t) - outLeft;
            out.resize(out.size() * 2);
            outPtr = reinterpret_cast<char*>(out.data()) + used;
            outLeft = out.size() * sizeof(char16_t) - used;
            continue;
        }
        // An invalid or truncated sequence: one replacement character per byte.
        const auto byte = static_cast<unsigned char>(*in);
        if (errno == EINVAL && truncated)
            *truncated = true;
        if (outLeft < sizeof(char16_t)) {
            const size_t used = out.size() * sizeof(char16_t) - outLeft;
            out.resize(out.size() * 2);
            outPtr = reinterpret_cast<char*>(out.data()) + used;
            outLeft = out.size() * sizeof(char16_t) - used;
        }
        const char16_t replacement = windows1252 && isUndefinedIn1252(byte) ? char16_t(byte) : u'\uFFFD';
        std::memcpy(outPtr, &replacement, sizeof replacement);
        outPtr += sizeof replacement;
        outLeft -= sizeof replacement;
        ++in;
        --inLeft;
        iconv(handle.get(), nullptr, nullptr, nullptr, nullptr);
    }
    const size_t units = (out.size() * sizeof(char16_t) - outLeft) / sizeof(char16_t);
    return QString(reinterpret_cast<const QChar*>(out.data()), static_cast<qsizetype>(units));
}

QByteArray encodeCodePage(QStringView text, int codePage, bool* lossy)
{
    if (lossy)
        *lossy = false;
    if (text.isEmpty())
        return {};
    if (codePage == CodePageUtf8)
        return text.toUtf8();
    IconvHandle primary(iconvNameForCodePage(codePage).constData(), "UTF-16LE");
    std::optional<IconvHandle> fallback;
    if (!primary.valid())
        fallback.emplace("CP1252", "UTF-16LE");
    // A code page iconv lacks is written as Windows-1252, with losses reported.
    const IconvHandle& handle = fallback ? *fallback : primary;
    if (!handle.valid())
        return text.toLatin1();
    const bool windows1252 = fallback || codePage == CodePageWindows1252;

    EncodedBytes out(text.size() * 4 + 16);
    char* in = reinterpret_cast<char*>(const_cast<QChar*>(text.data()));
    size_t inLeft = static_cast<size_t>(text.size()) * sizeof(QChar);
    while (inLeft > 0) {
        if (iconv(handle.get(), &in, &inLeft, out.next(), out.left()) != static_cast<size_t>(-1))
            break;
        if (errno == E2BIG) {
            out.grow();
            continue;
        }
        char16_t unit;
        std::memcpy(&unit, in, sizeof unit);
        size_t skip = sizeof unit;
        if (windows1252 && isUndefinedIn1252(unit)) {
            out.append(static_cast<char>(unit));
        } else {
            // A character the code page lacks (a surrogate pair counts as
            // one). The "?" stands outside any shifted state.
            if (lossy)
                *lossy = true;
            out.finishShiftState(handle.get());
            out.append('?');
            if (QChar::isHighSurrogate(unit) && inLeft >= 4)
                skip = 4;
        }
        in += skip;
        inLeft -= std::min(skip, inLeft);
    }
    out.finishShiftState(handle.get());
    return out.take();
}

bool endsInPartialUtf8(QByteArrayView bytes)
{
    // Look back over at most three continuation bytes for the lead byte.
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype size = bytes.size();
    for (qsizetype back = 1; back <= 4 && back <= size; ++back) {
        const unsigned char c = data[size - back];
        if ((c & 0xC0) == 0x80)
            continue;
        const int needed = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 && c < 0xE0 ? 2 : 1;
        return needed > back && c < 0xF5;
    }
    return false;
}

bool isWellFormedUtf8(QByteArrayView bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int extra;
        uint32_t cp;
        if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (end - p <= extra)
            return false;
        for (int i = 1; i <= extra; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (p[i] & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF))
            || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        p += extra + 1;
    }
    return true;
}

int ansiCodePageForLanguage(int32_t lanID)
{
    switch (lanID) {
    case 2052:
        return 936;
    case 1028:
    case 3076:
        return 950;
    case 1041:
        return 932;
    case 1042:
        return 949;
    case 1025:
        return 1256;
    default:
        return 1252;
    }
}

} // namespace tessel
