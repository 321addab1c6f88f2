#include "files/FileError.h"

#include "markup/MarkupDocument.h"

namespace tessel {

QString fileErrorOf(const MarkupDocument& document)
{
    // The log is itself markup: one empty element per event.
    MarkupDocument log;
    log.setText(document.resultLog());
    if (log.findElement(QStringLiteral("file_error")))
        return log.attribute(QStringLiteral("msg"));
    return {};
}

} // namespace tessel
