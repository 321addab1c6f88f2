// The encoding a document names for itself.
#pragma once

#include <QString>
#include <QStringView>

namespace tessel {

// The "encoding" of a leading XML declaration or, in an HTML document, the
// charset of the "meta" Content-Type declaration inside "html" / "head". The
// search stops at the first other element. Empty when nothing is declared.
QString declaredEncoding(QStringView text);

} // namespace tessel
