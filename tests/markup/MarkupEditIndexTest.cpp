// Edits anywhere in a document keep its index exact: after any sequence of
// them, the document reads as the same text parsed afresh.
#include "markup/MarkupDocument.h"

#include <QRandomGenerator>
#include <QStringList>
#include <gtest/gtest.h>

namespace tessel {
namespace {

// Every element in document order with its name, attributes and text, walked
// through the cursor alone.
QStringList describe(MarkupDocument& doc)
{
    QStringList out;
    const auto walk = [&](auto&& self, int depth) -> void {
        while (doc.findElement()) {
            out << QStringLiteral("%1%2 a=%3 b=%4")
                       .arg(QString(depth, u' '), doc.elementName(), doc.attribute(QStringLiteral("a")),
                           doc.attribute(QStringLiteral("b")));
            if (doc.findChildElement())
                out << QStringLiteral("%1 text=%2").arg(QString(depth, u' '), doc.childElementText());
            doc.enterElement();
            self(self, depth + 1);
            doc.leaveElement();
        }
    };
    doc.resetPosition();
    walk(walk, 0);
    return out;
}

TEST(MarkupEditIndex, RandomEditsMatchAFreshParse)
{
    QRandomGenerator random(20);
    for (int round = 0; round < 40; ++round) {
        MarkupDocument doc;
        doc.setText(QStringLiteral("<r><x/><y>t</y><z><w/></z></r>"));
        for (int edit = 0; edit < 60; ++edit) {
            // A random place: walk down a random path of the tree.
            doc.resetPosition();
            doc.findElement();
            const int depth = random.bounded(4);
            for (int d = 0; d < depth; ++d) {
                if (!doc.enterElement())
                    break;
                int skip = random.bounded(4);
                if (!doc.findElement()) {
                    doc.leaveElement();
                    break;
                }
                while (skip-- > 0 && doc.findElement()) { }
            }
            const QString value = QString(random.bounded(5), u'v');
            switch (random.bounded(4)) {
            case 0:
                doc.setAttribute(random.bounded(2) ? QStringLiteral("a") : QStringLiteral("b"), value);
                break;
            case 1:
                doc.appendElement(QStringLiteral("n"), value);
                break;
            case 2:
                doc.appendChildElement(QStringLiteral("c"), value);
                break;
            default:
                doc.appendChildElement(QStringLiteral("e"));
                break;
            }
            MarkupDocument fresh;
            fresh.setText(doc.text());
            ASSERT_EQ(describe(doc), describe(fresh)) << "round " << round << " edit " << edit << "\n"
                                                      << qPrintable(doc.text());
        }
    }
}

} // namespace
} // namespace tessel
