// The bridge between the rich-text model and QTextDocument, the content of
// the visible editor: one block per paragraph, one QTextCharFormat per run.
#pragma once

#include "render/RichText.h"

class QTextDocument;

namespace tessel {

// Replaces the document's content.
void RichTextToDocument(const RichText& text, QTextDocument& document);

RichText RichTextFromDocument(const QTextDocument& document);

} // namespace tessel
