#include "markup/MarkupDocument.h"

#include "markup/DocumentDecoder.h"
#include "markup/DocumentEncoder.h"
#include "markup/ElementText.h"
#include "storage/FileReader.h"
#include "storage/FileWriter.h"
#include "markup/MarkupEscape.h"
#include "markup/MarkupParser.h"
#include "markup/MarkupScanner.h"

#include <QStringBuilder>
#include <limits>

namespace tessel {

namespace {

// Offsets are 32-bit; a text stays well below that so edits cannot overflow.
constexpr qsizetype MaxTextLength = std::numeric_limits<int32_t>::max() / 2;
// Bytes of a file: each byte gives at most one character.
constexpr qsizetype MaxFileSize = MaxTextLength;

const QString LineBreak = QStringLiteral("\r\n");

} // namespace

MarkupDocument::MarkupDocument()
{
    index_.reset(0);
}

bool MarkupDocument::setText(const QString& text)
{
    log_.clear();
    return parseText(text);
}

bool MarkupDocument::parseText(const QString& text)
{
    resetPosition();
    if (text.size() > MaxTextLength) {
        text_.clear();
        index_.reset(0);
        log_.add({ .event = "document_too_large", .numberName = "length", .number = text.size() });
        return false;
    }
    text_ = text;
    MarkupParser parser(text_, index_, log_);
    return parser.parse() == ParseResult::WellFormed;
}

const QString& MarkupDocument::text() const
{
    return text_;
}

bool MarkupDocument::loadFile(const QString& path)
{
    log_.clear();
    QByteArray bytes;
    FileError error;
    if (!readWholeFile(path, MaxFileSize, bytes, error)) {
        logFileError(error);
        resetPosition();
        text_.clear();
        index_.reset(0);
        return false;
    }
    return takeBytes(bytes);
}

bool MarkupDocument::setBytes(QByteArrayView bytes)
{
    log_.clear();
    return takeBytes(bytes);
}

bool MarkupDocument::takeBytes(QByteArrayView bytes)
{
    if (bytes.size() > MaxFileSize) {
        parseText(QString());
        return false;
    }
    parseText(decodeDocument(bytes, ansiCodePage_, log_));
    return true;
}

bool MarkupDocument::saveFile(const QString& path, DashPath dash)
{
    log_.clear();
    const EncodedDocument encoded = encodeDocument(text_, ansiCodePage_, log_);
    FileError error;
    if (!writeFile(path, encoded.bytes, error, dash)) {
        logFileError(error);
        return false;
    }
    log_.add({ .event = "write",
        .textName = "encoding",
        .text = encoded.encoding,
        .numberName = "length",
        .number = encoded.bytes.size() });
    return true;
}

void MarkupDocument::logFileError(const FileError& error)
{
    log_.add({ .event = "file_error",
        .textName = "msg",
        .text = error.message,
        .numberName = "n",
        .number = error.code });
}

bool MarkupDocument::findElement(const QString& name)
{
    int32_t candidate = current_ ? index_[current_].nextSibling : index_[parent_].firstChild;
    for (; candidate; candidate = index_[candidate].nextSibling) {
        if (name.isEmpty() || tagName(candidate) == name) {
            current_ = candidate;
            child_ = 0;
            return true;
        }
    }
    return false;
}

bool MarkupDocument::enterElement()
{
    if (!current_)
        return false;
    parent_ = current_;
    current_ = child_;
    child_ = 0;
    return true;
}

bool MarkupDocument::leaveElement()
{
    if (!parent_)
        return false;
    child_ = current_;
    current_ = parent_;
    parent_ = index_[parent_].parent;
    return true;
}

bool MarkupDocument::findChildElement(const QString& name)
{
    if (!current_ && !findElement())
        return false;
    int32_t candidate = child_ ? index_[child_].nextSibling : index_[current_].firstChild;
    for (; candidate; candidate = index_[candidate].nextSibling) {
        if (name.isEmpty() || tagName(candidate) == name) {
            child_ = candidate;
            return true;
        }
    }
    return false;
}

QString MarkupDocument::elementName() const
{
    return current_ ? tagName(current_).toString() : QString();
}

QString MarkupDocument::attribute(const QString& name) const
{
    if (!current_ || name.isEmpty())
        return {};
    const ElementRecord& record = index_[current_];
    const QStringView tag = QStringView(text_).sliced(record.start, record.startTagLength);
    AttributeSpan span;
    if (!findAttribute(tag, nameLengthAt(tag, 1), name, NameCase::Exact, span))
        return {};
    return unescapeMarkup(tag.sliced(span.valueStart, span.valueEnd - span.valueStart));
}

QString MarkupDocument::childElementText() const
{
    if (!child_)
        return {};
    const ElementRecord& record = index_[child_];
    if (record.firstChild || record.contentEnd() <= record.contentStart())
        return {};
    return elementText(
        QStringView(text_).sliced(record.contentStart(), record.contentEnd() - record.contentStart()));
}

bool MarkupDocument::setAttribute(const QString& name, const QString& value)
{
    if (!current_ || !isValidName(name))
        return false;
    ElementRecord& record = index_[current_];
    const QStringView tag = QStringView(text_).sliced(record.start, record.startTagLength);
    const QString quoted = u'"' % escapeMarkup(value, EscapeMode::Attribute) % u'"';
    AttributeSpan span;
    qsizetype pos;
    qsizetype removed;
    QString inserted;
    if (findAttribute(tag, nameLengthAt(tag, 1), name, NameCase::Exact, span)) {
        pos = record.start + span.replaceStart;
        removed = span.replaceEnd - span.replaceStart;
        inserted = quoted;
    } else {
        pos = record.start + attributesEnd(tag);
        removed = 0;
        inserted = u' ' % name % u'=' % quoted;
    }
    const qsizetype delta = inserted.size() - removed;
    if (text_.size() + delta > MaxTextLength)
        return false;
    text_.replace(pos, removed, inserted);
    index_.shift(static_cast<int32_t>(pos), static_cast<int32_t>(delta), current_);
    index_[current_].startTagLength += static_cast<int32_t>(delta);
    return true;
}

bool MarkupDocument::setAttribute(const QString& name, long long value)
{
    return setAttribute(name, QString::number(value));
}

bool MarkupDocument::appendElement(const QString& name, const QString& text)
{
    const int32_t element = insertElement(parent_, current_, name, text);
    if (!element)
        return false;
    current_ = element;
    child_ = 0;
    return true;
}

bool MarkupDocument::appendChildElement(const QString& name, const QString& text)
{
    if (!current_)
        return false;
    const int32_t element = insertElement(current_, child_, name, text);
    if (!element)
        return false;
    child_ = element;
    return true;
}

int32_t MarkupDocument::insertElement(
    int32_t parent, int32_t previous, const QString& name, const QString& content)
{
    if (!isValidName(name))
        return 0;
    QString element;
    int32_t startTagLength;
    int32_t endTagLength = 0;
    // Each text is built in one piece (QStringBuilder): a save makes
    // millions of them.
    if (content.isEmpty()) {
        element = u'<' % name % QLatin1StringView("/>");
        startTagLength = static_cast<int32_t>(element.size());
    } else {
        element = u'<' % name % u'>' % escapeMarkup(content, EscapeMode::Element) % QLatin1StringView("</")
            % name % u'>';
        startTagLength = static_cast<int32_t>(name.size() + 2);
        endTagLength = static_cast<int32_t>(name.size() + 3);
    }

    qsizetype pos;
    qsizetype removed = 0;
    QString inserted;
    qsizetype elementOffset = 0;
    int32_t rewrittenStartTag = 0;
    ElementRecord& container = index_[parent];
    const bool emptyParent = parent && (container.flags & ElementRecord::EmptyElement);
    if (emptyParent) {
        // "<P/>" becomes "<P>", CR LF, the element, CR LF, "</P>": the "/" is
        // replaced and the parent's own ">" closes its new end tag.
        pos = container.start + container.startTagLength - 2;
        removed = 1;
        // A stray "/" before "/>" would close the rewritten tag again.
        const QString close = text_[pos - 1] == u'/' ? QStringLiteral(" >") : QStringLiteral(">");
        inserted = close % LineBreak % element % LineBreak % QLatin1StringView("</") % tagName(parent);
        elementOffset = close.size() + LineBreak.size();
        rewrittenStartTag = static_cast<int32_t>(pos - container.start + close.size());
    } else {
        if (previous) {
            pos = index_[previous].end();
            qsizetype next = pos;
            while (next < text_.size() && isMarkupSpace(text_[next]))
                ++next;
            // Lands on the line after its sibling unless text follows it.
            if (next >= text_.size() || text_[next] == u'<')
                pos = next;
        } else {
            pos = parent ? container.contentEnd() : text_.size();
        }
        inserted = element % LineBreak;
        const bool nothingBetween = parent && !(container.flags & ElementRecord::IllFormed)
            && container.contentStart() == container.contentEnd();
        if (nothingBetween) {
            inserted.prepend(LineBreak);
            elementOffset = LineBreak.size();
        }
    }
    const qsizetype delta = inserted.size() - removed;
    if (text_.size() + delta > MaxTextLength)
        return 0;

    text_.replace(pos, removed, inserted);
    index_.shift(static_cast<int32_t>(pos), static_cast<int32_t>(delta), parent);
    if (emptyParent) {
        ElementRecord& rewritten = index_[parent];
        rewritten.flags &= ~ElementRecord::EmptyElement;
        rewritten.startTagLength = rewrittenStartTag;
        rewritten.endTagLength = static_cast<int32_t>(tagName(parent).size() + 3);
    }
    ElementRecord record;
    record.start = static_cast<int32_t>(pos + elementOffset);
    record.length = static_cast<int32_t>(element.size());
    record.startTagLength = startTagLength;
    record.endTagLength = endTagLength;
    if (content.isEmpty())
        record.flags = ElementRecord::EmptyElement;
    const int32_t added = index_.add(record);
    index_.link(added, parent, previous);
    return added;
}

const QString& MarkupDocument::resultLog() const
{
    return log_.text();
}

void MarkupDocument::setAnsiCodePage(int codePage)
{
    ansiCodePage_ = codePage;
}

bool MarkupDocument::hasErrors() const
{
    return index_[0].flags & ElementRecord::DocumentHasErrors;
}

void MarkupDocument::resetPosition()
{
    parent_ = 0;
    current_ = 0;
    child_ = 0;
}

QStringView MarkupDocument::tagName(int32_t element) const
{
    const ElementRecord& record = index_[element];
    return QStringView(text_).sliced(record.start + 1, nameLengthAt(text_, record.start + 1));
}

} // namespace tessel
