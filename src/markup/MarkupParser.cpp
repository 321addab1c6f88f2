#include "markup/MarkupParser.h"

namespace tessel {

MarkupParser::MarkupParser(QStringView text, ElementIndex& index, ResultLog& log)
    : text_(text)
    , index_(index)
    , log_(log)
{
}

ParseResult MarkupParser::parse()
{
    index_.reset(static_cast<int32_t>(text_.size()));
    qsizetype pos = 0;
    for (;;) {
        const qsizetype lt = text_.indexOf(u'<', pos);
        if (lt < 0)
            break;
        const MarkupToken token = scanTag(text_, lt);
        if (token.fault) {
            errors_ = true;
            LogEntry entry { .event = token.fault, .numberName = "offset", .number = lt };
            if (token.unterminatedType) {
                entry.textName = "type";
                entry.text = QString::fromLatin1(token.unterminatedType);
            }
            log_.add(entry);
        }
        if (token.terminated()) {
            if (token.kind == MarkupToken::StartTag || token.kind == MarkupToken::EmptyElementTag)
                addElement(lt, token);
            else if (token.kind == MarkupToken::EndTag)
                handleEndTag(lt, token);
        }
        pos = token.end;
    }
    closeUnended(0, 0, text_.size());
    checkTopLevel();
    if (errors_)
        index_[0].flags |= ElementRecord::DocumentHasErrors;
    return errors_ ? ParseResult::HasErrors : ParseResult::WellFormed;
}

void MarkupParser::addElement(qsizetype pos, const MarkupToken& token)
{
    ElementRecord record;
    record.start = static_cast<int32_t>(pos);
    record.startTagLength = static_cast<int32_t>(token.end - pos);
    record.length = record.startTagLength;
    if (token.kind == MarkupToken::EmptyElementTag)
        record.flags = ElementRecord::EmptyElement;
    const int32_t element = index_.add(record);
    index_.link(element, open_.empty() ? 0 : open_.back().element, 0);
    if (token.kind == MarkupToken::EmptyElementTag)
        return;
    OpenElement open { element, static_cast<int32_t>(token.nameLength), 0, nullptr };
    int32_t& innermost = innermostByName_[nameOf(open)];
    open.sameNameBelow = innermost;
    open.innermost = &innermost;
    open_.push_back(open);
    innermost = static_cast<int32_t>(open_.size());
}

void MarkupParser::handleEndTag(qsizetype pos, const MarkupToken& token)
{
    const QStringView name = text_.sliced(pos + 2, token.nameLength);
    int32_t match = 0;
    if (!open_.empty() && nameOf(open_.back()) == name) {
        // The usual case: the end tag of the innermost element.
        match = static_cast<int32_t>(open_.size());
    } else if (!open_.empty()) {
        const auto found = innermostByName_.find(name);
        match = found == innermostByName_.end() ? 0 : found->second;
    }
    if (match == 0) {
        errors_ = true;
        log_.add({ .event = "lone_end_tag",
            .textName = "tagname",
            .text = name.toString(),
            .numberName = "offset",
            .number = pos });
        return;
    }
    const size_t matched = static_cast<size_t>(match - 1);
    const int32_t element = open_[matched].element;
    closeUnended(matched + 1, element, pos);
    ElementRecord& record = index_[element];
    record.length = static_cast<int32_t>(token.end) - record.start;
    record.endTagLength = static_cast<int32_t>(token.end - pos);
    pop();
}

void MarkupParser::closeUnended(size_t from, int32_t container, qsizetype detectedAt)
{
    if (from >= open_.size())
        return;
    errors_ = true;
    for (size_t k = open_.size(); k-- > from;) {
        const ElementRecord& record = index_[open_[k].element];
        log_.add({ .event = "unended_start_tag",
            .textName = "tagname",
            .text = nameOf(open_[k]).toString(),
            .numberName = "offset",
            .number = record.start,
            .offset2 = detectedAt });
    }
    // Each unended element keeps only its start tag; its children follow it as
    // siblings inside the container. Element k+1 is the last child of element
    // k, so chaining every element to its first child flattens the run in
    // document order, and each child changes parent once.
    int32_t tail = 0;
    for (size_t k = from; k < open_.size(); ++k) {
        const int32_t element = open_[k].element;
        ElementRecord& record = index_[element];
        record.flags |= ElementRecord::IllFormed;
        record.length = record.startTagLength;
        record.endTagLength = 0;
        tail = element;
        const int32_t first = record.firstChild;
        if (!first)
            continue;
        const int32_t last = index_[first].previousSibling;
        for (int32_t child = first; child; child = index_[child].nextSibling)
            index_[child].parent = container;
        record.nextSibling = first;
        record.firstChild = 0;
        index_[first].previousSibling = element;
        tail = last;
    }
    index_[index_[container].firstChild].previousSibling = tail;
    while (open_.size() > from)
        pop();
}

void MarkupParser::pop()
{
    const OpenElement& open = open_.back();
    *open.innermost = open.sameNameBelow;
    open_.pop_back();
}

QStringView MarkupParser::nameOf(const OpenElement& open) const
{
    return text_.sliced(index_[open.element].start + 1, open.nameLength);
}

void MarkupParser::checkTopLevel()
{
    int count = 0;
    for (int32_t e = index_[0].firstChild; e && count < 2; e = index_[e].nextSibling)
        ++count;
    if (count == 0)
        log_.add({ .event = "no_root_element" });
    else if (count > 1)
        log_.add({ .event = "root_has_sibling" });
    if (count != 1)
        errors_ = true;
}

} // namespace tessel
