// Feeds arbitrary bytes to the markup document, both as text and through the
// file decoding path, walks everything it indexed and edits it. For documents
// that parsed without fault, the index kept up to date by the edits must be
// the one a fresh parse of the edited text builds. The decoded text is also
// written in encodings that keep state between characters or map every byte.
#include "encoding/CodePage.h"
#include "markup/MarkupDocument.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

using tessel::MarkupDocument;

namespace {

// The element tree as the cursor walks it, with each element's first
// attribute "a" and whether it has text.
QString elementTree(MarkupDocument doc)
{
    doc.resetPosition();
    QString out;
    long depth = 0;
    for (;;) {
        if (doc.findElement()) {
            out += doc.elementName() + u'[' + doc.attribute(QStringLiteral("a"));
            // Leaving and entering again selects the element as the child.
            if (doc.leaveElement()) {
                out += doc.childElementText().isEmpty() ? u'-' : u'+';
                doc.enterElement();
            }
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

void edit(MarkupDocument& doc)
{
    doc.resetPosition();
    doc.findElement();
    doc.findChildElement();
    doc.enterElement();
    doc.appendElement(QStringLiteral("N"), QStringLiteral("t<&>"));
    doc.setAttribute(QStringLiteral("a"), QStringLiteral("v<&\"'"));
    doc.setAttribute(QStringLiteral("b"), 42LL);
    doc.appendChildElement(QStringLiteral("C"), QStringLiteral("x"));
    doc.appendChildElement(QStringLiteral("D"));
    doc.leaveElement();
    doc.setAttribute(QStringLiteral("a"), QStringLiteral("w"));
    doc.appendElement(QStringLiteral("Z"));
}

void exercise(MarkupDocument& doc, bool wellFormed)
{
    elementTree(doc);
    edit(doc);
    if (doc.resultLog().size() > 1000 + 4096)
        std::abort();
    if (!wellFormed)
        return;
    MarkupDocument fresh;
    fresh.setText(doc.text());
    if (elementTree(doc) != elementTree(fresh))
        std::abort();
}

// Text written without loss reads back the same, and text written in
// ISO-2022-JP ends in its initial state, whatever character came last.
void writeAndReadBack(const QString& text)
{
    for (const int codePage : { 1252, tessel::CodePageUtf7 }) {
        bool lossy = false;
        const QByteArray bytes = tessel::encodeCodePage(text, codePage, &lossy);
        if (!lossy && tessel::decodeCodePage(bytes, codePage) != text)
            std::abort();
    }
    if (text.contains(QChar(0x1B)))
        return;
    const QByteArray jis = tessel::encodeCodePage(text, 50220);
    const qsizetype escape = jis.lastIndexOf('\x1B');
    if (escape >= 0 && !jis.sliced(escape).startsWith("\x1B(B"))
        std::abort();
}

constexpr int AnsiCodePages[] = { 1252, 936, 932, 949, 950, 1256, 65001, 20127 };

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));

    MarkupDocument text;
    const bool wellFormed = text.setText(QString::fromUtf8(bytes));
    exercise(text, wellFormed);

    MarkupDocument loaded;
    loaded.setAnsiCodePage(AnsiCodePages[size % std::size(AnsiCodePages)]);
    loaded.setBytes(bytes);
    writeAndReadBack(loaded.text());
    exercise(loaded, !loaded.hasErrors());
    return 0;
}
