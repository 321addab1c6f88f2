#include "markup/DocumentDecoder.h"

#include "encoding/CodePage.h"
#include "encoding/EncodingName.h"
#include "markup/DeclaredEncoding.h"

#include <QByteArray>

namespace tessel {

namespace {

// The declared encoding is looked for in this much of the file.
constexpr qsizetype HeadLength = 1024;

enum class ByteOrder { LittleEndian, BigEndian };

QString decodeUtf16(QByteArrayView bytes, ByteOrder order, ResultLog& log)
{
    if (bytes.size() % 2 != 0) {
        log.add({ .event = "truncation_error", .textName = "encoding", .text = QStringLiteral("UTF-16") });
        bytes.chop(1);
    }
    const qsizetype units = bytes.size() / 2;
    QString text(units, Qt::Uninitialized);
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const int high = order == ByteOrder::BigEndian ? 0 : 1;
    qsizetype kept = 0;
    for (qsizetype i = 0; i < units; ++i) {
        const char16_t unit = static_cast<char16_t>((data[2 * i + high] << 8) | data[2 * i + 1 - high]);
        if (unit != 0)
            text[kept++] = QChar(unit);
    }
    text.truncate(kept);
    if (kept != units)
        log.add({ .event = "nulls_removed", .numberName = "count", .number = units - kept });
    if (order == ByteOrder::BigEndian)
        log.add({ .event = "endian_swap" });
    return text;
}

} // namespace

QString decodeDocument(QByteArrayView bytes, int ansiCodePage, ResultLog& log)
{
    QString encoding;
    bool utf16 = false;
    ByteOrder order = ByteOrder::LittleEndian;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        encoding = QStringLiteral("UTF-8");
        bytes = bytes.sliced(3);
    } else if (bytes.startsWith("\xFF\xFE")) {
        encoding = QStringLiteral("UTF-16LE");
        utf16 = true;
        bytes = bytes.sliced(2);
    } else if (bytes.startsWith("\xFE\xFF")) {
        encoding = QStringLiteral("UTF-16BE");
        utf16 = true;
        order = ByteOrder::BigEndian;
        bytes = bytes.sliced(2);
    }
    if (!encoding.isEmpty())
        log.add({ .event = "bom" });
    else
        encoding = declaredEncoding(QString::fromUtf8(bytes.first(qMin(bytes.size(), HeadLength))));

    if (utf16) {
        log.add({ .event = "read",
            .textName = "encoding",
            .text = encoding,
            .numberName = "length",
            .number = bytes.size() });
        QString text = decodeUtf16(bytes, order, log);
        log.add({ .event = "converted_to",
            .textName = "encoding",
            .text = QStringLiteral("UTF-16"),
            .numberName = "length",
            .number = text.size() });
        return text;
    }

    QByteArray body = bytes.toByteArray();
    const qsizetype nulls = body.count('\0');
    if (nulls > 0) {
        body.removeIf([](char c) { return c == '\0'; });
        log.add({ .event = "nulls_removed", .numberName = "count", .number = nulls });
    }
    // Without a declaration, text that is well-formed UTF-8 is taken as UTF-8
    // and anything else as the ANSI code page, so that undeclared legacy files
    // keep their characters.
    if (encoding.isEmpty()) {
        if (isWellFormedUtf8(body))
            encoding = QStringLiteral("UTF-8");
        log.add({ .event = "utf8_detection" });
    }
    log.add({ .event = "read",
        .textName = "encoding",
        .text = encoding.isEmpty() ? QStringLiteral("ANSI") : encoding,
        .numberName = "length",
        .number = body.size() });
    bool truncated = false;
    QString text = decodeCodePage(body, codePageForEncodingName(encoding, ansiCodePage), &truncated);
    if (truncated)
        log.add({ .event = "truncation_error",
            .textName = "encoding",
            .text = encoding.isEmpty() ? QStringLiteral("ANSI") : encoding });
    log.add({ .event = "converted_to",
        .textName = "encoding",
        .text = QStringLiteral("UTF-16"),
        .numberName = "length",
        .number = text.size() });
    return text;
}

} // namespace tessel
