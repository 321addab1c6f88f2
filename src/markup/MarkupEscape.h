// Escaping of text written into markup, and the decoding of character
// references in text and attribute values read from it.
#pragma once

#include <QString>
#include <QStringView>

namespace tessel {

enum class EscapeMode {
    Element, // "<", "&" and ">"
    Attribute, // also the apostrophe and the double quote
};

QString escapeMarkup(QStringView text, EscapeMode mode);

// Decodes numeric references ("&#65;", "&#x41;") and named ones ("&amp;",
// "&eacute;"). References to U+0000, to surrogate values or past U+10FFFF,
// unknown names and lone ampersands stay as written.
QString unescapeMarkup(QStringView text);
void appendUnescaped(QString& out, QStringView text);

} // namespace tessel
