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

// Skips a quoted section starting at pos; -1 when unclosed.
qsizetype skipQuoted(QStringView text, qsizetype pos, qsizetype limit)
{
    const qsizetype close = text.first(limit).indexOf(text[pos], pos + 1);
    return close < 0 ? -1 : close + 1;
}

bool closesTag(QStringView text, qsizetype i)
{
    return text[i] == u'>' || (text[i] == u'/' && i + 1 < text.size() && text[i + 1] == u'>');
}

enum class BareWord { Name, Value };

// Where a bare attribute name or an unquoted value stops: white space, the
// end of the tag, or a "<"; a name also stops at "=". Quotes inside it are
// ordinary characters.
qsizetype bareWordEnd(QStringView text, qsizetype i, BareWord word)
{
    const qsizetype size = text.size();
    for (; i < size; ++i) {
        const char16_t c = text[i].unicode();
        // Every character that can stop the word sorts at or below ">".
        if (c > u'>')
            continue;
        if (isMarkupSpace(text[i]) || c == u'<' || closesTag(text, i)
            || (word == BareWord::Name && c == u'='))
            break;
    }
    return i;
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

// One attribute of a start tag, as offsets into the text.
struct AttributeToken {
    qsizetype nameStart = 0;
    qsizetype nameEnd = 0;
    bool hasValue = false; // a bare name has none
    bool quoted = false;
    AttributeSpan span;
};

enum class AttributeStep {
    Attribute, // one was read
    TagEnd, // a ">" or "/>" stands at pos
    Broken, // a "<" or the end of the text stands at pos
};

// Reads the attribute that starts at pos, after white space, and moves pos
// past it. The tag scanner and the attribute lookup both walk a tag with
// this, so that they agree on where every value begins and ends.
AttributeStep nextAttribute(QStringView text, qsizetype& pos, AttributeToken& attribute)
{
    const qsizetype size = text.size();
    qsizetype i = pos;
    while (i < size && isMarkupSpace(text[i]))
        ++i;
    pos = i;
    if (i >= size || text[i] == u'<')
        return AttributeStep::Broken;
    if (closesTag(text, i))
        return AttributeStep::TagEnd;
    attribute = AttributeToken();
    attribute.nameStart = i;
    i = bareWordEnd(text, i, BareWord::Name);
    attribute.nameEnd = i;
    while (i < size && isMarkupSpace(text[i]))
        ++i;
    if (i >= size || text[i] != u'=') {
        pos = attribute.nameEnd;
        return AttributeStep::Attribute;
    }
    ++i;
    while (i < size && isMarkupSpace(text[i]))
        ++i;
    attribute.hasValue = true;
    AttributeSpan& span = attribute.span;
    span.replaceStart = span.valueStart = i;
    if (i < size && (text[i] == u'"' || text[i] == u'\'')) {
        // A quoted value may hold ">" but never "<", which no writer leaves
        // unescaped there: an unclosed quote breaks off at the next tag.
        attribute.quoted = true;
        const QChar quote = text[i];
        ++i;
        span.valueStart = i;
        while (i < size && text[i] != quote && text[i] != u'<')
            ++i;
        span.valueEnd = i;
        if (i >= size || text[i] != quote) {
            pos = i;
            return AttributeStep::Broken;
        }
        span.replaceEnd = pos = i + 1;
        return AttributeStep::Attribute;
    }
    // An unquoted value runs to white space or the end of the tag, whatever
    // it contains.
    span.valueEnd = span.replaceEnd = pos = bareWordEnd(text, i, BareWord::Value);
    return AttributeStep::Attribute;
}

MarkupToken scanStartTag(QStringView text, qsizetype pos, qsizetype nameLength)
{
    qsizetype i = pos + 1 + nameLength;
    bool quotedValueSeen = false;
    for (;;) {
        AttributeToken attribute;
        const AttributeStep step = nextAttribute(text, i, attribute);
        if (step == AttributeStep::Attribute) {
            quotedValueSeen = quotedValueSeen || attribute.quoted;
            continue;
        }
        if (step == AttributeStep::TagEnd) {
            MarkupToken token;
            token.kind = text[i] == u'>' ? MarkupToken::StartTag : MarkupToken::EmptyElementTag;
            token.end = i + (token.kind == MarkupToken::StartTag ? 1 : 2);
            token.nameLength = nameLength;
            return token;
        }
        // Broken off by a "<" or the end of the text. A quoted value marks it
        // as a tag that was never closed; anything else, such as the "x<y" of
        // a comparison in a stored rich text, is text. Either way scanning
        // resumes before that "<", so a broken tag never costs what follows.
        if (quotedValueSeen || attribute.quoted)
            return unterminated(MarkupToken::StartTag, "start_tag", i);
        MarkupToken token;
        token.end = pos + 1;
        token.fault = "first_tag_syntax";
        return token;
    }
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
    const Qt::CaseSensitivity cs = nameCase == NameCase::Exact ? Qt::CaseSensitive : Qt::CaseInsensitive;
    qsizetype i = 1 + nameLength;
    AttributeToken attribute;
    while (nextAttribute(tag, i, attribute) == AttributeStep::Attribute) {
        const QStringView attributeName
            = tag.sliced(attribute.nameStart, attribute.nameEnd - attribute.nameStart);
        if (attribute.hasValue && attributeName.compare(name, cs) == 0) {
            span = attribute.span;
            return true;
        }
    }
    return false;
}

} // namespace tessel
