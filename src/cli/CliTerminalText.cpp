#include "cli/CliTerminalText.h"

#include "encoding/CodePage.h"
#include "encoding/EncodingName.h"

#include <algorithm>
#include <cstring>
#include <langinfo.h>

namespace tessel::cli {

int localeCodePage()
{
    // An unknown name is taken as UTF-8, the character set of every
    // locale this system ships.
    return codePageForEncodingName(QString::fromLatin1(nl_langinfo(CODESET)), CodePageUtf8);
}

QString systemReason(int errnum)
{
    return decodeCodePage(std::strerror(errnum), localeCodePage());
}

namespace {

bool isControl(char16_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

} // namespace

QString escapedControls(const QString& text, LineEnds lineEnds)
{
    const auto needsEscape = [lineEnds](QChar c) {
        return isControl(c.unicode()) && !(lineEnds == LineEnds::Kept && c == u'\n');
    };
    if (std::none_of(text.begin(), text.end(), needsEscape))
        return text;
    QString escaped;
    escaped.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (!needsEscape(c))
            escaped += c;
        else if (c == u'\x1b')
            escaped += QLatin1String("\\e");
        else if (c.unicode() < 0x80)
            escaped += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            escaped += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return escaped;
}

} // namespace tessel::cli
