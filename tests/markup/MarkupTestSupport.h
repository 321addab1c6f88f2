// Helpers shared by the markup document tests.
#pragma once

#include "markup/MarkupDocument.h"

#include <QString>

namespace tessel::test {

// The element tree as the cursor sees it: "name(a)[children]" for every
// element, where a is the value of the attribute "a" when there is one.
inline QString elementTree(MarkupDocument doc)
{
    doc.resetPosition();
    QString out;
    int depth = 0;
    for (;;) {
        if (doc.findElement()) {
            out += doc.elementName();
            const QString a = doc.attribute(QStringLiteral("a"));
            if (!a.isEmpty())
                out += u'(' + a + u')';
            out += u'[';
            doc.enterElement();
            ++depth;
            continue;
        }
        if (depth == 0)
            break;
        doc.leaveElement();
        out += u']';
        --depth;
    }
    return out;
}

// The tree of a fresh parse of the document's text.
inline QString reparsedTree(const MarkupDocument& doc)
{
    MarkupDocument fresh;
    fresh.setText(doc.text());

    return elementTree(fresh);
}

} // namespace tessel::test
