#include "markup/DeclaredEncoding.h"

#include "markup/MarkupScanner.h"

namespace tessel {

namespace {

QString attributeValue(QStringView tag, qsizetype nameLength, QStringView name, NameCase nameCase)
{
    AttributeSpan span;
    if (!findAttribute(tag, nameLength, name, nameCase, span))
        return {};
    return tag.sliced(span.valueStart, span.valueEnd - span.valueStart).toString();
}

QString xmlDeclarationEncoding(QStringView text)
{
    if (!text.startsWith(u"<?xml") || text.size() < 6 || !(isMarkupSpace(text[5]) || text[5] == u'?'))
        return {};
    const qsizetype close = text.indexOf(u"?>");
    if (close < 0)
        return {};
    return attributeValue(text.first(close + 2), 4, u"encoding", NameCase::Exact);
}

// The charset of a "meta" tag: its http-equiv Content-Type "content", or a
// "charset" attribute of its own.
QString metaCharset(QStringView tag)
{
    const QString equiv = attributeValue(tag, 4, u"http-equiv", NameCase::IgnoreAsciiCase);
    if (equiv.compare(u"content-type", Qt::CaseInsensitive) == 0) {
        const QString content = attributeValue(tag, 4, u"content", NameCase::IgnoreAsciiCase);
        const qsizetype at = content.indexOf(u"charset", 0, Qt::CaseInsensitive);
        if (at >= 0) {
            qsizetype i = at + 7;
            while (i < content.size() && content[i].isSpace())
                ++i;
            if (i < content.size() && content[i] == u'=') {
                ++i;
                while (i < content.size() && content[i].isSpace())
                    ++i;
                qsizetype end = i;
                while (end < content.size() && !content[end].isSpace() && content[end] != u';')
                    ++end;
                return content.sliced(i, end - i);
            }
        }
    }
    return attributeValue(tag, 4, u"charset", NameCase::IgnoreAsciiCase);
}

QString htmlMetaEncoding(QStringView text)
{
    qsizetype pos = 0;
    for (;;) {
        const qsizetype lt = text.indexOf(u'<', pos);
        if (lt < 0)
            return {};
        const MarkupToken token = scanTag(text, lt);
        if (!token.terminated())
            return {};
        pos = token.end;
        if (token.kind != MarkupToken::StartTag && token.kind != MarkupToken::EmptyElementTag)
            continue;
        const QStringView name = text.sliced(lt + 1, token.nameLength);
        if (name.compare(u"html", Qt::CaseInsensitive) == 0
            || name.compare(u"head", Qt::CaseInsensitive) == 0)
            continue;
        if (name.compare(u"meta", Qt::CaseInsensitive) != 0)
            return {};
        const QString charset = metaCharset(text.sliced(lt, token.end - lt));
        if (!charset.isEmpty())
            return charset;
    }
}

} // namespace

QString declaredEncoding(QStringView text)
{
    const QString declared = xmlDeclarationEncoding(text);
    return declared.isEmpty() ? htmlMetaEncoding(text) : declared;
}

} // namespace tessel
