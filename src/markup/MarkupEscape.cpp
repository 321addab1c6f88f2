#include "markup/MarkupEscape.h"

#include "markup/NamedReference.h"

namespace tessel {

namespace {

constexpr char32_t MaxCharacter = 0x10FFFF;
constexpr qsizetype MaxNameLength = 9;

int digitValue(char16_t c, int base)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (base == 16 && c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (base == 16 && c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isReferenceCharacter(char32_t c)
{
    return c != 0 && c <= MaxCharacter && !(c >= 0xD800 && c <= 0xDFFF);
}

// Decodes the reference starting with "&" at pos. Returns the length of the
// reference, 0 when it is not one to decode.
qsizetype decodeReference(QStringView text, qsizetype pos, char32_t& character)
{
    const qsizetype size = text.size();
    qsizetype i = pos + 1;
    if (i < size && text[i] == u'#') {
        ++i;
        int base = 10;
        if (i < size && text[i] == u'x') {
            base = 16;
            ++i;
        }
        const qsizetype digitsStart = i;
        char32_t value = 0;
        // Saturates past U+10FFFF so that any number of digits stays bounded.
        while (i < size) {
            const int d = digitValue(text[i].unicode(), base);
            if (d < 0)
                break;
            if (value <= MaxCharacter)
                value = value * static_cast<char32_t>(base) + static_cast<char32_t>(d);
            ++i;
        }
        if (i == digitsStart || i >= size || text[i] != u';' || !isReferenceCharacter(value))
            return 0;
        character = value;
        return i + 1 - pos;
    }
    const qsizetype nameStart = i;
    while (i < size && i - nameStart <= MaxNameLength && text[i] != u';')
        ++i;
    if (i >= size || text[i] != u';' || i == nameStart || i - nameStart > MaxNameLength)
        return 0;
    character = namedReference(text.sliced(nameStart, i - nameStart));
    return character ? i + 1 - pos : 0;
}

} // namespace

QString escapeMarkup(QStringView text, EscapeMode mode)
{
    const bool attribute = mode == EscapeMode::Attribute;
    const auto replacement = [attribute](QChar c) -> QStringView {
        switch (c.unicode()) {
        case u'<':
            return u"&lt;";
        case u'&':
            return u"&amp;";
        case u'>':
            return u"&gt;";
        case u'\'':
            return attribute ? QStringView(u"&apos;") : QStringView();
        case u'"':
            return attribute ? QStringView(u"&quot;") : QStringView();
        default:
            return {};
        }
    };
    // Runs without markup characters are copied whole: a document of long
    // texts is saved at the speed of copying them.
    QString out;
    out.reserve(text.size() + text.size() / 8);
    qsizetype copied = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QStringView escaped = replacement(text[i]);
        if (escaped.isNull())
            continue;
        out.append(text.sliced(copied, i - copied));
        out.append(escaped);
        copied = i + 1;
    }
    out.append(text.sliced(copied));
    return out;
}

void appendUnescaped(QString& out, QStringView text)
{
    qsizetype copied = 0;
    qsizetype pos = text.indexOf(u'&');
    while (pos >= 0) {
        char32_t character = 0;
        const qsizetype length = decodeReference(text, pos, character);
        if (length > 0) {
            out += text.sliced(copied, pos - copied);
            if (character > 0xFFFF) {
                out += QChar(QChar::highSurrogate(character));
                out += QChar(QChar::lowSurrogate(character));
            } else {
                out += QChar(static_cast<char16_t>(character));
            }
            copied = pos + length;
            pos = text.indexOf(u'&', copied);
        } else {
            pos = text.indexOf(u'&', pos + 1);
        }
    }
    out += text.sliced(copied);
}

QString unescapeMarkup(QStringView text)
{
    if (!text.contains(u'&'))
        return text.toString();
    QString out;
    out.reserve(text.size());
    appendUnescaped(out, text);
    return out;
}

} // namespace tessel
