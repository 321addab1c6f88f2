#include "markup/ResultLog.h"

#include "markup/MarkupEscape.h"

namespace tessel {

void ResultLog::add(const LogEntry& entry)
{
    if (text_.size() >= MaxLength)
        return;
    text_ += u'<';
    text_ += QLatin1StringView(entry.event);
    if (entry.textName) {
        text_ += u' ';
        text_ += QLatin1StringView(entry.textName);
        text_ += u"=\"";
        text_ += escapeMarkup(entry.text, EscapeMode::Attribute);
        text_ += u'"';
    }
    if (entry.numberName) {
        text_ += u' ';
        text_ += QLatin1StringView(entry.numberName);
        text_ += u"=\"";
        text_ += QString::number(entry.number);
        text_ += u'"';
    }
    if (entry.offset2 >= 0) {
        text_ += u" offset2=\"";
        text_ += QString::number(entry.offset2);
        text_ += u'"';
    }
    text_ += u"/>";
}

} // namespace tessel
