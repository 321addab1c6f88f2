// Reading RTF as the badge's rich edit control streams it (and RTF of the
// same shape written elsewhere) into the rich-text model.
#pragma once

#include "render/RichText.h"

#include <QByteArrayView>
#include <QString>

namespace tessel {

// The bytes as the rich edit control streams them. Any bytes are accepted:
// what does not make sense is skipped.
RichText ReadRtf(QByteArrayView rtf);

// A program's stored `save` string: RTF held as text; turned back into bytes
// through the ANSI code page, then read.
RichText RichTextFromSave(const QString& save, int ansiCodePage);

} // namespace tessel
