#include "cli/CliTerminalText.h"

#include "encoding/CodePage.h"
#include "encoding/EncodingName.h"

#include <algorithm>
#include <cstring>
#include <langinfo.h>

namespace tessel::cli {

namespace {

constexpr int CodePageAscii = 20127;

} // namespace

int localeCodePage(LocaleState state)
{
    // An unknown name is taken as UTF-8, the character set of every
    // locale this system ships.
    if (state == LocaleState::Set)
        return codePageForEncodingName(QString::fromLatin1(nl_langinfo(CODESET)), CodePageUtf8);
    // A locale that is not installed still names its character set, as in
    // "de_DE.UTF-8": the terminal expects that one, not the C locale's ASCII.
    for (const char* variable : { "LC_ALL", "LC_CTYPE", "LANG" }) {
        const QString value = qEnvironmentVariable(variable);
        if (value.isEmpty())
            continue;
        const QString codeset = value.section(u'@', 0, 0).section(u'.', 1);
        return codeset.isEmpty() ? CodePageAscii : codePageForEncodingName(codeset, CodePageAscii);
    }
    return CodePageAscii;
}

QString systemReason(int errnum)
{
    return decodeCodePage(std::strerror(errnum), localeCodePage(LocaleState::Set));
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
