#include "ui/AccessKeys.h"

namespace tessel {

namespace {

// The position of the marker's "&", or -1.
qsizetype markerPosition(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] == u'&') {
            ++i;
            continue;
        }
        return i;
    }
    return -1;
}

bool isOpening(QChar c)
{
    return c == u'(' || c == u'\uFF08';
}

bool isClosing(QChar c)
{
    return c == u')' || c == u'\uFF09';
}

} // namespace

QString withoutAccessKey(const QString& text)
{
    QString result = text;
    const qsizetype marker = markerPosition(result);
    if (marker >= 0) {
        // "(&F)" goes as a whole, with a space before it.
        if (marker > 0 && marker + 2 < result.size() && isOpening(result[marker - 1])
            && isClosing(result[marker + 2])) {
            qsizetype start = marker - 1;
            while (start > 0 && result[start - 1] == u' ')
                --start;
            result.remove(start, marker + 3 - start);
        } else {
            result.remove(marker, 1);
        }
    }
    result.replace(QStringLiteral("&&"), QStringLiteral("&"));
    return result;
}

QChar accessKey(const QString& text)
{
    const qsizetype marker = markerPosition(text);
    return marker < 0 ? QChar() : text[marker + 1].toUpper();
}

QString escapeAccessKeys(QString text)
{
    return text.replace(u'&', QStringLiteral("&&"));
}

} // namespace tessel
