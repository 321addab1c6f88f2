// The reason a markup document gave for a failed file operation.
#pragma once

#include <QString>

namespace tessel {

class MarkupDocument;

// The system's message noted in the document's log ("file_error"), or empty.
QString fileErrorOf(const MarkupDocument& document);

} // namespace tessel
