// The text content of an element without child elements.
#pragma once

#include <QString>
#include <QStringView>

namespace tessel {

// Content without "<" is unescaped whole. Otherwise its text pieces
// (unescaped) and the contents of its CDATA sections (as they are) are joined
// in order; comments, processing instructions and other tags are left out.
QString elementText(QStringView content);

} // namespace tessel
