#include "markup/ElementText.h"

#include "markup/MarkupEscape.h"
#include "markup/MarkupScanner.h"

namespace tessel {

QString elementText(QStringView content)
{
    if (!content.contains(u'<'))
        return unescapeMarkup(content);
    QString out;
    qsizetype pos = 0;
    while (pos < content.size()) {
        const qsizetype lt = content.indexOf(u'<', pos);
        if (lt < 0) {
            appendUnescaped(out, content.sliced(pos));
            break;
        }
        appendUnescaped(out, content.sliced(pos, lt - pos));
        const MarkupToken token = scanTag(content, lt);
        if (token.kind == MarkupToken::Text)
            out += u'<';
        else if (token.kind == MarkupToken::CDataSection && token.terminated())
            out += content.sliced(lt + 9, token.end - lt - 12);
        pos = token.end;
    }
    return out;
}

} // namespace tessel
