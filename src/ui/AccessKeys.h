// Menu texts carry their access keys: "&File", or "文件(&F)" as Chinese,
// Japanese and Korean write them. Where the same texts appear outside a menu
// (tooltips, tool bar captions, names read out by a screen reader) they are
// shown without the key.
#pragma once

#include <QChar>
#include <QString>

namespace tessel {

// The text without its access key marker; "&&" stays a single "&".
QString withoutAccessKey(const QString& text);
// The access key of a menu text, upper case; a null character when it has none.
QChar accessKey(const QString& text);
// A text shown in a menu as it is: every "&" doubled.
QString escapeAccessKeys(QString text);

} // namespace tessel
