#include "markup/MarkupScanner.h"

namespace tessel {

namespace {

MarkupToken unterminated(MarkupToken::Kind kind, const char* type, qsizetype resume)
{
    MarkupToken token;
    token.kind = kind;
    token.end = resume;
    token.fault = "unterminated_tag_syntax";
    token.unterminatedType = type;
    return token;
}

// A section closed by a fixed delimiter: comment, CDATA section, processing
// instruction. Unclosed, it runs to the end of the text.
MarkupToken scanDelimited(
    QStringView text, qsizetype bodyStart, QStringView close, MarkupToken::Kind kind, const char* type)
{
    const qsizetype found = text.indexOf(close, bodyStart);
    if (found < 0)
        return unterminated(kind, type, text.size());
    MarkupToken token;
    token.kind = kind;
    token.end = found + close.size();
    return token;
}

// A "<!" tag up to the next ">", carrying the fault found at its start.
MarkupToken scanToClose(QStringView text, qsizetype from, const char* fault)
{
    const qsizetype close = text.indexOf(u'>', from);
    if (close < 0)
        return unterminated(MarkupToken::OtherTag, "tag", text.size());
    MarkupToken token;
    token.kind = MarkupToken::OtherTag;
    token.end = close + 1;
    token.fault = fault;
    return token;
}

// Skips a quoted section starting at pos; npos-like -1 when unclosed.
qsizetype skipQuoted(QStringView text, qsizetype pos, qsizetype limit)
{
    const qsizetype close = text.first(limit).indexOf(text[pos], pos + 1);
    return close < 0 ? -1 : close + 1;
}

MarkupToken scanDocumentType(QStringView text, qsizetype pos)
{
    const qsizetype size = text.size();
    MarkupToken token;
    token.kind = MarkupToken::DocumentType;
    bool inSubset = false;
    bool subsetSeen = false;
    qsizetype i = pos;
    while (i < size) {
        const QChar c = text[i];
        if (c == u'"' || c == u'\'') {
            i = skipQuoted(text, i, size);
            if (i < 0)
                break;
            continue;
        }
        if (inSubset) {
            if (c == u']')
                inSubset = false;
        } else if (c == u'>') {
            token.end = i + 1;
            return token;
        } else if (c == u'[' || c == u']') {
            // A second internal subset, or a "]" that closes none.
            if (c == u']' || subsetSeen)
                token.fault = "doctype_tag_syntax";
            inSubset = c == u'[';
            subsetSeen = true;
        }
        ++i;
    }
    return unterminated(MarkupToken::DocumentType, "document_type", size);
}

MarkupToken scanStartTag(QStringView text, qsizetype pos, qsizetype nameLength)
{
    const qsizetype size = text.size();
    qsizetype i = pos + 1 + nameLength;
    while (i < size) {
        const QChar c = text[i];
        if (c == u'>') {
            MarkupToken token;
            token.kind = MarkupToken::StartTag;
            token.end = i + 1;
            token.nameLength = nameLength;
            return token;
        }
        if (c == u'/' && i + 1 < size && text[i + 1] == u'>') {
            MarkupToken token;
            token.kind = MarkupToken::EmptyElementTag;
            token.end = i + 2;
            token.nameLength = nameLength;
            return token;
        }
        if (c == u'"' || c == u'\'') {
            i = skipQuoted(text, i, size);
            if (i < 0)
                return unterminated(MarkupToken::StartTag, "start_tag", size);
            continue;
        }
        // A "<" outside quotes opens the next tag: this one never closed.
        if (c == u'<')
            return unterminated(MarkupToken::StartTag, "start_tag", i);
        ++i;
    }
    return unterminated(MarkupToken::StartTag, "start_tag", size);
}

MarkupToken scanEndTag(QStringView text, qsizetype pos)
{
    const qsizetype size = text.size();
    const qsizetype nameLength = nameLengthAt(text, pos + 2);
    if (nameLength == 0) {
        MarkupToken token;
        token.end = pos + 1;
        token.fault = "first_tag_syntax";
        return token;
    }
    qsizetype i = pos + 2 + nameLength;
    while (i < size && text[i] != u'>' && text[i] != u'<')
        ++i;
    if (i >= size || text[i] == u'<')
        return unterminated(MarkupToken::EndTag, "end_tag", i);
    MarkupToken token;
    token.kind = MarkupToken::EndTag;
    token.end = i + 1;
    token.nameLength = nameLength;
    return token;
}

MarkupToken scanExclamation(QStringView text, qsizetype pos)
{
    const QStringView rest = text.sliced(pos);
    if (rest.startsWith(u"<!--"))
        return scanDelimited(text, pos + 4, u"-->", MarkupToken::Comment, "comment");
    if (rest.startsWith(u"<![CDATA["))
        return scanDelimited(text, pos + 9, u"]]>", MarkupToken::CDataSection, "cdata_section");
    if (rest.startsWith(u"<!DOCTYPE"))
        return scanDocumentType(text, pos + 9);
    if (rest.startsWith(u"<!-"))
        return scanToClose(text, pos + 3, "comment_tag_syntax");
    if (rest.startsWith(u"<!["))
        return scanToClose(text, pos + 3, "cdata_section_syntax");
    const bool letter = rest.size() > 2 && rest[2].isLetter();
    return scanToClose(text, pos + 2, letter ? nullptr : "exclamation_tag_syntax");
}

} // namespace

bool isNameStartChar(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u == '_' || u == ':' || u >= 0x80;
}

bool isNameChar(QChar c)
{
    const char16_t u = c.unicode();
    return isNameStartChar(c) || (u >= '0' && u <= '9') || u == '-' || u == '.';
}

bool isValidName(QStringView name)
{
    if (name.isEmpty() || !isNameStartChar(name[0]))
        return false;
    for (QChar c : name)
        if (!isNameChar(c))
            return false;
    return true;
}

bool isMarkupSpace(QChar c)
{
    const char16_t u = c.unicode();
    return u == ' ' || u == '\t' || u == '\r' || u == '\n';
}

qsizetype nameLengthAt(QStringView text, qsizetype pos)
{
    if (pos >= text.size() || !isNameStartChar(text[pos]))
        return 0;
    qsizetype i = pos + 1;
    while (i < text.size() && isNameChar(text[i]))
        ++i;
    return i - pos;
}

MarkupToken scanTag(QStringView text, qsizetype pos)
{
    const qsizetype size = text.size();
    if (pos + 1 < size) {
        const QChar next = text[pos + 1];
        if (next == u'?')
            return scanDelimited(
                text, pos + 2, u"?>", MarkupToken::ProcessingInstruction, "processing_instruction");
        if (next == u'!')
            return scanExclamation(text, pos);
        if (next == u'/')
            return scanEndTag(text, pos);
        if (const qsizetype nameLength = nameLengthAt(text, pos + 1))
            return scanStartTag(text, pos, nameLength);
    }
    MarkupToken token;
    token.end = pos + 1;
    token.fault = "first_tag_syntax";
    return token;
}

qsizetype attributesEnd(QStringView tag)
{
    return tag.endsWith(u"/>") ? tag.size() - 2 : tag.endsWith(u'>') ? tag.size() - 1 : tag.size();
}

bool findAttribute(
    QStringView tag, qsizetype nameLength, QStringView name, NameCase nameCase, AttributeSpan& span)
{
    const qsizetype end = attributesEnd(tag);
    const Qt::CaseSensitivity cs = nameCase == NameCase::Exact ? Qt::CaseSensitive : Qt::CaseInsensitive;
    qsizetype i = 1 + nameLength;
    while (i < end) {
        const QChar c = tag[i];
        if (isMarkupSpace(c)) {
            ++i;
            continue;
        }
        if (c == u'"' || c == u'\'') {
            // A stray quoted section belongs to no attribute.
            i = skipQuoted(tag, i, end);
            if (i < 0)
                return false;
            continue;
        }
        const qsizetype attrStart = i;
        while (i < end && !isMarkupSpace(tag[i]) && tag[i] != u'=' && tag[i] != u'"' && tag[i] != u'\'')
            ++i;
        const QStringView attrName = tag.sliced(attrStart, i - attrStart);
        while (i < end && isMarkupSpace(tag[i]))
            ++i;
        if (i >= end || tag[i] != u'=') {
            if (i == attrStart)
                ++i;
            continue;
        }
        ++i;
        while (i < end && isMarkupSpace(tag[i]))
            ++i;
        AttributeSpan found;
        if (i < end && (tag[i] == u'"' || tag[i] == u'\'')) {
            const qsizetype close = tag.first(end).indexOf(tag[i], i + 1);
            found.replaceStart = i;
            found.valueStart = i + 1;
            found.valueEnd = close < 0 ? end : close;
            found.replaceEnd = close < 0 ? end : close + 1;
        } else {
            // Quotes inside an unquoted value pair up as the tag scanner
            // paired them, so that replacing the value keeps the tag intact.
            found.replaceStart = found.valueStart = i;
            while (i < end && !isMarkupSpace(tag[i])) {
                if (tag[i] == u'"' || tag[i] == u'\'') {
                    i = skipQuoted(tag, i, end);
                    if (i < 0)
                        i = end;
                } else {
                    ++i;
                }
            }
            found.replaceEnd = found.valueEnd = i;
        }
        i = found.replaceEnd;
        if (attrName.compare(name, cs) == 0) {
            span = found;
            return true;
        }
    }
    return false;
}

} // namespace tessel
